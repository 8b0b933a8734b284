// What a program polling another for weeks meets: a messenger that fails at
// any step of a poll, and a contact list emptied while the user is inside a
// contact's message box or drag. Each is followed by normal polling.
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
// A poll every five seconds, and a simulator that may first have to start.
constexpr DWORD kNextPollMs = 15000;

class FaultMatrixTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSkyletSettings();
        SetCursorPos(700, 300);
        m_simulator.Write(AliceAndBob(0));
    }

    // Alice and Bob online, each with a window and a log line.
    bool WaitForBoth(SkyletProcess& skylet)
    {
        return WaitUntil(
            [&] {
                const std::string log = skylet.LogText();
                return skylet.ContactWindows().size() == 2 && Count(log, "Alice") == 1
                       && Count(log, "Bob") == 1;
            },
            kStartMs);
    }

    Simulator m_simulator;
};

TEST_F(FaultMatrixTest, AMessengerFailingForTheWholeListChangesNothingUntilItRecovers)
{
    SkyletProcess skylet;
    ASSERT_TRUE(WaitForBoth(skylet));
    const std::vector<HWND> windows = skylet.ContactWindows();

    int round = 0;
    for (const char* directive :
         {"!fail create", "!fail contacts", "!null contacts", "!nocollection", "!fail count"}) {
        ++round;
        m_simulator.Write(AliceAndBob(round, directive));
        ASSERT_TRUE(m_simulator.WaitForPollTaken(kNextPollMs)) << directive;
        const std::string log = skylet.LogText();
        EXPECT_EQ(round, Count(log, "Alice")) << directive << ": no change read";
        EXPECT_EQ(round, Count(log, "Bob")) << directive;
        EXPECT_EQ(windows, skylet.ContactWindows()) << directive << ": no window lost";
        ASSERT_TRUE(skylet.Running()) << directive;

        m_simulator.Write(AliceAndBob(round));
        EXPECT_TRUE(WaitUntil(
            [&] {
                const std::string after = skylet.LogText();
                return Count(after, "Alice") == round + 1 && Count(after, "Bob") == round + 1;
            },
            kNextPollMs))
            << directive << ": both changes once the messenger recovers";
    }
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(FaultMatrixTest, AContactThatCannotBeReadWaitsWhileTheOthersGoOn)
{
    SkyletProcess skylet;
    ASSERT_TRUE(WaitForBoth(skylet));
    const std::vector<HWND> windows = skylet.ContactWindows();

    int round = 0;
    // The last one ends the messenger's process in the middle of the poll.
    for (const char* directive :
         {"!fail item 1", "!null item 1", "!nocontact item 1", "!fail signin 1", "!exit item 1"}) {
        ++round;
        m_simulator.Write(AliceAndBob(round, directive));
        ASSERT_TRUE(
            WaitUntil([&] { return Count(skylet.LogText(), "Alice") == round + 1; }, kNextPollMs))
            << directive << ": Alice's change is read";
        // Bob is item 1, asked for after Alice's line: the poll is over once
        // a later one reads the list, written anew.
        m_simulator.Write(AliceAndBob(round, directive));
        ASSERT_TRUE(m_simulator.WaitForRead(kNextPollMs)) << directive;
        EXPECT_EQ(round, Count(skylet.LogText(), "Bob")) << directive << ": Bob's is not";
        EXPECT_EQ(windows, skylet.ContactWindows()) << directive << ": no window lost";

        m_simulator.Write(AliceAndBob(round));
        EXPECT_TRUE(
            WaitUntil([&] { return Count(skylet.LogText(), "Bob") == round + 1; }, kNextPollMs))
            << directive << ": Bob's change once he can be read";
        EXPECT_EQ(round + 1, Count(skylet.LogText(), "Alice")) << directive;
    }
    EXPECT_TRUE(skylet.Quit());
}

// The window of a contact whose message box is open, or who is being
// dragged, stays until the box or the drag ends; the next poll then takes
// it away, and the contact comes back where the user left it.
TEST_F(FaultMatrixTest, AListEmptiedDuringAMessageBoxOrADragWaitsForItsEnd)
{
    m_simulator.Write({"!fail im", "bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::vector<HWND> windows = skylet.ContactWindows();
            hBob = windows.size() == 1 && IsWindowVisible(windows[0]) ? windows[0] : nullptr;
            return hBob != nullptr;
        },
        kStartMs));

    PostMessageA(hBob, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    HWND hBox = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (hBox = MessageBoxOwnedBy(hBob)) != nullptr; }, kNextPollMs));
    m_simulator.Write({});
    ASSERT_TRUE(m_simulator.WaitForPollTaken(kNextPollMs));
    EXPECT_TRUE(IsWindow(hBob)) << "kept while its message box is open";
    PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hBob); }, kNextPollMs));

    m_simulator.Write({"bob@example.com online Bob"});
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::vector<HWND> windows = skylet.ContactWindows();
            hBob = windows.size() == 1 && IsWindowVisible(windows[0]) ? windows[0] : nullptr;
            return hBob != nullptr;
        },
        kNextPollMs));
    RECT before = {};
    GetWindowRect(hBob, &before);
    const POINT start = Centre(hBob);
    HeldLeftButton drag(MoveTo(start.x, start.y) + "; sleep 0.3; xdotool mousedown 1; sleep 0.2; "
                        + MoveTo(start.x + 40, start.y - 30));
    ASSERT_TRUE(drag.Pressed());
    m_simulator.Write({});
    ASSERT_TRUE(m_simulator.WaitForPollTaken(kNextPollMs));
    EXPECT_TRUE(IsWindow(hBob)) << "kept while it is dragged";
    ASSERT_TRUE(drag.Release(MoveTo(start.x + 80, start.y - 60) + "; sleep 0.2; xdotool mouseup 1; "
                             + MoveTo(700, 300)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hBob); }, kNextPollMs));

    m_simulator.Write({"bob@example.com online Bob"});
    EXPECT_TRUE(WaitUntil(
        [&] { return skylet.ContactWindowAt(before.left + 80, before.top - 60) != nullptr; },
        kNextPollMs))
        << "back where the drag left it";
    EXPECT_TRUE(skylet.Running());
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
