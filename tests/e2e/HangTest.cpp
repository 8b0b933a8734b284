// A messenger that hangs, at the object's creation, in the middle of an
// enumeration or in a conversation request: the program goes on answering,
// opens its menu, keeps its windows, quits, and takes what changed once the
// messenger answers again.
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
// A poll every five seconds, and a simulator that may first have to start.
constexpr DWORD kNextPollMs = 15000;
// The conversation request's own limit is ten seconds.
constexpr DWORD kRequestOutcomeMs = 20000;

// Answers a sent message within a generous bound.
bool Answers(HWND hWnd)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

bool LoggedRounds(const SkyletProcess& skylet, int nRounds)
{
    const std::string log = skylet.LogText();
    return Count(log, "Alice") == nRounds && Count(log, "Bob") == nRounds;
}

class HangTest : public testing::Test {
protected:
    void SetUp() override { ClearSkyletSettings(); }

    Simulator m_simulator;
};

TEST_F(HangTest, AHungMessengerHoldsNothingAndIsReadAgainOnceItAnswers)
{
    m_simulator.Write(AliceAndBob(0));
    SkyletProcess skylet;
    ASSERT_TRUE(WaitUntil([&] { return LoggedRounds(skylet, 1); }, kStartMs));
    const std::vector<HWND> windows = skylet.ContactWindows();
    const HWND hMain = skylet.MainWindow();

    int round = 0;
    for (const char* directive : {"!hang create", "!hang item 1"}) {
        ++round;
        m_simulator.Write(AliceAndBob(round, directive));
        ASSERT_TRUE(m_simulator.WaitForHang(kNextPollMs)) << directive;
        EXPECT_TRUE(Answers(hMain)) << directive;
        PostMessageA(hMain, WM_USER + 1, 1, WM_RBUTTONDOWN);
        HWND hMenu = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (hMenu = skylet.Shows("#32768")) != nullptr; }, 5000))
            << directive << ": the tray menu opens";
        PostMessageA(hMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(WaitUntil([&] { return !skylet.Shows("#32768"); }, 5000)) << directive;
        EXPECT_EQ(windows, skylet.ContactWindows()) << directive;
        EXPECT_TRUE(LoggedRounds(skylet, round)) << directive << ": nothing taken meanwhile";

        m_simulator.Write(AliceAndBob(round));
        EXPECT_TRUE(WaitUntil([&] { return LoggedRounds(skylet, round + 1); }, kNextPollMs))
            << directive << ": both changes once the messenger answers";
    }

    m_simulator.Write(AliceAndBob(round, "!hang item 1"));
    ASSERT_TRUE(m_simulator.WaitForHang(kNextPollMs));
    EXPECT_TRUE(skylet.Quit(5000)) << "Quit ends the program in the middle of the hang";
    m_simulator.Write(AliceAndBob(round));
}

TEST_F(HangTest, AConversationRequestThatHangsCountsAsRefusedWithinItsLimit)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    HWND hBob = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::vector<HWND> windows = skylet.ContactWindows();
            return windows.size() == 1 && (hBob = windows[0]) != nullptr;
        },
        kStartMs));
    m_simulator.Write({"!hang im", "bob@example.com online Bob"});
    PostMessageA(hBob, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(m_simulator.WaitForHang(kNextPollMs));
    EXPECT_TRUE(Answers(skylet.MainWindow()));

    HWND hBox = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (hBox = MessageBoxOwnedBy(hBob)) != nullptr; }, kRequestOutcomeMs));
    char text[256] = "";
    GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
    EXPECT_STREQ("Impossible to establish a conversation with Bob at the moment", text);
    PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !MessageBoxOwnedBy(hBob); }, 5000));
    EXPECT_TRUE(skylet.Quit(5000)) << "with the request still hanging";
    m_simulator.Write({"bob@example.com online Bob"});
}

} // namespace
