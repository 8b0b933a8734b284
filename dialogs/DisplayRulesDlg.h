#pragma once

#include "dialogs/SettingsDialog.h"

// "Set Default Display Rules": the rule that contacts following the
// defaults take.
class CDefaultDisplayRulesDlg : public CSettingsDialog {
public:
    CDefaultDisplayRulesDlg();

    // The index of the selected radio, 0 to 3 as the display rules; -1 for none.
    int m_nDisplayRule = -1;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetValues() override;
};
