#include "contactwnd/FullScreenProgram.h"

#include "framework/Monitor.h"

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
    RECT client = {};
    if (!GetClientRect(hWnd, &client))
        return nullptr;
    // The whole monitor, not only its work area: the taskbar is covered too.
    const std::optional<RECT> monitor =
        MonitorArea(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &MONITORINFO::rcMonitor);
    if (!monitor)
        return nullptr;
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    // Style bits cannot tell: games keep a sizing frame, and a caption is
    // two bits of which either may be left.
    const RECT& screen = *monitor;
    const bool bCovers = client.left <= screen.left && client.top <= screen.top
                         && client.right >= screen.right && client.bottom >= screen.bottom;
    return bCovers ? hWnd : nullptr;
}

HWND FullScreenForegroundOn(HMONITOR hMonitor)
{
    HWND hFullScreen = FullScreenForeground();
    return hFullScreen && MonitorFromWindow(hFullScreen, MONITOR_DEFAULTTONEAREST) == hMonitor
               ? hFullScreen
               : nullptr;
}
