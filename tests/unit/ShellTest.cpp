#include "app/SkyletDlgAutoProxy.h"
#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/StatusLog.h"
#include "framework/Menu.h"
#include "framework/RegKey.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "shell/HelpText.h"
#include "shell/SkyletDlg.h"
#include "shell/StartWithWindows.h"
#include "shell/TrayAnimation.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <functional>
#include <sstream>
#include <vector>

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// The main window of a fresh installation, not yet painted, with the contacts given.
class ShellTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        g_bFirstPaint = TRUE;
        m_pDlg = std::make_unique<CSkyletDlg>();
        AfxGetApp()->m_pMainWnd = m_pDlg.get();
    }
    void TearDown() override
    {
        SetPopupMenuHandler(nullptr);
        AfxGetApp()->m_pMainWnd = nullptr;
        m_pDlg.reset();
        ContactTest::TearDown();
    }
    ContactRecord* Add(const std::string& strName, int nStatus = STATUS_ONLINE)
    {
        ContactRecord* pRecord = MakeRecord(strName + "@example.com", nStatus, strName).release();
        int n = 0;
        ForEachContact([&](ContactRecord*) { ++n; });
        theContacts.Positionner(n);
        theContacts.InsererApres(pRecord);
        return pRecord;
    }
    void Command(int nId) { m_pDlg->SendMessage(WM_COMMAND, nId); }
    std::string Log() const
    {
        char text[2048] = "";
        GetDlgItemTextA(m_pDlg->m_hWnd, IDC_LOG, text, sizeof(text));
        return text;
    }
    static std::string RunValue()
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
    Add("Bob");
    Add("Carol", STATUS_AWAY);
    ASSERT_TRUE(m_pDlg->Create());
    EXPECT_TRUE(m_pDlg->m_bIconShown);
    const std::string log = Log();
    EXPECT_EQ(0u, log.find(std::string(STATUS_LOG_WELCOME) + "    \r\n\r"));
    EXPECT_LT(log.find("Bob "), log.find("Carol ")) << log;
    HMENU hSysMenu = GetSystemMenu(m_pDlg->m_hWnd, FALSE);
    const int nLast = GetMenuItemCount(hSysMenu) - 1;
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(hSysMenu, nLast));
    EXPECT_EQ(MF_SEPARATOR, GetMenuState(hSysMenu, nLast - 1, MF_BYPOSITION) & MF_SEPARATOR);

    m_pDlg->ShowWindow(SW_SHOW);
    UpdateWindow(m_pDlg->m_hWnd);
    EXPECT_FALSE(m_pDlg->IsWindowVisible()) << "the first paint sends it into the tray";
    EXPECT_TRUE(m_pDlg->m_bHidden);

    HWND hLog = m_pDlg->GetDlgItem(IDC_LOG);
    auto selection = [hLog] { return SendMessageA(hLog, EM_GETSEL, 0, 0); };
    SendMessageA(hLog, EM_SETSEL, 5, 9);
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 2, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(m_pDlg->IsWindowVisible()) << "another icon's notification";
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    EXPECT_EQ(0, selection()) << "the caret goes to the start of the log";
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(m_pDlg->IsWindowVisible());

    SendMessageA(hLog, EM_SETSEL, 5, 9);
    Command(ID_TRAY_OPEN_CLOSE_LOG);
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
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
    g_insideLoop = [this] {
        EXPECT_TRUE(m_pDlg->m_bHidden && !m_pDlg->IsWindowVisible()) << "sent into the tray";
        Command(ID_TRAY_OPEN_CLOSE_LOG);
        auto* pProxy = new CSkyletDlgAutoProxy;
        for (int nId : {ID_TRAY_QUIT, IDOK, IDCANCEL}) {
            m_pDlg->ShowWindow(SW_SHOW);
            Command(nId);
            EXPECT_FALSE(m_pDlg->IsWindowVisible()) << nId;
            EXPECT_FALSE(m_pDlg->m_bHidden) << "hidden, but not into the tray";
        }
        pProxy->Release();
        EXPECT_EQ(nullptr, m_pDlg->m_pAutoProxy);
        Command(ID_TRAY_QUIT);
    };
    SetTimer(nullptr, 0, 10, RunInsideLoop);
    EXPECT_EQ(0, m_pDlg->DoModal());
}

TEST_F(ShellTest, TheLogsStatusColumnLinesUpWhateverTheNames)
{
    ASSERT_TRUE(m_pDlg->Create());
    HWND hLog = m_pDlg->GetDlgItem(IDC_LOG);
    SYSTEMTIME noon = {};
    noon.wHour = 12;
    AppendToLog(hLog, FormatLogEntry("iiiiiiii", STATUS_ONLINE, noon));
    AppendToLog(hLog, FormatLogEntry("WWWWWWWW", STATUS_OFFLINE, noon));
    const std::string log = Log();
    auto x = [hLog](size_t at) { return LOWORD(SendMessageA(hLog, EM_POSFROMCHAR, at, 0)); };
    EXPECT_EQ(x(log.find("ONLINE")), x(log.find("Offline")));
    EXPECT_LT(x(log.find("iiii")), x(log.find("ONLINE")));
}

TEST_F(ShellTest, TheProgramStartsWithWindowsFromWhereverItLives)
{
    ASSERT_TRUE(m_pDlg->Create());
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_TRUE(m_pDlg->m_bStartWithWindows) << "on by default";
    EXPECT_EQ("\"" + std::string(path) + "\"", RunValue());
    Command(ID_TRAY_START_WITH_WINDOWS);
    EXPECT_EQ("(none)", RunValue());
    EXPECT_EQ(0, ReadContactInt("_Default", "StartWithWindows"));
    Command(ID_TRAY_START_WITH_WINDOWS);
    EXPECT_EQ("\"" + std::string(path) + "\"", RunValue());
    EXPECT_EQ(1, ReadContactInt("_Default", "StartWithWindows"));

    // Denied: every attempt says so, and nothing changes.
    CRegKey run;
    ASSERT_EQ(ERROR_SUCCESS, run.Open(HKEY_CURRENT_USER, RUN_KEY, READ_CONTROL | WRITE_DAC));
    DWORD size = 0;
    RegGetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> original(size);
    ASSERT_EQ(ERROR_SUCCESS,
              RegGetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, original.data(), &size));
    PSECURITY_DESCRIPTOR pDenied = nullptr; // set-value denied to everyone
    ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x2;;;WD)(A;;KA;;;WD)", 1, &pDenied,
                                                         nullptr);
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, pDenied));
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
    EXPECT_EQ("\"" + std::string(path) + "\"", RunValue());
}

TEST_F(ShellTest, ReorganizeLaysEveryWindowOutAlongTheBottomInListOrder)
{
    ASSERT_TRUE(m_pDlg->Create());
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
        const POINT cell = i < 13 ? POINT{74 * i, bottom - 74} : POINT{0, bottom - 148};
        const std::string name = "c" + std::to_string(i) + "@example.com";
        const RECT expected = {cell.x, cell.y, cell.x + 74, cell.y + 74};
        EXPECT_TRUE(Same(expected, windows[i]->GetWindowRect())) << i;
        EXPECT_EQ(cell.x, ReadContactInt(name, "left"));
        EXPECT_EQ(cell.y, ReadContactInt(name, "top"));
        EXPECT_EQ(74, ReadContactInt(name, "sizeY"));
        EXPECT_EQ(i != 1, (GetWindowLongA(windows[i]->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }
}

TEST(HelpTextTest, LinesKeepTheirLeadingSpacesAndTheTextEndsWithItsLastLine)
{
    const int spaces[] = {1, 14, 0, 18, 13, 0, 10, 14, 0, 10, 0, 6, 8,
                          6, 6,  8, 6,  8,  6, 6,  8,  6, 6,  6, 6};
    std::istringstream text(HELP_TEXT);
    std::string line;
    int n = 0;
    while (std::getline(text, line)) {
        ASSERT_LT(n, 25);
        const bool bLast = n == 24;
        EXPECT_EQ(bLast ? std::string::npos : line.size() - 1, line.find('\r')) << n;
        EXPECT_EQ(static_cast<size_t>(spaces[n]), line.find_first_not_of(' ')) << n;
        ++n;
    }
    EXPECT_EQ(25, n);
    EXPECT_NE(nullptr, strstr(HELP_TEXT, " window \"clic-through\" which "));
}

TEST(TrayAnimationTest, TheBandLiesNearTheEndOfTheTaskbarOrInTheWorkAreasCorner)
{
    EXPECT_TRUE(Same({924, 738, 1008, 768}, TaskbarNotifyBand(ABE_BOTTOM, {0, 738, 1024, 768})));
    EXPECT_TRUE(Same({0, 638, 60, 722}, TaskbarNotifyBand(ABE_LEFT, {0, 0, 60, 738})));
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(Same({work.right - 150, work.bottom - 30, work.right, work.bottom},
                     TaskbarNotifyBand(7, {0, 0, 0, 0})))
        << "an edge the shell should not report";
}

// Stands in for the system's menu loop: the test looks at the built menu and
// chooses for the user.
std::function<void(HMENU hMenu, HWND hOwner)> g_onTrack;
BOOL TrackInTest(HMENU hMenu, UINT, int, int, HWND hOwner)
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
    ASSERT_TRUE(m_pDlg->Create());
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
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_RBUTTONDOWN);
    EXPECT_EQ((std::vector<std::string>{"20", "Contacts Properties", "32836", "0", "8",
                                        "32854Bob...", "32855Caz..."}),
              entries);
    EXPECT_FALSE(IsMenu(hContacts)) << "destroyed once tracked";

    const std::string longName(5000, 'n');
    Add("Dan")->m_strCustomName = longName;
    DefaultSettings.clickThrough = true;
    m_pDlg->m_bStartWithWindows = FALSE;
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_CONTEXTMENU);
    EXPECT_EQ((std::vector<std::string>{"20", "Contacts Properties", "32836", "8", "0",
                                        "32854Bob...", "32855Caz...", "32856" + longName + "..."}),
              entries);
}

// Closes the menu that the system's loop tracks, once the user has opened
// "Contacts Properties" with the keyboard.
int g_nMenusOpen = 0;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR nId, DWORD)
{
    KillTimer(nullptr, nId);
    g_nMenusOpen = ThreadWindowCount("#32768");
    EndMenu();
}

TEST_F(ShellTest, AMenuOfThreeHundredContactsOpensAndCloses)
{
    ASSERT_TRUE(m_pDlg->Create());
    for (int i = 0; i < 300; ++i)
        Add("c" + std::to_string(i))->m_strCustomName = std::string(i ? 20 : 5000, 'n');
    g_onTrack = [](HMENU hMenu, HWND hOwner) {
        for (WPARAM key : {VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT})
            PostMessageA(hOwner, WM_KEYDOWN, key, 0);
        SetTimer(nullptr, 0, 500, CloseMenu);
        TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, 100, 100, 0, hOwner, nullptr);
    };
    SetPopupMenuHandler(TrackInTest);
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_RBUTTONDOWN);
    EXPECT_EQ(2, g_nMenusOpen) << "the menu and its contacts";
}

TEST_F(ShellTest, ClickThroughFollowsTheStoredValueAndReachesEveryWindow)
{
    ASSERT_TRUE(m_pDlg->Create());
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
    m_pDlg->SendMessage(CTrayDialog::WM_TRAY_NOTIFY, 1, WM_RBUTTONDOWN);
    PumpMessages();
    EXPECT_EQ(1u, recorder.boxes.size()) << "no warning when turning it off";
    EXPECT_EQ(WS_EX_LAYERED, styles(pCreating->m_pWnd));
    EXPECT_FALSE(DefaultSettings.clickThrough);
    EXPECT_EQ(0, ReadContactInt("_Default", "clickThrough"));
}

} // namespace
