#include "dialogs/SettingsCommands.h"

#include "contactwnd/ContactWnd.h"
#include "contactwnd/LayeredWindow.h"
#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "dialogs/ColorDlgs.h"
#include "dialogs/ContactDlgs.h"
#include "dialogs/DisplayRulesDlg.h"
#include "dialogs/SoundAlertsDlg.h"
#include "dialogs/SpeechAlertsDlg.h"
#include "dialogs/TransparencyDlg.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileSection.h"

namespace Def = Settings::Default;
namespace Contact = Settings::Contact;

namespace {

// Where the all-contacts transparency dialog starts: alpha 135.
constexpr int kAllContactsTransparency = 50;

// A stored colour as GDI and the chooser take it: one written by hand with
// its high byte set would name no colour, or a palette entry.
COLORREF ReadColor(const Settings::ColorValue& value)
{
    return Settings::DefaultSection().Read(value) & 0x00FFFFFF;
}

// One alert event's default sound settings: in the dialog, in
// DefaultSettings and "_Default", and in the contacts that follow them.
struct SoundDefaults {
    SoundAlertValues CDefaultSoundAlertsDlg::*pValues;
    bool DefaultSettingsData::*pPlay;
    bool DefaultSettingsData::*pUseDefault;
    std::string DefaultSettingsData::*pCustomPath;
    Settings::BoolValue play;
    Settings::BoolValue useDefault;
    Settings::StringValue customPath;
    bool CContactWnd::*pContactPlay;
    Settings::BoolValue contactPlay;
};

const SoundDefaults kSoundDefaults[] = {
    {&CDefaultSoundAlertsDlg::m_online, &DefaultSettingsData::PlayOnlineSoundAlert,
     &DefaultSettingsData::UseDefaultOnlineSoundAlert, &DefaultSettingsData::CustomOnlineSoundAlert,
     Def::PlayOnlineSoundAlert, Def::UseDefaultOnlineSoundAlert, Def::CustomOnlineSoundAlert,
     &CContactWnd::m_bSoundAlertWhenOnline, Contact::SoundAlertWhenOnline},
    {&CDefaultSoundAlertsDlg::m_offline, &DefaultSettingsData::PlayOfflineSoundAlert,
     &DefaultSettingsData::UseDefaultOfflineSoundAlert,
     &DefaultSettingsData::CustomOfflineSoundAlert, Def::PlayOfflineSoundAlert,
     Def::UseDefaultOfflineSoundAlert, Def::CustomOfflineSoundAlert,
     &CContactWnd::m_bSoundAlertWhenOffline, Contact::SoundAlertWhenOffline},
    {&CDefaultSoundAlertsDlg::m_change, &DefaultSettingsData::PlayChangeSoundAlert,
     &DefaultSettingsData::UseDefaultChangeSoundAlert, &DefaultSettingsData::CustomChangeSoundAlert,
     Def::PlayChangeSoundAlert, Def::UseDefaultChangeSoundAlert, Def::CustomChangeSoundAlert,
     &CContactWnd::m_bSoundAlertWhenStatusChanges, Contact::SoundAlertWhenStatusChanges},
};

// One alert event's default speech switch, likewise.
struct SpeechDefaults {
    BOOL CDefaultSpeechAlertsDlg::*pValue;
    bool DefaultSettingsData::*pDefault;
    Settings::BoolValue value;
    bool CContactWnd::*pContactValue;
    Settings::BoolValue contactValue;
};

const SpeechDefaults kSpeechDefaults[] = {
    {&CDefaultSpeechAlertsDlg::m_bUseSpeechOnline, &DefaultSettingsData::UseSpeechOnline,
     Def::UseSpeechOnline, &CContactWnd::m_bUseSpeechOnline, Contact::UseSpeechOnline},
    {&CDefaultSpeechAlertsDlg::m_bUseSpeechOffline, &DefaultSettingsData::UseSpeechOffline,
     Def::UseSpeechOffline, &CContactWnd::m_bUseSpeechOffline, Contact::UseSpeechOffline},
    {&CDefaultSpeechAlertsDlg::m_bUseSpeechChange, &DefaultSettingsData::UseSpeechChange,
     Def::UseSpeechChange, &CContactWnd::m_bUseSpeechChange, Contact::UseSpeechChange},
};

void PreviewAlphaOnEveryContact(BYTE nAlpha)
{
    ForEachContactWindow(
        [&](CContactWnd& wnd) { SetLayeredAttributes(wnd.m_hWnd, 0, nAlpha, LWA_ALPHA); });
}

} // namespace

void SetDefaultDisplayRules()
{
    const Settings::ProfileSection defaults = Settings::DefaultSection();
    CDefaultDisplayRulesDlg dlg;
    dlg.m_nDisplayRule = defaults.Read(Def::DisplayRules);
    if (dlg.DoModal() != IDOK)
        return;
    defaults.Write(Def::DisplayRules, dlg.m_nDisplayRule);

    const int nRule = defaults.Read(Def::DisplayRules);
    ForEachContactWindow([&](CContactWnd& wnd) {
        if (wnd.m_bUseDefaultDisplayRules) {
            wnd.m_nDisplayRule = nRule;
            wnd.Section().Write(Contact::DisplayRule, nRule);
        }
        // Shows or hides it by its rule and current status.
        wnd.RepaintNow();
    });
}

void SetDefaultSoundAlerts()
{
    CDefaultSoundAlertsDlg dlg;
    for (const SoundDefaults& sound : kSoundDefaults)
        dlg.*sound.pValues = {DefaultSettings.*sound.pPlay, DefaultSettings.*sound.pUseDefault,
                              DefaultSettings.*sound.pCustomPath};
    if (dlg.DoModal() != IDOK)
        return;

    const Settings::ProfileSection defaults = Settings::DefaultSection();
    for (const SoundDefaults& sound : kSoundDefaults) {
        const SoundAlertValues& values = dlg.*sound.pValues;
        DefaultSettings.*sound.pPlay = values.bPlay != FALSE;
        DefaultSettings.*sound.pUseDefault = values.bUseDefault != FALSE;
        DefaultSettings.*sound.pCustomPath = values.strCustomPath;
        defaults.Write(sound.play, values.bPlay != FALSE);
        defaults.Write(sound.useDefault, values.bUseDefault != FALSE);
        defaults.Write(sound.customPath, values.strCustomPath);
    }
    // Which file plays is read from DefaultSettings at every alert: only
    // the switches have copies in the contacts.
    ForEachContactWindow([&](CContactWnd& wnd) {
        if (!wnd.m_bUseDefaultSoundRules)
            return;
        for (const SoundDefaults& sound : kSoundDefaults) {
            wnd.*sound.pContactPlay = (dlg.*sound.pValues).bPlay >= 1;
            wnd.Section().Write(sound.contactPlay, wnd.*sound.pContactPlay);
        }
    });
}

void SetDefaultSpeechAlerts()
{
    CDefaultSpeechAlertsDlg dlg;
    for (const SpeechDefaults& speech : kSpeechDefaults)
        dlg.*speech.pValue = DefaultSettings.*speech.pDefault;
    dlg.m_nSayNameOnly = DefaultSettings.SayNameOnly;
    if (dlg.DoModal() != IDOK)
        return;

    const Settings::ProfileSection defaults = Settings::DefaultSection();
    for (const SpeechDefaults& speech : kSpeechDefaults) {
        DefaultSettings.*speech.pDefault = dlg.*speech.pValue != FALSE;
        defaults.Write(speech.value, dlg.*speech.pValue != FALSE);
    }
    // What is said has no copy in the contacts: every alert reads it here.
    DefaultSettings.SayNameOnly = dlg.m_nSayNameOnly;
    defaults.Write(Def::SayNameOnly, dlg.m_nSayNameOnly);

    ForEachContactWindow([&](CContactWnd& wnd) {
        if (!wnd.m_bUseDefaultSpeechRules)
            return;
        for (const SpeechDefaults& speech : kSpeechDefaults) {
            wnd.*speech.pContactValue = dlg.*speech.pValue >= 1;
            wnd.Section().Write(speech.contactValue, wnd.*speech.pContactValue);
        }
    });
}

void SetBorderColors()
{
    CBorderColorDlg dlg;
    dlg.m_crOnline = ReadColor(Def::OnlineBorderColor);
    dlg.m_crOffline = ReadColor(Def::OfflineBorderColor);
    dlg.m_crAway = ReadColor(Def::AwayBorderColor);
    dlg.m_crBusy = ReadColor(Def::BusyBorderColor);
    dlg.m_bHideOfflineBorder = Settings::DefaultSection().Read(Def::HideBorder);
    if (dlg.DoModal() != IDOK)
        return;

    const Settings::ProfileSection defaults = Settings::DefaultSection();
    defaults.Write(Def::OnlineBorderColor, dlg.m_crOnline);
    defaults.Write(Def::OfflineBorderColor, dlg.m_crOffline);
    defaults.Write(Def::BusyBorderColor, dlg.m_crBusy);
    defaults.Write(Def::AwayBorderColor, dlg.m_crAway);
    defaults.Write(Def::HideBorder, dlg.m_bHideOfflineBorder != FALSE);
    DefaultSettings.OnlineBorderColor = dlg.m_crOnline;
    DefaultSettings.OfflineBorderColor = dlg.m_crOffline;
    DefaultSettings.BusyBorderColor = dlg.m_crBusy;
    DefaultSettings.AwayBorderColor = dlg.m_crAway;
    DefaultSettings.HideBorder = dlg.m_bHideOfflineBorder != FALSE;
    ForEachContactWindow([](CContactWnd& wnd) { wnd.RepaintNow(); });
}

void SetNameColors()
{
    CNameColorDlg dlg;
    dlg.m_crForeground = ReadColor(Def::NameForegroundColor);
    dlg.m_crBackground = ReadColor(Def::NameBackgroundColor);
    dlg.m_bTransparentBackground = Settings::DefaultSection().Read(Def::NameTransparentBackground);
    if (dlg.DoModal() != IDOK)
        return;

    const Settings::ProfileSection defaults = Settings::DefaultSection();
    defaults.Write(Def::NameForegroundColor, dlg.m_crForeground);
    defaults.Write(Def::NameBackgroundColor, dlg.m_crBackground);
    defaults.Write(Def::NameTransparentBackground, dlg.m_bTransparentBackground != FALSE);
    DefaultSettings.NameForegroundColor = dlg.m_crForeground;
    DefaultSettings.NameBackgroundColor = dlg.m_crBackground;
    DefaultSettings.NameTransparentBackground = dlg.m_bTransparentBackground != FALSE;
    ForEachContactWindow([](CContactWnd& wnd) { wnd.RepaintNow(); });
}

void SetTransparencyForAllContacts()
{
    // The preview acts on the windows while the dialog is open: none may go.
    ContactHold hold;
    PreviewAlphaOnEveryContact(TransparencyToAlpha(kAllContactsTransparency));
    CTransparencyDlg dlg(PreviewAlphaOnEveryContact);
    dlg.m_nTransparency = kAllContactsTransparency;
    if (dlg.DoModal() == IDOK)
        ForEachContactWindow([&](CContactWnd& wnd) {
            wnd.m_nTransparency = dlg.m_nTransparency;
            wnd.Section().Write(Contact::Transparency, wnd.m_nTransparency);
        });
    // After Cancel this takes back the preview.
    ForEachContactWindow([](CContactWnd& wnd) {
        const int nTransparency = wnd.Section().Read(Contact::Transparency);
        SetLayeredAttributes(wnd.m_hWnd, 0, TransparencyToAlpha(nTransparency), LWA_ALPHA);
    });
}

void ShowContactProperties(ContactRecord* pRecord)
{
    CContactWnd* pWnd = pRecord->m_pWnd;
    if (!pWnd)
        return;
    // The record is written after the dialog, in whose loop polls run.
    ContactHold hold;
    CContactPropertiesDlg dlg;
    dlg.m_strEmail = pRecord->m_strSigninName;
    dlg.m_strFriendlyName = pRecord->m_strFriendlyName;
    dlg.m_strCustomName = pRecord->m_strCustomName;
    dlg.m_nDisplayRule = pWnd->m_nDisplayRule;
    dlg.m_bUseDefaultRule = pWnd->m_bUseDefaultDisplayRules;
    dlg.m_strStatus = StatusNames[pRecord->m_nStatus];
    if (dlg.DoModal() != IDOK)
        return;

    pRecord->m_strCustomName = dlg.m_strCustomName;
    pWnd->m_nDisplayRule = dlg.m_nDisplayRule;
    pWnd->m_bUseDefaultDisplayRules = dlg.m_bUseDefaultRule != FALSE;
    const Settings::ProfileSection section = pWnd->Section();
    section.Write(Contact::CustomName, pRecord->m_strCustomName);
    section.Write(Contact::DisplayRule, pWnd->m_nDisplayRule);
    section.Write(Contact::UseDefaultDisplayRules, pWnd->m_bUseDefaultDisplayRules);
    pWnd->RepaintNow();
}
