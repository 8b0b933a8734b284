#pragma once

#include <string>

// At most this many UTF-16 units of the display name are spoken: about ten
// seconds of speech, since speaking holds the program until it ends.
inline constexpr size_t kSpokenNameLength = 130;

// What an alert says: the display name, cut to its first kSpokenNameLength
// units without splitting a character, followed by " is <status>." only when the "SayNameOnly"
// setting is exactly 1.
std::wstring SpeechText(const std::string& strDisplayName, int nStatus, int nSayNameOnly);

// Speaks a contact's alert to its end through the user's default voice, as
// plain text: markup in a name is said, never obeyed. No voice, or a voice
// that fails, says nothing and reports nothing.
void SpeakAlert(const std::string& strDisplayName, int nStatus);
