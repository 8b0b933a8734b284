#pragma once

#include "settings/RegistryLayout.h"

#include <functional>
#include <string>

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
