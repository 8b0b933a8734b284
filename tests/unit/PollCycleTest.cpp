#include "contactwnd/ContactWnd.h"
#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "core/StatusLog.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/SkyletDlg.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr long kOffline = 0x01;
constexpr long kOnline = 0x02;
constexpr long kBusy = 0x0A;
constexpr long kAway = 0x22;

class PollCycleTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        m_pFake = std::make_unique<FakeMessenger>();
        // The main window, for the log lines of status changes.
        m_pMainDlg = std::make_unique<CSkyletDlg>();
        ASSERT_TRUE(m_pMainDlg->Create());
        AfxGetApp()->m_pMainWnd = m_pMainDlg.get();
    }

    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_pMainDlg.reset();
        theContacts.Vider();
        m_pFake.reset();
        ContactTest::TearDown();
    }

    static void Poll() { PollCycle(nullptr, 0, 0, 0); }

    static std::vector<std::string> SigninNames()
    {
        std::vector<std::string> names;
        for (theContacts.Premier(); !theContacts.HorsListe(); theContacts.Suivant())
            names.push_back(theContacts.Info()->m_strSigninName);
        return names;
    }

    static ContactRecord* Find(const std::string& strSigninName)
    {
        return FindContact(strSigninName);
    }

    std::string LogText() const
    {
        char text[4096] = "";
        GetDlgItemTextA(m_pMainDlg->m_hWnd, IDC_LOG, text, sizeof(text));
        return text;
    }

    // Log entries after the welcome text.
    int LogEntries() const
    {
        const std::string text = LogText();
        int entries = 0;
        for (size_t at = text.find("    \r\n\r"); at != std::string::npos;
             at = text.find("    \r\n\r", at + 1))
            ++entries;
        return entries;
    }

    std::unique_ptr<FakeMessenger> m_pFake;
    std::unique_ptr<CSkyletDlg> m_pMainDlg;
};

TEST_F(PollCycleTest, FirstPollKeepsTheFirstContactFirstAndInsertsTheOthersSecond)
{
    for (const wchar_t* name : {L"c1", L"c2", L"c3", L"c4"})
        m_pFake->Add(name, kOnline);
    Poll();
    EXPECT_EQ((std::vector<std::string>{"c1", "c4", "c3", "c2"}), SigninNames());
    EXPECT_EQ(0, LogEntries()) << "new contacts get no log line";
    EXPECT_EQ(0, m_pFake->nLiveObjects) << "every interface is released";
}

TEST_F(PollCycleTest, NewContactsGetAWindowShownByTheirRule)
{
    m_pFake->Add(L"on@example.com", kOnline, L"On");
    m_pFake->Add(L"off@example.com", kOffline, L"Off");
    Poll();
    ContactRecord* pOn = Find("on@example.com");
    ContactRecord* pOff = Find("off@example.com");
    ASSERT_TRUE(pOn && pOff);
    EXPECT_EQ("On", pOn->m_strFriendlyName);
    EXPECT_EQ(STATUS_ONLINE, pOn->m_nStatus);
    EXPECT_TRUE(pOn->m_pWnd->IsWindowVisible());
    EXPECT_FALSE(pOff->m_pWnd->IsWindowVisible()) << "hidden only when offline, by default";
}

TEST_F(PollCycleTest, AChangedStatusIsTakenAndLoggedOnceAndTheFriendlyNameIsKept)
{
    m_pFake->Add(L"bob@example.com", kAway, L"Bob");
    Poll();
    m_pFake->contacts[0].nStatusCode = kBusy;
    m_pFake->contacts[0].strFriendlyName = L"Robert";
    Poll();
    ContactRecord* pBob = Find("bob@example.com");
    ASSERT_NE(nullptr, pBob);
    EXPECT_EQ(STATUS_BUSY, pBob->m_nStatus);
    EXPECT_EQ("Bob", pBob->m_strFriendlyName);
    EXPECT_EQ(1, LogEntries());
    EXPECT_NE(std::string::npos, LogText().find("Bob                         Busy"));

    Poll();
    EXPECT_EQ(1, LogEntries()) << "the same status again is no change";
}

TEST_F(PollCycleTest, CodesOfTheSameStatusAreNoChange)
{
    m_pFake->Add(L"bob@example.com", 0x07);
    Poll();
    m_pFake->SetStatus(L"bob@example.com", 0x55);
    Poll();
    EXPECT_EQ(STATUS_UNKNOWN, Find("bob@example.com")->m_nStatus);
    EXPECT_EQ(0, LogEntries());
}

TEST_F(PollCycleTest, NamesDifferingInCaseAreTwoContacts)
{
    m_pFake->Add(L"Bob@example.com", kOnline);
    m_pFake->Add(L"bob@example.com", kOnline);
    Poll();
    EXPECT_EQ((std::vector<std::string>{"Bob@example.com", "bob@example.com"}), SigninNames());
    EXPECT_NE(Find("Bob@example.com")->m_pWnd->m_hWnd, Find("bob@example.com")->m_pWnd->m_hWnd);
}

TEST_F(PollCycleTest, AContactLeavingTheListKeepsItsWindow)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kOnline);
    Poll();
    m_pFake->contacts.pop_back();
    Poll();
    ASSERT_NE(nullptr, Find("b@example.com"));
    EXPECT_TRUE(Find("b@example.com")->m_pWnd->IsWindowVisible());
}

TEST_F(PollCycleTest, AnEmptiedListRemovesEveryWindowAndARefilledOneMakesThemAnew)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kAway);
    Poll();
    HWND hOld = Find("a@example.com")->m_pWnd->m_hWnd;
    auto contacts = m_pFake->contacts;

    m_pFake->contacts.clear();
    Poll();
    EXPECT_TRUE(SigninNames().empty());
    EXPECT_FALSE(IsWindow(hOld));

    m_pFake->contacts = contacts;
    Poll();
    EXPECT_EQ((std::vector<std::string>{"a@example.com", "b@example.com"}), SigninNames());
    EXPECT_EQ(0, LogEntries()) << "they come back as new contacts";
}

TEST_F(PollCycleTest, AHeldRecordIsNotDeletedByAnEmptyList)
{
    m_pFake->Add(L"a@example.com", kOnline);
    Poll();
    m_pFake->contacts.clear();
    {
        ContactHold hold;
        Poll();
        EXPECT_EQ(1u, SigninNames().size()) << "left for a later tick";
    }
    Poll();
    EXPECT_TRUE(SigninNames().empty());
}

// Signed out and in again, or into another account, while a dialog is open.
TEST_F(PollCycleTest, AnEmptyingPutOffByAHoldComesFirstOnceTheHoldEnds)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kOnline);
    Poll();
    HWND hB = Find("b@example.com")->m_pWnd->m_hWnd;
    {
        ContactHold hold;
        m_pFake->contacts.clear();
        Poll();
        m_pFake->Add(L"a@example.com", kAway);
        m_pFake->Add(L"c@example.com", kOnline);
        Poll();
        EXPECT_EQ((std::vector<std::string>{"a@example.com", "b@example.com"}), SigninNames())
            << "nothing is taken before the emptying";
    }
    m_sounds.sounds.clear();
    Poll();
    EXPECT_EQ((std::vector<std::string>{"a@example.com", "c@example.com"}), SigninNames());
    EXPECT_FALSE(IsWindow(hB));
    EXPECT_EQ(1u, m_sounds.sounds.size()) << "c comes online as a new contact";
    EXPECT_EQ(0, LogEntries()) << "a comes back as a new contact";
}

TEST_F(PollCycleTest, ACycleFallingDueDuringACycleIsSkipped)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kOnline);
    m_pFake->onItem = [](long) { Poll(); }; // as a nested message loop would
    Poll();
    EXPECT_EQ(1, m_pFake->nMessengersCreated);
    EXPECT_EQ((std::vector<std::string>{"a@example.com", "b@example.com"}), SigninNames());
}

TEST_F(PollCycleTest, TheCursorComesBackToItsPlace)
{
    for (const wchar_t* name : {L"c1", L"c2", L"c3"})
        m_pFake->Add(name, kOnline);
    Poll();
    theContacts.Positionner(3);
    m_pFake->Add(L"c4", kOnline);
    Poll(); // c4 goes to position 2
    EXPECT_EQ(3, theContacts.Position());

    theContacts.Premier();
    while (!theContacts.HorsListe())
        theContacts.Suivant();
    Poll();
    EXPECT_TRUE(theContacts.HorsListe());
}

TEST_F(PollCycleTest, AMessengerFailingAtAnyStepLeavesTheListAsItWas)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kOnline);
    Poll();
    m_pFake->contacts.clear(); // would empty the list, were it read
    using Failure = FakeMessenger::Failure;
    for (Failure failure : {Failure::Create, Failure::MyContacts, Failure::NullContacts,
                            Failure::NoCollection, Failure::Count}) {
        m_pFake->failure = failure;
        Poll();
        EXPECT_EQ(2u, SigninNames().size()) << static_cast<int>(failure);
        EXPECT_EQ(0, m_pFake->nLiveObjects) << static_cast<int>(failure);
    }
}

TEST_F(PollCycleTest, AContactThatCannotBeReadIsSkippedForThisCycleOnly)
{
    m_pFake->Add(L"a@example.com", kOnline);
    m_pFake->Add(L"b@example.com", kOnline);
    m_pFake->Add(L"c@example.com", kOnline);
    m_pFake->nFailIndex = 1;
    using Failure = FakeMessenger::Failure;
    for (Failure failure :
         {Failure::Item, Failure::NullItem, Failure::NoContact, Failure::SigninName}) {
        theContacts.Vider();
        m_pFake->failure = failure;
        Poll();
        EXPECT_EQ((std::vector<std::string>{"a@example.com", "c@example.com"}), SigninNames())
            << static_cast<int>(failure);
        EXPECT_EQ(0, m_pFake->nLiveObjects) << static_cast<int>(failure);
    }
    m_pFake->failure = Failure::None;
    Poll();
    EXPECT_NE(nullptr, Find("b@example.com"));
}

TEST_F(PollCycleTest, NamesAreConvertedToTheAnsiCodePage)
{
    m_pFake->Add(L"zo\u00e9@example.com", kOnline, L"Zo\u00e9 \u00e0 la plage");
    Poll();
    ContactRecord* pZoe = Find("zo\xE9@example.com");
    ASSERT_NE(nullptr, pZoe);
    EXPECT_EQ("Zo\xE9 \xE0 la plage", pZoe->m_strFriendlyName);
}

TEST_F(PollCycleTest, ControlCharactersInNamesBecomeBlanksAndOthersWhatTheCodePageMakesOfThem)
{
    using namespace std::string_literals;
    m_pFake->Add(L"bob@example.com\0\r\n"s, kOnline, L"Eve\r\n12:00\tX\x01\x1F\x7F\0end"s);
    m_pFake->Add(L"zoe@example.com", kOnline, L"\u0141\u263A\U0001F600");
    Poll();
    EXPECT_EQ((std::vector<std::string>{"bob@example.com   ", "zoe@example.com"}), SigninNames());
    ContactRecord* pEve = Find("bob@example.com   ");
    ASSERT_NE(nullptr, pEve);
    EXPECT_EQ("Eve  12:00 X    end", pEve->m_strFriendlyName);
    // Wine's conversion: a letter it has a likeness for, else a question mark
    // for each UTF-16 unit.
    EXPECT_EQ("L???", Find("zoe@example.com")->m_strFriendlyName);
}

TEST_F(PollCycleTest, TheMainWindowLogsEveryKnownContactWhenItOpens)
{
    for (const wchar_t* name : {L"c1", L"c2", L"c3"})
        m_pFake->Add(name, kOnline);
    Poll();
    m_pMainDlg = std::make_unique<CSkyletDlg>();
    AfxGetApp()->m_pMainWnd = m_pMainDlg.get();
    ASSERT_TRUE(m_pMainDlg->Create());
    const std::string log = LogText();
    ASSERT_EQ(0u, log.find("Welcome to Skylet 1.0 !\r\n    \r\n\r"));
    const size_t c1 = log.find("c1    "), c3 = log.find("c3    "), c2 = log.find("c2    ");
    ASSERT_NE(std::string::npos, c2);
    EXPECT_TRUE(c1 < c3 && c3 < c2) << "in list order";
}

} // namespace
