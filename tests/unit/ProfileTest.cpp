#include "framework/RegKey.h"
#include "framework/WinApp.h"
#include "settings/ProfileSection.h"
#include "tests/unit/TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ProfileTest : public RegistryTest {
protected:
    // Stores raw bytes under a section, as a hand edit of the registry would.
    void StoreRaw(const char* pszSection, const char* pszName, DWORD type, const void* pData,
                  DWORD size)
    {
        CRegKey key;
        ASSERT_EQ(ERROR_SUCCESS,
                  key.Create(HKEY_CURRENT_USER, (ProfilePath() + "\\" + pszSection).c_str()));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.Get(), pszName, 0, type,
                                                static_cast<const BYTE*>(pData), size));
    }

    bool SectionExists(const char* pszSection)
    {
        CRegKey key;
        return key.Open(HKEY_CURRENT_USER, (ProfilePath() + "\\" + pszSection).c_str())
               == ERROR_SUCCESS;
    }

    CWinApp& App() { return *AfxGetApp(); }
};

TEST_F(ProfileTest, AbsentValuesReadAsTheirDefaultsAndReadsCreateTheKeys)
{
    ASSERT_FALSE(SectionExists("bob@example.com"));
    EXPECT_EQ(74, App().GetProfileInt("bob@example.com", "sizeX", 74));
    EXPECT_TRUE(SectionExists("bob@example.com"));

    EXPECT_EQ("default.jpg",
              App().GetProfileString("carol@example.com", "picFileName", "default.jpg"));
    EXPECT_TRUE(SectionExists("carol@example.com"));
}

TEST_F(ProfileTest, WrittenValuesReadBack)
{
    App().WriteProfileInt("_Default", "left", -1234);
    App().WriteProfileString("_Default", "customName", "Bobby \xE9t\xE9");
    EXPECT_EQ(-1234, App().GetProfileInt("_Default", "left", 0));
    EXPECT_EQ("Bobby \xE9t\xE9", App().GetProfileString("_Default", "customName", ""));

    App().WriteProfileString("_Default", "customName", "");
    EXPECT_EQ("", App().GetProfileString("_Default", "customName", "x"))
        << "an empty string is a value, not an absent one";
}

TEST_F(ProfileTest, BooleansAreTrueOnlyForOne)
{
    const Settings::ProfileSection section("bob@example.com");
    const Settings::BoolValue showName{"showName", true};
    const Settings::BoolValue clickThrough{"clickThrough", false};

    EXPECT_TRUE(section.Read(showName));
    EXPECT_FALSE(section.Read(clickThrough));

    for (int stored : {2, -1, 0}) {
        App().WriteProfileInt("bob@example.com", "showName", stored);
        EXPECT_FALSE(section.Read(showName)) << "stored " << stored;
    }
    section.Write(clickThrough, true);
    EXPECT_EQ(1, App().GetProfileInt("bob@example.com", "clickThrough", 0));
    EXPECT_TRUE(section.Read(clickThrough));
}

TEST_F(ProfileTest, IntegerReadTakesTheBytesOfAnyValueOfAtMostFourBytes)
{
    StoreRaw("s", "sz1", REG_SZ, "1", 2); // '1', 0
    EXPECT_EQ(0x31, App().GetProfileInt("s", "sz1", 7));

    StoreRaw("s", "bin3", REG_BINARY, "\x01\x02\x03", 3);
    EXPECT_EQ(0x030201, App().GetProfileInt("s", "bin3", 7));

    StoreRaw("s", "allOnes", REG_DWORD, "\xFF\xFF\xFF\xFF", 4);
    EXPECT_EQ(-1, App().GetProfileInt("s", "allOnes", 7));

    StoreRaw("s", "empty", REG_BINARY, "", 0);
    EXPECT_EQ(0, App().GetProfileInt("s", "empty", 7));
}

TEST_F(ProfileTest, IntegerReadFallsBackForLongerValues)
{
    StoreRaw("s", "bin6", REG_BINARY, "\x01\x02\x03\x04\x05\x06", 6);
    EXPECT_EQ(7, App().GetProfileInt("s", "bin6", 7));

    StoreRaw("s", "text", REG_SZ, "hello", 6);
    EXPECT_EQ(7, App().GetProfileInt("s", "text", 7));
}

TEST_F(ProfileTest, StringReadTakesWhateverIsStored)
{
    StoreRaw("s", "dword", REG_DWORD, "A\0\0\0", 4);
    EXPECT_EQ("A", App().GetProfileString("s", "dword", "x"));

    StoreRaw("s", "unterminated", REG_SZ, "abc", 3);
    EXPECT_EQ("abc", App().GetProfileString("s", "unterminated", "x"));

    const std::string huge(200000, 'h');
    StoreRaw("s", "huge", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() + 1));
    EXPECT_EQ(huge, App().GetProfileString("s", "huge", "x"));
}

TEST_F(ProfileTest, HandEditedValuesDoNotDisturbTheOthers)
{
    App().WriteProfileInt("bob@example.com", "sizeX", 120);
    App().WriteProfileString("bob@example.com", "customName", "Bob");
    StoreRaw("bob@example.com", "sizeY", REG_BINARY, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    StoreRaw("bob@example.com", "left", REG_SZ, "far away", 9);
    StoreRaw("bob@example.com", "top", REG_MULTI_SZ, "a\0b\0", 5);

    EXPECT_EQ(74, App().GetProfileInt("bob@example.com", "sizeY", 74));
    EXPECT_EQ(-5, App().GetProfileInt("bob@example.com", "left", -5));
    EXPECT_EQ(120, App().GetProfileInt("bob@example.com", "sizeX", 74));
    EXPECT_EQ("Bob", App().GetProfileString("bob@example.com", "customName", ""));
}

TEST_F(ProfileTest, SectionsDifferingInLetterCaseShareOneSection)
{
    App().WriteProfileInt("Bob@Example.com", "transparency", 40);
    EXPECT_EQ(40, App().GetProfileInt("bob@example.com", "transparency", 100));
    App().WriteProfileString("bob@example.com", "customName", "Bobby");
    EXPECT_EQ("Bobby", App().GetProfileString("BOB@EXAMPLE.COM", "customName", ""));
}

TEST_F(ProfileTest, UnopenableRegistryReadsAsEmptyAndIgnoresWrites)
{
    // A key name longer than the registry allows cannot be created.
    const std::string strSection(300, 's');
    App().WriteProfileInt(strSection.c_str(), "sizeX", 120);
    EXPECT_EQ(74, App().GetProfileInt(strSection.c_str(), "sizeX", 74));
    App().WriteProfileString(strSection.c_str(), "customName", "Bob");
    EXPECT_EQ("", App().GetProfileString(strSection.c_str(), "customName", ""));
}

// Sections named by sign-in names that no registry key can have.
TEST_F(ProfileTest, ANameThatCannotBeOneKeyHasNoSectionAndTouchesNoOther)
{
    App().WriteProfileInt("bob@example.com", "transparency", 40);
    const std::string names[] = {
        "bob@example.com\\",  "bob@example.com\\\\", "\\bob@example.com", "bob@example.com\\x", "",
        std::string(256, 'y')};
    for (const std::string& name : names) {
        App().WriteProfileInt(name.c_str(), "transparency", 70);
        App().WriteProfileString(name.c_str(), "customName", "Mallory");
        EXPECT_EQ(100, App().GetProfileInt(name.c_str(), "transparency", 100)) << name;
        EXPECT_EQ("", App().GetProfileString(name.c_str(), "customName", "")) << name;
    }
    EXPECT_EQ(40, App().GetProfileInt("bob@example.com", "transparency", 100));
    EXPECT_EQ("(none)", App().GetProfileString("bob@example.com", "customName", "(none)"));

    CRegKey profile, bob;
    ASSERT_EQ(ERROR_SUCCESS, profile.Open(HKEY_CURRENT_USER, ProfilePath().c_str()));
    char szName[300] = "";
    DWORD nLength = sizeof(szName);
    EXPECT_EQ(ERROR_SUCCESS, RegEnumKeyExA(profile.Get(), 0, szName, &nLength, nullptr, nullptr,
                                           nullptr, nullptr));
    EXPECT_STREQ("bob@example.com", szName);
    nLength = sizeof(szName);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyExA(profile.Get(), 1, szName, &nLength, nullptr,
                                                 nullptr, nullptr, nullptr));
    nLength = sizeof(szName);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS,
              RegEnumValueA(profile.Get(), 0, szName, &nLength, nullptr, nullptr, nullptr, nullptr))
        << "no value in the profile itself";
    ASSERT_EQ(ERROR_SUCCESS, bob.Open(profile.Get(), "bob@example.com"));
    nLength = sizeof(szName);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS,
              RegEnumKeyExA(bob.Get(), 0, szName, &nLength, nullptr, nullptr, nullptr, nullptr))
        << "no key below bob's section";

    const std::string longest(255, 'x');
    App().WriteProfileInt(longest.c_str(), "transparency", 70);
    EXPECT_EQ(70, App().GetProfileInt(longest.c_str(), "transparency", 100))
        << "names up to the registry's limit keep their sections";
}

TEST_F(ProfileTest, SettingsLiveUnderTheRegistryKeyAndProfileName)
{
    App().WriteProfileInt("_Default", "HideBorder", 0);
    CRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, (ProfilePath() + "\\_Default").c_str()));
    int value = 1;
    EXPECT_TRUE(key.QueryInt("HideBorder", value));
    EXPECT_EQ(0, value);
}

} // namespace
