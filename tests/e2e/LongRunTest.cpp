// What a tray program that runs for weeks meets: a second start, a shell
// that restarts, a display that changes, a full-screen program.
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
// How long the windows on top may take to step aside for a full-screen
// program, and to come back after it: a bound for a busy machine, not the
// delay, which bench/StepAsideBench measures.
constexpr DWORD kStepAsideMs = 10000;
constexpr DWORD kPollMs = 15000;

// A full-screen program of its own process, ended with the test; with
// "maximized", an ordinary captioned window, maximized.
class FullScreenProgram {
public:
    explicit FullScreenProgram(const std::string& strArguments = "")
        : m_process("\"" + WindowsPath(FULL_SCREEN_EXE) + "\" " + strArguments)
    {
    }
    ~FullScreenProgram() { Close(); }

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
        m_process.EndWithin(5000);
    }

private:
    CStartedProcess m_process;
};

bool OnTop(HWND hWnd)
{
    return (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Whether a contact window of the program stands above the window in the
// order, topmost or not.
bool ContactWindowAbove(const SkyletProcess& skylet, HWND hWnd)
{
    const std::vector<HWND> windows = skylet.ContactWindows();
    for (HWND hAbove = GetWindow(hWnd, GW_HWNDPREV); hAbove;
         hAbove = GetWindow(hAbove, GW_HWNDPREV))
        if (std::find(windows.begin(), windows.end(), hAbove) != windows.end())
            return true;
    return false;
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
    EXPECT_EQ(1500, ReadSkyletInt("bob@example.com", "left", -1)) << "its place is kept";
    EXPECT_TRUE(skylet.Quit());
}

// A place on a monitor that is not there at start: the window is shown in
// view, and the place stays stored through whatever moves it makes by
// itself, for the day the monitor is back.
TEST_F(LongRunTest, AWindowStoredOffTheScreenIsShownInViewAndKeepsItsPlace)
{
    WriteSkyletInt("bob@example.com", "left", 1500);
    WriteSkyletInt("bob@example.com", "top", 300);
    SkyletProcess skylet;
    HWND hBob = StartAndWait(skylet);
    ASSERT_NE(nullptr, hBob);
    RECT work = {}, window = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_TRUE(WaitUntil(
        [&] { return GetWindowRect(hBob, &window) && window.right == work.right; }, 5000));
    EXPECT_EQ(300, window.top);

    m_simulator.Write({"bob@example.com busy Bob"});
    ASSERT_TRUE(m_simulator.WaitForExchange(kPollMs));
    EXPECT_TRUE(WaitUntil([&] { return FramePixel(hBob) == RGB(255, 0, 0); }, 5000));
    {
        FullScreenProgram program;
        ASSERT_TRUE(WaitUntil([&] { return program.InFront(); }, kStartMs));
        EXPECT_TRUE(WaitUntil([&] { return !OnTop(hBob); }, kStepAsideMs));
    }
    EXPECT_TRUE(WaitUntil([&] { return OnTop(hBob); }, kStepAsideMs));
    EXPECT_EQ(1500, ReadSkyletInt("bob@example.com", "left", -1));
    EXPECT_EQ(300, ReadSkyletInt("bob@example.com", "top", -1));
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

// A contact added, and a list signed out and in again, while a film is in
// front: the new windows go right below it and leave it the foreground.
TEST_F(LongRunTest, WindowsMadeDuringAFullScreenProgramGoBelowIt)
{
    SkyletProcess skylet;
    ASSERT_NE(nullptr, StartAndWait(skylet));
    FullScreenProgram program;
    ASSERT_TRUE(WaitUntil([&] { return program.InFront(); }, kStartMs));
    ASSERT_TRUE(
        WaitUntil([&] { return !ContactWindowAbove(skylet, program.Window()); }, kStepAsideMs));

    const std::vector<std::vector<std::string>> lists = {
        {"bob@example.com online Bob", "carol@example.com online Carol",
         "dave@example.com offline Dave"},
        {},
        {"bob@example.com online Bob", "carol@example.com away Carol"}};
    for (const std::vector<std::string>& list : lists) {
        m_simulator.Write(list);
        // Judged once the poll is wholly taken: a message sent meanwhile may
        // be answered between two new windows.
        ASSERT_TRUE(m_simulator.WaitForPollTaken(kPollMs));
        ASSERT_TRUE(WaitUntil([&] { return skylet.ContactWindows().size() == list.size(); }, 5000));
        // Once the program has dealt with every message sent so far.
        DWORD_PTR result = 0;
        SendMessageTimeoutA(skylet.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        EXPECT_TRUE(program.InFront()) << list.size() << " contacts";
        EXPECT_FALSE(ContactWindowAbove(skylet, program.Window())) << list.size() << " contacts";
    }
    program.Close();
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::vector<HWND> windows = skylet.ContactWindows();
            return std::all_of(windows.begin(), windows.end(), OnTop);
        },
        kStepAsideMs))
        << "on top again, also the windows made below it";
    EXPECT_TRUE(skylet.Quit());
}

// A maximized window with a caption is no full-screen program, even where
// the work area is the whole screen: the windows stay on top. Without its
// caption it is one.
TEST_F(LongRunTest, AMaximizedWindowLeavesTheWindowsOnTopUntilItsCaptionGoes)
{
    SkyletProcess skylet;
    HWND hBob = StartAndWait(skylet);
    ASSERT_NE(nullptr, hBob);
    FullScreenProgram program("maximized");
    HWND hProgram = nullptr;
    RECT window = {};
    ASSERT_TRUE(WaitUntil(
        [&] {
            hProgram = program.Window();
            return hProgram && GetForegroundWindow() == hProgram && IsZoomed(hProgram)
                   && GetWindowRect(hProgram, &window);
        },
        kStartMs));
    ASSERT_TRUE(window.left <= 0 && window.top <= 0 && window.right >= GetSystemMetrics(SM_CXSCREEN)
                && window.bottom >= GetSystemMetrics(SM_CYSCREEN))
        << "the window covers the screen";
    EXPECT_FALSE(WaitUntil([&] { return !OnTop(hBob); }, kStepAsideMs));

    SetWindowLongA(hProgram, GWL_STYLE, GetWindowLongA(hProgram, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(hProgram, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return !OnTop(hBob); }, kStepAsideMs));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
