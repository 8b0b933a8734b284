#include "tests/unit/TestApp.h"

#include <shlwapi.h>

namespace {

std::string CurrentTestName()
{
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(pInfo->test_suite_name()) + "." + pInfo->name();
}

void DeleteProfile(const std::string& strPath)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, strPath.c_str());
}

} // namespace

TestApp::TestApp()
{
    SetRegistryKey(kTestRegistryKey);
    SetProfileName("unnamed");
    SetDisplayName("Skylet");
    m_hInstance = GetModuleHandleA(nullptr);
}

void RegistryTest::SetUp()
{
    AfxGetApp()->SetProfileName(CurrentTestName().c_str());
    DeleteProfile(ProfilePath());
}

void RegistryTest::TearDown()
{
    DeleteProfile(ProfilePath());
}

std::string RegistryTest::ProfilePath() const
{
    return std::string("Software\\") + kTestRegistryKey + "\\" + AfxGetApp()->GetProfileName();
}
