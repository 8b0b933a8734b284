#include "framework/RegKey.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
constexpr DWORD kNextPollMs = 15000;

int LogEntries(const std::string& log)
{
    return Count(log, "    \r\n\r");
}

// The real pointer: a press and a release at a point of the screen.
void Click(POINT point, DWORD dwDown, DWORD dwUp)
{
    SetCursorPos(point.x, point.y);
    Sleep(200);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = dwDown;
    input[1].mi.dwFlags = dwUp;
    SendInput(2, input, sizeof(INPUT));
}

// A double click that comes before the window's first paint is undone by it,
// as it would be for a user, who then double-clicks again.
bool DoubleClickUntilShown(HWND hMain)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        PostMessageA(hMain, WM_USER + 1, 1, WM_LBUTTONDBLCLK);
        if (WaitUntil([&] { return IsWindowVisible(hMain) != FALSE; }, 3000))
            return true;
    }
    return false;
}

std::string RunEntry()
{
    CRegKey run;
    std::string value;
    run.Open(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    return run.QueryString("Skylet", value) ? value : "(none)";
}

void DeleteRunEntry()
{
    CRegKey run;
    if (run.Open(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", KEY_WRITE)
        == ERROR_SUCCESS)
        run.DeleteValue("Skylet");
}

TEST(TrayTest, TheTrayIconBringsTheLogBackAndItsMenuQuits)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob", "carol@example.com away Carol"});
    const std::vector<HWND> iconsBefore = TrayIcons();
    // Written anew by this start, from where the program lives.
    DeleteRunEntry();
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    SkyletProcess skylet("", temp); // not the program's own directory
    HWND hIcon = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            hIcon = NewIcon(iconsBefore);
            return skylet.MainWindow() && hIcon;
        },
        kStartMs));
    HWND hMain = skylet.MainWindow();
    EXPECT_EQ("\"" + WindowsPath(SKYLET_EXE) + "\"", RunEntry());

    ASSERT_TRUE(DoubleClickUntilShown(hMain));
    EXPECT_EQ(0u, skylet.LogText().find("Welcome to Skylet 1.0 !\r\n    \r\n\r"));
    EXPECT_EQ(2, LogEntries(skylet.LogText()));

    const std::vector<std::string> bobBusy = {"bob@example.com busy Bob",
                                              "carol@example.com away Carol"};
    simulator.Write(bobBusy);
    ASSERT_TRUE(WaitUntil([&] { return LogEntries(skylet.LogText()) > 2; }, kNextPollMs));
    // The same list written anew: the poll awaited is a later one than the
    // poll that logged the change.
    simulator.Write(bobBusy);
    ASSERT_TRUE(simulator.WaitForPollTaken(kNextPollMs)) << "another poll, with nothing new";
    EXPECT_EQ(3, LogEntries(skylet.LogText()));

    // Out of the way again, then the real pointer: a right click on the
    // icon, and a click on "Quit", the menu's last item.
    PostMessageA(hMain, WM_USER + 1, 1, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(hMain); }, 5000));
    RECT icon = {};
    GetWindowRect(hIcon, &icon);
    Click({icon.left + 5, icon.top + 5}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND hMenu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMenu = skylet.Shows("#32768")) != nullptr; }, 5000));
    RECT menu = {};
    GetWindowRect(hMenu, &menu);
    Click({menu.left + 40, menu.bottom - 10}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(WaitUntil([&] { return !skylet.Running(); }, 10000));
    EXPECT_EQ(0u, skylet.ExitCode());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(hIcon); }, 5000)) << "its icon goes with it";
}

} // namespace
