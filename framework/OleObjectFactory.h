#pragma once

#include <objbase.h>

#include <string>

class CCmdTarget;

// The class object of one automation class. Every instance joins a
// process-wide list so that start-up can register or record them all.
class COleObjectFactory : public IClassFactory {
public:
    using CreateObject = CCmdTarget* (*)();

    // A multiple-instance class is registered for a single use: each client
    // that creates an object gets a fresh copy of the program.
    COleObjectFactory(const CLSID& clsid, CreateObject pfnCreate, bool bMultiInstance,
                      const char* pszProgId);
    virtual ~COleObjectFactory();

    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    // Makes every class object available to COM as running in this process.
    static void RegisterAll();
    static void RevokeAll();
    // Writes the ProgID and local-server entries of every class for this executable.
    static void UpdateRegistryAll();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

private:
    void UpdateRegistry(HKEY hClassesRoot, const std::string& strServerPath) const;

    CLSID m_clsid;
    CreateObject m_pfnCreate;
    bool m_bMultiInstance;
    const char* m_pszProgId;
    DWORD m_dwRegister = 0;
    COleObjectFactory* m_pNext;
};
