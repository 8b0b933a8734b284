#pragma once

#include <windows.h>

#include <optional>

// An area of a monitor: its work area (the desktop without the taskbar and
// other docked bars) or its whole area. None when the system reports none.
inline std::optional<RECT> MonitorArea(HMONITOR hMonitor,
                                       RECT MONITORINFO::*pArea = &MONITORINFO::rcWork)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(hMonitor, &monitor))
        return std::nullopt;
    return monitor.*pArea;
}

// The work area of the monitor nearest to a window, a point or a rectangle.
inline std::optional<RECT> WorkAreaAt(HWND hWnd)
{
    return MonitorArea(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST));
}

inline std::optional<RECT> WorkAreaAt(POINT point)
{
    return MonitorArea(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

inline std::optional<RECT> WorkAreaAt(const RECT& rect)
{
    return MonitorArea(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}
