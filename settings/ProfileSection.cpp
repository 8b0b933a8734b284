#include "settings/ProfileSection.h"

#include "framework/WinApp.h"

namespace Settings {

namespace {

int ReadInt(const std::string& strSection, const char* pszName, int nDefault)
{
    const CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileInt(strSection.c_str(), pszName, nDefault) : nDefault;
}

void WriteInt(const std::string& strSection, const char* pszName, int nValue)
{
    if (const CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt(strSection.c_str(), pszName, nValue);
}

} // namespace

bool ProfileSection::Read(const BoolValue& value) const
{
    return ReadInt(m_strName, value.pszName, value.bDefault ? 1 : 0) == 1;
}

int ProfileSection::Read(const IntValue& value) const
{
    return ReadInt(m_strName, value.pszName, value.nDefault);
}

COLORREF ProfileSection::Read(const ColorValue& value) const
{
    return static_cast<COLORREF>(
        ReadInt(m_strName, value.pszName, static_cast<int>(value.crDefault)));
}

std::string ProfileSection::Read(const StringValue& value) const
{
    const CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileString(m_strName.c_str(), value.pszName, value.pszDefault)
                : std::string(value.pszDefault);
}

int ProfileSection::Read(const PlacedIntValue& value, int nDefault) const
{
    return ReadInt(m_strName, value.pszName, nDefault);
}

void ProfileSection::Write(const BoolValue& value, bool bValue) const
{
    WriteInt(m_strName, value.pszName, bValue ? 1 : 0);
}

void ProfileSection::Write(const IntValue& value, int nValue) const
{
    WriteInt(m_strName, value.pszName, nValue);
}

void ProfileSection::Write(const ColorValue& value, COLORREF crValue) const
{
    WriteInt(m_strName, value.pszName, static_cast<int>(crValue));
}

void ProfileSection::Write(const StringValue& value, const std::string& strValue) const
{
    if (const CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileString(m_strName.c_str(), value.pszName, strValue);
}

void ProfileSection::Write(const PlacedIntValue& value, int nValue) const
{
    WriteInt(m_strName, value.pszName, nValue);
}

} // namespace Settings
