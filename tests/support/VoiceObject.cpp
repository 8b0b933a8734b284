#include "tests/support/VoiceObject.h"

#include <sapi.h>

#include <new>

namespace {

struct Voice {
    const void* const* pMethods;
    VoiceHandlers handlers;
    ULONG nRef;
};

ULONG STDMETHODCALLTYPE VoiceAddRef(Voice* pThis)
{
    return ++pThis->nRef;
}

ULONG STDMETHODCALLTYPE VoiceRelease(Voice* pThis)
{
    const ULONG nRef = --pThis->nRef;
    if (nRef == 0) {
        if (pThis->handlers.onGone)
            pThis->handlers.onGone(pThis->handlers.pContext);
        delete pThis;
    }
    return nRef;
}

HRESULT STDMETHODCALLTYPE VoiceQueryInterface(Voice* pThis, REFIID riid, void** ppv)
{
    const bool bKnown = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISpVoice);
    *ppv = bKnown ? pThis : nullptr;
    if (bKnown)
        VoiceAddRef(pThis);
    return bKnown ? S_OK : E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE VoiceSpeak(Voice* pThis, LPCWSTR pszText, DWORD dwFlags, ULONG*)
{
    pThis->handlers.onSpeak(pThis->handlers.pContext, pszText ? pszText : L"", dwFlags);
    return S_OK;
}

// Speak follows IUnknown's 3 methods, ISpNotifySource's 7, ISpEventSource's 3
// and 7 of ISpVoice's own.
struct VoiceMethods {
    VoiceMethods()
    {
        slots[0] = reinterpret_cast<const void*>(&VoiceQueryInterface);
        slots[1] = reinterpret_cast<const void*>(&VoiceAddRef);
        slots[2] = reinterpret_cast<const void*>(&VoiceRelease);
        slots[20] = reinterpret_cast<const void*>(&VoiceSpeak);
    }
    const void* slots[21] = {};
};

const VoiceMethods kVoiceMethods;

} // namespace

HRESULT CreateVoiceObject(const VoiceHandlers& handlers, REFIID riid, void** ppv)
{
    *ppv = nullptr;
    auto* pVoice = new (std::nothrow) Voice{kVoiceMethods.slots, handlers, 1};
    if (!pVoice)
        return E_OUTOFMEMORY;
    const HRESULT hr = VoiceQueryInterface(pVoice, riid, ppv);
    VoiceRelease(pVoice);
    return hr;
}
