#include "shell/TrayAnimation.h"

#include <shellapi.h>

namespace {

// Sizes of the fallback rectangles, in pixels.
constexpr int kBandStart = 100;
constexpr int kBandEnd = 16;
constexpr int kBoxWidth = 150;
constexpr int kBoxHeight = 30;

bool NotificationAreaRect(RECT* pRect)
{
    HWND hTaskbar = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr);
    HWND hNotify = hTaskbar ? FindWindowExA(hTaskbar, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    return hNotify && GetWindowRect(hNotify, pRect);
}

bool TaskbarPositionRect(RECT* pRect)
{
    APPBARDATA data = {};
    data.cbSize = sizeof(data);
    if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data))
        return false;
    *pRect = TaskbarNotifyBand(data.uEdge, data.rc);
    return true;
}

bool TaskbarCornerRect(RECT* pRect)
{
    HWND hTaskbar = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr);
    if (!hTaskbar || !GetWindowRect(hTaskbar, pRect))
        return false;
    if (pRect->right - pRect->left > kBoxWidth)
        pRect->left = pRect->right - kBoxWidth;
    if (pRect->bottom - pRect->top > kBoxHeight)
        pRect->top = pRect->bottom - kBoxHeight;
    return true;
}

RECT WorkAreaCornerRect()
{
    RECT rect = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    rect.left = rect.right - kBoxWidth;
    rect.top = rect.bottom - kBoxHeight;
    return rect;
}

} // namespace

bool IsMinAnimateOn()
{
    ANIMATIONINFO info = {};
    info.cbSize = sizeof(info);
    SystemParametersInfoA(SPI_GETANIMATION, sizeof(info), &info, 0);
    return info.iMinAnimate != 0;
}

void GetTrayNotifyRect(RECT* pRect)
{
    if (!NotificationAreaRect(pRect) && !TaskbarPositionRect(pRect) && !TaskbarCornerRect(pRect))
        *pRect = WorkAreaCornerRect();
}

RECT TaskbarNotifyBand(UINT uEdge, const RECT& taskbar)
{
    RECT band = taskbar;
    switch (uEdge) {
    case ABE_LEFT:
    case ABE_RIGHT:
        band.top = taskbar.bottom - kBandStart;
        band.bottom = taskbar.bottom - kBandEnd;
        return band;
    case ABE_TOP:
    case ABE_BOTTOM:
        band.left = taskbar.right - kBandStart;
        band.right = taskbar.right - kBandEnd;
        return band;
    default: return WorkAreaCornerRect();
    }
}

void AnimateWindowToTray(HWND hWnd)
{
    if (IsMinAnimateOn()) {
        RECT from = {}, to = {};
        GetWindowRect(hWnd, &from);
        GetTrayNotifyRect(&to);
        DrawAnimatedRects(hWnd, IDANI_CAPTION, &from, &to);
    }
    ShowWindow(hWnd, SW_HIDE);
}

void AnimateWindowFromTray(HWND hWnd)
{
    if (IsMinAnimateOn()) {
        RECT from = {}, to = {};
        GetTrayNotifyRect(&from);
        // Taken while the window is still hidden: its last known rectangle.
        GetWindowRect(hWnd, &to);
        DrawAnimatedRects(hWnd, IDANI_CAPTION, &from, &to);
    }
    ShowWindow(hWnd, SW_SHOW);
    SetActiveWindow(hWnd);
    SetForegroundWindow(hWnd);
}
