#pragma once

#include <windows.h>

#include <string>

// Every registry value of the program with its default. Settings live under
// HKEY_CURRENT_USER\Software\KTRX70352846\KTRX70352846\<section>: the
// "_Default" section, and one section per contact named by its sign-in name.

namespace Settings {

// Each kind of value with the type of the field that holds it.
struct BoolValue {
    using Type = bool;
    const char* pszName;
    bool bDefault;
    constexpr Type Default() const { return bDefault; }
};

struct IntValue {
    using Type = int;
    const char* pszName;
    int nDefault;
    constexpr Type Default() const { return nDefault; }
};

struct ColorValue {
    using Type = COLORREF;
    const char* pszName;
    COLORREF crDefault;
    constexpr Type Default() const { return crDefault; }
};

struct StringValue {
    using Type = std::string;
    const char* pszName;
    const char* pszDefault;
    Type Default() const { return pszDefault; }
};

// A value whose default is decided where it is read.
struct PlacedIntValue {
    using Type = int;
    const char* pszName;
};

// Expands to one constant of the value of a row of the lists below.
#define SETTINGS_DECLARE_VALUE(field, Name, Kind, ...) inline constexpr Kind Name{__VA_ARGS__};

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
// Never held in memory// Never held in memory: read each time it is needed.
inline constexpr IntValue DisplayRules{"displayRules", RULE_HIDE_ONLY_WHEN_OFFLINE};

// The values held by DefaultSettings, each stated once, in the order they
// are read: the field of DefaultSettingsData, the constant, its kind, then
// the value's name and default. The struct, its loading and the commands
// that store a default are all derived from this list.
#define SETTINGS_DEFAULT_VALUES(X)                                                          \
    X(clickThrough, ClickThrough, BoolValue, "clickThrough", false)                         \
    X(OnlineBorderColor, OnlineBorderColor, ColorValue, "OnlineBorderColor", 0x0000C500)    \
    X(OfflineBorderColor, OfflineBorderColor, ColorValue, "OfflineBorderColor", 0x00808080) \
    X(BusyBorderColor, BusyBorderColor, ColorValue, "BusyBorderColor", 0x000000FF)          \
    X(AwayBorderColor, AwayBorderColor, ColorValue, "AwayBorderColor", 0x00007FFF)          \
    X(HideBorder, HideBorder, BoolValue, "HideBorder", true)                                \
    X(NameForegroundColor, NameForegroundColor, ColorValue, "NameForegroundColor",          \
      0x00000000)                                                                           \
    X(NameBackgroundColor, NameBackgroundColor, ColorValue, "NameBackgroundColor",          \
      0x0000FFFF)                                                                           \
    X(NameTransparentBackground, NameTransparentBackground, BoolValue,                      \
      "NameTransparentBackground", false)                                                   \
    X(PlayOnlineSoundAlert, PlayOnlineSoundAlert, BoolValue, "PlayOnlineSoundAlert", true)  \
    X(PlayOfflineSoundAlert, PlayOfflineSoundAlert, BoolValue, "PlayOfflineSoundAlert",     \
      true)                                                                                 \
    X(PlayChangeSoundAlert, PlayChangeSoundAlert, BoolValue, "PlayChangeSoundAlert", false) \
    X(UseDefaultOnlineSoundAlert, UseDefaultOnlineSoundAlert, BoolValue,                    \
      "UseDefaultOnlineSoundAlert", true)                                                   \
    X(UseDefaultOfflineSoundAlert, UseDefaultOfflineSoundAlert, BoolValue,                  \
      "UseDefaultOfflineSoundAlert", true)                                                  \
    X(UseDefaultChangeSoundAlert, UseDefaultChangeSoundAlert, BoolValue,                    \
      "UseDefaultChangeSoundAlert", true)                                                   \
    X(CustomOnlineSoundAlert, CustomOnlineSoundAlert, StringValue, "CustomOnlineSoundAlert", \
      "")                                                                                   \
    X(CustomOfflineSoundAlert, CustomOfflineSoundAlert, StringValue,                        \
      "CustomOfflineSoundAlert", "")                                                        \
    X(CustomChangeSoundAlert, CustomChangeSoundAlert, StringValue, "CustomChangeSoundAlert", \
      "")                                                                                   \
    X(UseSpeechOnline, UseSpeechOnline, BoolValue, "UseSpeechOnline", true)                 \
    X(UseSpeechOffline, UseSpeechOffline, BoolValue, "UseSpeechOffline", true)              \
    X(UseSpeechChange, UseSpeechChange, BoolValue, "UseSpeechChange", true)                 \
    /* 1 says the name and the status; any other value the name alone. */                  \
    X(SayNameOnly, SayNameOnly, IntValue, "SayNameOnly", 1)

SETTINGS_DEFAULT_VALUES(SETTINGS_DECLARE_VALUE)

} // namespace Default

// A contact's section, named by its sign-in name.
namespace Contact {

inline constexpr StringValue CustomName{"customName", ""};
inline constexpr StringValue PicFileName{"picFileName", "default.jpg"};
// Read by the window's constructor, before the others.
inline constexpr IntValue Transparency{"transparency", 100};

// The values held by a contact's window, each stated once, in the order the
// window reads them: the window's field, the constant, its kind, then the
// value's name and default. A placed value's default is decided at the
// read: the next free placement slot for "left" and "top", the current
// "_Default" "displayRules" for "displayRule".
#define SETTINGS_CONTACT_VALUES(X)                                                        \
    X(m_nLeft, Left, PlacedIntValue, "left")                                              \
    X(m_nTop, Top, PlacedIntValue, "top")                                                 \
    X(m_nSizeX, SizeX, IntValue, "sizeX", 74)                                             \
    X(m_nSizeY, SizeY, IntValue, "sizeY", 74)                                             \
    X(m_bStayOnTop, StayOnTop, BoolValue, "stayOnTop", true)                              \
    X(m_bShowName, ShowName, BoolValue, "showName", true)                                 \
    X(m_bShowStatusBorder, ShowStatusBorder, BoolValue, "showStatusBorder", true)         \
    X(m_bShowPhoto, ShowPhoto, BoolValue, "showPhoto", true)                              \
    X(m_bSoundAlertWhenOffline, SoundAlertWhenOffline, BoolValue, "soundAlertWhenOffline", \
      true)                                                                               \
    X(m_bSoundAlertWhenOnline, SoundAlertWhenOnline, BoolValue, "soundAlertWhenOnline",    \
      true)                                                                               \
    X(m_bSoundAlertWhenStatusChanges, SoundAlertWhenStatusChanges, BoolValue,             \
      "soundAlertWhenStatusChanges", false)                                               \
    X(m_bUseSpeechOnline, UseSpeechOnline, BoolValue, "UseSpeechOnline", true)            \
    X(m_bUseSpeechOffline, UseSpeechOffline, BoolValue, "UseSpeechOffline", true)         \
    X(m_bUseSpeechChange, UseSpeechChange, BoolValue, "UseSpeechChange", true)            \
    X(m_bUseDefaultSpeechRules, UseDefaultSpeechRules, BoolValue, "useDefaultSpeechRules", \
      true)                                                                               \
    X(m_bUseDefaultSoundRules, UseDefaultSoundRules, BoolValue, "useDefaultSoundRules",    \
      true)                                                                               \
    X(m_bUseDefaultDisplayRules, UseDefaultDisplayRules, BoolValue,                       \
      "useDefaultDisplayRules", true)                                                     \
    X(m_nDisplayRule, DisplayRule, PlacedIntValue, "displayRule")

SETTINGS_CONTACT_VALUES(SETTINGS_DECLARE_VALUE)

} // namespace Contact

} // namespace Settings
