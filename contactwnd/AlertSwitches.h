#pragma once

#include "contactwnd/ContactWnd.h"
#include "settings/DefaultSettings.h"
#include "settings/RegistryLayout.h"

// One of a contact's six alert switches: the window's field, the contact's
// value, and the field of DefaultSettings whose value it takes while its
// group's use-default switch is set. Alerts read only the contact's own.
struct AlertSwitch {
    bool CContactWnd::*pField;
    const Settings::BoolValue* pValue;
    bool DefaultSettingsData::*pDefault;
};

// The switches of one kind of alert, one per event in the order of
// AlertEvent, with the group's use-default switch.
struct AlertSwitchGroup {
    bool CContactWnd::*pUseDefault;
    const Settings::BoolValue* pUseDefaultValue;
    AlertSwitch events[ALERT_EVENT_COUNT];
};

inline constexpr AlertSwitchGroup kSoundSwitches = {
    &CContactWnd::m_bUseDefaultSoundRules,
    &Settings::Contact::UseDefaultSoundRules,
    {{&CContactWnd::m_bSoundAlertWhenOnline, &Settings::Contact::SoundAlertWhenOnline,
      &DefaultSettingsData::PlayOnlineSoundAlert},
     {&CContactWnd::m_bSoundAlertWhenOffline, &Settings::Contact::SoundAlertWhenOffline,
      &DefaultSettingsData::PlayOfflineSoundAlert},
     {&CContactWnd::m_bSoundAlertWhenStatusChanges, &Settings::Contact::SoundAlertWhenStatusChanges,
      &DefaultSettingsData::PlayChangeSoundAlert}},
};

inline constexpr AlertSwitchGroup kSpeechSwitches = {
    &CContactWnd::m_bUseDefaultSpeechRules,
    &Settings::Contact::UseDefaultSpeechRules,
    {{&CContactWnd::m_bUseSpeechOnline, &Settings::Contact::UseSpeechOnline,
      &DefaultSettingsData::UseSpeechOnline},
     {&CContactWnd::m_bUseSpeechOffline, &Settings::Contact::UseSpeechOffline,
      &DefaultSettingsData::UseSpeechOffline},
     {&CContactWnd::m_bUseSpeechChange, &Settings::Contact::UseSpeechChange,
      &DefaultSettingsData::UseSpeechChange}},
};
