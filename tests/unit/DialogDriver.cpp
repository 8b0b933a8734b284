#include "tests/unit/DialogDriver.h"

#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "framework/ColorDialog.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"

namespace {

ModalScript* g_pScript = nullptr;
ChooserAnswers* g_pAnswers = nullptr;

template <typename T>
bool TakeFirst(std::vector<T>& list, T& first)
{
    if (list.empty())
        return false;
    first = list.front();
    list.erase(list.begin());
    return true;
}

} // namespace

ContactRecord* DialogTest::AddContact(const std::string& strSigninName, int nStatus)
{
    ContactRecord* pRecord = MakeRecord(strSigninName, nStatus).release();
    int nCount = 0;
    ForEachContact([&](ContactRecord*) { ++nCount; });
    theContacts.Positionner(nCount);
    theContacts.InsererApres(pRecord);
    return pRecord;
}

std::string DialogTest::ReadString(const std::string& strSection, const char* pszName)
{
    return AfxGetApp()->GetProfileString(strSection.c_str(), pszName, "(none)");
}

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

std::string Text(HWND hDlg, int nId)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(hDlg, nId))) + 1, '\0');
    text.resize(GetDlgItemTextA(hDlg, nId, &text[0], static_cast<int>(text.size())));
    return text;
}

void Type(HWND hDlg, int nId, const std::string& strText)
{
    SendDlgItemMessageA(hDlg, nId, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(hDlg, nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strText.c_str()));
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
    SetColorChooserHandler(AnswerColor);
    SetOpenFileHandler(AnswerFile);
}

ChooserAnswers::~ChooserAnswers()
{
    SetColorChooserHandler(nullptr);
    SetOpenFileHandler(nullptr);
    g_pAnswers = nullptr;
}

BOOL ChooserAnswers::AnswerColor(CHOOSECOLORA* pcc)
{
    g_pAnswers->colorRequests.push_back({*pcc, {pcc->lpCustColors, pcc->lpCustColors + 16}});
    COLORREF answer = kCancel;
    if (!TakeFirst(g_pAnswers->m_colors, answer) || answer == kCancel)
        return FALSE;
    pcc->rgbResult = pcc->lpCustColors[8] = answer;
    return TRUE;
}

BOOL ChooserAnswers::AnswerFile(OPENFILENAMEA* pofn)
{
    FileRequest request = {*pofn, "", std::string(MAX_PATH, '\0')};
    for (const char* psz = pofn->lpstrFilter; *psz; psz += lstrlenA(psz) + 1)
        request.strFilter += std::string(psz) + "|";
    request.strCurrentDir.resize(GetCurrentDirectoryA(MAX_PATH, &request.strCurrentDir[0]));
    g_pAnswers->fileRequests.push_back(request);
    std::string answer;
    if (!TakeFirst(g_pAnswers->m_files, answer) || answer.empty())
        return FALSE;
    lstrcpynA(pofn->lpstrFile, answer.c_str(), static_cast<int>(pofn->nMaxFile));
    return TRUE;
}
