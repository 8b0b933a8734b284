// The tooltip a contact window shows while the pointer rests on it.
#include "contactwnd/ContactWnd.h"

#include "core/ContactRecord.h"
#include "framework/Monitor.h"

namespace {

constexpr int kTooltipMaxWidth = 300;
// Distance between the pointer and the tooltip, about the cursor's height,
// as the system's own tooltips keep.
constexpr int kTooltipGap = 20;

// The tooltip's corner: below the pointer, or above it when the work area
// has no room below. Never under the pointer, where it would take the
// presses meant for the window.
POINT TooltipCorner(POINT pointer, SIZE bubble)
{
    const RECT work = WorkAreaAt(pointer).value_or(RECT{});
    POINT corner = {pointer.x, pointer.y + kTooltipGap};
    if (corner.y + bubble.cy > work.bottom)
        corner.y = pointer.y - kTooltipGap - bubble.cy;
    return corner;
}

} // namespace

std::string CContactWnd::TooltipText() const
{
    return std::string("Status : ") + StatusNames[m_pContact->m_nStatus] + "\r\n"
           + "E-mail : " + m_pContact->m_strSigninName + "\r\n"
           + "Original Name : " + m_pContact->m_strFriendlyName + "\r\n"
           + "Custom Name : " + m_pContact->m_strCustomName;
}

void CContactWnd::ShowTooltip(POINT point)
{
    // One tooltip control per window: a new showing replaces the old one.
    m_hTooltip.Reset(CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr));
    if (!m_hTooltip)
        return;

    m_strTooltipText = TooltipText();
    m_toolInfo = {};
    m_toolInfo.cbSize = TTTOOLINFOA_V2_SIZE;
    m_toolInfo.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    m_toolInfo.lpszText = &m_strTooltipText[0];
    ::SendMessageA(m_hTooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
    // A maximum width lets the control lay the text out on several lines.
    ::SendMessageA(m_hTooltip.Get(), TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    const LRESULT bubble = ::SendMessageA(m_hTooltip.Get(), TTM_GETBUBBLESIZE, 0,
                                          reinterpret_cast<LPARAM>(&m_toolInfo));
    ClientToScreen(m_hWnd, &point);
    const POINT corner = TooltipCorner(point, {LOWORD(bubble), HIWORD(bubble)});
    ::SendMessageA(m_hTooltip.Get(), TTM_TRACKPOSITION, 0, MAKELPARAM(corner.x, corner.y));
    ::SendMessageA(m_hTooltip.Get(), TTM_TRACKACTIVATE, TRUE,
                   reinterpret_cast<LPARAM>(&m_toolInfo));
}

void CContactWnd::HideTooltip()
{
    if (m_hTooltip)
        ::SendMessageA(m_hTooltip.Get(), TTM_TRACKACTIVATE, FALSE,
                       reinterpret_cast<LPARAM>(&m_toolInfo));
}

void CContactWnd::DropTooltip()
{
    HideTooltip();
    // Only the window's own capture: a menu or move loop may hold it now.
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    m_bTooltipShown = false;
}

void CContactWnd::OnMouseLeave()
{
    DropTooltip();
}
