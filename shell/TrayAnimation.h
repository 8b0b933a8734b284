#pragma once

#include <windows.h>

// The system's caption animation between a window and the notification
// area, for any top-level window; nothing is kept between calls.

// Animates from the window to the tray, then hides the window.
void AnimateWindowToTray(HWND hWnd);
// Animates from the tray to the window, then shows, activates and brings it
// to the foreground.
void AnimateWindowFromTray(HWND hWnd);
// The screen rectangle the animation flies to or from.
void GetTrayNotifyRect(RECT* pRect);
// The system's minimize and restore animation setting.
bool IsMinAnimateOn();

// The band near the end of a taskbar at that edge where its notification
// area lies; for an edge the shell should not report, the corner box of the
// work area.
RECT TaskbarNotifyBand(UINT uEdge, const RECT& taskbar);
