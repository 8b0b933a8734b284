#pragma once

#include "tests/unit/TestSupport.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

// A test of the settings dialogs and the commands that run them.
class DialogTest : public ContactTest {
protected:
    // A record at the end of the contact list.
    ContactRecord* AddContact(const std::string& strSigninName, int nStatus);
    std::string ReadString(const std::string& strSection, const char* pszName);
};

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

// What a user does and sees.
inline void Click(HWND hDlg, int nId)
{
    SendDlgItemMessageA(hDlg, nId, BM_CLICK, 0, 0);
}
inline bool Checked(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}
inline bool Enabled(HWND hDlg, int nId)
{
    return IsWindowEnabled(GetDlgItem(hDlg, nId)) != FALSE;
}
std::string Text(HWND hDlg, int nId);
// Replaces an edit's text as typing over all of it does.
void Type(HWND hDlg, int nId, const std::string& strText);
COLORREF PixelAt(HWND hWnd, int x, int y);
BYTE AlphaOf(HWND hWnd);

// Answers the colour and file choosers instead of showing them, in turn
// from a list (kCancel, an empty name or the list's end cancels), and keeps
// what each was handed. A chosen colour is also defined as custom colour 8.
class ChooserAnswers {
public:
    ChooserAnswers(std::vector<COLORREF> colors, std::vector<std::string> files);
    ~ChooserAnswers();

    ChooserAnswers(const ChooserAnswers&) = delete;
    ChooserAnswers& operator=(const ChooserAnswers&) = delete;

    static constexpr COLORREF kCancel = 0xFFFFFFFF;

    struct ColorRequest {
        CHOOSECOLORA cc;
        std::vector<COLORREF> customColors;
    };
    struct FileRequest {
        OPENFILENAMEA ofn;
        std::string strFilter; // '\0' separators shown as '|'
        std::string strCurrentDir;
    };
    std::vector<ColorRequest> colorRequests;
    std::vector<FileRequest> fileRequests;

private:
    static BOOL AnswerColor(CHOOSECOLORA* pcc);
    static BOOL AnswerFile(OPENFILENAMEA* pofn);

    std::vector<COLORREF> m_colors;
    std::vector<std::string> m_files;
};
