#include "alerts/SoundAlert.h"

#include "core/ContactStatus.h"
#include "framework/Sound.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"

#include <mmsystem.h>

namespace {

struct DefaultSound {
    const char* pszOverrideFile; // a bare name: looked for in the current directory
    UINT nResource;
};

DefaultSound DefaultSoundOf(AlertEvent event)
{
    switch (event) {
    case AlertEvent::Online: return {"online.wav", IDR_WAVE_ONLINE};
    case AlertEvent::Offline: return {"offline.wav", IDR_WAVE_OFFLINE};
    case AlertEvent::StatusChange: break;
    }
    return {"change.wav", IDR_WAVE_CHANGE};
}

bool CanOpenForReading(const char* pszPath)
{
    HANDLE hFile = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(hFile);
    return true;
}

} // namespace

AlertEvent AlertEventOf(int nStatus)
{
    switch (nStatus) {
    case STATUS_ONLINE: return AlertEvent::Online;
    case STATUS_OFFLINE: return AlertEvent::Offline;
    default: return AlertEvent::StatusChange;
    }
}

void PlayDefaultSound(AlertEvent event)
{
    // Looked for at every alert, so that a file put there takes effect at the next one.
    const DefaultSound sound = DefaultSoundOf(event);
    if (CanOpenForReading(sound.pszOverrideFile))
        PlaySoundFile(sound.pszOverrideFile);
    else
        PlayWaveSound(MAKEINTRESOURCEA(sound.nResource), AfxGetResourceHandle(), SND_RESOURCE);
}

void PlaySoundFile(const std::string& strPath)
{
    PlayWaveSound(strPath.c_str(), nullptr, SND_FILENAME);
}

void PlayAlertSound(AlertEvent event)
{
    bool bUseDefault = DefaultSettings.UseDefaultChangeSoundAlert;
    const std::string* pCustomPath = &DefaultSettings.CustomChangeSoundAlert;
    if (event == AlertEvent::Online) {
        bUseDefault = DefaultSettings.UseDefaultOnlineSoundAlert;
        pCustomPath = &DefaultSettings.CustomOnlineSoundAlert;
    } else if (event == AlertEvent::Offline) {
        bUseDefault = DefaultSettings.UseDefaultOfflineSoundAlert;
        pCustomPath = &DefaultSettings.CustomOfflineSoundAlert;
    }
    if (bUseDefault || pCustomPath->empty())
        PlayDefaultSound(event);
    else
        PlaySoundFile(*pCustomPath);
}
