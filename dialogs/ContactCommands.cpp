// The commands of a contact window's context menu that open a settings
// dialog. The window's procedure holds the contact list's records while
// they run, so the window and its record outlive the dialog's loop.
#include "contactwnd/ContactWnd.h"

#include "contactwnd/LayeredWindow.h"
#include "core/ContactRecord.h"
#include "dialogs/ContactDlgs.h"
#include "dialogs/SettingsCommands.h"
#include "dialogs/TransparencyDlg.h"
#include "framework/AnsiText.h"
#include "settings/ProfileSection.h"

void CContactWnd::OnSetCustomName()
{
    CCustomNameDlg dlg;
    dlg.m_strName = m_pContact->GetDisplayName();
    if (dlg.DoModal() != IDOK)
        return;
    // Emptied or left blank, the contact goes back to its friendly name.
    m_pContact->m_strCustomName = TrimWhiteSpace(dlg.m_strName);
    Section().Write(Settings::Contact::CustomName, m_pContact->m_strCustomName);
    RepaintNow();
}

void CContactWnd::OnProperties()
{
    ShowContactProperties(m_pContact);
}

void CContactWnd::OnSetTransparency()
{
    CTransparencyDlg dlg([this](BYTE nAlpha) { SetWindowAlpha(m_hWnd, nAlpha); });
    dlg.m_nTransparency = m_nTransparency;
    dlg.DoModal();
    // After Cancel the value is the one it opened with: this takes back the preview.
    m_nTransparency = dlg.m_nTransparency;
    Section().Write(Settings::Contact::Transparency, m_nTransparency);
    SetWindowTransparency(m_hWnd, m_nTransparency);
}
