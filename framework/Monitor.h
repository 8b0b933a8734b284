#pragma once

#include <windows.h>

#include <optional>

// The monitor nearest to a window, a point or a rectangle: its work area
// (the desktop without the taskbar and other docked bars) or its whole
// area. None when the system reports no monitor.
std::optional<RECT> WorkAreaAt(HWND hWnd);
std::optional<RECT> WorkAreaAt(POINT point);
std::optional<RECT> WorkAreaAt(const RECT& rect);
std::optional<RECT> MonitorAreaAt(HWND hWnd);
