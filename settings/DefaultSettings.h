#pragma once

#include "settings/ProfileSection.h"
#include "settings/RegistryLayout.h"

#include <functional>
#include <string>
#include <type_traits>

// The in-memory copy of the "_Default" values read at paint and alert time,
// one field per value. The main window loads it at start-up; each command
// that changes a default updates it together with the registry.
// "StartWithWindows" and "displayRules" have no copy here.
struct DefaultSettingsData {
    // Reads every value in the order of the fields; afterClickThrough runs
    // right after the first, where the main window reads "StartWithWindows".
    void Load(const std::function<void()>& afterClickThrough = nullptr);

    bool clickThrough = Settings::Default::ClickThrough.bDefault;
    COLORREF OnlineBorderColor = Settings::Default::OnlineBorderColor.crDefault;
    COLORREF OfflineBorderColor = Settings::Default::OfflineBorderColor.crDefault;
    COLORREF BusyBorderColor = Settings::Default::BusyBorderColor.crDefault;
    COLORREF AwayBorderColor = Settings::Default::AwayBorderColor.crDefault;
    bool HideBorder = Settings::Default::HideBorder.bDefault;
    COLORREF NameForegroundColor = Settings::Default::NameForegroundColor.crDefault;
    COLORREF NameBackgroundColor = Settings::Default::NameBackgroundColor.crDefault;
    bool NameTransparentBackground = Settings::Default::NameTransparentBackground.bDefault;
    bool PlayOnlineSoundAlert = Settings::Default::PlayOnlineSoundAlert.bDefault;
    bool PlayOfflineSoundAlert = Settings::Default::PlayOfflineSoundAlert.bDefault;
    bool PlayChangeSoundAlert = Settings::Default::PlayChangeSoundAlert.bDefault;
    bool UseDefaultOnlineSoundAlert = Settings::Default::UseDefaultOnlineSoundAlert.bDefault;
    bool UseDefaultOfflineSoundAlert = Settings::Default::UseDefaultOfflineSoundAlert.bDefault;
    bool UseDefaultChangeSoundAlert = Settings::Default::UseDefaultChangeSoundAlert.bDefault;
    std::string CustomOnlineSoundAlert = Settings::Default::CustomOnlineSoundAlert.pszDefault;
    std::string CustomOfflineSoundAlert = Settings::Default::CustomOfflineSoundAlert.pszDefault;
    std::string CustomChangeSoundAlert = Settings::Default::CustomChangeSoundAlert.pszDefault;
    bool UseSpeechOnline = Settings::Default::UseSpeechOnline.bDefault;
    bool UseSpeechOffline = Settings::Default::UseSpeechOffline.bDefault;
    bool UseSpeechChange = Settings::Default::UseSpeechChange.bDefault;
    int SayNameOnly = Settings::Default::SayNameOnly.nDefault;
};

extern DefaultSettingsData DefaultSettings;

// Each field of DefaultSettings with the "_Default" value it holds, in the
// order of the fields: the one statement of that pairing, which the loading
// and every command that changes a default walk. visit(field, value).
template <typename Visit>
void ForEachDefaultSetting(Visit visit)
{
    namespace Def = Settings::Default;
    using D = DefaultSettingsData;
    visit(&D::clickThrough, Def::ClickThrough);
    visit(&D::OnlineBorderColor, Def::OnlineBorderColor);
    visit(&D::OfflineBorderColor, Def::OfflineBorderColor);
    visit(&D::BusyBorderColor, Def::BusyBorderColor);
    visit(&D::AwayBorderColor, Def::AwayBorderColor);
    visit(&D::HideBorder, Def::HideBorder);
    visit(&D::NameForegroundColor, Def::NameForegroundColor);
    visit(&D::NameBackgroundColor, Def::NameBackgroundColor);
    visit(&D::NameTransparentBackground, Def::NameTransparentBackground);
    visit(&D::PlayOnlineSoundAlert, Def::PlayOnlineSoundAlert);
    visit(&D::PlayOfflineSoundAlert, Def::PlayOfflineSoundAlert);
    visit(&D::PlayChangeSoundAlert, Def::PlayChangeSoundAlert);
    visit(&D::UseDefaultOnlineSoundAlert, Def::UseDefaultOnlineSoundAlert);
    visit(&D::UseDefaultOfflineSoundAlert, Def::UseDefaultOfflineSoundAlert);
    visit(&D::UseDefaultChangeSoundAlert, Def::UseDefaultChangeSoundAlert);
    visit(&D::CustomOnlineSoundAlert, Def::CustomOnlineSoundAlert);
    visit(&D::CustomOfflineSoundAlert, Def::CustomOfflineSoundAlert);
    visit(&D::CustomChangeSoundAlert, Def::CustomChangeSoundAlert);
    visit(&D::UseSpeechOnline, Def::UseSpeechOnline);
    visit(&D::UseSpeechOffline, Def::UseSpeechOffline);
    visit(&D::UseSpeechChange, Def::UseSpeechChange);
    visit(&D::SayNameOnly, Def::SayNameOnly);
}

// Runs visit(value) on the "_Default" value that this field holds.
template <typename T, typename Visit>
void VisitDefaultValueOf(T DefaultSettingsData::*pField, Visit visit)
{
    ForEachDefaultSetting([&](auto pEach, const auto& value) {
        if constexpr (std::is_same_v<decltype(pEach), T DefaultSettingsData::*>)
            if (pEach == pField)
                visit(value);
    });
}

// Sets a field of DefaultSettings and writes its "_Default" value at once.
template <typename T>
void StoreDefault(T DefaultSettingsData::*pField, const T& value)
{
    DefaultSettings.*pField = value;
    VisitDefaultValueOf(
        pField, [&](const auto& stored) { Settings::DefaultSection().Write(stored, value); });
}

// A field's "_Default" value as the registry holds it now, which may differ
// from the copy in DefaultSettings.
template <typename T>
T ReadStoredDefault(T DefaultSettingsData::*pField)
{
    T value{};
    VisitDefaultValueOf(
        pField, [&](const auto& stored) { value = Settings::DefaultSection().Read(stored); });
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

// Which sound an alert event plays: the built-in one, or the custom file
// when the use-default setting is off and a path is set. Read at every
// alert; no contact has a copy. In the order of AlertEvent.
struct EventSoundFile {
    bool DefaultSettingsData::*pUseDefault;
    std::string DefaultSettingsData::*pCustomPath;
};

inline constexpr EventSoundFile kEventSoundFiles[ALERT_EVENT_COUNT] = {
    {&DefaultSettingsData::UseDefaultOnlineSoundAlert,
     &DefaultSettingsData::CustomOnlineSoundAlert},
    {&DefaultSettingsData::UseDefaultOfflineSoundAlert,
     &DefaultSettingsData::CustomOfflineSoundAlert},
    {&DefaultSettingsData::UseDefaultChangeSoundAlert,
     &DefaultSettingsData::CustomChangeSoundAlert},
};
