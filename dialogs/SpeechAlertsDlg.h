#pragma once

#include "dialogs/SettingsDialog.h"
#include "settings/DefaultSettings.h"

// "Set Default Speech Alerts": for which events contacts following the
// defaults are announced, and what is said.
class CDefaultSpeechAlertsDlg : public CSettingsDialog {
public:
    CDefaultSpeechAlertsDlg();

    // The values of these defaults, as the dialog opens with them.
    void SetValues(const DefaultSettingsData& defaults);
    // Whether contacts following the defaults are announced at one alert
    // event, by its index in AlertEvent.
    BOOL SpeaksAt(int nEvent) const;

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
