#include "app/SkyletDlgAutoProxy.h"
#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "core/StatusLog.h"
#include "framework/Menu.h"
#include "framework/RegKey.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "shell/HelpText.h"
#include "shell/SkyletDlg.h"
#include "shell/StartWithWindows.h"
#include "shell/TrayAnimation.h"
#include "tests/unit/DialogDriver.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <functional>
#include <sstream>
#include <vector>

namespace {

// The main window of a fresh installation, created but not yet painted.
class ShellTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        g_bFirstPaint = TRUE;
        m_pDlg = std::make_unique<CSkyletDlg>();
        AfxGetApp()->m_pMainWnd = m_pDlg.get();
        ASSERT_TRUE(m_pDlg->Create());
    }
    void TearDown() override
    {
        SetPopupMenuHandler(nullptr);
        AfxGetApp()->m_pMainWnd = nullptr;
        m_pDlg.reset();
        ContactTest::TearDown();
    }
    // A contact at the end of the list.
    ContactRecord* Add(const std::string& strName)
    {
        ContactRecord* pRecord =
            MakeRecord(strName + "@example.com", STATUS_ONLINE, strName).release();
        int n = 0;
        ForEachContact([&](ContactRecord*) { ++n; });
        theContacts.Positionner(n);
        theContacts.InsererApres(pRecord);
        return pRecord;
    }
    void Command(int nId) { m_pDlg->SendMessage(WM_COMMAND, nId); }
    void TrayNotify(LPARAM lMessage)
    {
        m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, lMessage);
    }
    static std::string RunEntry()
    {
        CRegKey run;
        std::string value = "(none)";
        run.Open(HKEY_CURRENT_USER, RUN_KEY);
        run.QueryString(RUN_VALUE_NAME, value);
        return value;
    }
    std::unique_ptr<CSkyletDlg> m_pDlg;
};

TEST_F(ShellTest, TheLogWindowHidesInTheTrayAndComesBack)
{
    // Said while the shell still holds the icon: it is still to be removed at the end.
    m_pDlg->SendMessage(RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_TRUE(m_pDlg->m_bIconShown);

    HMENU hSysMenu = GetSystemMenu(m_pDlg->m_hWnd, FALSE);
    const int nLast = GetMenuItemCount(hSysMenu) - 1;
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(hSysMenu, nLast));
    EXPECT_EQ(MF_SEPARATOR, GetMenuState(hSysMenu, nLast - 1, MF_BYPOSITION) & MF_SEPARATOR);

    m_pDlg->ShowWindow(SW_SHOW);
    UpdateWindow(m_pDlg->m_hWnd);
    EXPECT_FALSE(m_pDlg->IsWindowVisible()) << "the first paint sends it into the tray";
    HWND hLog = m_pDlg->GetDlgItem(IDC_LOG);
    auto selection = [hLog] { return SendMessageA(hLog, EM_GETSEL, 0, 0); };
    SendMessageA(hLog, EM_SETSEL, 5, 9);
    TrayNotify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    EXPECT_EQ(0, selection()) << "the caret goes to the start of the log";
    Command(ID_TRAY_OPEN_CLOSE_LOG);
    EXPECT_FALSE(m_pDlg->IsWindowVisible());
    SendMessageA(hLog, EM_SETSEL, 5, 9);
    Command(ID_TRAY_OPEN_CLOSE_LOG);
    EXPECT_EQ(MAKELONG(5, 9), selection()) << "the caret stays";
    m_pDlg->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_pDlg->IsWindowVisible());
    EXPECT_TRUE(IsWindow(m_pDlg->m_hWnd)) << "closing only hides";
}

// Runs once inside the main window's modal loop, after its first paint.
std::function<void()> g_insideLoop;
void CALLBACK RunInsideLoop(HWND, UINT, UINT_PTR nId, DWORD)
{
    if (g_bFirstPaint)
        return;
    KillTimer(nullptr, nId);
    g_insideLoop();
}

TEST_F(ShellTest, QuitHidesWhileAnAutomationClientHoldsTheProgramAndEndsItAfter)
{
    CSkyletDlg dlg; // run modally
    AfxGetApp()->m_pMainWnd = &dlg;
    g_insideLoop = [&] {
        EXPECT_TRUE(dlg.m_bHidden && !dlg.IsWindowVisible()) << "sent into the tray";
        auto* pProxy = new CSkyletDlgAutoProxy;
        for (int nId : {ID_TRAY_QUIT, IDOK, IDCANCEL}) {
            dlg.ShowWindow(SW_SHOW);
            dlg.SendMessage(WM_COMMAND, nId);
            EXPECT_FALSE(dlg.IsWindowVisible()) << nId;
        }
        pProxy->Release();
        EXPECT_EQ(nullptr, dlg.m_pAutoProxy);
        dlg.SendMessage(WM_COMMAND, ID_TRAY_QUIT);
    };
    SetTimer(nullptr, 0, 10, RunInsideLoop);
    EXPECT_EQ(0, dlg.DoModal());
}

TEST_F(ShellTest, TheLogsStatusColumnLinesUpWhateverTheNames)
{
    HWND hLog = m_pDlg->GetDlgItem(IDC_LOG);
    const SYSTEMTIME noon = {2005, 1, 0, 1, 12, 0, 0, 0};
    AppendToLog(hLog, FormatLogEntry("iiiiiiii", STATUS_ONLINE, noon));
    AppendToLog(hLog, FormatLogEntry("WWWWWWWW", STATUS_OFFLINE, noon));
    char text[512] = "";
    GetWindowTextA(hLog, text, sizeof(text));
    const std::string log = text;
    auto x = [hLog](size_t at) { return LOWORD(SendMessageA(hLog, EM_POSFROMCHAR, at, 0)); };
    EXPECT_EQ(x(log.find("ONLINE")), x(log.find("Offline")));
}

TEST_F(ShellTest, TheContactListShowsTheMessengersOwnList)
{
    FakeMessenger messenger;
    messenger.Add(L"bob@example.com", 0x02);
    messenger.Add(L"carol@example.com", 0x22);
    MessageBoxRecorder recorder;
    Command(IDC_CONTACT_LIST);
    ASSERT_EQ(1u, recorder.boxes.size());
    EXPECT_EQ("bob@example.com\t\t INLINE\ncarol@example.com\t OFFLINE\n",
              recorder.boxes[0].strText);
    EXPECT_EQ("Skylet", recorder.boxes[0].strCaption);
}

TEST_F(ShellTest, AFirstPollTakenAfterTheLogIsFilledLogsItsContactsAsTheFillWould)
{
    FakeMessenger messenger;
    messenger.Add(L"bob@example.com", 0x02, L"Bob");
    messenger.Add(L"carol@example.com", 0x22, L"Carol");
    FirstPoll(0);
    PollCycle(nullptr, 0, 0, 0);
    char text[1024] = "";
    GetDlgItemTextA(m_pDlg->m_hWnd, IDC_LOG, text, sizeof(text));
    const std::string log = text;
    auto once = [&log](const char* pszName) {
        return log.find(pszName) == log.rfind(pszName) && log.find(pszName) != std::string::npos;
    };
    ASSERT_EQ(0u, log.find(STATUS_LOG_WELCOME));
    EXPECT_TRUE(once("Bob")) << "once, and nothing more at the next poll";
    EXPECT_TRUE(once("Carol"));
    EXPECT_LT(log.find("Bob"), log.find("Carol")) << "in list order";
    EXPECT_NE(std::string::npos, log.find("Carol" + std::string(23, ' ') + "Away"));
}

TEST_F(ShellTest, TheProgramStartsWithWindowsFromWhereverItLives)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string entry = "\"" + std::string(path) + "\"";
    EXPECT_EQ(entry, RunEntry()) << "on by default";
    Command(ID_TRAY_START_WITH_WINDOWS);
    EXPECT_EQ("(none)", RunEntry());
    EXPECT_EQ(0, ReadContactInt("_Default", "StartWithWindows"));
    Command(ID_TRAY_START_WITH_WINDOWS);
    EXPECT_EQ(entry, RunEntry());
    EXPECT_EQ(1, ReadContactInt("_Default", "StartWithWindows"));

    // Setting values denied: each attempt says so, at start-up too, and nothing changes.
    CRegKey run;
    ASSERT_EQ(ERROR_SUCCESS, run.Open(HKEY_CURRENT_USER, RUN_KEY, READ_CONTROL | WRITE_DAC));
    DWORD size = 4096;
    std::vector<BYTE> original(size);
    ASSERT_EQ(0, RegGetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, original.data(), &size));
    PSECURITY_DESCRIPTOR pDenied = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x2;;;WD)(A;;KA;;;WD)", 1, &pDenied,
                                                         nullptr);
    ASSERT_EQ(0, RegSetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, pDenied));
    LocalFree(pDenied);
    MessageBoxRecorder recorder;
    CSkyletDlg another;
    Command(ID_TRAY_START_WITH_WINDOWS);
    RegSetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, original.data());
    ASSERT_EQ(3u, recorder.boxes.size());
    EXPECT_EQ("Error", recorder.boxes[2].strCaption);
    EXPECT_EQ("Could not open to the registry !\r\nPlease send an e-mail to support@example.org "
              "to report this error.\r\nThanks.",
              recorder.boxes[2].strText);
    EXPECT_TRUE(m_pDlg->m_bStartWithWindows);
    EXPECT_EQ(1, ReadContactInt("_Default", "StartWithWindows"));
    EXPECT_EQ(entry, RunEntry());
}

TEST_F(ShellTest, ReorganizeLaysEveryWindowOutAlongTheBottomInListOrder)
{
    WriteContactInt("c1@example.com", "stayOnTop", 0);
    std::vector<CContactWnd*> windows;
    for (int i = 0; i < 14; ++i) {
        windows.push_back(Add("c" + std::to_string(i))->m_pWnd);
        windows.back()->SetWindowPos(nullptr, 300, 200, 90, 50, SWP_NOZORDER);
    }
    windows[5]->ShowWindow(SW_HIDE);
    Command(ID_TRAY_REORGANIZE);
    const int bottom = WorkArea().bottom;
    for (int i = 0; i < 14; ++i) {
        const RECT cell = i < 13 ? RECT{74 * i, bottom - 74, 74 * i + 74, bottom}
                                 : RECT{0, bottom - 148, 74, bottom - 74};
        const RECT window = windows[i]->GetWindowRect();
        EXPECT_TRUE(EqualRect(&cell, &window)) << i;
        const std::string name = "c" + std::to_string(i) + "@example.com";
        EXPECT_EQ(cell.left, ReadContactInt(name, "left"));
        EXPECT_EQ(cell.top, ReadContactInt(name, "top"));
        EXPECT_EQ(i != 1, (GetWindowLongA(windows[i]->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }
}

TEST(HelpTextTest, LinesKeepTheirLeadingSpacesAndTheTextEndsWithItsLastLine)
{
    const size_t spaces[] = {1, 14, 0, 18, 13, 0, 10, 14, 0, 10, 0, 6, 8,
                             6, 6,  8, 6,  8,  6, 6,  8,  6, 6,  6, 6};
    std::istringstream text(HELP_TEXT);
    std::string line;
    size_t n = 0;
    for (; std::getline(text, line) && n < 25; ++n) {
        EXPECT_EQ(n == 24 ? std::string::npos : line.size() - 1, line.find('\r')) << n;
        EXPECT_EQ(spaces[n], line.find_first_not_of(' ')) << n;
    }
    EXPECT_EQ(25u, n);
    EXPECT_NE(nullptr, strstr(HELP_TEXT, " window \"clic-through\" which "));
}

TEST(TrayAnimationTest, AnEdgeTheShellNeverReportsGivesTheWorkAreasCorner)
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT corner = {work.right - 150, work.bottom - 30, work.right, work.bottom};
    const RECT band = TaskbarNotifyBand(7, {0, 0, 0, 0});
    EXPECT_TRUE(EqualRect(&corner, &band));
}

// Stands in for the system's menu loop: the test reads the built menu and
// chooses for the user.
std::function<void(HMENU hMenu, HWND hOwner)> g_onTrack;
BOOL TrackInTest(HMENU hMenu, UINT, int, int, HWND hOwner, const RECT*)
{
    g_onTrack(hMenu, hOwner);
    return TRUE;
}

std::string MenuText(HMENU hMenu, int nPos)
{
    std::string text(GetMenuStringA(hMenu, nPos, nullptr, 0, MF_BYPOSITION) + 1, '\0');
    text.resize(
        GetMenuStringA(hMenu, nPos, &text[0], static_cast<int>(text.size()), MF_BYPOSITION));
    return text;
}

TEST_F(ShellTest, TheTrayMenuListsTheContactsAndShowsTheSettingsAtEveryOpening)
{
    Add("Bob");
    Add("Carol")->m_strCustomName = "Caz";
    std::vector<std::string> entries;
    HMENU hContacts = nullptr;
    g_onTrack = [&](HMENU hMenu, HWND) {
        entries = {std::to_string(GetMenuItemCount(hMenu)), MenuText(hMenu, 13),
                   std::to_string(GetMenuDefaultItem(hMenu, FALSE, 0)),
                   std::to_string(GetMenuState(hMenu, ID_TRAY_CLICK_THROUGH, 0) & MF_CHECKED),
                   std::to_string(GetMenuState(hMenu, ID_TRAY_START_WITH_WINDOWS, 0) & MF_CHECKED)};
        hContacts = GetSubMenu(hMenu, 13);
        for (int i = 0; i < GetMenuItemCount(hContacts); ++i)
            entries.push_back(std::to_string(GetMenuItemID(hContacts, i)) + MenuText(hContacts, i));
    };
    SetPopupMenuHandler(TrackInTest);
    TrayNotify(WM_RBUTTONDOWN);
    EXPECT_EQ((std::vector<std::string>{"20", "Contacts Properties", "32836", "0", "8",
                                        "32854Bob...", "32855Caz..."}),
              entries);
    EXPECT_FALSE(IsMenu(hContacts)) << "destroyed once tracked";

    const std::string longName(5000, 'n');
    Add("Dan")->m_strCustomName = longName;
    DefaultSettings.clickThrough = true;
    m_pDlg->m_bStartWithWindows = FALSE;
    TrayNotify(WM_CONTEXTMENU);
    EXPECT_EQ((std::vector<std::string>{"20", "Contacts Properties", "32836", "8", "0",
                                        "32854Bob...", "32855Caz...", "32856" + longName + "..."}),
              entries);
}

TEST_F(ShellTest, AContactsItemShowsItsNameAsItIsAndOpensThatContact)
{
    Add("Bob");
    Add("Tom & Jerry");
    std::string strItem;
    g_onTrack = [&](HMENU hMenu, HWND hOwner) {
        HMENU hContacts = GetSubMenu(hMenu, 13);
        strItem = MenuText(hContacts, 1);
        PostMessageA(hOwner, WM_COMMAND, GetMenuItemID(hContacts, 1), 0);
    };
    SetPopupMenuHandler(TrackInTest);
    std::string strOpened;
    ModalScript script([&](HWND hDlg) { strOpened = Text(hDlg, IDC_PROPERTIES_EMAIL); });
    TrayNotify(WM_RBUTTONDOWN);
    PumpMessages();
    EXPECT_EQ("Tom && Jerry...", strItem) << "no mnemonic";
    EXPECT_EQ("Tom & Jerry@example.com", strOpened);
}

TEST_F(ShellTest, ClickThroughFollowsTheStoredValueAndReachesEveryWindow)
{
    CContactWnd* pListed = Add("Bob")->m_pWnd;
    auto pCreating = MakeRecord("new@example.com", STATUS_ONLINE); // not yet in the list
    auto styles = [](CContactWnd* pWnd) {
        return GetWindowLongA(pWnd->m_hWnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT);
    };
    MessageBoxRecorder recorder;
    DefaultSettings.clickThrough = true; // only what is stored counts
    Command(ID_TRAY_CLICK_THROUGH);
    ASSERT_EQ(1u, recorder.boxes.size());
    EXPECT_EQ("             If this option is enabled,\nyou will not be able to clic on contact's "
              "windows.\nMouse clics will pass through contact's windows.\nDisable this option "
              "to retrieve the default behaviour.",
              recorder.boxes[0].strText);
    EXPECT_EQ("Warning", recorder.boxes[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), recorder.boxes[0].nType);
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT, styles(pListed));
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT, styles(pCreating->m_pWnd));
    EXPECT_EQ(1, ReadContactInt("_Default", "clickThrough"));

    // Turned off from the menu, while a poll empties the list.
    g_onTrack = [](HMENU, HWND hOwner) {
        theContacts.Vider();
        PostMessageA(hOwner, WM_COMMAND, ID_TRAY_CLICK_THROUGH, 0);
    };
    SetPopupMenuHandler(TrackInTest);
    TrayNotify(WM_RBUTTONDOWN);
    PumpMessages();
    EXPECT_EQ(1u, recorder.boxes.size()) << "no warning when turning it off";
    EXPECT_EQ(WS_EX_LAYERED, styles(pCreating->m_pWnd));
    EXPECT_FALSE(DefaultSettings.clickThrough);
    EXPECT_EQ(0, ReadContactInt("_Default", "clickThrough"));
}

// Messages that other processes send, handled in the middle of a walk.
TEST_F(ShellTest, WalksRunInsideAnotherWalkLeaveItsCursorWhereItWas)
{
    for (const char* name : {"Bob", "Carol", "Dan"})
        Add(name);
    theContacts.Positionner(2);
    m_pDlg->SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(2, theContacts.Position());
    m_pDlg->SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_EQ(2, theContacts.Position());
    g_onTrack = [](HMENU, HWND) {};
    SetPopupMenuHandler(TrackInTest);
    TrayNotify(WM_RBUTTONDOWN);
    EXPECT_EQ(2, theContacts.Position());
}

TEST_F(ShellTest, AContactsPropertiesItemOpensTheContactItWasBuiltFor)
{
    Add("Bob");
    Add("Carol");
    // The e-mail of the properties dialog that the item opens, if any.
    auto opened = [&](int nItem, const std::function<void()>& whileOpen) {
        std::string strEmail = "(none)";
        std::unique_ptr<ModalScript> pScript;
        g_onTrack = [&](HMENU, HWND hOwner) {
            whileOpen();
            // Only now: a window that the poll made would have been the next dialog.
            pScript = std::make_unique<ModalScript>(
                [&](HWND hDlg) { strEmail = Text(hDlg, IDC_PROPERTIES_EMAIL); });
            PostMessageA(hOwner, WM_COMMAND, CONTACT_CMD_FIRST + nItem, 0);
        };
        SetPopupMenuHandler(TrackInTest);
        TrayNotify(WM_RBUTTONDOWN);
        PumpMessages();
        return strEmail;
    };
    // A poll finds Dan while the menu is open: he goes to the second place.
    FakeMessenger messenger;
    for (const wchar_t* name : {L"Bob@example.com", L"Carol@example.com", L"Dan@example.com"})
        messenger.Add(name, 0x02);
    EXPECT_EQ("Carol@example.com", opened(1, [] { PollCycle(nullptr, 0, 0, 0); }));
    EXPECT_EQ("(none)", opened(0, [] { theContacts.Vider(); })) << "gone when it is chosen";
}

} // namespace
