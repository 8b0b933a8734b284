#pragma once

#include <string>

// What an alert says: the display name, followed by " is <status>." only
// when the "SayNameOnly" setting is exactly 1.
std::string SpeechText(const std::string& strDisplayName, int nStatus, int nSayNameOnly);

// Speaks a contact's alert to its end through the user's default voice. No
// voice, or a voice that fails, says nothing and reports nothing.
void SpeakAlert(const std::string& strDisplayName, int nStatus);
