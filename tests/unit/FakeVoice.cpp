#include "tests/unit/FakeVoice.h"

#include <sapi.h>

#include <array>

namespace {

// A voice object laid out as the system's: a table of methods, of which only
// IUnknown's and Speak are filled, since the alerts call nothing else.
struct Voice {
    const void* const* pMethods;
    FakeVoice* pFake;
    ULONG nRef;
};

HRESULT STDMETHODCALLTYPE VoiceQueryInterface(Voice* pThis, REFIID riid, void** ppv)
{
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ISpVoice)) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ++pThis->nRef;
    *ppv = pThis;
    return S_OK;
}

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

HRESULT STDMETHODCALLTYPE VoiceSpeak(Voice* pThis, LPCWSTR pszText, DWORD dwFlags, ULONG*)
{
    pThis->pFake->spoken.push_back(pszText ? pszText : L"");
    pThis->pFake->dwLastFlags = dwFlags;
    if (pThis->pFake->onSpeak)
        pThis->pFake->onSpeak();
    return S_OK;
}

// Speak follows IUnknown (3 slots), ISpNotifySource (7), ISpEventSource (3)
// and seven methods of ISpVoice.
constexpr int kSpeakSlot = 20;

const void* const* VoiceMethods()
{
    static const auto methods = [] {
        std::array<const void*, kSpeakSlot + 1> table = {};
        table[0] = reinterpret_cast<const void*>(&VoiceQueryInterface);
        table[1] = reinterpret_cast<const void*>(&VoiceAddRef);
        table[2] = reinterpret_cast<const void*>(&VoiceRelease);
        table[kSpeakSlot] = reinterpret_cast<const void*>(&VoiceSpeak);
        return table;
    }();
    return methods.data();
}

} // namespace

class FakeVoice::Factory : public IClassFactory {
public:
    explicit Factory(FakeVoice& fake) : m_fake(fake) {}
    virtual ~Factory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRef; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG nRef = --m_nRef;
        if (nRef == 0)
            delete this;
        return nRef;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** ppv) override
    {
        auto* pVoice = new Voice{VoiceMethods(), &m_fake, 1};
        ++m_fake.nLiveVoices;
        const HRESULT hr = VoiceQueryInterface(pVoice, riid, ppv);
        VoiceRelease(pVoice);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    FakeVoice& m_fake;
    ULONG m_nRef = 1;
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
    m_pFactory->Release();
}
