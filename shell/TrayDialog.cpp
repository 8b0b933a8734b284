#include "shell/TrayDialog.h"

#include "framework/WinApp.h"

namespace {

// Sent to every top-level window when the shell makes its taskbar anew, as
// it does when it restarts: the icons it held are gone.
UINT TaskbarCreatedMessage()
{
    static const UINT nMessage = RegisterWindowMessageA("TaskbarCreated");
    return nMessage;
}

} // namespace

CTrayDialog::CTrayDialog(UINT nIdTemplate, CWnd* pParentWnd) : CDialog(nIdTemplate, pParentWnd)
{
    m_nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_nid.uFlags = NIF_MESSAGE;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
}

void CTrayDialog::SetTrayIcon(UINT nIdResource)
{
    HICON hIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIdResource));
    if (!hIcon)
        return;
    m_nid.hIcon = hIcon;
    m_nid.uFlags |= NIF_ICON;
}

void CTrayDialog::SetTrayTip(const char* pszTip)
{
    // The first-version record holds 64 bytes of tip.
    lstrcpynA(m_nid.szTip, pszTip, 64);
    m_nid.uFlags |= NIF_TIP;
}

BOOL CTrayDialog::ShowTrayIcon()
{
    if (m_bIconShown)
        return FALSE;
    const BOOL bAdded = Shell_NotifyIconA(NIM_ADD, &m_nid);
    if (bAdded)
        m_bIconShown = TRUE;
    return bAdded;
}

const MessageMap* CTrayDialog::GetMessageMap() const
{
    static const MessageMap map(
        CDialog::GetMessageMap(),
        {
            MapMessage<&CTrayDialog::OnCreate>(WM_CREATE),
            MapMessage<&CTrayDialog::OnDestroy>(WM_DESTROY),
            MapMessage<&CTrayDialog::OnTrayNotify>(WM_TRAY_NOTIFY),
            MapMessage<&CTrayDialog::OnTaskbarCreated>(TaskbarCreatedMessage()),
        });
    return &map;
}

int CTrayDialog::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    m_nid.uID = TRAY_ICON_ID;
    m_nid.hWnd = m_hWnd;
    return 0;
}

void CTrayDialog::OnDestroy()
{
    Default();
    if (m_nid.hWnd && m_nid.uID && m_bIconShown) {
        Shell_NotifyIconA(NIM_DELETE, &m_nid);
        m_bIconShown = FALSE;
    }
}

LRESULT CTrayDialog::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != TRAY_ICON_ID)
        return 0;
    POINT cursor = {};
    GetCursorPos(&cursor);
    switch (lParam) {
    case WM_LBUTTONDOWN: OnTrayLButtonDown(cursor.x, cursor.y); break;
    case WM_LBUTTONDBLCLK: OnTrayLButtonDblClk(cursor.x, cursor.y); break;
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU: OnTrayRButtonDown(cursor.x, cursor.y); break;
    case WM_RBUTTONDBLCLK: OnTrayRButtonDblClk(cursor.x, cursor.y); break;
    case WM_MOUSEMOVE: OnTrayMouseMove(cursor.x, cursor.y); break;
    }
    return 0;
}

LRESULT CTrayDialog::OnTaskbarCreated(WPARAM, LPARAM)
{
    // Without its icon the program would run on out of the user's reach.
    if (!m_nid.hWnd)
        return 0;
    m_bIconShown = FALSE;
    // A repeated broadcast finds the icon still there, and the add fails:
    // the flag says so all the same, so that the icon goes at the end.
    if (!ShowTrayIcon())
        m_bIconShown = Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    return 0;
}
