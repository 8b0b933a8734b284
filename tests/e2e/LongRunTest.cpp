// What a tray program that runs for weeks meets: a second start, a shell
// that restarts, a display that changes, a full-screen program.
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
// How long the windows on top may take to step aside for a full-screen
// program, and to come back after it: a bound for a busy machine, not the
// delay, which bench/StepAsideBench measures.
constexpr DWORD kStepAsideMs = 10000;
constexpr DWORD kPollMs = 15000;

// A full-screen program of its own process, ended with the test.
class FullScreenProgram {
public:
    FullScreenProgram()
    {
        std::string commandLine = "\"" + WindowsPath(FULL_SCREEN_EXE) + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_process);
    }
    ~FullScreenProgram()
    {
        Close();
        if (m_process.hProcess) {
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
    }
    FullScreenProgram(const FullScreenProgram&) = delete;
    FullScreenProgram& operator=(const FullScreenProgram&) = delete;

    HWND Window() const { return FindWindowA("SkyletTestFullScreen", nullptr); }
    // In the foreground, over the whole screen.
    bool InFront() const
    {
        HWND hWnd = Window();
        RECT rect = {};
        return hWnd && GetForegroundWindow() == hWnd && GetWindowRect(hWnd, &rect)
               && rect.right - rect.left == GetSystemMetrics(SM_CXSCREEN);
    }
    void Close()
    {
        if (HWND hWnd = Window())
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
        if (m_process.hProcess && WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 99);
    }

private:
    PROCESS_INFORMATION m_process = {};
};

bool OnTop(HWND hWnd)
{
    return (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The colour of a point of a window's frame as the screen shows it.
COLORREF FramePixel(HWND hWnd)
{
    RECT client = {};
    GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ScreenShot(client).Pixel(1, 30);
}

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
    bool bSecondHadWindows = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            bSecondHadWindows |= second.MainWindow() || !second.ContactWindows().empty();
            return !second.Running();
        },
        15000));
    EXPECT_FALSE(bSecondHadWindows) << "it hands over without a window of its own";
    EXPECT_EQ(0u, second.ExitCode()) << "ended normally";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(skylet.MainWindow()) != FALSE; }, 5000));
    EXPECT_EQ(1u, skylet.ContactWindows().size());
    EXPECT_EQ(1, ProcessCount("Skylet.exe"));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(LongRunTest, TheTrayIconComesBackWhenTheTaskbarIsMadeAnew)
{
    const std::vector<HWND> iconsBefore = TrayIcons();
    SkyletProcess skylet;
    ASSERT_NE(nullptr, StartAndWait(skylet));
    // The notification area makes its icon windows in a process of its own.
    HWND hIcon = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hIcon = NewIcon(iconsBefore)) != nullptr; }, 5000));

    // A shell that restarts has lost every icon, and says so to every window.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = skylet.MainWindow();
    icon.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hIcon); }, 5000));
    SendMessageA(skylet.MainWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return NewIcon(iconsBefore) != nullptr; }, 5000));
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

// A film or a game over the whole screen: the windows that stay on top go
// below it while it is in front, and no setting changes.
TEST_F(LongRunTest, WindowsOnTopStepAsideForAFullScreenProgram)
{
    m_simulator.Write({"bob@example.com online Bob", "carol@example.com online Carol"});
    WriteSkyletInt("carol@example.com", "stayOnTop", 0);
    SkyletProcess skylet;
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND hBob = nullptr, hCarol = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            hBob = skylet.ContactWindowAt(0, work.bottom - 74);
            hCarol = skylet.ContactWindowAt(74, work.bottom - 74);
            return hBob && hCarol && skylet.MainWindow() && !IsWindowVisible(skylet.MainWindow())
                   && FramePixel(hBob) == RGB(0, 197, 0);
        },
        kStartMs));
    ASSERT_TRUE(OnTop(hBob));
    ASSERT_FALSE(OnTop(hCarol));

    FullScreenProgram program;
    ASSERT_TRUE(WaitUntil([&] { return program.InFront(); }, kStartMs));
    EXPECT_TRUE(WaitUntil([&] { return !OnTop(hBob); }, kStepAsideMs));
    EXPECT_TRUE(WaitUntil([&] { return FramePixel(hBob) == RGB(0, 0, 0); }, kStepAsideMs))
        << "below the program";
    m_simulator.Write({"bob@example.com busy Bob", "carol@example.com online Carol"});
    // The change's log line comes after its repaint, which could raise it.
    ASSERT_TRUE(WaitUntil([&] { return Count(skylet.LogText(), "Busy") == 1; }, kPollMs));
    EXPECT_FALSE(OnTop(hBob)) << "a change repaints it where it is";
    EXPECT_EQ(RGB(0, 0, 0), FramePixel(hBob));

    // Out of full screen, then in again, then closed.
    SetWindowPos(program.Window(), nullptr, 300, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return OnTop(hBob); }, kStepAsideMs));
    EXPECT_TRUE(WaitUntil([&] { return FramePixel(hBob) == RGB(255, 0, 0); }, kStepAsideMs))
        << "over the program again, busy";
    SetWindowPos(program.Window(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return !OnTop(hBob); }, kStepAsideMs));
    program.Close();
    EXPECT_TRUE(WaitUntil([&] { return OnTop(hBob); }, kStepAsideMs));

    EXPECT_FALSE(OnTop(hCarol)) << "never on top, never moved up";
    EXPECT_EQ(-1, ReadSkyletInt("bob@example.com", "stayOnTop", -1));
    EXPECT_EQ(0, ReadSkyletInt("carol@example.com", "stayOnTop", -1));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
