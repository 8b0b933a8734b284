#include "shell/SingleInstance.h"

#include "res/resource.h"

namespace {

const char kInstanceMutexName[] = "Local\\Skylet.Instance";
constexpr DWORD kAnswerWithinMs = 10000;

// The main window of another copy: a dialog captioned "Skylet" that holds
// the log box.
BOOL CALLBACK FindOtherMainWindow(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    char caption[16] = "";
    char className[16] = "";
    if (dwProcessId == GetCurrentProcessId() || !GetClassNameA(hWnd, className, sizeof(className))
        || lstrcmpA(className, "#32770") != 0 || !GetWindowTextA(hWnd, caption, sizeof(caption))
        || lstrcmpA(caption, "Skylet") != 0 || !GetDlgItem(hWnd, IDC_LOG))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

} // namespace

bool CSingleInstance::Claim()
{
    m_hMutex.Reset(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
    return !(m_hMutex && GetLastError() == ERROR_ALREADY_EXISTS);
}

bool ShowRunningCopy()
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hMain = nullptr;
        EnumWindows(FindOtherMainWindow, reinterpret_cast<LPARAM>(&hMain));
        if (hMain) {
            // The running copy may take the foreground from this one.
            DWORD dwProcessId = 0;
            GetWindowThreadProcessId(hMain, &dwProcessId);
            AllowSetForegroundWindow(dwProcessId);
            return PostMessageA(hMain, ShowLogWindowMessage(), 0, 0) != FALSE;
        }
        if (GetTickCount() - start > kAnswerWithinMs)
            return false;
        Sleep(100);
    }
}

UINT ShowLogWindowMessage()
{
    static const UINT nMessage = RegisterWindowMessageA("Skylet.ShowLogWindow");
    return nMessage;
}
