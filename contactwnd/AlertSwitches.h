#pragma once

#include "contactwnd/ContactWnd.h"
#include "settings/DefaultSettings.h"

// A contact's switches of one kind of alert: one per event in the order of
// AlertEvent, with the group's use-default switch, and the default of
// EventDefaults each event's switch takes while that switch is set. Alerts
// read only the contact's own.
struct AlertSwitchGroup {
    bool CContactWnd::*pUseDefault;
    bool CContactWnd::*pEvents[ALERT_EVENT_COUNT];
    bool DefaultSettingsData::*EventDefaults::*pDefault;

    bool DefaultSettingsData::*DefaultOf(int nEvent) const
    {
        return kEventDefaults[nEvent].*pDefault;
    }
};

inline constexpr AlertSwitchGroup kSoundSwitches = {
    &CContactWnd::m_bUseDefaultSoundRules,
    {&CContactWnd::m_bSoundAlertWhenOnline, &CContactWnd::m_bSoundAlertWhenOffline,
     &CContactWnd::m_bSoundAlertWhenStatusChanges},
    &EventDefaults::pPlay,
};

inline constexpr AlertSwitchGroup kSpeechSwitches = {
    &CContactWnd::m_bUseDefaultSpeechRules,
    {&CContactWnd::m_bUseSpeechOnline, &CContactWnd::m_bUseSpeechOffline,
     &CContactWnd::m_bUseSpeechChange},
    &EventDefaults::pSpeak,
};
