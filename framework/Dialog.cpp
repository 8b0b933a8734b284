#include "framework/Dialog.h"

#include "framework/DataExchange.h"
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
    static const MessageMap map(CWnd::GetMessageMap(), {
        MapMessage<&CDialog::HandleInitDialog>(WM_INITDIALOG),
        MapCommand<&CDialog::OnOK>(IDOK),
        MapCommand<&CDialog::OnCancel>(IDCANCEL),
    });
    return &map;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
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
