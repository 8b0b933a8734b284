#include "shell/FullScreenWatch.h"

#include "contactwnd/ContactWnd.h"

namespace {

bool HasClass(HWND hWnd, const char* pszClassName)
{
    char className[32] = "";
    GetClassNameA(hWnd, className, sizeof(className));
    return lstrcmpiA(className, pszClassName) == 0;
}

bool IsDesktopOrTaskbar(HWND hWnd)
{
    return hWnd == GetDesktopWindow() || hWnd == GetShellWindow() || HasClass(hWnd, "Progman")
           || HasClass(hWnd, "WorkerW") || HasClass(hWnd, "Shell_TrayWnd");
}

} // namespace

HWND FullScreenForeground()
{
    HWND hWnd = GetForegroundWindow();
    DWORD dwProcessId = 0;
    if (!hWnd || !IsWindowVisible(hWnd) || IsDesktopOrTaskbar(hWnd)
        || !GetWindowThreadProcessId(hWnd, &dwProcessId) || dwProcessId == GetCurrentProcessId())
        return nullptr;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    RECT window = {};
    if (!GetWindowRect(hWnd, &window)
        || !GetMonitorInfoA(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        return nullptr;
    // The whole monitor, not only its work area: the taskbar is covered too.
    const RECT& screen = monitor.rcMonitor;
    const bool bCovers = window.left <= screen.left && window.top <= screen.top
                         && window.right >= screen.right && window.bottom >= screen.bottom;
    return bCovers ? hWnd : nullptr;
}

void CFullScreenWatch::Check()
{
    HWND hForeground = GetForegroundWindow();
    RECT rcForeground = {};
    GetWindowRect(hForeground, &rcForeground);
    if (hForeground == m_hForeground && EqualRect(&rcForeground, &m_rcForeground))
        return;
    m_hForeground = hForeground;
    m_rcForeground = rcForeground;

    HWND hFullScreen = FullScreenForeground();
    HMONITOR hMonitor =
        hFullScreen ? MonitorFromWindow(hFullScreen, MONITOR_DEFAULTTONEAREST) : nullptr;
    // In list order, so that the windows come back on top in it.
    ForEachContactWindow([&](CContactWnd& wnd) {
        if (hFullScreen && wnd.m_bStayOnTop
            && MonitorFromWindow(wnd.m_hWnd, MONITOR_DEFAULTTONEAREST) == hMonitor) {
            wnd.StepAsideFor(hFullScreen);
        } else {
            wnd.StepBack();
        }
    });
}
