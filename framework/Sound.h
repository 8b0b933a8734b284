#pragma once

#include <windows.h>

// Every sound of the program is played through here, so that a test can
// observe what plays. Same arguments and result as the system's PlaySoundA.
using PlaySoundHandler = BOOL (*)(const char* pszSound, HMODULE hModule, DWORD dwFlags);
BOOL PlayWaveSound(const char* pszSound, HMODULE hModule, DWORD dwFlags);

// Replaces how sounds are played; returns the previous handler. A null
// handler restores the system's PlaySoundA.
PlaySoundHandler SetPlaySoundHandler(PlaySoundHandler handler);
