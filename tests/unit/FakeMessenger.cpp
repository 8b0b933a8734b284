#include "tests/unit/FakeMessenger.h"

#include <utility>

namespace {

// The whole text, any NUL in it included, as a messenger may send it.
BSTR Bstr(const std::wstring& strText)
{
    return SysAllocStringLen(strText.data(), static_cast<UINT>(strText.size()));
}

// IUnknown and an empty IDispatch for one fake interface, counted as live
// from creation to the last Release.
template <typename Interface>
class FakeObject : public Interface {
public:
    FakeObject(FakeMessenger& fake, const IID& iid) : m_fake(fake), m_iid(iid)
    {
        ++m_fake.nLiveObjects;
    }
    virtual ~FakeObject() { --m_fake.nLiveObjects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)
            || (IsEqualIID(riid, m_iid) && Answers(riid))) {
            *ppv = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRef; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG nRef = --m_nRef;
        if (nRef == 0)
            delete this;
        return nRef;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }

protected:
    virtual bool Answers(REFIID) const { return true; }
    FakeMessenger& m_fake;

private:
    const IID m_iid;
    ULONG m_nRef = 1;
};

class FakeContact : public FakeObject<IMessengerContact> {
public:
    FakeContact(FakeMessenger& fake, FakeMessenger::Contact contact, bool bAnswers,
                bool bSigninFails)
        : FakeObject(fake, IID_IMessengerContact), m_contact(std::move(contact)),
          m_bAnswers(bAnswers), m_bSigninFails(bSigninFails)
    {
    }

    HRESULT STDMETHODCALLTYPE get_FriendlyName(BSTR* pbstrName) override
    {
        *pbstrName = Bstr(m_contact.strFriendlyName);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Status(long* pnStatus) override
    {
        *pnStatus = m_contact.nStatusCode;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SigninName(BSTR* pbstrName) override
    {
        if (m_bSigninFails)
            return E_FAIL;
        *pbstrName = Bstr(m_contact.strSigninName);
        return S_OK;
    }

private:
    bool Answers(REFIID) const override { return m_bAnswers; }

    FakeMessenger::Contact m_contact;
    bool m_bAnswers;
    bool m_bSigninFails;
};

class FakeContacts : public FakeObject<IMessengerContacts> {
public:
    explicit FakeContacts(FakeMessenger& fake)
        : FakeObject(fake, IID_IMessengerContacts), m_contacts(fake.contacts)
    {
    }

    HRESULT STDMETHODCALLTYPE get_Count(long* pnCount) override
    {
        if (m_fake.failure == FakeMessenger::Failure::Count)
            return E_FAIL;
        *pnCount = static_cast<long>(m_contacts.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Item(long nIndex, IDispatch** ppContact) override
    {
        *ppContact = nullptr;
        if (m_fake.onItem)
            m_fake.onItem(nIndex);
        if (nIndex < 0 || nIndex >= static_cast<long>(m_contacts.size()))
            return E_INVALIDARG;
        const bool bFailing = nIndex == m_fake.nFailIndex;
        using Failure = FakeMessenger::Failure;
        if (bFailing && m_fake.failure == Failure::Item)
            return E_FAIL;
        if (bFailing && m_fake.failure == Failure::NullItem)
            return S_OK;
        *ppContact = new FakeContact(m_fake, m_contacts[nIndex],
                                     !(bFailing && m_fake.failure == Failure::NoContact),
                                     bFailing && m_fake.failure == Failure::SigninName);
        return S_OK;
    }

private:
    bool Answers(REFIID) const override
    {
        return m_fake.failure != FakeMessenger::Failure::NoCollection;
    }

    std::vector<FakeMessenger::Contact> m_contacts; // the list as it was when asked for
};

class FakeMessengerObject : public FakeObject<IMessenger> {
public:
    explicit FakeMessengerObject(FakeMessenger& fake) : FakeObject(fake, IID_IMessenger) {}

    HRESULT STDMETHODCALLTYPE InstantMessage(VARIANT vContact, IDispatch** ppWindow) override
    {
        *ppWindow = nullptr;
        m_fake.instantMessages.push_back(vContact.vt == VT_BSTR ? vContact.bstrVal
                                                                : L"(not a string)");
        return m_fake.hrInstantMessage;
    }
    HRESULT STDMETHODCALLTYPE get_MyContacts(IDispatch** ppContacts) override
    {
        *ppContacts = nullptr;
        switch (m_fake.failure) {
        case FakeMessenger::Failure::MyContacts: return E_FAIL;
        case FakeMessenger::Failure::NullContacts: return S_OK;
        default: *ppContacts = new FakeContacts(m_fake); return S_OK;
        }
    }
};

} // namespace

class FakeMessenger::Factory : public IClassFactory {
public:
    explicit Factory(FakeMessenger& fake) : m_fake(fake) {}
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
        ULONG nRef = --m_nRef;
        if (nRef == 0)
            delete this;
        return nRef;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (m_fake.failure == Failure::Create)
            return E_FAIL;
        ++m_fake.nMessengersCreated;
        auto* pMessenger = new FakeMessengerObject(m_fake);
        HRESULT hr = pMessenger->QueryInterface(riid, ppv);
        pMessenger->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    FakeMessenger& m_fake;
    ULONG m_nRef = 1;
};

FakeMessenger::FakeMessenger() : m_pFactory(new Factory(*this))
{
    CoRegisterClassObject(CLSID_Messenger, m_pFactory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                          &m_dwRegister);
}

FakeMessenger::~FakeMessenger()
{
    if (m_dwRegister)
        CoRevokeClassObject(m_dwRegister);
    m_pFactory->Release();
}

void FakeMessenger::Add(const std::wstring& strSigninName, long nStatusCode,
                        const std::wstring& strFriendlyName)
{
    contacts.push_back(
        {strSigninName, strFriendlyName.empty() ? strSigninName : strFriendlyName, nStatusCode});
}

void FakeMessenger::SetStatus(const std::wstring& strSigninName, long nStatusCode)
{
    for (Contact& contact : contacts)
        if (contact.strSigninName == strSigninName)
            contact.nStatusCode = nStatusCode;
}
