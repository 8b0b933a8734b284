#include "dialogs/SettingsCommands.h"

#include "contactwnd/AlertSwitches.h"
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
COLORREF ReadColor(COLORREF DefaultSettingsData::*pField)
{
    return ReadStoredDefault(pField) & 0x00FFFFFF;
}

// Copies a kind of alert's new default switches, by event, into every
// contact that follows them, and stores them there at once.
void CopyToFollowingContacts(const AlertSwitchGroup& group, const bool (&bOn)[ALERT_EVENT_COUNT])
{
    ForEachContactWindow([&](CContactWnd& wnd) {
        if (!(wnd.*group.pUseDefault))
            return;
        for (int i = 0; i < ALERT_EVENT_COUNT; ++i) {
            wnd.*group.pEvents[i] = bOn[i];
            wnd.StoreSettings(group.pEvents[i]);
        }
    });
}

void PreviewAlphaOnEveryContact(BYTE nAlpha)
{
    ForEachContactWindow([&](CContactWnd& wnd) { SetWindowAlpha(wnd.m_hWnd, nAlpha); });
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
            wnd.StoreSettings(&CContactWnd::m_nDisplayRule);
        }
        // Shows or hides it by its rule and current status.
        wnd.RepaintNow();
    });
}

void SetDefaultSoundAlerts()
{
    CDefaultSoundAlertsDlg dlg;
    dlg.SetValues(DefaultSettings);
    if (dlg.DoModal() != IDOK)
        return;

    bool bPlay[ALERT_EVENT_COUNT] = {};
    for (int i = 0; i < ALERT_EVENT_COUNT; ++i) {
        const SoundAlertValues& values = dlg.ValuesOf(i);
        const EventDefaults& defaults = kEventDefaults[i];
        StoreDefault(defaults.pPlay, values.bPlay != FALSE);
        StoreDefault(defaults.pUseDefault, values.bUseDefault != FALSE);
        StoreDefault(defaults.pCustomPath, values.strCustomPath);
        bPlay[i] = values.bPlay >= 1;
    }
    // Which file plays is read from DefaultSettings at every alert: only
    // the switches have copies in the contacts.
    CopyToFollowingContacts(kSoundSwitches, bPlay);
}

void SetDefaultSpeechAlerts()
{
    CDefaultSpeechAlertsDlg dlg;
    dlg.SetValues(DefaultSettings);
    if (dlg.DoModal() != IDOK)
        return;

    bool bSpeak[ALERT_EVENT_COUNT] = {};
    for (int i = 0; i < ALERT_EVENT_COUNT; ++i) {
        const BOOL bValue = dlg.SpeaksAt(i);
        StoreDefault(kEventDefaults[i].pSpeak, bValue != FALSE);
        bSpeak[i] = bValue >= 1;
    }
    // What is said has no copy in the contacts: every alert reads it here.
    StoreDefault(&DefaultSettingsData::SayNameOnly, dlg.m_nSayNameOnly);
    CopyToFollowingContacts(kSpeechSwitches, bSpeak);
}

void SetBorderColors()
{
    using D = DefaultSettingsData;
    CBorderColorDlg dlg;
    dlg.m_crOnline = ReadColor(&D::OnlineBorderColor);
    dlg.m_crOffline = ReadColor(&D::OfflineBorderColor);
    dlg.m_crAway = ReadColor(&D::AwayBorderColor);
    dlg.m_crBusy = ReadColor(&D::BusyBorderColor);
    dlg.m_bHideOfflineBorder = ReadStoredDefault(&D::HideBorder);
    if (dlg.DoModal() != IDOK)
        return;

    StoreDefault(&D::OnlineBorderColor, dlg.m_crOnline);
    StoreDefault(&D::OfflineBorderColor, dlg.m_crOffline);
    StoreDefault(&D::BusyBorderColor, dlg.m_crBusy);
    StoreDefault(&D::AwayBorderColor, dlg.m_crAway);
    StoreDefault(&D::HideBorder, dlg.m_bHideOfflineBorder != FALSE);
    RepaintContactWindows();
}

void SetNameColors()
{
    using D = DefaultSettingsData;
    CNameColorDlg dlg;
    dlg.m_crForeground = ReadColor(&D::NameForegroundColor);
    dlg.m_crBackground = ReadColor(&D::NameBackgroundColor);
    dlg.m_bTransparentBackground = ReadStoredDefault(&D::NameTransparentBackground);
    if (dlg.DoModal() != IDOK)
        return;

    StoreDefault(&D::NameForegroundColor, dlg.m_crForeground);
    StoreDefault(&D::NameBackgroundColor, dlg.m_crBackground);
    StoreDefault(&D::NameTransparentBackground, dlg.m_bTransparentBackground != FALSE);
    RepaintContactWindows();
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
        SetWindowTransparency(wnd.m_hWnd, wnd.Section().Read(Contact::Transparency));
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
    pWnd->Section().Write(Contact::CustomName, pRecord->m_strCustomName);
    pWnd->StoreSettings(&CContactWnd::m_nDisplayRule, &CContactWnd::m_bUseDefaultDisplayRules);
    pWnd->RepaintNow();
}
