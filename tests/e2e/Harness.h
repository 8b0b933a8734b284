#pragma once

#include "tests/support/StandInVoice.h"
#include "tests/support/StartedProcess.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What the end-to-end tests drive: the real Skylet.exe against the messenger
// simulator, inspected the way a user sees it, through windows and the
// registry. Every wait has a limit.

// Waits until the condition holds, checking every 50 ms; false on timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs);

// How many times a part occurs in a text, such as a name in the log.
int Count(const std::string& text, const std::string& part);

// A Unix path as Wine's Z: drive shows it.
std::string WindowsPath(const std::string& strUnixPath);

// Moves and presses the pointer of the test display as a person does, by
// xdotool commands in a shell line, and waits until they are done; false
// when they do not end in time.
bool RunPointer(const std::string& strCommands, DWORD dwTimeoutMs = 30000);
// A left button pressed by one RunPointer and released by a later one. The
// button goes up at the end of the scope unless Release ran, so that a test
// that fails in between leaves no button held on the display.
class HeldLeftButton {
public:
    // The commands press the button ("xdotool mousedown 1") and may move on.
    explicit HeldLeftButton(const std::string& strCommands);
    ~HeldLeftButton();

    HeldLeftButton(const HeldLeftButton&) = delete;
    HeldLeftButton& operator=(const HeldLeftButton&) = delete;

    bool Pressed() const { return m_bPressed; }
    // The commands release it ("xdotool mouseup 1").
    bool Release(const std::string& strCommands);

private:
    bool m_bPressed;
    bool m_bHeld = true;
};

// The xdotool command that moves the pointer to a point of the screen.
std::string MoveTo(int x, int y);
// A window's centre on the screen.
POINT Centre(HWND hWnd);

// Alice is item 0 of the messenger's list, Bob item 1; each round turns
// both to the other of online and busy. A directive, if any, comes first.
std::vector<std::string> AliceAndBob(int nRound, const std::string& strDirective = "");

// Empties the program's settings (HKCU\Software\KTRX70352846).
void ClearSkyletSettings();
int ReadSkyletInt(const std::string& strSection, const char* pszName, int nDefault);
// "(none)" when absent.
std::string ReadSkyletString(const std::string& strSection, const char* pszName);
void WriteSkyletInt(const std::string& strSection, const char* pszName, int nValue);

// The simulator's contact list for one test, in a file of the test's own.
class Simulator {
public:
    Simulator();
    ~Simulator();

    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Replaces the whole contact file; each messenger object reads it anew.
    // The file's first line marks this writing, for WaitForExchange.
    void Write(const std::vector<std::string>& lines);
    // Waits until a whole exchange with the messenger, a poll of Skylet's,
    // has served the list as last written; false on timeout.
    bool WaitForExchange(DWORD dwTimeoutMs) const;
    // Waits until a poll that read the list as last written has been wholly
    // taken by Skylet, which reads the list on a thread of its own and takes
    // it later: the list written anew is served only to a later poll, and
    // Skylet starts none before the one before it is taken. False on timeout.
    bool WaitForPollTaken(DWORD dwTimeoutMs);
    // Waits until the messenger hangs (a "!hang" directive) in an exchange
    // that read the list as last written; false on timeout.
    bool WaitForHang(DWORD dwTimeoutMs) const;
    // Waits until an exchange has begun reading the list as last written:
    // Skylet's polls before it are over, whether or not their exchange ended
    // well; false on timeout.
    bool WaitForRead(DWORD dwTimeoutMs) const;
    // The sign-in names conversations were asked for.
    std::vector<std::string> Conversations() const;

private:
    // The exchange log's line of that kind for the last writing.
    bool WaitForExchangeLine(const char* pszWhat, DWORD dwTimeoutMs) const;

    std::string m_strFolder;
    std::string m_strFile;
    int m_nWrites = 0;
    std::vector<std::string> m_lastLines;
};

// The stand-in voice's settings for one test (tests/support/StandInVoice.h):
// what it is asked to say goes to a file of the test's own, and each Speak
// may take its time, or be held. The settings go at the end of the test.
class StandInVoice {
public:
    StandInVoice();
    ~StandInVoice();

    StandInVoice(const StandInVoice&) = delete;
    StandInVoice& operator=(const StandInVoice&) = delete;

    // Each Speak takes that long from now on; 0 answers at once.
    void SetSpeakMs(DWORD dwSpeakMs) const;
    // Each Speak from now on lasts until LetGo, or until the test ends.
    void Hold();
    // Ends the Speak that is held, and holds no other.
    void LetGo();
    // What Skylet asked it to say, oldest first, each "<flags> <escaped text>".
    std::vector<std::string> Spoken() const;
    bool SpokenWithin(size_t nCount, DWORD dwTimeoutMs) const;

private:
    std::string m_strRecord;
    HANDLE m_hLetGo = nullptr;
};

// One run of Skylet.exe.
class SkyletProcess {
public:
    // Started in the given directory, or in the test's own; the program
    // built here unless another is named.
    explicit SkyletProcess(const std::string& strArguments = "",
                           const std::string& strDirectory = "",
                           const std::string& strExe = WindowsPath(SKYLET_EXE));
    // A program still running is asked to quit; one that does not is killed.
    ~SkyletProcess();

    SkyletProcess(const SkyletProcess&) = delete;
    SkyletProcess& operator=(const SkyletProcess&) = delete;

    bool Running() const;
    DWORD ExitCode() const;
    // Asks the program to end and waits for it; kills it after the limit.
    bool Quit(DWORD dwTimeoutMs = 15000);

    // The main window, once it exists: it is found while it is being made,
    // before its log holds the welcome line.
    HWND MainWindow() const;
    // The log's text, once the main window exists.
    std::string LogText() const;
    // The program's contact windows, shown or hidden.
    std::vector<HWND> ContactWindows() const;
    // The contact window at a stored position, or null.
    HWND ContactWindowAt(int nLeft, int nTop) const;
    // The program's shown window of that class, or null: tooltips, menus
    // ("#32768").
    HWND Shows(const char* pszClassName) const;

private:
    CStartedProcess m_process;
};

// Opens the tray menu and chooses, with the keyboard, its item that many
// steps down (separators are skipped), then an item of its submenu if asked;
// once the last menu is gone, since keys for the new one would reach it.
void ChooseFromTrayMenu(const SkyletProcess& skylet, int nDown, bool bFirstOfSubmenu = false);
// The dialog of that caption once it is up and takes the user's input (it is
// in the foreground); null after the limit.
HWND WaitForDialog(const char* pszCaption);
void Click(HWND hDlg, int nId);
// The shown message box ("Skylet") that a window owns, or null.
HWND MessageBoxOwnedBy(HWND hOwner);
// OK, and the dialog gone with the foreground it held: a menu opened while
// the system still moves the foreground away from the dialog would close.
bool ClickOK(HWND hDlg);

// One sound as the test prefix's sound device records it.
struct Wave {
    std::string format; // channels, rate, byte rate, block size, bits per sample
    std::string samples;
    // The same sound, whatever silence Wine fed the device around it.
    bool operator==(const Wave& other) const;
};

// The WAVs one after another in the bytes. A recorded WAV does not tell its
// length (its header went into a pipe before its samples): its samples run
// to the next WAV or to the end.
std::vector<Wave> SplitWaves(const std::string& bytes);
std::string FileBytes(const std::string& strPath);
// A WAVE resource of Skylet.exe.
std::string SkyletWave(UINT nId);

// The sounds played from its making on: the test prefix's sound device
// appends every sound played to the file that SKYLET_PLAYED_SOUNDS names
// (scripts/run-tests.sh).
class PlayedSounds {
public:
    PlayedSounds();
    // False when the tests do not run where sounds are recorded.
    bool Recorded() const { return !m_strFile.empty(); }
    std::vector<Wave> Waves() const;

private:
    std::string m_strFile;
    size_t m_nBefore = 0;
};

// The icons of Wine's notification area, each a window of its own, in the
// order they were added.
std::vector<HWND> TrayIcons();
// The icon that was not there before, when there is one: whatever icons of
// earlier runs come and go meanwhile.
HWND NewIcon(const std::vector<HWND>& before);

// A copy of what the screen shows in a rectangle, to read its pixels.
class ScreenShot {
public:
    explicit ScreenShot(const RECT& rect);
    ~ScreenShot();

    ScreenShot(const ScreenShot&) = delete;
    ScreenShot& operator=(const ScreenShot&) = delete;

    // The colour at a point relative to the rectangle's corner.
    COLORREF Pixel(int x, int y) const;
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// How many processes of that executable name run.
int ProcessCount(const char* pszExeName);

// Ends whatever a test left running once it is over, so that nothing it
// started outlives it: a Skylet (a fault of the test, which then fails the
// run) and the messenger simulator's servers, which a Skylet killed in the
// middle of a poll leaves behind for good. Under Wine every process a test
// starts holds the test's output open, and the test would not end before it.
// Before each test it does the same, and drops the stand-in voice's settings,
// for a test that CTest ended at its limit, whose own end never came.
void InstallLeftoverGuard();
// Whether the guard had to end a Skylet.
bool LeftoverFound();
