#include "tests/e2e/Harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kStartMs = 20000;
// Where the pointer rests between gestures: on no window of the program.
constexpr POINT kAway = {700, 300};

RECT ClientRectOnScreen(HWND hWnd)
{
    RECT client = {};
    GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

class ContactWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSkyletSettings();
        // A pointer left on a new window would bring its tooltip over it.
        SetCursorPos(kAway.x, kAway.y);
    }

    // Starts Skylet and waits for the one contact's window to be shown.
    HWND StartWithOneContact(SkyletProcess& skylet)
    {
        HWND hWnd = nullptr;
        WaitUntil(
            [&] {
                auto windows = skylet.ContactWindows();
                hWnd = windows.size() == 1 && IsWindowVisible(windows[0]) ? windows[0] : nullptr;
                return hWnd != nullptr;
            },
            kStartMs);
        // A window shows during the first poll, before start-up has made the
        // main window: the pointer waits until start-up is over, as a drag
        // read late loses its release to the window under the pointer.
        DWORD_PTR result = 0;
        if (!WaitUntil([&] { return skylet.MainWindow() != nullptr; }, kStartMs)
            || !SendMessageTimeoutA(skylet.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                    &result))
            return nullptr;
        return hWnd;
    }

    Simulator m_simulator;
};

std::string MoveAway()
{
    return MoveTo(kAway.x, kAway.y);
}

// Onto the window near its centre, a few pixels off by the step: Wine hears
// nothing of the pointer over the bare screen, so each coming back lands on
// another pixel, as a hand's would.
std::string MoveOnto(HWND hWnd, int nStep = 0)
{
    const POINT centre = Centre(hWnd);
    return MoveTo(centre.x + 3 * nStep, centre.y + 2 * nStep);
}

TEST_F(ContactWindowTest, TheFrameHasTheStatusColourAndTheNameSitsAlongTheBottom)
{
    m_simulator.Write({"bob@example.com busy Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    // Shown before it has painted: the frame tells when it has.
    EXPECT_TRUE(WaitUntil(
        [&] { return ScreenShot(ClientRectOnScreen(hBob)).Pixel(1, 30) == RGB(255, 0, 0); }, 5000));

    RECT window = {};
    GetWindowRect(hBob, &window);
    const RECT work = WorkArea();
    EXPECT_EQ(0, window.left);
    EXPECT_EQ(work.bottom - 74, window.top);

    const RECT client = ClientRectOnScreen(hBob);
    ScreenShot shot(client);
    const int height = shot.Height();
    EXPECT_EQ(RGB(255, 0, 0), shot.Pixel(1, height / 2)) << "left edge of the busy frame";
    EXPECT_EQ(RGB(255, 0, 0), shot.Pixel(shot.Width() / 2, 0)) << "top edge";
    EXPECT_EQ(RGB(255, 0, 0), shot.Pixel(shot.Width() - 2, height / 2)) << "right edge";

    // The name's yellow cell ends 3 pixels above the bottom, in the lower half.
    int lowest = -1, highest = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (shot.Pixel(x, y) == RGB(255, 255, 0)) {
                if (highest < 0)
                    highest = y;
                lowest = y;
                break;
            }
    EXPECT_EQ(height - 4, lowest);
    EXPECT_GT(highest, height / 2);
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(ContactWindowTest, AMovedWindowComesBackAtTheSamePlace)
{
    m_simulator.Write({"bob@example.com online Bob"});
    {
        SkyletProcess skylet;
        HWND hBob = StartWithOneContact(skylet);
        ASSERT_NE(nullptr, hBob);
        SetWindowPos(hBob, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(WaitUntil(
            [] {
                return ReadSkyletInt("bob@example.com", "left", -1) == 300
                       && ReadSkyletInt("bob@example.com", "top", -1) == 200;
            },
            5000));
        ASSERT_TRUE(skylet.Quit());
    }
    SkyletProcess again;
    HWND hBob = StartWithOneContact(again);
    ASSERT_NE(nullptr, hBob);
    RECT window = {};
    GetWindowRect(hBob, &window);
    EXPECT_EQ(300, window.left);
    EXPECT_EQ(200, window.top);
    EXPECT_TRUE(again.Quit());
}

TEST_F(ContactWindowTest, DraggingTheWindowMovesItAndStoresTheNewPlace)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    RECT before = {};
    GetWindowRect(hBob, &before);

    // The pointer presses inside the window, moves, and lets go. Input from
    // the display, as a hand's, stays with the window it pressed on however
    // late the program reads it.
    const POINT start = Centre(hBob);
    std::string script = MoveTo(start.x, start.y) + "; sleep 0.2; xdotool mousedown 1; sleep 0.2";
    for (int step = 1; step <= 10; ++step)
        script += "; " + MoveTo(start.x + 20 * step, start.y - 15 * step) + "; sleep 0.05";
    ASSERT_TRUE(RunPointer(script + "; xdotool mouseup 1"));

    EXPECT_TRUE(WaitUntil(
        [&] {
            RECT after = {};
            GetWindowRect(hBob, &after);
            return after.left == before.left + 200 && after.top == before.top - 150;
        },
        5000));
    EXPECT_TRUE(WaitUntil(
        [&] { return ReadSkyletInt("bob@example.com", "left", -1) == before.left + 200; }, 5000));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(ContactWindowTest, ADoubleClickAsksTheMessengerForAConversation)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    PostMessageA(hBob, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(WaitUntil(
        [&] { return m_simulator.Conversations() == std::vector<std::string>{"bob@example.com"}; },
        10000));
    EXPECT_TRUE(skylet.Quit());
}

// The quick drag of a person in a hurry: four short steps up, let go, and
// away.
std::string QuickDrag(HWND hWnd)
{
    const POINT centre = Centre(hWnd);
    std::string script = MoveTo(centre.x, centre.y) + "; sleep 0.3; xdotool mousedown 1";
    for (int step = 1; step <= 4; ++step)
        script += "; " + MoveTo(centre.x, centre.y - 10 * step) + "; sleep 0.02";
    return script + "; xdotool mouseup 1; sleep 0.05; " + MoveAway() + "; sleep 0.3; "
           + MoveTo(kAway.x + 20, kAway.y + 20);
}

TEST_F(ContactWindowTest, QuickDragsMoveAtMostWithThePointerAndLeaveTheProgramFree)
{
    m_simulator.Write({"bob@example.com online Bob", "carol@example.com online Carol"});
    SkyletProcess skylet;
    std::vector<HWND> windows;
    ASSERT_TRUE(WaitUntil(
        [&] {
            windows = skylet.ContactWindows();
            return windows.size() == 2 && IsWindowVisible(windows[0])
                   && IsWindowVisible(windows[1]);
        },
        kStartMs));
    // Where the window rests once the program has caught up with the pointer.
    auto settled = [](HWND hWnd) {
        RECT now = {}, last = {};
        WaitUntil(
            [&] {
                last = now;
                Sleep(250);
                GetWindowRect(hWnd, &now);
                return EqualRect(&now, &last);
            },
            5000);
        return now;
    };
    for (int i = 0; i < 20; ++i) {
        HWND hWnd = windows[i % 2];
        const RECT before = settled(hWnd);
        ASSERT_TRUE(RunPointer(QuickDrag(hWnd)));
        const RECT after = settled(hWnd);
        EXPECT_EQ(before.left, after.left) << i;
        EXPECT_LE(before.top - 40, after.top) << i;
        EXPECT_GE(before.top, after.top) << i;
    }
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(ContactWindowTest, TheTooltipComesWithThePointerAndGoesWhenItLeaves)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    auto shown = [&] { return skylet.Shows(TOOLTIPS_CLASSA); };
    auto gone = [&] { return !skylet.Shows(TOOLTIPS_CLASSA); };
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(RunPointer(MoveOnto(hBob, i)));
        EXPECT_TRUE(WaitUntil(shown, 3000)) << i;
        ASSERT_TRUE(RunPointer(MoveAway()));
        EXPECT_TRUE(WaitUntil(gone, 3000)) << i;
    }

    // It stays while the pointer rests; a press hides it until the pointer
    // has left once.
    ASSERT_TRUE(RunPointer(MoveOnto(hBob, 3)));
    ASSERT_TRUE(WaitUntil(shown, 3000));
    Sleep(1000);
    EXPECT_TRUE(skylet.Shows(TOOLTIPS_CLASSA));
    ASSERT_TRUE(RunPointer("xdotool click 1; sleep 0.2; xdotool mousemove_relative 3 3"));
    EXPECT_TRUE(WaitUntil(gone, 3000));
    Sleep(1000);
    EXPECT_FALSE(skylet.Shows(TOOLTIPS_CLASSA));
    // The leave notification polls the pointer: it must rest away a while.
    ASSERT_TRUE(RunPointer(MoveAway() + "; sleep 1.5; " + MoveOnto(hBob, 4)));
    EXPECT_TRUE(WaitUntil(shown, 3000));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(ContactWindowTest, ARightClickOpensTheMenuAndShowNameHidesTheName)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    const auto hasNameBackground = [&] {
        ScreenShot shot(ClientRectOnScreen(hBob));
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.Pixel(x, y) == RGB(255, 255, 0))
                    return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(hasNameBackground, 5000)) << "the name, painted";
    ASSERT_TRUE(RunPointer(MoveOnto(hBob) + "; sleep 0.3; xdotool click 3"));
    HWND hMenu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMenu = skylet.Shows("#32768")) != nullptr; }, 5000));
    // The menu's loop reads the keys from its thread's queue, wherever the
    // keyboard focus is. Home selects Start Conversation..., then down past
    // the separator to Show Photo and Show Name.
    for (UINT nKey : {VK_HOME, VK_DOWN, VK_DOWN, VK_RETURN}) {
        PostMessageA(hMenu, WM_KEYDOWN, nKey, 0);
        Sleep(100);
    }
    ASSERT_TRUE(RunPointer(MoveAway()));
    EXPECT_TRUE(
        WaitUntil([] { return ReadSkyletInt("bob@example.com", "showName", -1) == 0; }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return !skylet.Shows("#32768"); }, 2000));
    EXPECT_TRUE(WaitUntil([&] { return !hasNameBackground(); }, 5000)) << "the name, gone";
    EXPECT_TRUE(m_simulator.Conversations().empty()) << "the right click alone chose nothing";
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
