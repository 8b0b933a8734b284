// Takes the pictures of README's "Using Skylet" from the real program: starts
// Skylet against the messenger simulator, opens what a user opens (the log
// window, the tray menu, a contact's menu, a settings dialog) and saves each
// view of the screen as a PNG file.
//   Screenshots <Skylet.exe> <contact file> <folder for the pictures>
#include "res/resource.h"

#include <windows.h>

// GDI+ needs what the lean windows.h leaves out.
#include <objidl.h>

#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 20000;
const char kSettingsKey[] = "Software\\KTRX70352846";
const char kProfileKey[] = "Software\\KTRX70352846\\KTRX70352846";
const wchar_t kPngEncoder[] = L"{557CF406-1A04-11D3-9A73-0000F81EF32E}";

bool WaitUntil(const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kWaitMs)
            return false;
        Sleep(100);
    }
    Sleep(500); // let it paint
    return true;
}

void WriteSetting(const std::string& strSection, const char* pszName, DWORD dwValue)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\" + strSection).c_str(),
                        0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueExA(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                   sizeof(dwValue));
    RegCloseKey(hKey);
}

struct Found {
    DWORD dwProcessId; // 0 for any process
    bool bVisibleOnly;
    std::function<bool(HWND)> matches;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    auto* pFound = reinterpret_cast<Found*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if ((!pFound->dwProcessId || dwProcessId == pFound->dwProcessId)
        && (!pFound->bVisibleOnly || IsWindowVisible(hWnd)) && pFound->matches(hWnd))
        pFound->windows.push_back(hWnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD dwProcessId, bool bVisibleOnly,
                                  const std::function<bool(HWND)>& matches)
{
    Found found = {dwProcessId, bVisibleOnly, matches, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

std::vector<HWND> VisibleWindows(DWORD dwProcessId, const std::function<bool(HWND)>& matches)
{
    return TopLevelWindows(dwProcessId, true, matches);
}

int LogLength(HWND hMain)
{
    return GetWindowTextLengthA(GetDlgItem(hMain, IDC_LOG));
}

// Changes a contact's status in the simulator's list.
void ChangeStatus(const std::string& strContactFile, const std::string& strFrom,
                  const std::string& strTo)
{
    std::ifstream in(strContactFile, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const size_t at = text.find(strFrom);
    if (at == std::string::npos)
        return;
    text.replace(at, strFrom.size(), strTo);
    std::ofstream(strContactFile, std::ios::binary | std::ios::trunc) << text;
}

bool HasClass(HWND hWnd, const char* pszClass)
{
    char className[64] = "";
    GetClassNameA(hWnd, className, sizeof(className));
    return lstrcmpA(className, pszClass) == 0;
}

bool HasCaption(HWND hWnd, const char* pszCaption)
{
    char caption[64] = "";
    GetWindowTextA(hWnd, caption, sizeof(caption));
    return lstrcmpA(caption, pszCaption) == 0;
}

RECT Union(const std::vector<HWND>& windows, int nMargin)
{
    RECT all = {};
    for (HWND hWnd : windows) {
        RECT rect = {};
        GetWindowRect(hWnd, &rect);
        UnionRect(&all, &all, &rect);
    }
    InflateRect(&all, nMargin, nMargin);
    return all;
}

// Saves what the screen shows in the rectangle as a PNG file.
bool SavePng(RECT rect, const std::string& strPath)
{
    // Wine copies nothing at all from a rectangle that leaves the screen.
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rect, &rect, &screen);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, width, height);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, width, height, hScreen, rect.left, rect.top, SRCCOPY);
    SelectObject(hMemory, hOld);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);

    bool bSaved = false;
    Gdiplus::GpBitmap* pImage = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, nullptr, &pImage)
        == Gdiplus::Ok) {
        CLSID png = {};
        CLSIDFromString(kPngEncoder, &png);
        const std::wstring path(strPath.begin(), strPath.end());
        bSaved = Gdiplus::DllExports::GdipSaveImageToFile(pImage, path.c_str(), &png, nullptr)
                 == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(pImage);
    }
    DeleteObject(hBitmap);
    std::printf("%s %s (%d x %d)\n", bSaved ? "saved" : "could not save", strPath.c_str(), width,
                height);
    return bSaved;
}

void Click(POINT point, DWORD dwDown, DWORD dwUp)
{
    SetCursorPos(point.x, point.y);
    Sleep(300);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = dwDown;
    input[1].mi.dwFlags = dwUp;
    SendInput(2, input, sizeof(INPUT));
}

// A click on bare desktop closes an open menu, as it does for a user.
void CloseMenus()
{
    Click({900, 300}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    WaitUntil([] {
        return VisibleWindows(0, [](HWND hWnd) { return HasClass(hWnd, "#32768"); }).empty();
    });
}

std::vector<HWND> Menus()
{
    return VisibleWindows(0, [](HWND hWnd) { return HasClass(hWnd, "#32768"); });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::printf("usage: Screenshots <Skylet.exe> <contact file> <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[3]) + "\\";
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    // Every status colour, the offline one included: its window is shown
    // and its grey frame drawn.
    SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    WriteSetting("_Default", "HideBorder", 0);
    WriteSetting("dave@example.com", "displayRule", 0);
    WriteSetting("dave@example.com", "useDefaultDisplayRules", 0);

    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION skylet = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &skylet)) {
        std::printf("cannot start %s\n", argv[1]);
        return 1;
    }
    const DWORD pid = skylet.dwProcessId;
    auto contactWindows = [pid] {
        return VisibleWindows(pid, [](HWND hWnd) {
            return HasClass(hWnd, "#32770")
                   && (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        });
    };
    HWND hMain = nullptr;
    auto findMain = [&] {
        const std::vector<HWND> found = TopLevelWindows(
            pid, false, [](HWND hWnd) { return GetDlgItem(hWnd, IDC_LOG) != nullptr; });
        hMain = found.empty() ? nullptr : found[0];
        return hMain && !IsWindowVisible(hMain);
    };
    int nSaved = 0;
    if (WaitUntil([&] { return contactWindows().size() >= 5 && findMain(); })) {
        nSaved += SavePng(Union(contactWindows(), 6), folder + "contact-windows.png");

        // A status change, so that the log has more than its first lines.
        const int nLogLength = LogLength(hMain);
        ChangeStatus(argv[2], "carol@example.com away", "carol@example.com online");
        WaitUntil([&] { return LogLength(hMain) > nLogLength; });
        PostMessageA(hMain, WM_USER + 1, 1, WM_LBUTTONDBLCLK);
        if (WaitUntil([&] { return IsWindowVisible(hMain) != FALSE; }))
            nSaved += SavePng(Union({hMain}, 0), folder + "log-window.png");
        PostMessageA(hMain, WM_USER + 1, 1, WM_LBUTTONDBLCLK);
        WaitUntil([&] { return !IsWindowVisible(hMain); });

        SetCursorPos(420, 520);
        PostMessageA(hMain, WM_USER + 1, 1, WM_RBUTTONDOWN);
        if (WaitUntil([] { return !Menus().empty(); }))
            nSaved += SavePng(Union(Menus(), 4), folder + "tray-menu.png");
        CloseMenus();

        const std::vector<HWND> contacts = contactWindows();
        RECT first = {};
        GetWindowRect(contacts.front(), &first);
        Click({(first.left + first.right) / 2, (first.top + first.bottom) / 2},
              MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        if (WaitUntil([] { return !Menus().empty(); })) {
            std::vector<HWND> shown = Menus();
            shown.push_back(contacts.front());
            nSaved += SavePng(Union(shown, 4), folder + "context-menu.png");
        }
        CloseMenus();

        PostMessageA(hMain, WM_COMMAND, ID_TRAY_BORDER_COLOR, 0);
        std::vector<HWND> dialogs;
        if (WaitUntil([&] {
                dialogs = VisibleWindows(
                    pid, [](HWND hWnd) { return HasCaption(hWnd, "Set Status Border Color"); });
                return !dialogs.empty();
            })) {
            nSaved += SavePng(Union(dialogs, 0), folder + "border-color-dialog.png");
            PostMessageA(dialogs[0], WM_COMMAND, IDCANCEL, 0);
        }
        PostMessageA(hMain, WM_COMMAND, ID_TRAY_QUIT, 0);
    }
    if (WaitForSingleObject(skylet.hProcess, kWaitMs) != WAIT_OBJECT_0)
        TerminateProcess(skylet.hProcess, 1);
    CloseHandle(skylet.hThread);
    CloseHandle(skylet.hProcess);
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return nSaved == 5 ? 0 : 1;
}
