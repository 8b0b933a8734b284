#pragma once

#include <windows.h>

// The full-screen program in front, or null: the foreground window of
// another process whose client area covers the whole of its monitor (a
// film, a slide show, a game), and which is neither the desktop nor the
// taskbar. A maximized window with a caption is not one: its caption and
// borders lie outside its client area.
HWND FullScreenForeground();

// The full-screen program in front on that monitor, or null.
HWND FullScreenForegroundOn(HMONITOR hMonitor);
