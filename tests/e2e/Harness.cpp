#include "tests/e2e/Harness.h"

#include "framework/RegKey.h"
#include "tools/msgrsim/ContactFile.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char kSkyletKey[] = "Software\\KTRX70352846";
const char kProfileKey[] = "Software\\KTRX70352846\\KTRX70352846";
const char kSimulatorKey[] = "Software\\msgrsim";
// How long a Skylet that a test left running may take to quit.
constexpr DWORD kQuitLeftoverMs = 30000;
// How long what a test started may take to end by itself after it.
constexpr DWORD kSettleMs = 10000;

struct ProcessWindows {
    DWORD dwProcessId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    auto* pFound = reinterpret_cast<ProcessWindows*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == pFound->dwProcessId)
        pFound->windows.push_back(hWnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD dwProcessId)
{
    ProcessWindows found = {dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

bool HasClass(HWND hWnd, const char* pszClassName)
{
    char className[32] = "";
    GetClassNameA(hWnd, className, sizeof(className));
    return lstrcmpiA(className, pszClassName) == 0;
}

constexpr DWORD kWaitMs = 10000;

// The 8-bit samples that sound. On a busy machine Wine feeds the device
// silence (0x80) while a sound is late, before, inside or after it.
std::string Sounding(const std::string& samples)
{
    std::string sounding;
    for (char sample : samples)
        if (sample != '\x80')
            sounding.push_back(sample);
    return sounding;
}

bool IsDialog(HWND hWnd)
{
    return HasClass(hWnd, "#32770");
}

BOOL CALLBACK CollectTrayIcons(HWND hWnd, LPARAM lParam)
{
    if (HasClass(hWnd, "__winex11_tray_icon"))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > dwTimeoutMs)
            return false;
        Sleep(50);
    }
}

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string WindowsPath(const std::string& strUnixPath)
{
    std::string path = "Z:" + strUnixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

bool RunPointer(const std::string& strCommands, DWORD dwTimeoutMs)
{
    // Wine starts a Unix program but gives no handle to wait on: the shell
    // leaves a mark when it is done.
    static int s_nRun = 0;
    const std::string mark = "/tmp/skylet-pointer-" + std::to_string(GetCurrentProcessId()) + "-"
                             + std::to_string(++s_nRun);
    if (!CStartedProcess("Z:\\bin\\sh -c \"" + strCommands + "; touch " + mark + "\"").Started())
        return false;
    const std::string windowsMark = WindowsPath(mark);
    const bool bDone = WaitUntil(
        [&] { return GetFileAttributesA(windowsMark.c_str()) != INVALID_FILE_ATTRIBUTES; },
        dwTimeoutMs);
    DeleteFileA(windowsMark.c_str());
    return bDone;
}

HeldLeftButton::HeldLeftButton(const std::string& strCommands) : m_bPressed(RunPointer(strCommands))
{
}

HeldLeftButton::~HeldLeftButton()
{
    if (m_bHeld)
        RunPointer("xdotool mouseup 1");
}

bool HeldLeftButton::Release(const std::string& strCommands)
{
    m_bHeld = false;
    return RunPointer(strCommands);
}

std::string MoveTo(int x, int y)
{
    return "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y);
}

POINT Centre(HWND hWnd)
{
    RECT window = {};
    GetWindowRect(hWnd, &window);
    return {(window.left + window.right) / 2, (window.top + window.bottom) / 2};
}

void ClearSkyletSettings()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kSkyletKey);
}

int ReadSkyletInt(const std::string& strSection, const char* pszName, int nDefault)
{
    CRegKey key;
    int value = nDefault;
    if (key.Open(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\" + strSection).c_str())
        != ERROR_SUCCESS)
        return nDefault;
    return key.QueryInt(pszName, value) ? value : nDefault;
}

std::string ReadSkyletString(const std::string& strSection, const char* pszName)
{
    CRegKey key;
    std::string value = "(none)";
    key.Open(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\" + strSection).c_str());
    key.QueryString(pszName, value);
    return value;
}

void WriteSkyletInt(const std::string& strSection, const char* pszName, int nValue)
{
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\" + strSection).c_str())
        == ERROR_SUCCESS)
        key.SetDword(pszName, static_cast<DWORD>(nValue));
}

Simulator::Simulator()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    m_strFolder =
        std::string(temp) + "skylet-e2e-" + pInfo->test_suite_name() + "-" + pInfo->name();
    SHCreateDirectoryExA(nullptr, m_strFolder.c_str(), nullptr);
    m_strFile = m_strFolder + "\\contacts.txt";
    Write({});
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSimulatorKey) == ERROR_SUCCESS)
        key.SetString("ContactFile", m_strFile);
}

Simulator::~Simulator()
{
    // The simulator is never killed: Wine would keep its class registered
    // and fail every later creation. It ends by itself with its last object.
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSimulatorKey, KEY_WRITE) == ERROR_SUCCESS)
        key.DeleteValue("ContactFile");
    std::string from = m_strFolder;
    from.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

void Simulator::Write(const std::vector<std::string>& lines)
{
    m_lastLines = lines;
    std::vector<std::string> marked = {"# write " + std::to_string(++m_nWrites)};
    marked.insert(marked.end(), lines.begin(), lines.end());
    // A poll may read at any moment: the list is written beside the file and
    // renamed over it, whole. Wine refuses to replace a file while a server
    // has it open to read; that ends in a moment.
    const std::string text = JoinLines(marked);
    EXPECT_TRUE(WaitUntil([&] { return WriteTextFile(m_strFile, text); }, kWaitMs)) << m_strFile;
}

bool Simulator::WaitForExchange(DWORD dwTimeoutMs) const
{
    return WaitForExchangeLine("done", dwTimeoutMs);
}

bool Simulator::WaitForPollTaken(DWORD dwTimeoutMs)
{
    if (!WaitForExchange(dwTimeoutMs))
        return false;
    Write(std::vector<std::string>(m_lastLines));
    return WaitForExchange(dwTimeoutMs);
}

bool Simulator::WaitForRead(DWORD dwTimeoutMs) const
{
    return WaitForExchangeLine("read", dwTimeoutMs);
}

bool Simulator::WaitForExchangeLine(const char* pszWhat, DWORD dwTimeoutMs) const
{
    const std::string wanted = std::string(pszWhat) + " # write " + std::to_string(m_nWrites);
    return WaitUntil(
        [&] {
            std::ifstream log(ExchangeLogPath(m_strFile), std::ios::binary);
            std::string line;
            while (std::getline(log, line))
                if (line == wanted + "\r")
                    return true;
            return false;
        },
        dwTimeoutMs);
}

HWND MessageBoxOwnedBy(HWND hOwner)
{
    HWND hBox = nullptr;
    while ((hBox = FindWindowExA(nullptr, hBox, "#32770", "Skylet")) != nullptr)
        if (GetWindow(hBox, GW_OWNER) == hOwner && IsWindowVisible(hBox))
            return hBox;
    return nullptr;
}

bool Simulator::WaitForHang(DWORD dwTimeoutMs) const
{
    const std::string hang = "hang # write " + std::to_string(m_nWrites) + "\r";
    return WaitUntil(
        [&] {
            const std::string log = FileBytes(m_strFile + ".exchanges.log");
            return log.find("\n" + hang + "\n") != std::string::npos;
        },
        dwTimeoutMs);
}

StandInVoice::StandInVoice()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    m_strRecord = std::string(temp) + "skylet-e2e-" + pInfo->test_suite_name() + "-" + pInfo->name()
                  + "-spoken.txt";
    DeleteFileA(m_strRecord.c_str());
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kStandInVoiceKey) == ERROR_SUCCESS)
        key.SetString(kStandInVoiceRecord, m_strRecord);
}

StandInVoice::~StandInVoice()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kStandInVoiceKey);
    DeleteFileA(m_strRecord.c_str());
    if (m_hLetGo) {
        SetEvent(m_hLetGo);
        CloseHandle(m_hLetGo);
    }
}

void StandInVoice::Hold()
{
    if (!m_hLetGo)
        m_hLetGo = CreateEventA(nullptr, TRUE, FALSE,
                                StandInVoiceLetGoEvent(GetCurrentProcessId()).c_str());
    ResetEvent(m_hLetGo);
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kStandInVoiceKey) == ERROR_SUCCESS)
        key.SetDword(kStandInVoiceHeldBy, GetCurrentProcessId());
}

void StandInVoice::LetGo()
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kStandInVoiceKey, KEY_WRITE) == ERROR_SUCCESS)
        key.DeleteValue(kStandInVoiceHeldBy);
    SetEvent(m_hLetGo);
}

void StandInVoice::SetSpeakMs(DWORD dwSpeakMs) const
{
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kStandInVoiceKey) != ERROR_SUCCESS)
        return;
    if (dwSpeakMs)
        key.SetDword(kStandInVoiceSpeakMs, dwSpeakMs);
    else
        key.DeleteValue(kStandInVoiceSpeakMs);
}

std::vector<std::string> StandInVoice::Spoken() const
{
    std::vector<std::string> spoken;
    for (const SpokenText& record : ReadSpokenRecords(m_strRecord))
        spoken.push_back(std::to_string(record.dwFlags) + " " + record.strText);
    return spoken;
}

bool StandInVoice::SpokenWithin(size_t nCount, DWORD dwTimeoutMs) const
{
    return WaitUntil([&] { return Spoken().size() >= nCount; }, dwTimeoutMs);
}

std::vector<std::string> Simulator::Conversations() const
{
    std::ifstream file(m_strFile + ".im.log", std::ios::binary);
    std::vector<std::string> names;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            names.push_back(line);
    }
    return names;
}

SkyletProcess::SkyletProcess(const std::string& strArguments, const std::string& strDirectory,
                             const std::string& strExe)
    : m_process("\"" + strExe + "\"" + (strArguments.empty() ? "" : " " + strArguments),
                strDirectory)
{
    EXPECT_TRUE(m_process.Started()) << strExe << " " << strArguments;
}

SkyletProcess::~SkyletProcess()
{
    // Killed in the middle of a poll, it would leave the messenger's server
    // running for good: it is asked first, as a user would.
    if (Running())
        Quit(kQuitLeftoverMs);
}

bool SkyletProcess::Running() const
{
    return m_process.Running();
}

DWORD SkyletProcess::ExitCode() const
{
    return m_process.ExitCode();
}

bool SkyletProcess::Quit(DWORD dwTimeoutMs)
{
    // The main window opens only after the first poll, which may still be
    // running when the contact windows already show: a Cancel is posted
    // once there is a window to take it.
    HWND hMain = nullptr;
    WaitUntil(
        [&] {
            hMain = MainWindow();
            return hMain != nullptr || !Running();
        },
        dwTimeoutMs);
    if (hMain)
        PostMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
    return m_process.EndWithin(dwTimeoutMs);
}

HWND SkyletProcess::MainWindow() const
{
    for (HWND hWnd : TopLevelWindowsOf(m_process.Id()))
        if (IsDialog(hWnd) && GetDlgItem(hWnd, 1001))
            return hWnd;
    return nullptr;
}

std::string SkyletProcess::LogText() const
{
    HWND hLog = GetDlgItem(MainWindow(), 1001);
    if (!hLog)
        return std::string();
    DWORD_PTR length = 0;
    SendMessageTimeoutA(hLog, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hLog, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::vector<HWND> SkyletProcess::ContactWindows() const
{
    std::vector<HWND> windows;
    for (HWND hWnd : TopLevelWindowsOf(m_process.Id()))
        if (IsDialog(hWnd) && (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            windows.push_back(hWnd);
    return windows;
}

HWND SkyletProcess::ContactWindowAt(int nLeft, int nTop) const
{
    for (HWND hWnd : ContactWindows()) {
        RECT rect = {};
        GetWindowRect(hWnd, &rect);
        if (rect.left == nLeft && rect.top == nTop)
            return hWnd;
    }
    return nullptr;
}

HWND SkyletProcess::Shows(const char* pszClassName) const
{
    for (HWND hWnd : TopLevelWindowsOf(m_process.Id()))
        if (HasClass(hWnd, pszClassName) && IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

void ChooseFromTrayMenu(const SkyletProcess& skylet, int nDown, bool bFirstOfSubmenu)
{
    // The last menu must be gone: keys for the new one would reach it.
    ASSERT_TRUE(WaitUntil([&] { return !skylet.Shows("#32768"); }, kWaitMs));
    PostMessageA(skylet.MainWindow(), WM_USER + 1, 1, WM_RBUTTONDOWN);
    HWND hMenu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMenu = skylet.Shows("#32768")) != nullptr; }, kWaitMs));
    for (int i = 0; i < nDown; ++i)
        PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
    if (bFirstOfSubmenu)
        PostMessageA(hMenu, WM_KEYDOWN, VK_RIGHT, 0);
    PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
}

HWND WaitForDialog(const char* pszCaption)
{
    HWND hDlg = nullptr;
    const bool bUp = WaitUntil(
        [&] {
            hDlg = FindWindowA("#32770", pszCaption);
            return hDlg && IsWindowVisible(hDlg) && GetForegroundWindow() == hDlg;
        },
        kWaitMs);
    return bUp ? hDlg : nullptr;
}

bool ClickOK(HWND hDlg)
{
    Click(hDlg, IDOK);
    return WaitUntil([&] { return !IsWindow(hDlg) && GetForegroundWindow() != hDlg; }, kWaitMs);
}

void Click(HWND hDlg, int nId)
{
    SendMessageA(GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

bool Wave::operator==(const Wave& other) const
{
    return format == other.format && Sounding(samples) == Sounding(other.samples);
}

std::vector<Wave> SplitWaves(const std::string& bytes)
{
    std::vector<Wave> waves;
    for (size_t at = bytes.find("RIFF"); at != std::string::npos;) {
        const size_t dataTag = bytes.find("data", at);
        if (dataTag == std::string::npos)
            break; // a header still on its way
        const size_t data = dataTag + 8;
        const size_t next = bytes.find("RIFF", data);
        waves.push_back({bytes.substr(at + 22, 14),
                         bytes.substr(data, next == std::string::npos ? next : next - data)});
        at = next;
    }
    return waves;
}

std::string FileBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string SkyletWave(UINT nId)
{
    HMODULE hExe =
        LoadLibraryExA(WindowsPath(SKYLET_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC hResource = FindResourceA(hExe, MAKEINTRESOURCEA(nId), "WAVE");
    const std::string bytes(static_cast<const char*>(LockResource(LoadResource(hExe, hResource))),
                            SizeofResource(hExe, hResource));
    FreeLibrary(hExe);
    return bytes;
}

PlayedSounds::PlayedSounds()
{
    if (const char* pszFile = std::getenv("SKYLET_PLAYED_SOUNDS")) {
        m_strFile = WindowsPath(pszFile);
        m_nBefore = FileBytes(m_strFile).size();
    }
}

std::vector<Wave> PlayedSounds::Waves() const
{
    const std::string bytes = FileBytes(m_strFile);
    return SplitWaves(bytes.size() > m_nBefore ? bytes.substr(m_nBefore) : std::string());
}

std::vector<HWND> TrayIcons()
{
    std::vector<HWND> icons;
    if (HWND hTray = FindWindowA("__winex11_standalone_tray", nullptr))
        EnumChildWindows(hTray, CollectTrayIcons, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

HWND NewIcon(const std::vector<HWND>& before)
{
    for (HWND hIcon : TrayIcons())
        if (std::find(before.begin(), before.end(), hIcon) == before.end())
            return hIcon;
    return nullptr;
}

ScreenShot::ScreenShot(const RECT& rect)
    : m_nWidth(rect.right - rect.left), m_nHeight(rect.bottom - rect.top)
{
    HDC hScreen = GetDC(nullptr);
    m_hDC = CreateCompatibleDC(hScreen);
    m_hBitmap = CreateCompatibleBitmap(hScreen, m_nWidth, m_nHeight);
    m_hOld = SelectObject(m_hDC, m_hBitmap);
    BitBlt(m_hDC, 0, 0, m_nWidth, m_nHeight, hScreen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, hScreen);
}

ScreenShot::~ScreenShot()
{
    SelectObject(m_hDC, m_hOld);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
}

COLORREF ScreenShot::Pixel(int x, int y) const
{
    return GetPixel(m_hDC, x, y);
}

namespace {

bool g_bLeftoverFound = false;

std::vector<DWORD> ProcessesNamed(const char* pszExeName)
{
    std::vector<DWORD> ids;
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore;
         bMore = Process32Next(hSnapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, pszExeName) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(hSnapshot);
    return ids;
}

// Posts a message to every thread of a process.
void PostToThreadsOf(DWORD dwProcessId, UINT message, WPARAM wParam)
{
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL bMore = Thread32First(hSnapshot, &entry); bMore;
         bMore = Thread32Next(hSnapshot, &entry))
        if (entry.th32OwnerProcessID == dwProcessId)
            PostThreadMessageA(entry.th32ThreadID, message, wParam, 0);
    CloseHandle(hSnapshot);
}

// Asks a process to end, by the message given to each of its top-level
// windows and threads, and kills it when it does not within the limit.
void EndProcess(DWORD dwProcessId, UINT message, WPARAM wParam, DWORD dwTimeoutMs)
{
    HANDLE hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, dwProcessId);
    if (!hProcess)
        return;
    if (message == WM_COMMAND) {
        for (HWND hWnd : TopLevelWindowsOf(dwProcessId))
            if (IsDialog(hWnd) && GetDlgItem(hWnd, 1001))
                PostMessageA(hWnd, message, wParam, 0);
    } else {
        PostToThreadsOf(dwProcessId, message, wParam);
    }
    if (WaitForSingleObject(hProcess, dwTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(hProcess, 99);
        WaitForSingleObject(hProcess, 5000);
    }
    CloseHandle(hProcess);
}

// Ends the Skylets, the messenger simulator's servers and the full-screen
// programs still running, and says whose each Skylet was; whether there was
// a Skylet.
bool EndLeftovers(const std::string& strLeftBy)
{
    bool bFound = false;
    // A program that a test let go ends on its own in a moment.
    WaitUntil([] { return ProcessCount("Skylet.exe") == 0; }, kSettleMs);
    for (DWORD dwProcessId : ProcessesNamed("Skylet.exe")) {
        bFound = true;
        std::printf("%s left Skylet (process %lu) running: it is ended now\n", strLeftBy.c_str(),
                    static_cast<unsigned long>(dwProcessId));
        EndProcess(dwProcessId, WM_COMMAND, IDCANCEL, kQuitLeftoverMs);
    }
    // A server ends with its last object, or waits for a client that
    // died; its message loop ends it cleanly, so that its class is
    // withdrawn and the next test's Skylet starts a server of its own.
    WaitUntil([] { return ProcessCount("msgrsim.exe") == 0; }, kSettleMs);
    for (DWORD dwProcessId : ProcessesNamed("msgrsim.exe"))
        EndProcess(dwProcessId, WM_QUIT, 0, kSettleMs);
    for (DWORD dwProcessId : ProcessesNamed("FullScreenWindow.exe"))
        EndProcess(dwProcessId, WM_QUIT, 0, kSettleMs);
    std::fflush(stdout);
    return bFound;
}

class LeftoverGuard : public testing::EmptyTestEventListener {
    // A test that CTest ended at its limit never reached its end: what it
    // started still runs, and its voice settings stay, for the next test to
    // meet as a second Skylet, a server of the wrong list, a slow voice.
    void OnTestStart(const testing::TestInfo&) override
    {
        EndLeftovers("an earlier test");
        SHDeleteKeyA(HKEY_CURRENT_USER, kStandInVoiceKey);
    }
    void OnTestEnd(const testing::TestInfo& info) override
    {
        if (EndLeftovers(std::string(info.test_suite_name()) + "." + info.name()))
            g_bLeftoverFound = true;
    }
};

} // namespace

int ProcessCount(const char* pszExeName)
{
    return static_cast<int>(ProcessesNamed(pszExeName).size());
}

void InstallLeftoverGuard()
{
    testing::UnitTest::GetInstance()->listeners().Append(new LeftoverGuard);
}

bool LeftoverFound()
{
    return g_bLeftoverFound;
}

std::vector<std::string> AliceAndBob(int nRound, const std::string& strDirective)
{
    const char* status = nRound % 2 ? "busy" : "online";
    std::vector<std::string> lines = {std::string("alice@example.com ") + status + " Alice",
                                      std::string("bob@example.com ") + status + " Bob"};
    if (!strDirective.empty())
        lines.insert(lines.begin(), strDirective);
    return lines;
}
