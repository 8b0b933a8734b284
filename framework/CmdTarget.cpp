#include "framework/CmdTarget.h"

HRESULT STDMETHODCALLTYPE CCmdTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)
        || IsEqualIID(riid, m_dispatchIid)) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CCmdTarget::AddRef()
{
    return static_cast<ULONG>(++m_nRef);
}

ULONG STDMETHODCALLTYPE CCmdTarget::Release()
{
    LONG nRef = --m_nRef;
    if (nRef == 0)
        OnFinalRelease();
    return static_cast<ULONG>(nRef);
}

HRESULT STDMETHODCALLTYPE CCmdTarget::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::GetIDsOfNames(REFIID, LPOLESTR*, UINT cNames, LCID,
                                                    DISPID* rgDispId)
{
    for (UINT i = 0; rgDispId && i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE CCmdTarget::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                             EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}
