#include "shell/SkyletDlg.h"

#include "app/SkyletDlgAutoProxy.h"
#include "core/Liste.h"
#include "core/StatusLog.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"

CSkyletDlg::CSkyletDlg() : CDialog(IDD_SKYLET_DIALOG)
{
    DefaultSettings.Load();
}

CSkyletDlg::~CSkyletDlg()
{
    if (m_pAutoProxy)
        m_pAutoProxy->m_pDialog = nullptr;
}

BOOL CSkyletDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemTextA(m_hWnd, IDC_LOG, STATUS_LOG_WELCOME);
    ForEachContact(AppendLogLine);
    return TRUE;
}
