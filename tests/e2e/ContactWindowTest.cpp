#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kStartMs = 20000;

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
    void SetUp() override { ClearSkyletSettings(); }

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
        return hWnd;
    }

    Simulator m_simulator;
};

TEST_F(ContactWindowTest, TheFrameHasTheStatusColourAndTheNameSitsAlongTheBottom)
{
    m_simulator.Write({"bob@example.com busy Bob"});
    SkyletProcess skylet;
    HWND hBob = StartWithOneContact(skylet);
    ASSERT_NE(nullptr, hBob);
    Sleep(500); // let it paint

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

    // The pointer presses inside the window, moves, and lets go.
    const POINT start = {(before.left + before.right) / 2, (before.top + before.bottom) / 2};
    SetCursorPos(start.x, start.y);
    Sleep(200);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof(INPUT));
    Sleep(200);
    for (int step = 1; step <= 10; ++step) {
        SetCursorPos(start.x + 20 * step, start.y - 15 * step);
        Sleep(50);
    }
    INPUT release = press;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &release, sizeof(INPUT));

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

} // namespace
