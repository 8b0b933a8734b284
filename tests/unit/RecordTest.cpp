#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using RecordTest = ContactTest;

TEST_F(RecordTest, NewContactReadsItsDefaultsAndIsNamedByItsFriendlyName)
{
    auto record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    EXPECT_EQ("default.jpg", record->m_strPicFileName);
    EXPECT_EQ("", record->m_strCustomName);
    EXPECT_EQ("Bob", record->GetDisplayName());
    ASSERT_NE(nullptr, record->m_pWnd);
    EXPECT_EQ(record.get(), record->m_pWnd->m_pContact);
}

TEST_F(RecordTest, StoredCustomNameAndPictureAreRead)
{
    AfxGetApp()->WriteProfileString("bob@example.com", "customName", "Bobby");
    AfxGetApp()->WriteProfileString("bob@example.com", "picFileName", "C:\\photos\\bob.jpg");
    auto record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    EXPECT_EQ("Bobby", record->GetDisplayName());
    EXPECT_EQ("C:\\photos\\bob.jpg", record->m_strPicFileName);

    record->m_strCustomName.clear();
    EXPECT_EQ("Bob", record->GetDisplayName()) << "an empty custom name gives the friendly name";
}

TEST_F(RecordTest, AContactWhoseSigninNameCannotNameASectionRunsOnDefaultsAndStoresNothing)
{
    WriteContactInt("bob@example.com", "showName", 1);
    for (const std::string& name :
         {std::string("bob@example.com\\"), std::string(), std::string(5000, 'n')}) {
        WriteContactInt("_Default", "displayRules", 0);
        auto record = MakeRecord(name, STATUS_OFFLINE, "Mallory");
        ASSERT_NE(nullptr, record->m_pWnd);
        EXPECT_TRUE(record->m_pWnd->IsWindowVisible()) << "the default rule";
        record->m_pWnd->SendMessage(WM_COMMAND, ID_SHOW_NAME);
        record->m_pWnd->SendMessage(WM_COMMAND, ID_SIZE_50);
        EXPECT_FALSE(record->m_pWnd->m_bShowName) << "the switch works for this run";
        EXPECT_EQ(1, ReadContactInt("bob@example.com", "showName"));
        EXPECT_EQ(-999, ReadContactInt("bob@example.com", "sizeX"));
    }
}

TEST_F(RecordTest, DeletingARecordRemovesItsWindow)
{
    auto record = MakeRecord("bob@example.com", STATUS_ONLINE);
    HWND hWnd = record->m_pWnd->m_hWnd;
    ASSERT_TRUE(IsWindow(hWnd));
    EXPECT_TRUE(IsWindowVisible(hWnd));
    record.reset();
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST(AlertGateTest, StatusChangesAlwaysAlert)
{
    for (int rule : {0, 1, 2, 3, 7, -1})
        for (int status = 0; status < STATUS_COUNT; ++status)
            EXPECT_TRUE(AlertsConsidered(false, rule, status)) << rule << " " << status;
}

TEST(AlertGateTest, NewContactsAlertOnlyWhenTheirRuleShowsThem)
{
    for (int status = 0; status < STATUS_COUNT; ++status) {
        EXPECT_TRUE(AlertsConsidered(true, 0, status));
        EXPECT_FALSE(AlertsConsidered(true, 1, status));
        EXPECT_EQ(status == STATUS_ONLINE, AlertsConsidered(true, 2, status));
        EXPECT_EQ(status != STATUS_OFFLINE, AlertsConsidered(true, 3, status));
        EXPECT_FALSE(AlertsConsidered(true, 4, status)) << "a hand-made rule never alerts";
        EXPECT_FALSE(AlertsConsidered(true, -1, status));
    }
}

TEST_F(RecordTest, NotifyStatusAppliesTheDisplayRuleToTheWindow)
{
    WriteContactInt("carol@example.com", "displayRule", 1);
    auto hidden = MakeRecord("carol@example.com", STATUS_ONLINE);
    EXPECT_FALSE(hidden->m_pWnd->IsWindowVisible()) << "Hide Always hides a new contact at once";

    WriteContactInt("dave@example.com", "displayRule", 2);
    auto away = MakeRecord("dave@example.com", STATUS_AWAY);
    EXPECT_FALSE(away->m_pWnd->IsWindowVisible());
    away->m_nStatus = STATUS_ONLINE;
    away->NotifyStatus(false);
    EXPECT_TRUE(away->m_pWnd->IsWindowVisible()) << "shown again once online";
}

class FindContactTest : public ContactTest {
protected:
    void Add(const std::string& strSigninName)
    {
        ContactRecord* pRecord = MakeRecord(strSigninName, STATUS_OFFLINE).release();
        theContacts.Premier();
        theContacts.InsererApres(pRecord);
    }
};

TEST_F(FindContactTest, FindsTheExactNameAndLeavesTheCursorOnIt)
{
    Add("a@example.com");
    Add("Bob@example.com");
    Add("bob@example.com"); // list: a, bob, Bob

    ContactRecord* pFound = FindContact("Bob@example.com");
    ASSERT_NE(nullptr, pFound);
    EXPECT_EQ("Bob@example.com", pFound->m_strSigninName);
    EXPECT_EQ(3, theContacts.Position());
    EXPECT_EQ(pFound, theContacts.Info());

    EXPECT_EQ(nullptr, FindContact("BOB@EXAMPLE.COM")) << "names compare case-sensitively";
    EXPECT_TRUE(theContacts.HorsListe());
    EXPECT_EQ(nullptr, FindContact("bob@example.co"));
}

TEST_F(FindContactTest, FindsNothingInAnEmptyList)
{
    EXPECT_EQ(nullptr, FindContact("a@example.com"));
    EXPECT_EQ(0, theContacts.Position());
}

} // namespace
