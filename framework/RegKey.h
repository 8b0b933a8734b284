#pragma once

#include <windows.h>

#include <string>

// Owns one open registry key; closes it when it goes.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }

    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.m_hKey) { other.m_hKey = nullptr; }
    CRegKey& operator=(CRegKey&& other) noexcept;

    // Opens the subkey, creating it when missing.
    LONG Create(HKEY hParent, const char* pszSubKey, REGSAM access = KEY_READ | KEY_WRITE);
    LONG Open(HKEY hParent, const char* pszSubKey, REGSAM access = KEY_READ);
    void Close();

    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

    // The bytes of a value of at most four bytes, whatever its type, as a
    // signed 32-bit integer; false for a longer or absent value.
    bool QueryInt(const char* pszName, int& value) const;
    // Whatever is stored, up to its first zero byte; false when absent.
    bool QueryString(const char* pszName, std::string& value) const;

    LONG SetDword(const char* pszName, DWORD value);
    LONG SetString(const char* pszName, const std::string& value);
    LONG DeleteValue(const char* pszName);

private:
    HKEY m_hKey = nullptr;
};
