#include "framework/Sound.h"

#include "framework/Seam.h"

#include <mmsystem.h>

namespace {

CSeam<PlaySoundHandler> g_handler([](const char* pszSound, HMODULE hModule, DWORD dwFlags) {
    return PlaySoundA(pszSound, hModule, dwFlags);
});

} // namespace

BOOL PlayWaveSound(const char* pszSound, HMODULE hModule, DWORD dwFlags)
{
    return g_handler(pszSound, hModule, dwFlags);
}

PlaySoundHandler SetPlaySoundHandler(PlaySoundHandler handler)
{
    return g_handler.Set(handler);
}
