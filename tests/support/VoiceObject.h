#pragma once

#include <windows.h>

// A speech voice object laid out as the system's, for the test doubles of
// the voice: only IUnknown's methods and Speak are filled, since the alerts
// call nothing else.
struct VoiceHandlers {
    void* pContext;
    // Runs for every Speak, with its text and flags, before it returns S_OK.
    void (*onSpeak)(void* pContext, const wchar_t* pszText, DWORD dwFlags);
    // Runs when the last reference goes; may be null.
    void (*onGone)(void* pContext);
};

// A new voice answering IUnknown and ISpVoice, handed out through riid.
HRESULT CreateVoiceObject(const VoiceHandlers& handlers, REFIID riid, void** ppv);
