#include "core/Messenger.h"

#include "framework/AnsiText.h"

MessengerSession::MessengerSession()
{
    CoCreateInstance(CLSID_Messenger, nullptr, CLSCTX_LOCAL_SERVER, IID_IMessenger,
                     m_pMessenger.PutVoid());
}

HRESULT MessengerSession::InstantMessage(const std::string& strSigninName)
{
    if (!m_pMessenger)
        return E_POINTER;
    CBstr signinName(AnsiToWide(strSigninName));
    VARIANT contact;
    VariantInit(&contact);
    contact.vt = VT_BSTR;
    contact.bstrVal = signinName.Get();
    CComPtr<IDispatch> pWindow;
    return m_pMessenger->InstantMessage(contact, pWindow.Put());
}

bool MessengerSession::OpenContacts()
{
    if (!m_pMessenger)
        return false;
    CComPtr<IDispatch> pDispatch;
    if (FAILED(m_pMessenger->get_MyContacts(pDispatch.Put())) || !pDispatch)
        return false;
    return SUCCEEDED(pDispatch->QueryInterface(IID_IMessengerContacts, m_pContacts.PutVoid()))
           && m_pContacts;
}

bool MessengerSession::GetCount(long& nCount)
{
    return m_pContacts && SUCCEEDED(m_pContacts->get_Count(&nCount));
}

bool MessengerSession::GetContact(long nIndex, MessengerContactInfo& info)
{
    if (!m_pContacts)
        return false;
    CComPtr<IDispatch> pDispatch;
    if (FAILED(m_pContacts->Item(nIndex, pDispatch.Put())) || !pDispatch)
        return false;
    CComPtr<IMessengerContact> pContact;
    if (FAILED(pDispatch->QueryInterface(IID_IMessengerContact, pContact.PutVoid())) || !pContact)
        return false;
    pDispatch.Release();

    CBstr signinName, friendlyName;
    if (FAILED(pContact->get_SigninName(signinName.Put()))
        || FAILED(pContact->get_FriendlyName(friendlyName.Put()))
        || FAILED(pContact->get_Status(&info.nStatusCode)))
        return false;
    // Chosen on the other side of the network: plain text from here on.
    info.strSigninName = BstrToPlainAnsi(signinName.Get());
    info.strFriendlyName = BstrToPlainAnsi(friendlyName.Get());
    return true;
}
