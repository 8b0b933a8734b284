#include "core/ContactRecord.h"
#include "core/StatusLog.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/SkyletDlg.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SYSTEMTIME At(WORD wHour, WORD wMinute)
{
    SYSTEMTIME time = {};
    time.wHour = wHour;
    time.wMinute = wMinute;
    return time;
}

TEST(LogEntryTest, AnEntryIsSeparatorTimePaddedNameAndStatus)
{
    EXPECT_EQ(std::string("    \r\x0A\x0D") + "14:07   Bob" + std::string(22, ' ') + "   ONLINE",
              FormatLogEntry("Bob", STATUS_ONLINE, At(14, 7)));
}

TEST(LogEntryTest, NamesArePaddedToTwentyFiveButNeverCut)
{
    const std::string name25(25, 'n');
    EXPECT_EQ("    \r\n\r09:05   " + name25 + "   Be right back",
              FormatLogEntry(name25, STATUS_BE_RIGHT_BACK, At(9, 5)));
    const std::string name30 = "abcdefghijklmnopqrstuvwxyz1234";
    EXPECT_EQ("    \r\n\r23:59   " + name30 + "   Offline",
              FormatLogEntry(name30, STATUS_OFFLINE, At(23, 59)));
}

TEST(LogEntryTest, HoursAndMinutesHaveTwoDigits)
{
    EXPECT_EQ(0u, FormatLogEntry("x", STATUS_IDLE, At(0, 0)).find("    \r\n\r00:00   "));
    EXPECT_EQ(0u, FormatLogEntry("x", STATUS_IDLE, At(10, 9)).find("    \r\n\r10:09   "));
}

// Two log boxes, one written by appending and one by rewriting its whole
// text, the way the program's log was first written.
class LogAppendTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        for (auto& dlg : m_dialogs) {
            dlg = std::make_unique<CSkyletDlg>();
            ASSERT_TRUE(dlg->Create());
            dlg->ShowWindow(SW_SHOW);
        }
        m_hAppended = m_dialogs[0]->GetDlgItem(IDC_LOG);
        m_hRewritten = m_dialogs[1]->GetDlgItem(IDC_LOG);
    }

    void Rewrite(const std::string& strEntry)
    {
        std::vector<char> text(GetWindowTextLengthA(m_hRewritten) + 1);
        GetWindowTextA(m_hRewritten, text.data(), static_cast<int>(text.size()));
        SetWindowTextA(m_hRewritten, (std::string(text.data()) + strEntry).c_str());
    }

    static std::string Text(HWND hEdit)
    {
        std::vector<char> text(GetWindowTextLengthA(hEdit) + 1);
        GetWindowTextA(hEdit, text.data(), static_cast<int>(text.size()));
        return text.data();
    }

    void ExpectSameState()
    {
        ASSERT_EQ(Text(m_hRewritten), Text(m_hAppended));
        DWORD appendedStart = 1, appendedEnd = 1, rewrittenStart = 2, rewrittenEnd = 2;
        SendMessageA(m_hAppended, EM_GETSEL, reinterpret_cast<WPARAM>(&appendedStart),
                     reinterpret_cast<LPARAM>(&appendedEnd));
        SendMessageA(m_hRewritten, EM_GETSEL, reinterpret_cast<WPARAM>(&rewrittenStart),
                     reinterpret_cast<LPARAM>(&rewrittenEnd));
        EXPECT_EQ(rewrittenStart, appendedStart);
        EXPECT_EQ(rewrittenEnd, appendedEnd);
        EXPECT_EQ(SendMessageA(m_hRewritten, EM_GETFIRSTVISIBLELINE, 0, 0),
                  SendMessageA(m_hAppended, EM_GETFIRSTVISIBLELINE, 0, 0));
        EXPECT_EQ(GetScrollPos(m_hRewritten, SB_HORZ), GetScrollPos(m_hAppended, SB_HORZ));
    }

    std::unique_ptr<CSkyletDlg> m_dialogs[2];
    HWND m_hAppended = nullptr;
    HWND m_hRewritten = nullptr;
};

TEST_F(LogAppendTest, AppendingLeavesWhatARewriteLeaves)
{
    // Scrolled away and with a selection, as a reader of the log leaves it.
    for (int i = 0; i < 60; ++i) {
        const std::string entry =
            FormatLogEntry("Contact number " + std::to_string(i) + std::string(i, 'x'),
                           i % STATUS_COUNT, At(12, i % 60));
        for (HWND hEdit : {m_hAppended, m_hRewritten}) {
            SendMessageA(hEdit, EM_SETSEL, 40, 90);
            SendMessageA(hEdit, EM_LINESCROLL, 3, 7);
        }
        AppendToLog(m_hAppended, entry);
        Rewrite(entry);
        ExpectSameState();
    }
}

TEST_F(LogAppendTest, ALogLongerThanTypedInTextCanBeIsAppendedWhole)
{
    const std::string entry = FormatLogEntry(std::string(400, 'n'), STATUS_AWAY, At(8, 30));
    for (int i = 0; i < 100; ++i) { // well past the 32,767 characters of a default edit box
        AppendToLog(m_hAppended, entry);
        Rewrite(entry);
    }
    EXPECT_GT(Text(m_hAppended).size(), 40000u);
    ExpectSameState();
}

TEST_F(ContactTest, LogLinesGoToTheMainWindowUnderTheDisplayName)
{
    CSkyletDlg dlg;
    ASSERT_TRUE(dlg.Create());
    AfxGetApp()->m_pMainWnd = &dlg;
    auto record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    record->m_strCustomName = "Bobby";
    AppendLogLine(record.get());
    AfxGetApp()->m_pMainWnd = nullptr;

    char text[512] = "";
    GetDlgItemTextA(dlg.m_hWnd, IDC_LOG, text, sizeof(text));
    const std::string log = text;
    ASSERT_EQ(0u, log.find(STATUS_LOG_WELCOME));
    const std::string entry = log.substr(sizeof(STATUS_LOG_WELCOME) - 1);
    ASSERT_EQ(7u + 5 + 3 + 25 + 3 + 6, entry.size());
    EXPECT_EQ("   Bobby" + std::string(20, ' ') + "   ONLINE", entry.substr(12));
}

} // namespace
