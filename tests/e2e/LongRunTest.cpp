// What a tray program that runs for weeks meets: a second start, a shell
// that restarts, a display that changes.
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;

class LongRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSkyletSettings();
        m_simulator.Write({"bob@example.com online Bob"});
    }

    // Waits for the one contact's window and for the log window's flight
    // into the tray.
    HWND StartAndWait(SkyletProcess& skylet)
    {
        HWND hBob = nullptr;
        WaitUntil(
            [&] {
                const std::vector<HWND> windows = skylet.ContactWindows();
                hBob = windows.size() == 1 && IsWindowVisible(windows[0]) ? windows[0] : nullptr;
                HWND hMain = skylet.MainWindow();
                return hBob && hMain && !IsWindowVisible(hMain);
            },
            kStartMs);
        return hBob;
    }

    Simulator m_simulator;
};

TEST_F(LongRunTest, ASecondStartBringsUpTheRunningCopysLogAndEnds)
{
    SkyletProcess skylet;
    ASSERT_NE(nullptr, StartAndWait(skylet));

    SkyletProcess second;
    ASSERT_TRUE(WaitUntil([&] { return !second.Running(); }, 15000));
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(skylet.MainWindow()) != FALSE; }, 5000));
    EXPECT_EQ(1u, skylet.ContactWindows().size());
    EXPECT_EQ(1, ProcessCount("Skylet.exe"));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(LongRunTest, TheTrayIconComesBackWhenTheTaskbarIsMadeAnew)
{
    const size_t nIconsBefore = TrayIcons().size();
    SkyletProcess skylet;
    ASSERT_NE(nullptr, StartAndWait(skylet));
    // The notification area makes its icon windows in a process of its own.
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == nIconsBefore + 1; }, 5000));

    // A shell that restarts has lost every icon, and says so to every window.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = skylet.MainWindow();
    icon.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([&] { return TrayIcons().size() == nIconsBefore; }, 5000));
    SendMessageA(skylet.MainWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIcons().size() == nIconsBefore + 1; }, 5000));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(LongRunTest, AWindowLeftOutsideTheDesktopComesBackWhenTheDisplayChanges)
{
    SkyletProcess skylet;
    HWND hBob = StartAndWait(skylet);
    ASSERT_NE(nullptr, hBob);

    // As if a second monitor on the right had been unplugged.
    SetWindowPos(hBob, nullptr, 1500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(
        WaitUntil([] { return ReadSkyletInt("bob@example.com", "left", -1) == 1500; }, 5000));
    Sleep(1000);
    RECT window = {};
    GetWindowRect(hBob, &window);
    ASSERT_EQ(1500, window.left) << "nothing brings it back by itself";

    SendMessageA(skylet.MainWindow(), WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetWindowRect(hBob, &window);
            return window.right <= work.right && window.left >= work.left;
        },
        2000));
    EXPECT_EQ(work.right - 74, ReadSkyletInt("bob@example.com", "left", -1));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
