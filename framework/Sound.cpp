#include "framework/Sound.h"

#include <mmsystem.h>

namespace {

BOOL SystemPlaySound(const char* pszSound, HMODULE hModule, DWORD dwFlags)
{
    return PlaySoundA(pszSound, hModule, dwFlags);
}

PlaySoundHandler g_handler = SystemPlaySound;

} // namespace

BOOL PlayWaveSound(const char* pszSound, HMODULE hModule, DWORD dwFlags)
{
    return g_handler(pszSound, hModule, dwFlags);
}

PlaySoundHandler SetPlaySoundHandler(PlaySoundHandler handler)
{
    PlaySoundHandler previous = g_handler;
    g_handler = handler ? handler : SystemPlaySound;
    return previous;
}
