#include "dialogs/DisplayRulesDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "settings/RegistryLayout.h"

CDefaultDisplayRulesDlg::CDefaultDisplayRulesDlg() : CSettingsDialog(IDD_DEFAULT_DISPLAY_RULES)
{
}

const MessageMap* CDefaultDisplayRulesDlg::GetMessageMap() const
{
    static const MessageMap map(CSettingsDialog::GetMessageMap(),
                                {
                                    MapCommand<&CDefaultDisplayRulesDlg::OnReset>(IDC_RULES_RESET),
                                });
    return &map;
}

void CDefaultDisplayRulesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_RULES_SHOW_ALWAYS, m_nDisplayRule);
}

void CDefaultDisplayRulesDlg::ResetValues()
{
    m_nDisplayRule = Settings::Default::DisplayRules.defaultValue;
}
