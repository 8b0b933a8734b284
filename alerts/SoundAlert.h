#pragma once

#include "settings/DefaultSettings.h"

#include <string>

AlertEvent AlertEventOf(int nStatus);

// Plays the default sound of an event to its end: the event's override file
// ("online.wav", "offline.wav", "change.wav") when the current directory
// holds one, else the program's built-in sound.
void PlayDefaultSound(AlertEvent event);

// Plays a wave file by name to its end, without testing that it exists; for
// a file that does not play, the system plays its own default sound.
void PlaySoundFile(const std::string& strPath);

// The sound of an event's alert: its default sound, or its custom file when
// the event's use-default setting is off and a custom path is set.
void PlayAlertSound(AlertEvent event);
