#include "framework/Wnd.h"

#include "framework/MessageBox.h"

namespace {

const char kObjectProperty[] = "Skylet.CWnd";

// The message being dispatched, innermost first, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
const CurrentMessage* g_pCurrentMessage = nullptr;

HHOOK g_hCreateHook = nullptr;
CWnd* g_pWndInit = nullptr;

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(GetPropA(hWnd, kObjectProperty)) : nullptr;
}

void CWnd::SubclassWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    SetPropA(hWnd, kObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardWindowProc)));
}

void CWnd::Detach()
{
    RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect = {};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

int CWnd::MessageBox(const char* pszText, const char* pszCaption, UINT nType) const
{
    return ShowMessageBox(m_hWnd, pszText, pszCaption, nType);
}

const MessageMap* CWnd::GetMessageMap() const
{
    static const MessageMap map(nullptr, {});
    return &map;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    if (const MessageMapEntry* pEntry = GetMessageMap()->FindMessage(message))
        return pEntry->pfnThunk(this, wParam, lParam);
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Controls take part only with a click (BN_CLICKED is 0); menus and
    // accelerators always do.
    if (lParam != 0 && HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const MessageMapEntry* pEntry = GetMessageMap()->FindCommand(LOWORD(wParam));
    if (!pEntry)
        return FALSE;
    pEntry->pfnThunk(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::Default()
{
    if (!g_pCurrentMessage)
        return 0;
    return DefWindowProc(g_pCurrentMessage->message, g_pCurrentMessage->wParam,
                         g_pCurrentMessage->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    const CurrentMessage current = {message, wParam, lParam};
    const CurrentMessage* pOuter = g_pCurrentMessage;
    g_pCurrentMessage = &current;
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's frames.
        result = 0;
    }
    g_pCurrentMessage = pOuter;

    if (message == WM_NCDESTROY) {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return result;
}

void CWnd::HookWindowCreate(CWnd* pWnd)
{
    g_pWndInit = pWnd;
    if (!g_hCreateHook)
        g_hCreateHook = SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, GetCurrentThreadId());
}

void CWnd::UnhookWindowCreate()
{
    if (g_hCreateHook) {
        UnhookWindowsHookEx(g_hCreateHook);
        g_hCreateHook = nullptr;
    }
    g_pWndInit = nullptr;
}

LRESULT CALLBACK CWnd::CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = g_hCreateHook;
    if (nCode == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        UnhookWindowCreate();
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(hHook, nCode, wParam, lParam);
}
