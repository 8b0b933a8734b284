#pragma once

#include "settings/ProfileSection.h"
#include "settings/RegistryLayout.h"

#include <functional>
#include <string>

// The in-memory copy of the "_Default" values read at paint and alert time,
// one field per value of the list, at its default until loaded: a fresh one
// holds the factory values. The main window loads it at start-up; each
// command that changes a default updates it together with the registry.
struct DefaultSettingsData {
    // Reads every value in the order of the fields; afterClickThrough runs
    // right after the first, where the main window reads "StartWithWindows".
    void Load(const std::function<void()>& afterClickThrough = nullptr);

#define DEFAULT_SETTINGS_FIELD(field, Kind, ...)                                                   \
    Settings::Kind::Type field = Settings::Default::field.defaultValue;
    SETTINGS_DEFAULT_VALUES(DEFAULT_SETTINGS_FIELD)
#undef DEFAULT_SETTINGS_FIELD
};

extern DefaultSettingsData DefaultSettings;

// Each field of DefaultSettings with the "_Default" value it holds, in the
// order of the fields. visit(field, value).
inline constexpr auto ForEachDefaultSetting = [](auto visit) {
#define DEFAULT_SETTINGS_VISIT(field, ...)                                                         \
    visit(&DefaultSettingsData::field, Settings::Default::field);
    SETTINGS_DEFAULT_VALUES(DEFAULT_SETTINGS_VISIT)
#undef DEFAULT_SETTINGS_VISIT
};

// Sets a field of DefaultSettings and writes its "_Default" value at once.
template <typename T>
void StoreDefault(T DefaultSettingsData::*pField, const T& value)
{
    DefaultSettings.*pField = value;
    Settings::VisitValueOf(ForEachDefaultSetting, pField, [&](const auto& stored) {
        Settings::DefaultSection().Write(stored, value);
    });
}

// A field's "_Default" value as the registry holds it now, which may differ
// from the copy in DefaultSettings.
template <typename T>
T ReadStoredDefault(T DefaultSettingsData::*pField)
{
    T value{};
    Settings::VisitValueOf(ForEachDefaultSetting, pField, [&](const auto& stored) {
        value = Settings::DefaultSection().Read(stored);
    });
    return value;
}

// The three alert events, chosen by a contact's new status alone. Their
// values index the tables of each event's settings.
enum class AlertEvent {
    Online = 0,
    Offline = 1,
    StatusChange = 2, // every status but ONLINE and Offline
};

inline constexpr int ALERT_EVENT_COUNT = 3;

// The defaults of one alert event, in the order of AlertEvent: whether a
// contact following the defaults plays a sound and speaks, and which sound
// plays, built-in or the custom file (used when pUseDefault is off and a
// path is set), which every alert reads here: no contact has a copy.
struct EventDefaults {
    bool DefaultSettingsData::*pPlay;
    bool DefaultSettingsData::*pUseDefault;
    std::string DefaultSettingsData::*pCustomPath;
    bool DefaultSettingsData::*pSpeak;
};

inline constexpr EventDefaults kEventDefaults[ALERT_EVENT_COUNT] = {
    {&DefaultSettingsData::PlayOnlineSoundAlert, &DefaultSettingsData::UseDefaultOnlineSoundAlert,
     &DefaultSettingsData::CustomOnlineSoundAlert, &DefaultSettingsData::UseSpeechOnline},
    {&DefaultSettingsData::PlayOfflineSoundAlert, &DefaultSettingsData::UseDefaultOfflineSoundAlert,
     &DefaultSettingsData::CustomOfflineSoundAlert, &DefaultSettingsData::UseSpeechOffline},
    {&DefaultSettingsData::PlayChangeSoundAlert, &DefaultSettingsData::UseDefaultChangeSoundAlert,
     &DefaultSettingsData::CustomChangeSoundAlert, &DefaultSettingsData::UseSpeechChange},
};
