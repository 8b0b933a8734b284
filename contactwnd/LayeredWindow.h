#pragma once

#include <windows.h>

// Calls the system's SetLayeredWindowAttributes, looked up in User32.dll at
// each call; without it, fails with ERROR_NOT_SUPPORTED and the window stays
// opaque.
bool SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE nAlpha, DWORD dwFlags);

// Gives a layered window a constant alpha, with no colour key.
bool SetWindowAlpha(HWND hWnd, BYTE nAlpha);

// Gives a layered window the alpha of a transparency setting.
bool SetWindowTransparency(HWND hWnd, int nTransparency);

// The alpha of a transparency setting: 0 gives 15, 100 gives 255, in steps
// of 2.4. Only the low 8 bits count, so out-of-range settings wrap.
BYTE TransparencyToAlpha(int nTransparency);
