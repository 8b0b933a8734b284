#pragma once

#include "dialogs/SettingsDialog.h"

// "Set Default Speech Alerts": for which events contacts following the
// defaults are announced, and what is said.
class CDefaultSpeechAlertsDlg : public CSettingsDialog {
public:
    CDefaultSpeechAlertsDlg();

    BOOL m_bUseSpeechOnline = FALSE;
    BOOL m_bUseSpeechOffline = FALSE;
    BOOL m_bUseSpeechChange = FALSE;
    // 0: the name alone; 1: the name and the status; any other: no radio selected.
    int m_nSayNameOnly = -1;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetValues() override;
};
