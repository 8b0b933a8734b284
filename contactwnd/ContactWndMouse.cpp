// Moving, sizing, position persistence and the conversation of a contact window.
#include "contactwnd/ContactWnd.h"

#include "core/ContactRecord.h"
#include "core/Messenger.h"
#include "res/resource.h"
#include "settings/ProfileSection.h"

namespace {

struct SizePreset {
    UINT nId;
    int nPercent;
};

constexpr SizePreset kSizePresets[] = {
    {ID_SIZE_100, 100}, {ID_SIZE_75, 75}, {ID_SIZE_66, 66}, {ID_SIZE_50, 50},
    {ID_SIZE_33, 33},   {ID_SIZE_25, 25}, {ID_SIZE_10, 10},
};

} // namespace

void CContactWnd::OnLButtonDown(UINT, POINT point)
{
    // The tooltip stays marked as shown: it does not come back until the
    // pointer has left the window once.
    HideTooltip();
    Default();
    StartMoving(point);
}

void CContactWnd::OnLButtonDblClk(UINT, POINT)
{
    HideTooltip();
    StartConversation();
    Default();
}

void CContactWnd::OnMouseMove(UINT nFlags, POINT point)
{
    if (nFlags & MK_LBUTTON) {
        HideTooltip();
        ReleaseCapture();
        m_bTooltipShown = false;
        StartMoving(point);
        Default();
        return;
    }

    // Captured, the window keeps getting moves after the pointer has left it.
    SetCapture(m_hWnd);
    RECT window = GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&window), 2);
    if (!PtInRect(&window, point)) {
        HideTooltip();
        ReleaseCapture();
        m_bTooltipShown = false;
    } else if (!m_bTooltipShown) {
        ShowTooltip(point);
        m_bTooltipShown = true;
    }
    Default();
}

void CContactWnd::StartMoving(POINT point)
{
    // As a press on a caption: the system's move loop follows the pointer
    // until the button is released. The message takes screen coordinates.
    ClientToScreen(m_hWnd, &point);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CContactWnd::OnSizeDefault()
{
    const RECT window = GetWindowRect();
    const int size = CONTACT_BASE_SIZE + CONTACT_WND_MARGIN;
    SetWindowPos(InsertAfter(), window.left, window.top, size, size, 0);
}

void CContactWnd::OnSizePreset(UINT nId)
{
    for (const SizePreset& preset : kSizePresets)
        if (preset.nId == nId)
            ResizeToPercent(preset.nPercent);
}

void CContactWnd::ResizeToPercent(int nPercent)
{
    const RECT window = GetWindowRect();
    const SIZE photo = m_photo.GetImageSize();
    const int width = nPercent * photo.cx / 100 + CONTACT_WND_MARGIN;
    const int height = nPercent * photo.cy / 100 + CONTACT_WND_MARGIN;
    SetWindowPos(InsertAfter(), window.left, window.top, width, height, 0);
}

void CContactWnd::OnWindowPosChanged(WINDOWPOS* pPos)
{
    Default();
    m_nLeft = pPos->x;
    m_nTop = pPos->y;
    m_nSizeX = pPos->cx;
    m_nSizeY = pPos->cy;
    const Settings::ProfileSection section = Section();
    section.Write(Settings::Contact::Left, m_nLeft);
    section.Write(Settings::Contact::Top, m_nTop);
    section.Write(Settings::Contact::SizeX, m_nSizeX);
    section.Write(Settings::Contact::SizeY, m_nSizeY);
}

void CContactWnd::StartConversation()
{
    MessengerSession messenger;
    if (!messenger.HasMessenger())
        return;
    if (FAILED(messenger.InstantMessage(m_pContact->m_strSigninName))) {
        const std::string text = "Impossible to establish a conversation with "
                                 + m_pContact->GetDisplayName() + " at the moment";
        MessageBox(text.c_str(), nullptr, MB_OK);
    }
}
