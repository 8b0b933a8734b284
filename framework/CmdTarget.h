#pragma once

#include <oaidl.h>

// Base of the objects served to automation clients: reference counted, and
// answering IUnknown, IDispatch and its class's own dispatch interface with
// a dispatch interface that has no members.
class CCmdTarget : public IDispatch {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;

    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                            LCID lcid, DISPID* rgDispId) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

protected:
    // The class's dispatch interface, answered besides IDispatch.
    void EnableAutomation(const IID& dispatchIid) { m_dispatchIid = dispatchIid; }
    // The last reference is gone.
    virtual void OnFinalRelease() { delete this; }

private:
    LONG m_nRef = 1; // the creator's reference
    IID m_dispatchIid = IID_IDispatch;
};
