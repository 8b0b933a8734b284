#include "settings/DefaultSettings.h"

DefaultSettingsData DefaultSettings;

void DefaultSettingsData::Load(const std::function<void()>& afterClickThrough)
{
    const Settings::ProfileSection section = Settings::DefaultSection();
    ForEachDefaultSetting([&](auto pField, const auto& value) {
        this->*pField = section.Read(value);
        if constexpr (std::is_same_v<decltype(pField), bool DefaultSettingsData::*>)
            if (pField == &DefaultSettingsData::clickThrough && afterClickThrough)
                afterClickThrough();
    });
}
