#include "dialogs/SettingsDialog.h"

BOOL CSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    OnValuesShown();
    return TRUE;
}

void CSettingsDialog::OnReset()
{
    ResetValues();
    UpdateData(FALSE);
    OnValuesShown();
}
