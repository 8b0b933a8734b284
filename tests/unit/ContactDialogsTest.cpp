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

void SetSliderPos(HWND hDlg, int nPos)
{
    SendDlgItemMessageA(hDlg, IDC_TRANSPARENCY_SLIDER, TBM_SETPOS, TRUE, nPos);
}

// A drag with the left button: the press, the thumb at the position, a move, the release.
void DragSlider(HWND hDlg, int nPos)
{
    HWND hSlider = GetDlgItem(hDlg, IDC_TRANSPARENCY_SLIDER);
    SendMessageA(hSlider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SetSliderPos(hDlg, nPos);
    SendMessageA(hSlider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4, 2));
    SendMessageA(hSlider, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
}

// Replaces the whole text of an edit as typing over a selection of all of it does.
void Type(HWND hDlg, int nId, const std::string& strText)
{
    SendDlgItemMessageA(hDlg, nId, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(hDlg, nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strText.c_str()));
}

bool ListEmpty()
{
    theContacts.Premier();
    return theContacts.HorsListe();
}

void RunCommand(ContactRecord* pRecord, UINT nId)
{
    pRecord->m_pWnd->SendMessage(WM_COMMAND, nId);
}

TEST_F(ContactDialogsTest, OneContactsTransparencyIsPreviewedWhileDraggingAndCancelTakesItBack)
{
    WriteContactInt("a@example.com", "transparency", 40);
    ContactRecord* pRecord = AddContact("a@example.com", STATUS_ONLINE);
    HWND hWnd = pRecord->m_pWnd->m_hWnd;
    ModalScript cancel([&](HWND hDlg) {
        EXPECT_EQ(40, SliderPos(hDlg));
        SendDlgItemMessageA(hDlg, IDC_TRANSPARENCY_SLIDER, WM_MOUSEMOVE, 0, MAKELPARAM(9, 2));
        EXPECT_EQ(111, AlphaOf(hWnd)) << "no button held, no preview";
        DragSlider(hDlg, 0);
        EXPECT_EQ(15, AlphaOf(hWnd));
        Click(hDlg, IDCANCEL);
    });
    RunCommand(pRecord, ID_SET_TRANSPARENCY);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(111, AlphaOf(hWnd));
    EXPECT_EQ(40, ReadContactInt("a@example.com", "transparency"));

    ModalScript confirm([&](HWND hDlg) {
        DragSlider(hDlg, 100);
        EXPECT_EQ(255, AlphaOf(hWnd));
        SetSliderPos(hDlg, 75);
        Click(hDlg, IDOK);
    });
    RunCommand(pRecord, ID_SET_TRANSPARENCY);
    EXPECT_EQ(195, AlphaOf(hWnd));
    EXPECT_EQ(75, pRecord->m_pWnd->m_nTransparency);
    EXPECT_EQ(75, ReadContactInt("a@example.com", "transparency"));
}

TEST_F(ContactDialogsTest, TransparencyForAllStartsHalfTransparentAndCancelRestoresEachWindow)
{
    WriteContactInt("a@example.com", "transparency", 30);
    ContactRecord* const records[] = {AddContact("a@example.com", STATUS_ONLINE),
                                      AddContact("b@example.com", STATUS_ONLINE)};
    ModalScript cancel([&](HWND hDlg) {
        EXPECT_EQ(50, SliderPos(hDlg));
        for (ContactRecord* pRecord : records)
            EXPECT_EQ(135, AlphaOf(pRecord->m_pWnd->m_hWnd));
        DragSlider(hDlg, 0);
        for (ContactRecord* pRecord : records)
            EXPECT_EQ(15, AlphaOf(pRecord->m_pWnd->m_hWnd));
        Click(hDlg, IDCANCEL);
    });
    SetTransparencyForAllContacts();
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(87, AlphaOf(records[0]->m_pWnd->m_hWnd));
    EXPECT_EQ(255, AlphaOf(records[1]->m_pWnd->m_hWnd));
    EXPECT_EQ(-999, ReadContactInt("b@example.com", "transparency"));

    ModalScript confirm([&](HWND hDlg) {
        SetSliderPos(hDlg, 75);
        Click(hDlg, IDOK);
    });
    SetTransparencyForAllContacts();
    for (ContactRecord* pRecord : records) {
        EXPECT_EQ(195, AlphaOf(pRecord->m_pWnd->m_hWnd));
        EXPECT_EQ(75, ReadContactInt(pRecord->m_strSigninName, "transparency"));
    }
    ModalScript own([&](HWND hDlg) { EXPECT_EQ(75, SliderPos(hDlg)); });
    RunCommand(records[1], ID_SET_TRANSPARENCY);
    EXPECT_TRUE(own.Ran());
}

TEST_F(ContactDialogsTest, ThreeHundredContactsArePreviewedTogether)
{
    SoundRecorder sounds;
    std::vector<HWND> windows;
    for (int i = 0; i < 300; ++i)
        windows.push_back(
            AddContact("c" + std::to_string(i) + "@example.com", STATUS_ONLINE)->m_pWnd->m_hWnd);
    ModalScript script([&](HWND hDlg) {
        EXPECT_EQ(135, AlphaOf(windows.back()));
        DragSlider(hDlg, 10);
        EXPECT_EQ(39, AlphaOf(windows.front()));
        EXPECT_EQ(39, AlphaOf(windows.back()));
    });
    SetTransparencyForAllContacts();
    ASSERT_TRUE(script.Ran());
    for (HWND hWnd : windows)
        ASSERT_EQ(255, AlphaOf(hWnd));
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
    EXPECT_EQ("Bob", pRecord->m_strCustomName);
    EXPECT_EQ("Bob", ReadContactString("a@example.com", "customName"));

    ModalScript asTyped([&](HWND hDlg) {
        EXPECT_EQ("a@example.com", Text(hDlg, IDC_PROPERTIES_EMAIL));
        EXPECT_EQ("Friend", Text(hDlg, IDC_PROPERTIES_FRIENDLY_NAME));
        EXPECT_EQ("Bob", Text(hDlg, IDC_PROPERTIES_CUSTOM_NAME));
        EXPECT_EQ("Busy", Text(hDlg, IDC_PROPERTIES_STATUS));
        for (int nId : {IDC_PROPERTIES_EMAIL, IDC_PROPERTIES_FRIENDLY_NAME, IDC_PROPERTIES_STATUS})
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(hDlg, nId), GWL_STYLE) & ES_READONLY) << nId;
        Type(hDlg, IDC_PROPERTIES_CUSTOM_NAME, "  Rob  ");
        Click(hDlg, IDOK);
    });
    RunCommand(pRecord, ID_PROPERTIES);
    EXPECT_EQ("  Rob  ", ReadContactString("a@example.com", "customName"));
    EXPECT_EQ("a@example.com", pRecord->m_strSigninName);
    EXPECT_EQ("Friend", pRecord->m_strFriendlyName);

    const std::string longName(10000, 'n');
    for (const auto& dialog : {std::make_pair(ID_SET_CUSTOM_NAME, IDC_CUSTOM_NAME),
                               std::make_pair(ID_PROPERTIES, IDC_PROPERTIES_CUSTOM_NAME)}) {
        ModalScript typed([&](HWND hDlg) {
            Type(hDlg, dialog.second, longName);
            Click(hDlg, IDOK);
        });
        RunCommand(pRecord, dialog.first);
        EXPECT_EQ(longName, pRecord->m_strCustomName);
        EXPECT_EQ(longName, ReadContactString("a@example.com", "customName"));
    }

    ModalScript blank([&](HWND hDlg) {
        Type(hDlg, IDC_CUSTOM_NAME, "   ");
        Click(hDlg, IDOK);
    });
    RunCommand(pRecord, ID_SET_CUSTOM_NAME);
    EXPECT_EQ("", ReadContactString("a@example.com", "customName"));
    EXPECT_EQ("Friend", pRecord->GetDisplayName());
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
        EXPECT_TRUE(Enabled(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        Click(hDlg, IDC_PROPERTIES_SHOW_ALWAYS);
        WriteContactInt("_Default", "displayRules", 2);
        Click(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE);
        EXPECT_FALSE(Enabled(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        EXPECT_TRUE(Checked(hDlg, IDC_PROPERTIES_SHOW_ONLY_WHEN_ONLINE));
        EXPECT_FALSE(Checked(hDlg, IDC_PROPERTIES_SHOW_ALWAYS));
        Click(hDlg, IDC_PROPERTIES_USE_DEFAULT_RULE);
        Click(hDlg, IDC_PROPERTIES_SHOW_ALWAYS);
        Click(hDlg, IDOK);
    });
    EXPECT_TRUE(ShowContactPropertiesAt(0));
    ASSERT_TRUE(script.Ran());
    EXPECT_TRUE(pRecord->m_pWnd->IsWindowVisible()) << "shown at once";
    EXPECT_EQ(0, ReadContactInt("a@example.com", "displayRule"));
    EXPECT_EQ(0, ReadContactInt("a@example.com", "useDefaultDisplayRules"));

    ModalScript none([](HWND) {});
    EXPECT_FALSE(ShowContactPropertiesAt(1)) << "the list has shrunk since the menu was built";
    EXPECT_FALSE(none.Ran());
}

// A dialog that holds a record, or previews on windows, while the messenger
// reports no contacts: the list is emptied only after the command is done.
TEST_F(ContactDialogsTest, AListEmptiedByAPollWaitsForTheDialogsThatHoldItsRecords)
{
    FakeMessenger messenger; // with no contacts
    auto setName = [](HWND hDlg) {
        Type(hDlg, GetDlgItem(hDlg, IDC_CUSTOM_NAME) ? IDC_CUSTOM_NAME : IDC_PROPERTIES_CUSTOM_NAME,
             "Held");
    };
    auto setTransparency = [](HWND hDlg) {
        DragSlider(hDlg, 20);
        SetSliderPos(hDlg, 20);
    };
    const struct {
        std::function<void(ContactRecord*)> run;
        std::function<void(HWND)> change;
        bool bTransparency; // else the custom name
    } cases[] = {
        {[](ContactRecord*) { ShowContactPropertiesAt(0); }, setName, false},
        {[](ContactRecord* p) { RunCommand(p, ID_SET_CUSTOM_NAME); }, setName, false},
        {[](ContactRecord* p) { RunCommand(p, ID_SET_TRANSPARENCY); }, setTransparency, true},
        {[](ContactRecord*) { SetTransparencyForAllContacts(); }, setTransparency, true},
    };
    for (const auto& c : cases) {
        ContactRecord* pRecord = AddContact("a@example.com", STATUS_ONLINE);
        HWND hWnd = pRecord->m_pWnd->m_hWnd;
        ModalScript script([&](HWND hDlg) {
            PollCycle(nullptr, 0, 0, 0);
            EXPECT_FALSE(ListEmpty());
            EXPECT_TRUE(IsWindow(hWnd));
            c.change(hDlg);
            Click(hDlg, IDOK);
        });
        c.run(pRecord);
        ASSERT_TRUE(script.Ran());
        if (c.bTransparency) {
            EXPECT_EQ(20, ReadContactInt("a@example.com", "transparency"));
            EXPECT_EQ(63, AlphaOf(hWnd));
        } else {
            EXPECT_EQ("Held", ReadContactString("a@example.com", "customName"));
        }
        PollCycle(nullptr, 0, 0, 0);
        EXPECT_TRUE(ListEmpty()) << "emptied at the next poll";
        WriteContactInt("a@example.com", "transparency", 100);
    }
}

} // namespace
