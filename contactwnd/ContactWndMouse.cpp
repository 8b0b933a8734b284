// Moving, sizing, position persistence and the conversation of a contact window.
#include "contactwnd/ContactWnd.h"

#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "core/MessengerExchange.h"
#include "framework/MessageBox.h"
#include "framework/Monitor.h"
#include "res/resource.h"

#include <algorithm>

namespace {

struct SizePreset {
    UINT nId;
    int nPercent;
};

constexpr SizePreset kSizePresets[] = {
    {ID_SIZE_100, 100}, {ID_SIZE_75, 75}, {ID_SIZE_66, 66}, {ID_SIZE_50, 50},
    {ID_SIZE_33, 33},   {ID_SIZE_25, 25}, {ID_SIZE_10, 10},
};

// How long a conversation request may take before it counts as refused.
constexpr UINT CONVERSATION_LIMIT_MS = 10000;

// While the system's move or size loop runs, the window checks the button
// this often.
constexpr UINT_PTR kMoveWatchTimer = 1;
constexpr UINT kMoveWatchMs = 100;

// The left button as the hand holds it now, whatever input is still unread.
bool LeftButtonHeldNow()
{
    const int physicalLeft = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return GetAsyncKeyState(physicalLeft) & 0x8000;
}

// Whether a move loop started now ends with the drag: the input read so far
// has the left button down, and it is still down or its release waits to be
// read.
bool DragStillHeld()
{
    MSG release;
    return (GetKeyState(VK_LBUTTON) & 0x8000)
           && (LeftButtonHeldNow()
               || PeekMessageA(&release, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE));
}

long long AreaOf(const RECT& rect)
{
    return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

struct AreaOnMonitors {
    RECT rect;
    long long area;
};

BOOL CALLBACK AddAreaOnMonitor(HMONITOR, HDC, LPRECT pMonitor, LPARAM lParam)
{
    auto* pOn = reinterpret_cast<AreaOnMonitors*>(lParam);
    RECT part = {};
    if (IntersectRect(&part, &pOn->rect, pMonitor))
        pOn->area += AreaOf(part);
    return TRUE;
}

// How much of a rectangle lies on the monitors, in square pixels.
long long AreaOnMonitorsOf(const RECT& rect)
{
    AreaOnMonitors on = {rect, 0};
    EnumDisplayMonitors(nullptr, nullptr, AddAreaOnMonitor, reinterpret_cast<LPARAM>(&on));
    return on.area;
}

// At least a quarter of the rectangle lies on the monitors.
bool IsInView(const RECT& rect)
{
    return 4 * AreaOnMonitorsOf(rect) >= AreaOf(rect);
}

// Where a span of this length starts once moved the least into [low, high):
// at low when it is longer.
LONG StartWithin(LONG start, LONG length, LONG low, LONG high)
{
    return std::max(low, std::min(start, high - length));
}

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
        DropTooltip();
        StartMoving(point);
        Default();
        return;
    }

    // Captured, the window keeps getting moves after the pointer has left
    // it, as long as it is the foreground window; the leave notification
    // tells the rest.
    SetCapture(m_hWnd);
    RECT window = GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&window), 2);
    if (!PtInRect(&window, point)) {
        DropTooltip();
    } else {
        TRACKMOUSEEVENT leave = {sizeof(leave), TME_LEAVE, m_hWnd, 0};
        TrackMouseEvent(&leave);
        if (!m_bTooltipShown) {
            ShowTooltip(point);
            m_bTooltipShown = true;
        }
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

void CContactWnd::OnNcLButtonDown(UINT nHitTest, POINT)
{
    // The window has no caption: a press on it is the request of StartMoving.
    if (nHitTest != HTCAPTION) {
        Default();
        return;
    }
    // The move loop ends at the next release of the button that it reads.
    // Started inside another loop, or when the button is up with no release
    // left to read, it would hold the program until some later release.
    if (m_bMoving || !DragStillHeld())
        return;
    m_bMoving = true;
    Default();
    m_bMoving = false;
}

LRESULT CContactWnd::OnEnterSizeMove(WPARAM, LPARAM)
{
    // The loop ends only at a release that it reads; input read late can
    // lose one, and the window would then follow the pointer until the next.
    SetTimer(m_hWnd, kMoveWatchTimer, kMoveWatchMs, nullptr);
    return Default();
}

LRESULT CContactWnd::OnExitSizeMove(WPARAM, LPARAM)
{
    KillTimer(m_hWnd, kMoveWatchTimer);
    return Default();
}

LRESULT CContactWnd::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kMoveWatchTimer)
        return Default();
    // A timer comes only when no input waits: a button up now is a release
    // the loop will never read. The loop ends at the one posted instead.
    if (!LeftButtonHeldNow())
        PostMessage(WM_LBUTTONUP);
    return 0;
}

void CContactWnd::OnSizeDefault()
{
    const RECT window = GetWindowRect();
    const int size = CONTACT_BASE_SIZE + CONTACT_WND_MARGIN;
    Place(window.left, window.top, size, size, 0);
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
    Place(window.left, window.top, width, height, 0);
}

void CContactWnd::OnWindowPosChanged(WINDOWPOS* pPos)
{
    // Only a new place or size is stored, and only one that the program did
    // not make by itself to keep the window in view: a show, a hide or a
    // change of order comes with both SWP_NOMOVE and SWP_NOSIZE, which the
    // system also sets when the position or size stays the same. Stored
    // before the default processing, whose WM_SIZE repaints the window: the
    // paint's DM_REPOSITION must find the new place.
    if (!m_bKeepingInView && (~pPos->flags & (SWP_NOMOVE | SWP_NOSIZE)))
        StorePlace(pPos->x, pPos->y, pPos->cx, pPos->cy);
    Default();
}

void CContactWnd::StorePlace(int x, int y, int cx, int cy)
{
    m_nLeft = x;
    m_nTop = y;
    m_nSizeX = cx;
    m_nSizeY = cy;
    StoreSettings(&CContactWnd::m_nLeft, &CContactWnd::m_nTop, &CContactWnd::m_nSizeX,
                  &CContactWnd::m_nSizeY);
}

void CContactWnd::KeepInView(int x, int y)
{
    m_bKeepingInView = true;
    Place(x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    m_bKeepingInView = false;
}

// Sent at every paint, and so after every change of the display. The dialog
// manager's own handling would pull the window wholly into the work area; a
// window may lie partly off the screen or over the taskbar where the user
// put it, and is moved only when it is lost: less than a quarter of it on
// any monitor, as on a smaller desktop. Its place stays stored, and it goes
// back there once a monitor shows that much of it again.
LRESULT CContactWnd::OnReposition(WPARAM, LPARAM)
{
    const RECT window = GetWindowRect();
    const RECT place = {m_nLeft, m_nTop, m_nLeft + m_nSizeX, m_nTop + m_nSizeY};
    const bool bAway = window.left != place.left || window.top != place.top;
    if (bAway && IsInView(place)) {
        KeepInView(place.left, place.top);
        return 0;
    }
    if (IsInView(window))
        return 0;
    const std::optional<RECT> workArea = WorkAreaAt(window);
    if (!workArea)
        return 0;
    const RECT& work = *workArea;
    KeepInView(StartWithin(window.left, window.right - window.left, work.left, work.right),
               StartWithin(window.top, window.bottom - window.top, work.top, work.bottom));
    return 0;
}

void CContactWnd::StartConversation()
{
    // One request at a time: a messenger that hangs is asked nothing more.
    static bool s_bRequestOut = false;
    if (s_bRequestOut)
        return;
    s_bRequestOut = true;
    // Taken now: the record may be gone when the answer comes.
    const std::string strRefused = "Impossible to establish a conversation with "
                                   + m_pContact->GetDisplayName() + " at the moment";
    auto pHadMessenger = std::make_shared<std::atomic<bool>>(false);
    const auto settle = [hWnd = m_hWnd, strRefused](InstantMessageResult result) {
        s_bRequestOut = false;
        if (result != InstantMessageResult::Refused)
            return;
        // The box belongs to the window: its record stays while the box is open.
        const ContactHold hold;
        ShowMessageBox(IsWindow(hWnd) ? hWnd : nullptr, strRefused.c_str(), nullptr, MB_OK);
    };
    RunMessengerExchange<InstantMessageResult>(
        [strSigninName = m_pContact->m_strSigninName, pHadMessenger] {
            return RequestInstantMessage(strSigninName, *pHadMessenger);
        },
        settle, CONVERSATION_LIMIT_MS,
        [settle, pHadMessenger] {
            // A messenger object not had in time is not there; a request
            // not answered in time is refused.
            settle(*pHadMessenger ? InstantMessageResult::Refused
                                  : InstantMessageResult::NoMessenger);
        });
}
