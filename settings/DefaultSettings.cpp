#include "settings/DefaultSettings.h"

#include "settings/ProfileSection.h"

DefaultSettingsData DefaultSettings;

void DefaultSettingsData::Load(const std::function<void()>& afterClickThrough)
{
    namespace Def = Settings::Default;
    const Settings::ProfileSection section = Settings::DefaultSection();
    clickThrough = section.Read(Def::ClickThrough);
    if (afterClickThrough)
        afterClickThrough();
    OnlineBorderColor = section.Read(Def::OnlineBorderColor);
    OfflineBorderColor = section.Read(Def::OfflineBorderColor);
    BusyBorderColor = section.Read(Def::BusyBorderColor);
    AwayBorderColor = section.Read(Def::AwayBorderColor);
    HideBorder = section.Read(Def::HideBorder);
    NameForegroundColor = section.Read(Def::NameForegroundColor);
    NameBackgroundColor = section.Read(Def::NameBackgroundColor);
    NameTransparentBackground = section.Read(Def::NameTransparentBackground);
    PlayOnlineSoundAlert = section.Read(Def::PlayOnlineSoundAlert);
    PlayOfflineSoundAlert = section.Read(Def::PlayOfflineSoundAlert);
    PlayChangeSoundAlert = section.Read(Def::PlayChangeSoundAlert);
    UseDefaultOnlineSoundAlert = section.Read(Def::UseDefaultOnlineSoundAlert);
    UseDefaultOfflineSoundAlert = section.Read(Def::UseDefaultOfflineSoundAlert);
    UseDefaultChangeSoundAlert = section.Read(Def::UseDefaultChangeSoundAlert);
    CustomOnlineSoundAlert = section.Read(Def::CustomOnlineSoundAlert);
    CustomOfflineSoundAlert = section.Read(Def::CustomOfflineSoundAlert);
    CustomChangeSoundAlert = section.Read(Def::CustomChangeSoundAlert);
    UseSpeechOnline = section.Read(Def::UseSpeechOnline);
    UseSpeechOffline = section.Read(Def::UseSpeechOffline);
    UseSpeechChange = section.Read(Def::UseSpeechChange);
    SayNameOnly = section.Read(Def::SayNameOnly);
}
