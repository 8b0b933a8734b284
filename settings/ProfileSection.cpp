#include "settings/ProfileSection.h"

#include "framework/WinApp.h"

namespace Settings {

const CRegKey& ProfileSection::Key() const
{
    if (!m_key)
        if (const CWinApp* pApp = AfxGetApp())
            m_key = pApp->GetSectionKey(m_strName.c_str());
    return m_key;
}

int ProfileSection::ReadInt(const char* pszName, int nDefault) const
{
    int value = nDefault;
    return Key().QueryInt(pszName, value) ? value : nDefault;
}

void ProfileSection::WriteInt(const char* pszName, int nValue) const
{
    if (Key())
        m_key.SetDword(pszName, static_cast<DWORD>(nValue));
}

bool ProfileSection::Read(const BoolValue& value) const
{
    return ReadInt(value.pszName, value.bDefault ? 1 : 0) == 1;
}

int ProfileSection::Read(const IntValue& value) const
{
    return ReadInt(value.pszName, value.nDefault);
}

COLORREF ProfileSection::Read(const ColorValue& value) const
{
    return static_cast<COLORREF>(ReadInt(value.pszName, static_cast<int>(value.crDefault)));
}

std::string ProfileSection::Read(const StringValue& value) const
{
    std::string strValue;
    return Key().QueryString(value.pszName, strValue) ? strValue : std::string(value.pszDefault);
}

int ProfileSection::Read(const PlacedIntValue& value, int nDefault) const
{
    return ReadInt(value.pszName, nDefault);
}

void ProfileSection::Write(const BoolValue& value, bool bValue) const
{
    WriteInt(value.pszName, bValue ? 1 : 0);
}

void ProfileSection::Write(const IntValue& value, int nValue) const
{
    WriteInt(value.pszName, nValue);
}

void ProfileSection::Write(const ColorValue& value, COLORREF crValue) const
{
    WriteInt(value.pszName, static_cast<int>(crValue));
}

void ProfileSection::Write(const StringValue& value, const std::string& strValue) const
{
    if (Key())
        m_key.SetString(value.pszName, strValue);
}

void ProfileSection::Write(const PlacedIntValue& value, int nValue) const
{
    WriteInt(value.pszName, nValue);
}

} // namespace Settings
