#pragma once

#include "dialogs/SettingsDialog.h"
#include "settings/DefaultSettings.h"

#include <string>

// The default sound settings of one alert event.
struct SoundAlertValues {
    BOOL bPlay = FALSE;       // contacts following the defaults get the sound
    BOOL bUseDefault = FALSE; // the built-in sound plays rather than the custom file
    std::string strCustomPath;
};

// "Set Default Sound Alerts": one group of settings per alert event, with
// a chooser of custom wave files and a test of the sound each group plays.
class CDefaultSoundAlertsDlg : public CSettingsDialog {
public:
    CDefaultSoundAlertsDlg();

    // The values of these defaults, as the dialog opens with them.
    void SetValues(const DefaultSettingsData& defaults);
    // The values of one alert event, by its index in AlertEvent.
    const SoundAlertValues& ValuesOf(int nEvent) const;

    SoundAlertValues m_online;
    SoundAlertValues m_offline;
    SoundAlertValues m_change;
    // Drive and directory of the file chosen last in this dialog.
    std::string m_strFolder;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetValues() override;
    void OnValuesShown() override;
    void OnOK() override;

private:
    void OnCheckToggled(UINT nId);
    void OnChooseCustom(UINT nId);
    void OnTestSound(UINT nId);

    void ApplyEnablingRule(int nGroup) const;
};
