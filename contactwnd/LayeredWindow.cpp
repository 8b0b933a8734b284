#include "contactwnd/LayeredWindow.h"

bool SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE nAlpha, DWORD dwFlags)
{
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE hUser32 = LoadLibraryA("User32.dll");
    if (!hUser32) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return false;
    }
    auto pfnSet = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(hUser32, "SetLayeredWindowAttributes")));
    bool bResult = false;
    if (pfnSet)
        bResult = pfnSet(hWnd, crKey, nAlpha, dwFlags) != FALSE;
    else
        SetLastError(ERROR_NOT_SUPPORTED);
    FreeLibrary(hUser32);
    return bResult;
}

bool SetWindowAlpha(HWND hWnd, BYTE nAlpha)
{
    return SetLayeredAttributes(hWnd, 0, nAlpha, LWA_ALPHA);
}

bool SetWindowTransparency(HWND hWnd, int nTransparency)
{
    return SetWindowAlpha(hWnd, TransparencyToAlpha(nTransparency));
}

BYTE TransparencyToAlpha(int nTransparency)
{
    const long long alpha = (240LL * nTransparency + 1500) / 100;
    return static_cast<BYTE>(alpha & 0xFF);
}
