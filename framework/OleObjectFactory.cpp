#include "framework/OleObjectFactory.h"

#include "framework/AnsiText.h"
#include "framework/CmdTarget.h"
#include "framework/RegKey.h"
#include "framework/WinApp.h"

namespace {

COleObjectFactory* g_pFirstFactory = nullptr;

std::string ClsidString(const CLSID& clsid)
{
    wchar_t text[40] = L"";
    int length = StringFromGUID2(clsid, text, 40);
    return WideToAnsi(text, length > 0 ? length - 1 : 0);
}

void SetKeyDefault(HKEY hParent, const std::string& strSubKey, const std::string& strValue)
{
    CRegKey key;
    if (key.Create(hParent, strSubKey.c_str(), KEY_WRITE) == ERROR_SUCCESS)
        key.SetString(nullptr, strValue);
}

} // namespace

COleObjectFactory::COleObjectFactory(const CLSID& clsid, CreateObject pfnCreate,
                                     bool bMultiInstance, const char* pszProgId)
    : m_clsid(clsid), m_pfnCreate(pfnCreate), m_bMultiInstance(bMultiInstance),
      m_pszProgId(pszProgId), m_pNext(g_pFirstFactory)
{
    g_pFirstFactory = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** ppLink = &g_pFirstFactory; *ppLink; ppLink = &(*ppLink)->m_pNext)
        if (*ppLink == this) {
            *ppLink = m_pNext;
            break;
        }
}

void COleObjectFactory::RegisterAll()
{
    for (COleObjectFactory* p = g_pFirstFactory; p; p = p->m_pNext)
        if (!p->m_dwRegister)
            CoRegisterClassObject(p->m_clsid, static_cast<IClassFactory*>(p), CLSCTX_LOCAL_SERVER,
                                  p->m_bMultiInstance ? REGCLS_SINGLEUSE : REGCLS_MULTIPLEUSE,
                                  &p->m_dwRegister);
}

void COleObjectFactory::RevokeAll()
{
    for (COleObjectFactory* p = g_pFirstFactory; p; p = p->m_pNext)
        if (p->m_dwRegister) {
            CoRevokeClassObject(p->m_dwRegister);
            p->m_dwRegister = 0;
        }
}

void COleObjectFactory::UpdateRegistryAll()
{
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;

    // Windows reads a per-user registration without administrator rights;
    // Wine's COM reads only the machine-wide one, which may be refused.
    CRegKey userClasses;
    if (userClasses.Create(HKEY_CURRENT_USER, "Software\\Classes", KEY_WRITE) == ERROR_SUCCESS)
        for (COleObjectFactory* p = g_pFirstFactory; p; p = p->m_pNext)
            p->UpdateRegistry(userClasses.Get(), path);
    for (COleObjectFactory* p = g_pFirstFactory; p; p = p->m_pNext)
        p->UpdateRegistry(HKEY_CLASSES_ROOT, path);
}

void COleObjectFactory::UpdateRegistry(HKEY hClassesRoot, const std::string& strServerPath) const
{
    const std::string clsid = ClsidString(m_clsid);
    const std::string clsidKey = "CLSID\\" + clsid;
    SetKeyDefault(hClassesRoot, m_pszProgId, m_pszProgId);
    SetKeyDefault(hClassesRoot, std::string(m_pszProgId) + "\\CLSID", clsid);
    SetKeyDefault(hClassesRoot, clsidKey, m_pszProgId);
    SetKeyDefault(hClassesRoot, clsidKey + "\\LocalServer32", strServerPath);
    SetKeyDefault(hClassesRoot, clsidKey + "\\ProgID", m_pszProgId);
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::CreateInstance(IUnknown* pOuter, REFIID riid,
                                                            void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (pOuter)
        return CLASS_E_NOAGGREGATION;
    CCmdTarget* pObject = m_pfnCreate();
    if (!pObject)
        return E_OUTOFMEMORY;
    HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

HRESULT STDMETHODCALLTYPE COleObjectFactory::LockServer(BOOL fLock)
{
    if (CWinApp* pApp = AfxGetApp()) {
        if (fLock)
            pApp->LockApp();
        else
            pApp->UnlockApp();
    }
    return S_OK;
}
