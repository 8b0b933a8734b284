#include "alerts/SoundAlert.h"

#include "core/ContactStatus.h"
#include "framework/Handle.h"
#include "framework/Sound.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"

#include <mmsystem.h>

namespace {

// Where the default sound of each event comes from, in the order of AlertEvent.
struct DefaultSound {
    const char* pszOverrideFile; // a bare name: looked for in the current directory
    UINT nResource;
};

constexpr DefaultSound kDefaultSounds[ALERT_EVENT_COUNT] = {
    {"online.wav", IDR_WAVE_ONLINE},
    {"offline.wav", IDR_WAVE_OFFLINE},
    {"change.wav", IDR_WAVE_CHANGE},
};

// Opened and closed at once. A file that another program is still writing
// does not open, and the built-in sound plays instead of half a file.
bool CanOpenForReading(const char* pszPath)
{
    const CHandle file(CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
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
    const DefaultSound& sound = kDefaultSounds[static_cast<int>(event)];
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
    const EventDefaults& file = kEventDefaults[static_cast<int>(event)];
    const std::string& strCustomPath = DefaultSettings.*file.pCustomPath;
    if (DefaultSettings.*file.pUseDefault || strCustomPath.empty())
        PlayDefaultSound(event);
    else
        PlaySoundFile(strCustomPath);
}
