#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/Monitor.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT nIdTemplate, CWnd* pParentWnd)
    : m_nIdTemplate(nIdTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HookWindowCreate(this);
    INT_PTR result = DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIdTemplate),
                                     m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, DialogProc, 0);
    UnhookWindowCreate();
    return result;
}

BOOL CDialog::Create()
{
    HookWindowCreate(this);
    HWND hWnd = CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIdTemplate),
                                   m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, DialogProc, 0);
    UnhookWindowCreate();
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
                                {
                                    MapMessage<&CDialog::HandleInitDialog>(WM_INITDIALOG),
                                    MapMessage<&CDialog::OnReposition>(DM_REPOSITION),
                                    MapCommand<&CDialog::OnOK>(IDOK),
                                    MapCommand<&CDialog::OnCancel>(IDCANCEL),
                                });
    return &map;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

// Moves a top-level dialog that lies partly off its monitor's work area back
// inside it; Wine's dialog manager does not do it.
LRESULT CDialog::OnReposition(WPARAM, LPARAM)
{
    if (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD)
        return 0;
    const std::optional<RECT> workArea = WorkAreaAt(m_hWnd);
    if (!workArea)
        return 0;
    const RECT& work = *workArea;
    const RECT window = GetWindowRect();
    int x = window.left;
    int y = window.top;
    if (window.right > work.right)
        x = work.right - (window.right - window.left);
    if (window.bottom > work.bottom)
        y = work.bottom - (window.bottom - window.top);
    if (x < work.left)
        x = work.left;
    if (y < work.top)
        y = work.top;
    if (x != window.left || y != window.top)
        SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    // Every message reaches the object through its message map first; what
    // it leaves gets the dialog manager's default handling.
    return FALSE;
}
