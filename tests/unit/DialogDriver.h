#pragma once

#include "tests/unit/TestSupport.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

// Runs a script inside the next modal dialog this thread opens, from its own
// loop once it is shown, as a user would act on it. The dialog is cancelled
// after the script unless the script ended it.
class ModalScript {
public:
    explicit ModalScript(std::function<void(HWND hDlg)> script);
    ~ModalScript();

    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool Ran() const { return m_bRan; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR nIdEvent, DWORD);

    std::function<void(HWND)> m_script;
    HHOOK m_hHook = nullptr;
    HWND m_hDlg = nullptr;
    bool m_bRan = false;
};

// A test of the settings dialogs and the commands that run them.
class DialogTest : public ContactTest {
protected:
    // A record in the contact list, after those already there.
    ContactRecord* AddContact(const std::string& strSigninName, int nStatus);
    std::string ReadContactString(const std::string& strSection, const char* pszName);
};

// What a user does and sees in a dialog.
void Click(HWND hDlg, int nId);
bool Checked(HWND hDlg, int nId);
bool Enabled(HWND hDlg, int nId);
std::string Text(HWND hDlg, int nId);
COLORREF PixelAt(HWND hWnd, int x, int y);
BYTE AlphaOf(HWND hWnd);

// Answers the colour and file choosers instead of showing them, in turn
// from a list (kCancel, an empty name or the list's end cancels), and keeps
// what each was asked. A chosen colour is also defined as custom colour 8.
class ChooserAnswers {
public:
    ChooserAnswers(std::vector<COLORREF> colors, std::vector<std::string> files);
    ~ChooserAnswers();

    ChooserAnswers(const ChooserAnswers&) = delete;
    ChooserAnswers& operator=(const ChooserAnswers&) = delete;

    static constexpr COLORREF kCancel = 0xFFFFFFFF;

    std::vector<CHOOSECOLORA> colorRequests; // as each chooser was handed them
    std::vector<std::vector<COLORREF>> customRows;
    std::vector<std::string> fileFolders; // the current directory at each file request
    std::vector<OPENFILENAMEA> fileRequests;
    std::vector<std::string> fileFilters; // with the '\0' separators shown as '|'

private:
    std::vector<COLORREF> m_colors;
    std::vector<std::string> m_files;
};

// Records every sound played instead of playing it.
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();

    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // A resource as "#<id>", a file by its name.
    std::vector<std::string> sounds;
};
