#include "tests/unit/FakeVoice.h"

#include "tests/support/VoiceObject.h"

#include <sapi.h>

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
        ++m_fake.nLiveVoices;
        return CreateVoiceObject({&m_fake, OnSpeak, OnGone}, riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    static void OnSpeak(void* pContext, const wchar_t* pszText, DWORD dwFlags)
    {
        auto* pFake = static_cast<FakeVoice*>(pContext);
        pFake->spoken.push_back(pszText);
        pFake->dwLastFlags = dwFlags;
        if (pFake->onSpeak)
            pFake->onSpeak();
    }
    static void OnGone(void* pContext) { --static_cast<FakeVoice*>(pContext)->nLiveVoices; }

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
