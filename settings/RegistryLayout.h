#pragma once

#include <windows.h>

#include <string>

// Every registry value of the program with its default. Settings live under
// HKEY_CURRENT_USER\Software\KTRX70352846\KTRX70352846\<section>: the
// "_Default" section, and one section per contact named by its sign-in name.

namespace Settings {

// A value with its default; Type is that of the field that holds it.
// Booleans, numbers and colours are stored as numbers.
template <typename T, typename Default = T>
struct Value {
    using Type = T;
    const char* pszName;
    Default defaultValue;
};

using BoolValue = Value<bool>;
using IntValue = Value<int>;
using ColorValue = Value<COLORREF>;
using StringValue = Value<std::string, const char*>;

// A value whose default is decided where it is read.
struct PlacedIntValue {
    using Type = int;
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

inline constexpr BoolValue StartWithWindows{"StartWithWindows", true};
// Never held in memory: read each time it is needed.
inline constexpr IntValue DisplayRules{"displayRules", RULE_HIDE_ONLY_WHEN_OFFLINE};

// The values that DefaultSettings holds, each stated once, in the order
// they are read: the field and constant, the kind, the name, the default.
// DefaultSettingsData, its loading and every store of a default expand it.
#define SETTINGS_DEFAULT_VALUES(X)                                                                 \
    X(clickThrough, BoolValue, "clickThrough", false)                                              \
    X(OnlineBorderColor, ColorValue, "OnlineBorderColor", 0x0000C500)                              \
    X(OfflineBorderColor, ColorValue, "OfflineBorderColor", 0x00808080)                            \
    X(BusyBorderColor, ColorValue, "BusyBorderColor", 0x000000FF)                                  \
    X(AwayBorderColor, ColorValue, "AwayBorderColor", 0x00007FFF)                                  \
    X(HideBorder, BoolValue, "HideBorder", true)                                                   \
    X(NameForegroundColor, ColorValue, "NameForegroundColor", 0x00000000)                          \
    X(NameBackgroundColor, ColorValue, "NameBackgroundColor", 0x0000FFFF)                          \
    X(NameTransparentBackground, BoolValue, "NameTransparentBackground", false)                    \
    X(PlayOnlineSoundAlert, BoolValue, "PlayOnlineSoundAlert", true)                               \
    X(PlayOfflineSoundAlert, BoolValue, "PlayOfflineSoundAlert", true)                             \
    X(PlayChangeSoundAlert, BoolValue, "PlayChangeSoundAlert", false)                              \
    X(UseDefaultOnlineSoundAlert, BoolValue, "UseDefaultOnlineSoundAlert", true)                   \
    X(UseDefaultOfflineSoundAlert, BoolValue, "UseDefaultOfflineSoundAlert", true)                 \
    X(UseDefaultChangeSoundAlert, BoolValue, "UseDefaultChangeSoundAlert", true)                   \
    X(CustomOnlineSoundAlert, StringValue, "CustomOnlineSoundAlert", "")                           \
    X(CustomOfflineSoundAlert, StringValue, "CustomOfflineSoundAlert", "")                         \
    X(CustomChangeSoundAlert, StringValue, "CustomChangeSoundAlert", "")                           \
    X(UseSpeechOnline, BoolValue, "UseSpeechOnline", true)                                         \
    X(UseSpeechOffline, BoolValue, "UseSpeechOffline", true)                                       \
    X(UseSpeechChange, BoolValue, "UseSpeechChange", true)                                         \
    /* 1 says the name and the status; any other value the name alone. */                          \
    X(SayNameOnly, IntValue, "SayNameOnly", 1)

#define SETTINGS_DECLARE_VALUE(Name, Kind, ...) inline constexpr Kind Name{__VA_ARGS__};
SETTINGS_DEFAULT_VALUES(SETTINGS_DECLARE_VALUE)
#undef SETTINGS_DECLARE_VALUE

} // namespace Default

// A contact's section, named by its sign-in name.
namespace Contact {

inline constexpr StringValue CustomName{"customName", ""};
inline constexpr StringValue PicFileName{"picFileName", "default.jpg"};
// Read by the window's constructor, before the others.
inline constexpr IntValue Transparency{"transparency", 100};

// The values that a contact's window holds, each stated once, in the order
// the window reads them: the window's field, the kind, the name, the
// default. The window's fields, its loading and every store of one expand
// it. A placed value's default is decided at the read: the next free
// cell of the placement grid for "left" and "top", the current "_Default"
// "displayRules" for "displayRule".
#define SETTINGS_CONTACT_VALUES(X)                                                                 \
    X(m_nLeft, PlacedIntValue, "left")                                                             \
    X(m_nTop, PlacedIntValue, "top")                                                               \
    X(m_nSizeX, IntValue, "sizeX", 74)                                                             \
    X(m_nSizeY, IntValue, "sizeY", 74)                                                             \
    X(m_bStayOnTop, BoolValue, "stayOnTop", true)                                                  \
    X(m_bShowName, BoolValue, "showName", true)                                                    \
    X(m_bShowStatusBorder, BoolValue, "showStatusBorder", true)                                    \
    X(m_bShowPhoto, BoolValue, "showPhoto", true)                                                  \
    X(m_bSoundAlertWhenOffline, BoolValue, "soundAlertWhenOffline", true)                          \
    X(m_bSoundAlertWhenOnline, BoolValue, "soundAlertWhenOnline", true)                            \
    X(m_bSoundAlertWhenStatusChanges, BoolValue, "soundAlertWhenStatusChanges", false)             \
    X(m_bUseSpeechOnline, BoolValue, "UseSpeechOnline", true)                                      \
    X(m_bUseSpeechOffline, BoolValue, "UseSpeechOffline", true)                                    \
    X(m_bUseSpeechChange, BoolValue, "UseSpeechChange", true)                                      \
    X(m_bUseDefaultSpeechRules, BoolValue, "useDefaultSpeechRules", true)                          \
    X(m_bUseDefaultSoundRules, BoolValue, "useDefaultSoundRules", true)                            \
    X(m_bUseDefaultDisplayRules, BoolValue, "useDefaultDisplayRules", true)                        \
    X(m_nDisplayRule, PlacedIntValue, "displayRule")

} // namespace Contact

} // namespace Settings
