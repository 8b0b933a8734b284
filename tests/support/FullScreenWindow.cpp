// A full-screen program for the tests: one borderless black window over the
// whole screen, in the foreground, until it is closed. Started with
// "maximized", an ordinary window with a caption, maximized, instead.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    const bool bMaximized = lstrcmpiA(lpCmdLine, "maximized") == 0;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "SkyletTestFullScreen";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND hWnd = CreateWindowExA(0, windowClass.lpszClassName, "Full screen",
                                bMaximized ? WS_OVERLAPPEDWINDOW : WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    if (bMaximized)
        ShowWindow(hWnd, SW_SHOWMAXIMIZED);
    SetForegroundWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
