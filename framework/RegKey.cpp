#include "framework/RegKey.h"

#include <vector>

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_hKey = other.m_hKey;
        other.m_hKey = nullptr;
    }
    return *this;
}

LONG CRegKey::Create(HKEY hParent, const char* pszSubKey, REGSAM access)
{
    Close();
    if (!hParent)
        return ERROR_INVALID_HANDLE;
    DWORD disposition = 0;
    return RegCreateKeyExA(hParent, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                           &m_hKey, &disposition);
}

LONG CRegKey::Open(HKEY hParent, const char* pszSubKey, REGSAM access)
{
    Close();
    if (!hParent)
        return ERROR_INVALID_HANDLE;
    return RegOpenKeyExA(hParent, pszSubKey, 0, access, &m_hKey);
}

void CRegKey::Close()
{
    if (m_hKey) {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

bool CRegKey::QueryInt(const char* pszName, int& value) const
{
    if (!m_hKey)
        return false;
    // Zeroed first: a value shorter than four bytes fills only its low bytes.
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size)
        != ERROR_SUCCESS)
        return false;
    value = static_cast<int>(data);
    return true;
}

bool CRegKey::QueryString(const char* pszName, std::string& value) const
{
    if (!m_hKey)
        return false;
    DWORD size = 0;
    if (RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    // The stored bytes need not end with a zero: keep one of our own after them.
    std::vector<char> buffer;
    LONG result;
    do {
        buffer.assign(size + 1, '\0');
        result = RegQueryValueExA(m_hKey, pszName, nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    } while (result == ERROR_MORE_DATA);
    if (result != ERROR_SUCCESS)
        return false;
    value = buffer.data();
    return true;
}

LONG CRegKey::SetDword(const char* pszName, DWORD value)
{
    return RegSetValueExA(m_hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value));
}

LONG CRegKey::SetString(const char* pszName, const std::string& value)
{
    return RegSetValueExA(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

LONG CRegKey::DeleteValue(const char* pszName)
{
    return RegDeleteValueA(m_hKey, pszName);
}
