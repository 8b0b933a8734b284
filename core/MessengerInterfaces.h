#pragma once

#include <oaidl.h>

// The messenger client's automation interfaces, declared from their fixed
// vtable slots (0-2 IUnknown, 3-6 IDispatch). Slots this program never calls
// keep their place and answer E_NOTIMPL when a stand-in does not override them.

extern const CLSID CLSID_Messenger;
extern const IID IID_IMessenger;
extern const IID IID_IMessengerContacts;
extern const IID IID_IMessengerContact;

class IMessenger : public IDispatch {
public:
    virtual HRESULT STDMETHODCALLTYPE Slot7() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot8() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot9() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot10() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot11() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot12() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot13() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot14() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot15() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot16() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot17() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot18() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot19() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot20() { return E_NOTIMPL; }
    // Slot 21: opens a conversation window with the contact whose sign-in
    // name the VT_BSTR variant holds.
    virtual HRESULT STDMETHODCALLTYPE InstantMessage(VARIANT vContact, IDispatch** ppWindow) = 0;
    virtual HRESULT STDMETHODCALLTYPE Slot22() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot23() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot24() { return E_NOTIMPL; }
    virtual HRESULT STDMETHODCALLTYPE Slot25() { return E_NOTIMPL; }
    // Slot 26: the user's contact collection.
    virtual HRESULT STDMETHODCALLTYPE get_MyContacts(IDispatch** ppContacts) = 0;
};

class IMessengerContacts : public IDispatch {
public:
    // Slot 7.
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* pnCount) = 0;
    // Slot 8: the contact at an index from 0.
    virtual HRESULT STDMETHODCALLTYPE Item(long nIndex, IDispatch** ppContact) = 0;
};

class IMessengerContact : public IDispatch {
public:
    // Slot 7.
    virtual HRESULT STDMETHODCALLTYPE get_FriendlyName(BSTR* pbstrName) = 0;
    // Slot 8: the messenger's status code.
    virtual HRESULT STDMETHODCALLTYPE get_Status(long* pnStatus) = 0;
    // Slot 9.
    virtual HRESULT STDMETHODCALLTYPE get_SigninName(BSTR* pbstrName) = 0;
};
