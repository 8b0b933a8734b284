#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "dialogs/SettingsCommands.h"
#include "res/resource.h"
#include "tests/unit/DialogDriver.h"
#include "tests/unit/FakeMessenger.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using ContactDialogsTest = DialogTest;

int SliderPos(HWND hDlg)
{
    return static_cast<int>(SendDlgItemMessageA(hDlg, IDC_TRANSPARENCY_SLIDER, TBM_GETPOS, 0, 0));
}

// A drag with the left button: the press, the thumb put at the position, a
// move, the release; the thumb is then left at the final position.
void DragSlider(HWND hDlg, int nPos, int nFinalPos)
{
    HWND hSlider = GetDlgItem(hDlg, IDC_TRANSPARENCY_SLIDER);
    SendMessageA(hSlider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(hSlider, TBM_SETPOS, TRUE, nPos);
    SendMessageA(hSlider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4, 2));
    SendMessageA(hSlider, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
    SendMessageA(hSlider, TBM_SETPOS, TRUE, nFinalPos);
}

void RunCommand(ContactRecord* pRecord, UINT nId)
{
    pRecord->m_pWnd->SendMessage(WM_COMMAND, nId);
}

TEST_F(ContactDialogsTest, TransparencyForAllStartsHalfTransparentAndCancelRestoresEachWindow)
{
    WriteContactInt("c0@example.com", "transparency", 30);
    std::vector<ContactRecord*> records;
    for (int i = 0; i < 300; ++i)
        records.push_back(AddContact("c" + std::to_string(i) + "@example.com", STATUS_ONLINE));
    HWND hFirst = records.front()->m_pWnd->m_hWnd;
    HWND hLast = records.back()->m_pWnd->m_hWnd;
    ModalScript cancel([&](HWND hDlg) {
        EXPECT_EQ(50, SliderPos(hDlg));
        EXPECT_EQ(135, AlphaOf(hFirst));
        EXPECT_EQ(135, AlphaOf(hLast));
        DragSlider(hDlg, 0, 0);
        EXPECT_EQ(15, AlphaOf(hFirst));
        EXPECT_EQ(15, AlphaOf(hLast));
    });
    SetTransparencyForAllContacts();
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(87, AlphaOf(hFirst));
    EXPECT_EQ(255, AlphaOf(hLast));
    EXPECT_EQ(-999, ReadContactInt("c299@example.com", "transparency"));

    ModalScript confirm([&](HWND hDlg) {
        SendDlgItemMessageA(hDlg, IDC_TRANSPARENCY_SLIDER, TBM_SETPOS, TRUE, 75);
        Click(hDlg, IDOK);
    });
    SetTransparencyForAllContacts();
    EXPECT_EQ(195, AlphaOf(hFirst));
    EXPECT_EQ(75, ReadContactInt("c299@example.com", "transparency"));
    ModalScript own([&](HWND hDlg) { EXPECT_EQ(75, SliderPos(hDlg)); });
    RunCommand(records.back(), ID_SET_TRANSPARENCY);
    EXPECT_TRUE(own.Ran());
}

TEST_F(ContactDialogsTest, TheCustomNameIsTrimmedWhereThePropertiesKeepItAsTyped)
{
    ContactRecord* pRecord = AddContact("a@example.com", STATUS_BUSY);
    ModalScript trimmed([&](HWND hDlg) {
        EXPECT_EQ("Friend", Text(hDlg, IDC_CUSTOM_NAME));
        Type(hDlg, IDC_CUSTOM_NAME, "  Bob \t");
        Click(hDlg, IDOK);
    });
    RunCommand(pRecord, ID_SET_CUSTOM_NAME);
    EXPECT_EQ("Bob", ReadString("a@example.com", "customName"));

    ModalScript asTyped([&](HWND hDlg) {
        EXPECT_EQ("a@example.com", Text(hDlg, IDC_PROPERTIES_EMAIL));
        EXPECT_EQ("Friend", Text(hDlg, IDC_PROPERTIES_FRIENDLY_NAME));
        EXPECT_EQ("Bob", Text(hDlg, IDC_PROPERTIES_CUSTOM_NAME));
        EXPECT_EQ("Busy", Text(hDlg, IDC_PROPERTIES_STATUS));
        Type(hDlg, IDC_PROPERTIES_CUSTOM_NAME, "  Rob  ");
        Click(hDlg, IDOK);
    });
    RunCommand(pRecord, ID_PROPERTIES);
    EXPECT_EQ("  Rob  ", pRecord->m_strCustomName);
    EXPECT_EQ("  Rob  ", ReadString("a@example.com", "customName"));

    const std::string longName(10000, 'n');
    for (const auto& dialog : {std::make_pair(ID_SET_CUSTOM_NAME, IDC_CUSTOM_NAME),
                               std::make_pair(ID_PROPERTIES, IDC_PROPERTIES_CUSTOM_NAME)})
        for (const std::string& name : {longName, std::string("   ")}) {
            ModalScript typed([&](HWND hDlg) {
                Type(hDlg, dialog.second, name);
                Click(hDlg, IDOK);
            });
            RunCommand(pRecord, dialog.first);
            const bool bTrimmed = dialog.first == ID_SET_CUSTOM_NAME && name != longName;
            EXPECT_EQ(bTrimmed ? "" : name, ReadString("a@example.com", "customName"));
        }
}

TEST_F(ContactDialogsTest, SwitchingUseDefaultRuleShowsTheDefaultRuleOfThatMoment)
{
    WriteContactInt("_Default", "displayRules", 1);
    ContactRecord* pRecord = AddContact("a@example.com", STATUS_ONLINE);
    ASSERT_FALSE(pRecord->m_pWnd->IsWindowVisible());
    ModalScript script([&](HWND hDlg) {
        EXPECT_TRUE(Checked(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE));
        EXPECT_TRUE(Checked(hDlg, IDC_PROPERTIES_HIDE_ALWAYS));
        EXPECT_FALSE(Enabled(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        Click(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE);
        Click(hDlg, IDC_PROPERTIES_SHOW_ALWAYS);
        WriteContactInt("_Default", "displayRules", 2);
        Click(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE);
        EXPECT_FALSE(Enabled(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        EXPECT_TRUE(Checked(hDlg, IDC_PROPERTIES_SHOW_ONLY_WHEN_ONLINE));
        EXPECT_FALSE(Checked(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        Click(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE);
        EXPECT_TRUE(Enabled(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        Click(hDlg, IDC_PROPERTIES_SHOW_ALWAYS);
        Click(hDlg, IDOK);
    });
    ShowContactProperties(pRecord);
    ASSERT_TRUE(script.Ran());
    EXPECT_TRUE(pRecord->m_pWnd->IsWindowVisible()) << "shown at once";
    EXPECT_EQ(0, ReadContactInt("a@example.com", "displayRule"));
    EXPECT_EQ(0, ReadContactInt("a@example.com", "useDefaultDisplayRules"));
}

// While the dialog of a command that holds a record, or previews on the
// windows, is open, a poll that finds no contacts leaves the list alone.
// One contact's transparency is cancelled: its preview is taken back.
TEST_F(ContactDialogsTest, AListEmptiedByAPollWaitsForTheDialogsThatHoldItsRecords)
{
    FakeMessenger messenger; // with no contacts
    auto listEmpty = [] {
        theContacts.Premier();
        return theContacts.HorsListe();
    };
    const std::function<void(ContactRecord*)> commands[] = {
        [](ContactRecord* pRecord) { ShowContactProperties(pRecord); },
        [](ContactRecord* pRecord) { RunCommand(pRecord, ID_SET_CUSTOM_NAME); },
        [](ContactRecord* pRecord) { RunCommand(pRecord, ID_SET_TRANSPARENCY); },
        [](ContactRecord*) { SetTransparencyForAllContacts(); },
    };
    for (int i = 0; i < 4; ++i) {
        const std::string name = "h" + std::to_string(i) + "@example.com";
        ContactRecord* pRecord = AddContact(name, STATUS_ONLINE);
        HWND hWnd = pRecord->m_pWnd->m_hWnd;
        ModalScript script([&](HWND hDlg) {
            PollCycle(nullptr, 0, 0, 0);
            EXPECT_FALSE(listEmpty());
            Type(hDlg,
                 GetDlgItem(hDlg, IDC_CUSTOM_NAME) ? IDC_CUSTOM_NAME : IDC_PROPERTIES_CUSTOM_NAME,
                 "Held");
            if (GetDlgItem(hDlg, IDC_TRANSPARENCY_SLIDER)) {
                DragSlider(hDlg, 0, 20);
                EXPECT_EQ(15, AlphaOf(hWnd));
            }
            Click(hDlg, i == 2 ? IDCANCEL : IDOK);
        });
        commands[i](pRecord);
        ASSERT_TRUE(script.Ran());
        const int transparency[] = {-999, -999, 100, 20};
        EXPECT_EQ(i < 2 ? "Held" : "(none)", ReadString(name, "customName"));
        EXPECT_EQ(transparency[i], ReadContactInt(name, "transparency"));
        EXPECT_EQ(i == 3 ? 63 : 255, AlphaOf(hWnd));
        PollCycle(nullptr, 0, 0, 0);
        EXPECT_TRUE(listEmpty()) << "emptied at the next poll";
    }
}

} // namespace
