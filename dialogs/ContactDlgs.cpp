#include "dialogs/ContactDlgs.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "settings/ProfileSection.h"

namespace {

constexpr int kRuleRadios[] = {
    IDC_PROPERTIES_SHOW_ALWAYS,
    IDC_PROPERTIES_HIDE_ALWAYS,
    IDC_PROPERTIES_SHOW_ONLY_WHEN_ONLINE,
    IDC_PROPERTIES_HIDE_ONLY_WHEN_OFFLINE,
};

} // namespace

CContactPropertiesDlg::CContactPropertiesDlg() : CDialog(IDD_CONTACT_PROPERTIES)
{
}

const MessageMap* CContactPropertiesDlg::GetMessageMap() const
{
    using Dlg = CContactPropertiesDlg;
    static const MessageMap map(CDialog::GetMessageMap(), {
                                                              MapCommand<&Dlg::OnUseDefaultRule>(
                                                                  IDC_PROPERTIES_USE_DEFAULT_RULE),
                                                          });
    return &map;
}

BOOL CContactPropertiesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableRuleRadios();
    return TRUE;
}

void CContactPropertiesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PROPERTIES_EMAIL, m_strEmail);
    DDX_Text(pDX, IDC_PROPERTIES_FRIENDLY_NAME, m_strFriendlyName);
    DDX_Text(pDX, IDC_PROPERTIES_CUSTOM_NAME, m_strCustomName);
    DDX_Radio(pDX, IDC_PROPERTIES_SHOW_ALWAYS, m_nDisplayRule);
    DDX_Check(pDX, IDC_PROPERTIES_USE_DEFAULT_RULE, m_bUseDefaultRule);
    DDX_Text(pDX, IDC_PROPERTIES_STATUS, m_strStatus);
}

void CContactPropertiesDlg::OnUseDefaultRule()
{
    m_bUseDefaultRule = IsDlgButtonChecked(m_hWnd, IDC_PROPERTIES_USE_DEFAULT_RULE) == BST_CHECKED;
    EnableRuleRadios();
    // Either way the radios show the default rule of this moment, which a
    // contact that stops following it starts from.
    m_nDisplayRule = Settings::DefaultSection().Read(Settings::Default::DisplayRules);
    CDataExchange toControls(this, FALSE);
    DDX_Radio(&toControls, IDC_PROPERTIES_SHOW_ALWAYS, m_nDisplayRule);
}

void CContactPropertiesDlg::EnableRuleRadios() const
{
    for (int nId : kRuleRadios)
        ::EnableWindow(GetDlgItem(nId), !m_bUseDefaultRule);
}

CCustomNameDlg::CCustomNameDlg() : CDialog(IDD_CUSTOM_NAME)
{
}

void CCustomNameDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CUSTOM_NAME, m_strName);
}
