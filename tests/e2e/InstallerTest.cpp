// The per-user installer as a user runs it: a silent install, the installed
// program against the simulator, a silent uninstall.
#include "framework/RegKey.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr DWORD kStartMs = 20000;
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skylet";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kClsidKey[] = "Software\\Classes\\CLSID\\{cca7b049-4158-4d56-911c-e2a61af491b8}";
const char kProgIdKey[] = "Software\\Classes\\Skylet.Application";

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

bool KeyExists(HKEY hRoot, const char* pszKey)
{
    CRegKey key;
    return key.Open(hRoot, pszKey) == ERROR_SUCCESS;
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
DWORD RunToEnd(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(InstallerTest, InstallsForTheUserAloneAndUninstallsAllButTheSettings)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob"});
    const std::string folder = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Skylet";
    const std::string program = folder + "\\Skylet.exe";
    const std::string shortcut = ShellFolder(CSIDL_PROGRAMS) + "\\Skylet.lnk";

    ASSERT_EQ(0u, RunToEnd("\"" + WindowsPath(SETUP_EXE) + "\" /S"));
    EXPECT_TRUE(FileExists(program));
    EXPECT_TRUE(FileExists(folder + "\\uninstall.exe"));
    EXPECT_TRUE(FileExists(shortcut));
    EXPECT_EQ("\"" + folder + "\\uninstall.exe\"",
              ReadString(HKEY_CURRENT_USER, kUninstallKey, "UninstallString"));

    SkyletProcess skylet("", "", program);
    ASSERT_TRUE(WaitUntil([&] { return skylet.ContactWindows().size() == 1; }, kStartMs));
    EXPECT_EQ("\"" + program + "\"", ReadString(HKEY_CURRENT_USER, kRunKey, "Skylet"));
    EXPECT_EQ(program, ReadString(HKEY_CURRENT_USER,
                                  (std::string(kClsidKey) + "\\LocalServer32").c_str(), nullptr));

    // The uninstaller runs from a copy of its own and ends the running
    // program through its Quit command, which exits with 0.
    ASSERT_EQ(0u, RunToEnd("\"" + folder + "\\uninstall.exe\" /S"));
    EXPECT_TRUE(WaitUntil([&] { return !KeyExists(HKEY_CURRENT_USER, kUninstallKey); }, 30000));
    ASSERT_TRUE(WaitUntil([&] { return !skylet.Running(); }, 15000));
    EXPECT_EQ(0u, skylet.ExitCode()) << "ended by its Quit command, not killed";
    EXPECT_FALSE(FileExists(program));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(shortcut));
    EXPECT_EQ("", ReadString(HKEY_CURRENT_USER, kRunKey, "Skylet"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kClsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProgIdKey));
    EXPECT_EQ(74, ReadSkyletInt("bob@example.com", "sizeX", -1)) << "the settings stay";
}

} // namespace
