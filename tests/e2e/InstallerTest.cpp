// The per-user installer as a user runs it: a silent install, the installed
// program against the simulator, a silent uninstall started as the
// installed-programs entry says, also while the program is still starting and
// while it cannot be stopped. The setup is the one of this build's
// architecture.
#include "framework/ComPtr.h"
#include "framework/RegKey.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>
#include <oaidl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string>

namespace {

// The waits of a test and of its clean-up add up to less than the end-to-end
// tests' limit of 180 s: 165 s at most, in the test of a program that cannot
// be stopped.
constexpr DWORD kSetupMs = 20000;
constexpr DWORD kStartMs = 20000;
// An uninstall that waits out a first poll of four contacts spoken for 3 s
// each, or gives up on a program that only hides after 15 s.
constexpr DWORD kUninstallMs = 45000;
// A program that has ended or was told to.
constexpr DWORD kEndMs = 5000;
// The uninstaller's copy, which removes its file as soon as it has ended.
constexpr DWORD kLastFileMs = 10000;
// What a failed test leaves, by when no Skylet of the test's runs.
constexpr DWORD kCleanupMs = 20000;
const char kLastFileCopy[] = "Skylet-uninstall.exe";
const CLSID kSkyletApplication = {
    0xcca7b049, 0x4158, 0x4d56, {0x91, 0x1c, 0xe2, 0xa6, 0x1a, 0xf4, 0x91, 0xb8}};
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skylet";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The automation server's class, under a classes root and under the user's.
const std::string kClassKey = "CLSID\\{cca7b049-4158-4d56-911c-e2a61af491b8}";
const std::string kClsidKey = "Software\\Classes\\" + kClassKey;
const char kProgIdKey[] = "Software\\Classes\\Skylet.Application";
// The registry view of the other build of Skylet, which may have been
// installed in the same folder before.
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

std::string ShellFolder(int nFolder)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool FileExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool KeyExists(HKEY hRoot, const std::string& strKey, REGSAM view = 0)
{
    CRegKey key;
    return key.Open(hRoot, strKey.c_str(), KEY_READ | view) == ERROR_SUCCESS;
}

std::string ReadString(HKEY hRoot, const char* pszKey, const char* pszName)
{
    CRegKey key;
    std::string value;
    if (key.Open(hRoot, pszKey) == ERROR_SUCCESS)
        key.QueryString(pszName, value);
    return value;
}

// Runs a program to its end; its exit code, or -1.
DWORD RunToEnd(std::string commandLine, DWORD dwTimeoutMs)
{
    const CStartedProcess process(std::move(commandLine));
    if (!process.Started())
        return static_cast<DWORD>(-1);
    process.WaitForEnd(dwTimeoutMs);
    return process.ExitCode();
}

bool HasValue(HKEY hRoot, const char* pszKey, const char* pszName)
{
    CRegKey key;
    std::string value;
    return key.Open(hRoot, pszKey) == ERROR_SUCCESS && key.QueryString(pszName, value);
}

// Writes the automation entries that the other build of Skylet writes at its
// start, in its own registry view, naming the program in this folder.
bool RegisterAsTheOtherBuild(const std::string& strProgram)
{
    for (const auto& [hRoot, strKey] :
         {std::pair{HKEY_CURRENT_USER, kClsidKey}, std::pair{HKEY_CLASSES_ROOT, kClassKey}}) {
        CRegKey key;
        if (key.Create(hRoot, (strKey + "\\LocalServer32").c_str(), KEY_WRITE | kOtherView)
                != ERROR_SUCCESS
            || key.SetString(nullptr, strProgram) != ERROR_SUCCESS)
            return false;
    }
    return true;
}

// The program installed silently for the current user, and gone again at
// the end of the test whatever happened in between.
class InstalledCopy {
public:
    InstalledCopy()
        : folder(ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Skylet"),
          program(folder + "\\Skylet.exe"), uninstaller(folder + "\\uninstall.exe"),
          shortcut(ShellFolder(CSIDL_PROGRAMS) + "\\Skylet.lnk"),
          setupExitCode(RunToEnd("\"" + WindowsPath(SETUP_EXE) + "\" /S", kSetupMs))
    {
    }

    ~InstalledCopy()
    {
        // Whatever the uninstaller leaves goes too.
        if (FileExists(uninstaller)) {
            RunToEnd("\"" + uninstaller + "\" /S", kCleanupMs);
            LastFileCopyEnded();
        }
        DeleteFileA(program.c_str());
        DeleteFileA(uninstaller.c_str());
        RemoveDirectoryA(folder.c_str());
        DeleteFileA(shortcut.c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    }

    InstalledCopy(const InstalledCopy&) = delete;
    InstalledCopy& operator=(const InstalledCopy&) = delete;

    // The silent uninstall as a management tool starts it: the command that
    // the installed-programs entry gives. Its exit code.
    DWORD QuietUninstall() const
    {
        return RunToEnd(ReadString(HKEY_CURRENT_USER, kUninstallKey, "QuietUninstallString"),
                        kUninstallMs);
    }
    // The uninstaller's copy, which removes its file, has done so and ended.
    static bool LastFileCopyEnded()
    {
        return WaitUntil([] { return ProcessCount(kLastFileCopy) == 0; }, kLastFileMs);
    }
    // Everything the installer puts in place is there.
    bool Whole() const
    {
        return FileExists(program) && FileExists(uninstaller) && FileExists(shortcut)
               && KeyExists(HKEY_CURRENT_USER, kUninstallKey);
    }
    // Everything it put in place, and what the program registered in either
    // view, is gone, the uninstaller's own file last.
    void ExpectRemoved() const
    {
        EXPECT_FALSE(FileExists(program));
        EXPECT_FALSE(FileExists(shortcut));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
        EXPECT_FALSE(HasValue(HKEY_CURRENT_USER, kRunKey, "Skylet"));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProgIdKey));
        for (REGSAM view : {REGSAM(0), kOtherView}) {
            EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kClsidKey, view));
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey, view));
        }
        EXPECT_TRUE(LastFileCopyEnded());
        EXPECT_FALSE(FileExists(uninstaller));
        EXPECT_FALSE(FileExists(folder));
    }

    const std::string folder;
    const std::string program;
    const std::string uninstaller;
    const std::string shortcut;
    const DWORD setupExitCode;
};

TEST(InstallerTest, InstallsForTheUserAloneAndUninstallsAllButTheSettings)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob"});
    InstalledCopy copy;
    ASSERT_EQ(0u, copy.setupExitCode);
    ASSERT_TRUE(copy.Whole());
    EXPECT_EQ("\"" + copy.uninstaller + "\"",
              ReadString(HKEY_CURRENT_USER, kUninstallKey, "UninstallString"));

    SkyletProcess skylet("", "", copy.program);
    ASSERT_TRUE(WaitUntil([&] { return skylet.MainWindow() != nullptr; }, kStartMs));
    EXPECT_EQ("\"" + copy.program + "\"", ReadString(HKEY_CURRENT_USER, kRunKey, "Skylet"));
    EXPECT_EQ(copy.program,
              ReadString(HKEY_CURRENT_USER, (kClsidKey + "\\LocalServer32").c_str(), nullptr));

    // The other build, installed here before this one, left its entries.
    ASSERT_TRUE(RegisterAsTheOtherBuild(copy.program));

    // The uninstaller ends the running program through its Quit command:
    // the test asks it nothing, and its exit code tells that it is done.
    ASSERT_EQ(0u, copy.QuietUninstall());
    ASSERT_TRUE(WaitUntil([&] { return !skylet.Running(); }, kEndMs));
    EXPECT_EQ(0u, skylet.ExitCode()) << "ended normally";
    copy.ExpectRemoved();
    EXPECT_EQ(74, ReadSkyletInt("bob@example.com", "sizeX", -1)) << "the settings stay";
}

// Started with Windows just before an update or an uninstall, the program
// may still be in its first poll, speaking every contact that is online,
// with no main window to take a Quit yet.
TEST(InstallerTest, AnUninstallDuringTheFirstPollWaitsForTheProgramAndRemovesEverything)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"alice@example.com online Alice", "bob@example.com online Bob",
                     "carol@example.com online Carol", "dave@example.com online Dave"});
    StandInVoice voice;
    voice.SetSpeakMs(3000);
    InstalledCopy copy;
    ASSERT_EQ(0u, copy.setupExitCode);

    SkyletProcess skylet("", "", copy.program);
    ASSERT_TRUE(WaitUntil([&] { return !skylet.ContactWindows().empty(); }, kStartMs));
    ASSERT_EQ(nullptr, skylet.MainWindow()) << "the first poll still speaks";
    ASSERT_EQ(0u, copy.QuietUninstall());

    ASSERT_TRUE(WaitUntil([&] { return !skylet.Running(); }, kEndMs));
    EXPECT_EQ(0u, skylet.ExitCode()) << "ended normally";
    EXPECT_EQ(4u, voice.Spoken().size()) << "its first poll ran to its end";
    copy.ExpectRemoved();
}

// An automation client keeps the program running: its Quit only hides it.
TEST(InstallerTest, AProgramThatCannotBeStoppedLeavesTheInstallationWhole)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob"});
    InstalledCopy copy;
    ASSERT_EQ(0u, copy.setupExitCode);
    {
        SkyletProcess registering("", "", copy.program); // a normal start records the server
        ASSERT_TRUE(WaitUntil([&] { return registering.MainWindow() != nullptr; }, kStartMs));
        ASSERT_TRUE(registering.Quit(kEndMs));
    }
    CComPtr<IDispatch> pClient;
    ASSERT_EQ(S_OK, CoCreateInstance(kSkyletApplication, nullptr, CLSCTX_LOCAL_SERVER,
                                     IID_IDispatch, pClient.PutVoid()));
    ASSERT_TRUE(WaitUntil([] { return FindWindowA("#32770", "Skylet") != nullptr; }, kStartMs));

    EXPECT_EQ(2u, copy.QuietUninstall()) << "a silent uninstall that cannot stop the program fails";
    EXPECT_EQ(1, ProcessCount("Skylet.exe"));
    EXPECT_TRUE(copy.Whole()) << "nothing removed";
    EXPECT_EQ(copy.program,
              ReadString(HKEY_CURRENT_USER, (kClsidKey + "\\LocalServer32").c_str(), nullptr));

    pClient.Release();
    EXPECT_TRUE(WaitUntil([] { return ProcessCount("Skylet.exe") == 0; }, 15000))
        << "its last client gone, the program ends";
}

} // namespace
