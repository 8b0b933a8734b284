#pragma once

#include <windows.h>

// Every registry value of the program with its default. Settings live under
// HKEY_CURRENT_USER\Software\KTRX70352846\KTRX70352846\<section>: the
// "_Default" section, and one section per contact named by its sign-in name.

namespace Settings {

struct BoolValue {
    const char* pszName;
    bool bDefault;
};

struct IntValue {
    const char* pszName;
    int nDefault;
};

struct ColorValue {
    const char* pszName;
    COLORREF crDefault;
};

struct StringValue {
    const char* pszName;
    const char* pszDefault;
};

// A value whose default is decided where it is read.
struct PlacedIntValue {
    const char* pszName;
};

inline constexpr char kRegistryKey[] = "KTRX70352846";
inline constexpr char kProfileName[] = "KTRX70352846";

// Display rules ("displayRules", "displayRule").
enum DisplayRule : int {
    RULE_SHOW_ALWAYS = 0,
    RULE_HIDE_ALWAYS = 1,
    RULE_SHOW_ONLY_WHEN_ONLINE = 2,
    RULE_HIDE_ONLY_WHEN_OFFLINE = 3,
};

// The "_Default" section: global settings and the defaults contacts follow.
namespace Default {

inline constexpr char kSection[] = "_Default";

inline constexpr BoolValue ClickThrough{"clickThrough", false};
inline constexpr BoolValue StartWithWindows{"StartWithWindows", true};
inline constexpr ColorValue OnlineBorderColor{"OnlineBorderColor", 0x0000C500};
inline constexpr ColorValue OfflineBorderColor{"OfflineBorderColor", 0x00808080};
inline constexpr ColorValue BusyBorderColor{"BusyBorderColor", 0x000000FF};
inline constexpr ColorValue AwayBorderColor{"AwayBorderColor", 0x00007FFF};
inline constexpr BoolValue HideBorder{"HideBorder", true};
inline constexpr ColorValue NameForegroundColor{"NameForegroundColor", 0x00000000};
inline constexpr ColorValue NameBackgroundColor{"NameBackgroundColor", 0x0000FFFF};
inline constexpr BoolValue NameTransparentBackground{"NameTransparentBackground", false};
inline constexpr BoolValue PlayOnlineSoundAlert{"PlayOnlineSoundAlert", true};
inline constexpr BoolValue PlayOfflineSoundAlert{"PlayOfflineSoundAlert", true};
inline constexpr BoolValue PlayChangeSoundAlert{"PlayChangeSoundAlert", false};
inline constexpr BoolValue UseDefaultOnlineSoundAlert{"UseDefaultOnlineSoundAlert", true};
inline constexpr BoolValue UseDefaultOfflineSoundAlert{"UseDefaultOfflineSoundAlert", true};
inline constexpr BoolValue UseDefaultChangeSoundAlert{"UseDefaultChangeSoundAlert", true};
inline constexpr StringValue CustomOnlineSoundAlert{"CustomOnlineSoundAlert", ""};
inline constexpr StringValue CustomOfflineSoundAlert{"CustomOfflineSoundAlert", ""};
inline constexpr StringValue CustomChangeSoundAlert{"CustomChangeSoundAlert", ""};
inline constexpr BoolValue UseSpeechOnline{"UseSpeechOnline", true};
inline constexpr BoolValue UseSpeechOffline{"UseSpeechOffline", true};
inline constexpr BoolValue UseSpeechChange{"UseSpeechChange", true};
// 1 says the name and the status; any other value the name alone.
inline constexpr IntValue SayNameOnly{"SayNameOnly", 1};
// Never held in memory: read each time it is needed.
inline constexpr IntValue DisplayRules{"displayRules", RULE_HIDE_ONLY_WHEN_OFFLINE};

} // namespace Default

// A contact's section, named by its sign-in name.
namespace Contact {

inline constexpr StringValue CustomName{"customName", ""};
inline constexpr StringValue PicFileName{"picFileName", "default.jpg"};
inline constexpr IntValue Transparency{"transparency", 100};
// Default: the next free placement slot.
inline constexpr PlacedIntValue Left{"left"};
inline constexpr PlacedIntValue Top{"top"};
inline constexpr IntValue SizeX{"sizeX", 74};
inline constexpr IntValue SizeY{"sizeY", 74};
inline constexpr BoolValue StayOnTop{"stayOnTop", true};
inline constexpr BoolValue ShowName{"showName", true};
inline constexpr BoolValue ShowStatusBorder{"showStatusBorder", true};
inline constexpr BoolValue ShowPhoto{"showPhoto", true};
inline constexpr BoolValue SoundAlertWhenOnline{"soundAlertWhenOnline", true};
inline constexpr BoolValue SoundAlertWhenOffline{"soundAlertWhenOffline", true};
inline constexpr BoolValue SoundAlertWhenStatusChanges{"soundAlertWhenStatusChanges", false};
inline constexpr BoolValue UseSpeechOnline{"UseSpeechOnline", true};
inline constexpr BoolValue UseSpeechOffline{"UseSpeechOffline", true};
inline constexpr BoolValue UseSpeechChange{"UseSpeechChange", true};
inline constexpr BoolValue UseDefaultSoundRules{"useDefaultSoundRules", true};
inline constexpr BoolValue UseDefaultSpeechRules{"useDefaultSpeechRules", true};
inline constexpr BoolValue UseDefaultDisplayRules{"useDefaultDisplayRules", true};
// Default: the current "_Default" "displayRules".
inline constexpr PlacedIntValue DisplayRule{"displayRule"};

} // namespace Contact

} // namespace Settings
