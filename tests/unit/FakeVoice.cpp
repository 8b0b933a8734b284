#include "tests/unit/FakeVoice.h"

#include <sapi.h>

namespace {

// A voice object laid out as the system's: a table of methods, of which only
// IUnknown's and Speak are filled, since the alerts call nothing else.
struct Voice {
    const void* const* pMethods;
    FakeVoice* pFake;
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
        --pThis->pFake->nLiveVoices;
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
    pThis->pFake->spoken.push_back(pszText);
    pThis->pFake->dwLastFlags = dwFlags;
    if (pThis->pFake->onSpeak)
        pThis->pFake->onSpeak();
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

class FakeVoice::Factory final : public IClassFactory {
public:
    explicit Factory(FakeVoice& fake) : m_fake(fake) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        const bool bKnown = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory);
        *ppv = bKnown ? this : nullptr;
        return bKnown ? S_OK : E_NOINTERFACE; // lives as long as the FakeVoice
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** ppv) override
    {
        auto* pVoice = new Voice{kVoiceMethods.slots, &m_fake, 1};
        ++m_fake.nLiveVoices;
        const HRESULT hr = VoiceQueryInterface(pVoice, riid, ppv);
        VoiceRelease(pVoice);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    FakeVoice& m_fake;
};

FakeVoice::FakeVoice() : m_pFactory(new Factory(*this))
{
    CoRegisterClassObject(CLSID_SpVoice, m_pFactory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                          &m_dwRegister);
}

FakeVoice::~FakeVoice()
{
    if (m_dwRegister)
        CoRevokeClassObject(m_dwRegister);
    delete m_pFactory;
}
