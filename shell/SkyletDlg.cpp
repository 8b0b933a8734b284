#include "shell/SkyletDlg.h"

// Up to app: the automation proxy and the main window point at each other,
// and the main window stays up while a client holds the proxy.
#include "app/SkyletDlgAutoProxy.h"
#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/StatusLog.h"
#include "dialogs/SettingsCommands.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileSection.h"
#include "shell/SingleInstance.h"
#include "shell/TrayAnimation.h"

BOOL g_bFirstPaint = TRUE;

namespace {

constexpr UINT_PTR kFullScreenTimer = 1;

// The status log's sink: the log box of the main window, while there is one.
void AppendToMainWindowLog(const std::string& strEntry)
{
    const CWinApp* pApp = AfxGetApp();
    if (!pApp || !pApp->m_pMainWnd || !pApp->m_pMainWnd->m_hWnd)
        return;
    if (HWND hLog = pApp->m_pMainWnd->GetDlgItem(IDC_LOG))
        AppendToLog(hLog, strEntry);
}

} // namespace

CSkyletDlg::CSkyletDlg() : CTrayDialog(IDD_SKYLET_DIALOG)
{
    m_hIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SetStatusLogSink(AppendToMainWindowLog);
    DefaultSettings.Load([this] {
        m_bStartWithWindows = Settings::DefaultSection().Read(Settings::Default::StartWithWindows);
        // Twice: the entry is rewritten from where the program now lives.
        ToggleStartWithWindows();
        ToggleStartWithWindows();
    });
}

CSkyletDlg::~CSkyletDlg()
{
    if (m_pAutoProxy)
        m_pAutoProxy->m_pDialog = nullptr;
}

const MessageMap* CSkyletDlg::GetMessageMap() const
{
    static const MessageMap map(
        CTrayDialog::GetMessageMap(),
        {
            MapMessage<&CSkyletDlg::OnPaint>(WM_PAINT),
            MapMessage<&CSkyletDlg::OnClose>(WM_CLOSE),
            MapMessage<&CSkyletDlg::OnSysCommand>(WM_SYSCOMMAND),
            MapMessage<&CSkyletDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
            MapMessage<&CSkyletDlg::OnShowLogWindow>(ShowLogWindowMessage()),
            MapMessage<&CSkyletDlg::OnDisplayChange>(WM_DISPLAYCHANGE),
            MapMessage<&CSkyletDlg::OnSettingChange>(WM_SETTINGCHANGE),
            MapMessage<&CSkyletDlg::OnTimer>(WM_TIMER),
            MapCommand<&CSkyletDlg::OnContactList>(IDC_CONTACT_LIST),
            MapCommand<&CSkyletDlg::OnOpenCloseLog>(ID_TRAY_OPEN_CLOSE_LOG),
            MapCommand<&CSkyletDlg::OnReorganize>(ID_TRAY_REORGANIZE),
            MapCommand<&CSkyletDlg::OnClickThrough>(ID_TRAY_CLICK_THROUGH),
            MapCommand<&CSkyletDlg::ToggleStartWithWindows>(ID_TRAY_START_WITH_WINDOWS),
            MapCommand<&CSkyletDlg::OnHelp>(ID_TRAY_HELP),
            MapCommand<&CSkyletDlg::OnAbout>(ID_TRAY_ABOUT),
            MapCommand<&CSkyletDlg::OnQuit>(ID_TRAY_QUIT),
            // The settings dialogs, whose commands carry their results to every contact.
            MapCommand<&SetDefaultDisplayRules>(ID_TRAY_DEFAULT_DISPLAY_RULES),
            MapCommand<&SetDefaultSoundAlerts>(ID_TRAY_DEFAULT_SOUND_ALERTS),
            MapCommand<&SetDefaultSpeechAlerts>(ID_TRAY_DEFAULT_SPEECH_ALERTS),
            MapCommand<&SetBorderColors>(ID_TRAY_BORDER_COLOR),
            MapCommand<&SetNameColors>(ID_TRAY_NAME_COLOR),
            MapCommand<&SetTransparencyForAllContacts>(ID_TRAY_TRANSPARENCY_ALL),
        });
    return &map;
}

BOOL CSkyletDlg::OnInitDialog()
{
    CTrayDialog::OnInitDialog();
    SetTrayIcon(IDR_MAINFRAME);
    SetTrayTip("Skylet");
    ShowTrayIcon();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetDlgItemTextA(m_hWnd, IDC_LOG, STATUS_LOG_WELCOME);
    ForEachContact(AppendLogLine);
    m_bHidden = false;
    SetTimer(m_hWnd, kFullScreenTimer, CFullScreenWatch::CHECK_MS, nullptr);
    return TRUE;
}

void CSkyletDlg::AddAboutToSystemMenu()
{
    HMENU hSysMenu = GetSystemMenu(m_hWnd, FALSE);
    if (!hSysMenu)
        return;
    char text[64] = "";
    if (!LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, text, sizeof(text)))
        return;
    AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CSkyletDlg::OnPaint()
{
    if (IsIconic(m_hWnd))
        PaintMinimizedIcon();
    else
        Default();
    // The window is shown once at start-up, and flies into the tray from there.
    if (g_bFirstPaint) {
        g_bFirstPaint = FALSE;
        HideToTray();
    }
}

void CSkyletDlg::PaintMinimizedIcon()
{
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Get(), x, y, m_hIcon);
}

void CSkyletDlg::HideToTray()
{
    AnimateWindowToTray(m_hWnd);
    m_bHidden = true;
}

void CSkyletDlg::ToggleLogWindow(bool bScrollToStart)
{
    if (!m_bHidden) {
        HideToTray();
        return;
    }
    m_bHidden = false;
    AnimateWindowFromTray(m_hWnd);
    ShowWindow(SW_SHOWNORMAL);
    SetActiveWindow(m_hWnd);
    if (bScrollToStart) {
        HWND hLog = GetDlgItem(IDC_LOG);
        ::SendMessageA(hLog, EM_SETSEL, 0, 0);
        ::SendMessageA(hLog, EM_SCROLLCARET, 0, 0);
    }
}

void CSkyletDlg::OnTrayLButtonDblClk(int, int)
{
    ToggleLogWindow(true);
}

void CSkyletDlg::OnOpenCloseLog()
{
    ToggleLogWindow(false);
}

void CSkyletDlg::OnClose()
{
    HideToTray();
}

// A second start of the program asks for the log window.
LRESULT CSkyletDlg::OnShowLogWindow(WPARAM, LPARAM)
{
    if (m_bHidden) {
        ToggleLogWindow(true);
    } else {
        ShowWindow(SW_SHOWNORMAL);
        SetForegroundWindow(m_hWnd);
    }
    return 0;
}

// A window left outside a smaller desktop comes back at once: the paint
// routine moves it in.
LRESULT CSkyletDlg::OnDisplayChange(WPARAM, LPARAM)
{
    Default();
    RepaintContactWindows();
    return 0;
}

LRESULT CSkyletDlg::OnSettingChange(WPARAM wParam, LPARAM)
{
    Default();
    if (wParam == SPI_SETWORKAREA)
        RepaintContactWindows();
    return 0;
}

LRESULT CSkyletDlg::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kFullScreenTimer)
        return Default();
    m_fullScreen.Check();
    return 0;
}

bool CSkyletDlg::CanExit()
{
    if (!m_pAutoProxy)
        return true;
    // A client still uses the program: it keeps running, out of sight.
    ShowWindow(SW_HIDE);
    return false;
}

void CSkyletDlg::OnOK()
{
    if (CanExit())
        CTrayDialog::OnOK();
}

void CSkyletDlg::OnCancel()
{
    if (CanExit())
        CTrayDialog::OnCancel();
}

void CSkyletDlg::OnQuit()
{
    if (CanExit())
        EndDialog(0);
}

void CSkyletDlg::OnSysCommand(UINT nId, LPARAM)
{
    if ((nId & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        Default();
}

LRESULT CSkyletDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}
