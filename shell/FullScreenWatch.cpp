#include "shell/FullScreenWatch.h"

#include "contactwnd/ContactWnd.h"
#include "contactwnd/FullScreenProgram.h"

void CFullScreenWatch::Check()
{
    // The client area, by which a window is full-screen or not: a caption
    // taken away leaves the window's rectangle as it was.
    HWND hForeground = GetForegroundWindow();
    RECT rcForeground = {};
    GetClientRect(hForeground, &rcForeground);
    MapWindowPoints(hForeground, nullptr, reinterpret_cast<POINT*>(&rcForeground), 2);
    if (hForeground == m_hForeground && EqualRect(&rcForeground, &m_rcForeground)) {
        ForEachContactWindow([](CContactWnd& wnd) { wnd.KeepBelowProgram(); });
        return;
    }
    m_hForeground = hForeground;
    m_rcForeground = rcForeground;

    HWND hFullScreen = FullScreenForeground();
    HMONITOR hMonitor =
        hFullScreen ? MonitorFromWindow(hFullScreen, MONITOR_DEFAULTTONEAREST) : nullptr;
    // In list order, so that the windows come back on top in it. A window
    // made below the program stays below it, whatever its setting.
    ForEachContactWindow([&](CContactWnd& wnd) {
        if (hFullScreen && (wnd.m_bStayOnTop || wnd.IsSteppedAside())
            && MonitorFromWindow(wnd.m_hWnd, MONITOR_DEFAULTTONEAREST) == hMonitor) {
            wnd.StepAsideFor(hFullScreen);
        } else {
            wnd.StepBack();
        }
    });
}
