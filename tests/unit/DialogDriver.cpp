#include "tests/unit/DialogDriver.h"

#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "framework/ColorDialog.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"
#include "framework/Sound.h"

#include <mmsystem.h>

namespace {

ModalScript* g_pScript = nullptr;
ChooserAnswers* g_pAnswers = nullptr;
std::vector<COLORREF>* g_pColors = nullptr;
std::vector<std::string>* g_pFiles = nullptr;
SoundRecorder* g_pSounds = nullptr;

BOOL AnswerColor(CHOOSECOLORA* pcc)
{
    g_pAnswers->colorRequests.push_back(*pcc);
    g_pAnswers->customRows.emplace_back(pcc->lpCustColors, pcc->lpCustColors + 16);
    if (g_pColors->empty())
        return FALSE;
    const COLORREF answer = g_pColors->front();
    g_pColors->erase(g_pColors->begin());
    if (answer == ChooserAnswers::kCancel)
        return FALSE;
    pcc->rgbResult = answer;
    pcc->lpCustColors[8] = answer;
    return TRUE;
}

BOOL AnswerFile(OPENFILENAMEA* pofn)
{
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(folder), folder);
    g_pAnswers->fileFolders.push_back(folder);
    g_pAnswers->fileRequests.push_back(*pofn);
    std::string filter;
    for (const char* psz = pofn->lpstrFilter; *psz; psz += lstrlenA(psz) + 1)
        filter += std::string(psz) + "|";
    g_pAnswers->fileFilters.push_back(filter);
    if (g_pFiles->empty() || g_pFiles->front().empty()
        || g_pFiles->front().size() >= pofn->nMaxFile)
        return FALSE;
    lstrcpyA(pofn->lpstrFile, g_pFiles->front().c_str());
    g_pFiles->erase(g_pFiles->begin());
    return TRUE;
}

BOOL RecordSound(const char* pszSound, HMODULE, DWORD dwFlags)
{
    g_pSounds->sounds.push_back((dwFlags & SND_RESOURCE)
                                    ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(pszSound))
                                    : std::string(pszSound));
    return TRUE;
}

} // namespace

ModalScript::ModalScript(std::function<void(HWND hDlg)> script) : m_script(std::move(script))
{
    g_pScript = this;
    m_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, nullptr, GetCurrentThreadId());
}

ModalScript::~ModalScript()
{
    UnhookWindowsHookEx(m_hHook);
    g_pScript = nullptr;
}

LRESULT CALLBACK ModalScript::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pScript && !g_pScript->m_hDlg
        && pMessage->message == WM_INITDIALOG) {
        g_pScript->m_hDlg = pMessage->hwnd;
        SetTimer(nullptr, 0, 0, TimerProc);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalScript::TimerProc(HWND, UINT, UINT_PTR nIdEvent, DWORD)
{
    // The dialog's loop shows it once its queue is empty: wait for that.
    if (!g_pScript || !IsWindowVisible(g_pScript->m_hDlg))
        return;
    KillTimer(nullptr, nIdEvent);
    HWND hDlg = g_pScript->m_hDlg;
    g_pScript->m_bRan = true;
    g_pScript->m_script(hDlg);
    PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

ContactRecord* DialogTest::AddContact(const std::string& strSigninName, int nStatus)
{
    ContactRecord* pRecord = MakeRecord(strSigninName, nStatus).release();
    int nCount = 0;
    ForEachContact([&](ContactRecord*) { ++nCount; });
    theContacts.Positionner(nCount); // the last record
    theContacts.InsererApres(pRecord);
    return pRecord;
}

std::string DialogTest::ReadContactString(const std::string& strSection, const char* pszName)
{
    return AfxGetApp()->GetProfileString(strSection.c_str(), pszName, "(none)");
}

void Click(HWND hDlg, int nId)
{
    SendMessageA(GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

bool Checked(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}

bool Enabled(HWND hDlg, int nId)
{
    return IsWindowEnabled(GetDlgItem(hDlg, nId)) != FALSE;
}

std::string Text(HWND hDlg, int nId)
{
    HWND hControl = GetDlgItem(hDlg, nId);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hControl)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(hControl, &text[0], static_cast<int>(text.size()))));
    return text;
}

COLORREF PixelAt(HWND hWnd, int x, int y)
{
    HDC hDC = GetDC(hWnd);
    const COLORREF color = GetPixel(hDC, x, y);
    ReleaseDC(hWnd, hDC);
    return color;
}

BYTE AlphaOf(HWND hWnd)
{
    BYTE alpha = 0;
    GetLayeredWindowAttributes(hWnd, nullptr, &alpha, nullptr);
    return alpha;
}

ChooserAnswers::ChooserAnswers(std::vector<COLORREF> colors, std::vector<std::string> files)
    : m_colors(std::move(colors)), m_files(std::move(files))
{
    g_pAnswers = this;
    g_pColors = &m_colors;
    g_pFiles = &m_files;
    SetColorChooserHandler(AnswerColor);
    SetOpenFileHandler(AnswerFile);
}

ChooserAnswers::~ChooserAnswers()
{
    SetColorChooserHandler(nullptr);
    SetOpenFileHandler(nullptr);
    g_pAnswers = nullptr;
}

SoundRecorder::SoundRecorder()
{
    g_pSounds = this;
    SetPlaySoundHandler(RecordSound);
}

SoundRecorder::~SoundRecorder()
{
    SetPlaySoundHandler(nullptr);
    g_pSounds = nullptr;
}
