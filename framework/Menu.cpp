#include "framework/Menu.h"

#include "framework/Seam.h"
#include "framework/WinApp.h"

namespace {

BOOL SystemTrackPopup(HMENU hPopup, UINT nFlags, int x, int y, HWND hOwner, const RECT* pExclude)
{
    TPMPARAMS params = {sizeof(params), {}};
    if (pExclude)
        params.rcExclude = *pExclude;
    return TrackPopupMenuEx(hPopup, nFlags, x, y, hOwner, pExclude ? &params : nullptr);
}

CSeam<PopupMenuHandler> g_handler(SystemTrackPopup);

} // namespace

bool CMenu::Load(UINT nIdResource)
{
    Destroy();
    m_hMenu = LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIdResource));
    return m_hMenu != nullptr;
}

bool CMenu::CreatePopup()
{
    Destroy();
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

void CMenu::Destroy()
{
    if (m_hMenu)
        ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

std::string MenuItemText(const std::string& strText)
{
    std::string item;
    for (char c : strText) {
        if (c == '&')
            item += '&';
        item += c;
    }
    return item;
}

BOOL TrackPopup(HMENU hPopup, UINT nFlags, int x, int y, HWND hOwner, const RECT* pExclude)
{
    return g_handler(hPopup, nFlags, x, y, hOwner, pExclude);
}

PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler)
{
    return g_handler.Set(handler);
}
