#include "framework/Monitor.h"

namespace {

std::optional<RECT> AreaOf(HMONITOR hMonitor, RECT MONITORINFO::*pArea)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(hMonitor, &monitor))
        return std::nullopt;
    return monitor.*pArea;
}

} // namespace

std::optional<RECT> WorkAreaAt(HWND hWnd)
{
    return AreaOf(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &MONITORINFO::rcWork);
}

std::optional<RECT> WorkAreaAt(POINT point)
{
    return AreaOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &MONITORINFO::rcWork);
}

std::optional<RECT> WorkAreaAt(const RECT& rect)
{
    return AreaOf(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &MONITORINFO::rcWork);
}

std::optional<RECT> MonitorAreaAt(HWND hWnd)
{
    return AreaOf(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &MONITORINFO::rcMonitor);
}
