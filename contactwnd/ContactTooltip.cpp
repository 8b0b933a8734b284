// The tooltip a contact window shows while the pointer rests on it.
#include "contactwnd/ContactWnd.h"

#include "core/ContactRecord.h"

namespace {

constexpr int kTooltipMaxWidth = 300;

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
    m_toolInfo.uFlags = TTF_TRACK;
    m_toolInfo.lpszText = &m_strTooltipText[0];
    ::SendMessageA(m_hTooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
    // A maximum width lets the control lay the text out on several lines.
    ::SendMessageA(m_hTooltip.Get(), TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    ClientToScreen(m_hWnd, &point);
    ::SendMessageA(m_hTooltip.Get(), TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
    ::SendMessageA(m_hTooltip.Get(), TTM_TRACKACTIVATE, TRUE,
                   reinterpret_cast<LPARAM>(&m_toolInfo));
}

void CContactWnd::HideTooltip()
{
    if (m_hTooltip)
        ::SendMessageA(m_hTooltip.Get(), TTM_TRACKACTIVATE, FALSE,
                       reinterpret_cast<LPARAM>(&m_toolInfo));
}
