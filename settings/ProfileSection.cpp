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

std::string ProfileSection::Read(const StringValue& value) const
{
    std::string strValue;
    return Key().QueryString(value.pszName, strValue) ? strValue : std::string(value.defaultValue);
}

int ProfileSection::Read(const PlacedIntValue& value, int nDefault) const
{
    return ReadInt(value.pszName, nDefault);
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
