#include "tools/msgrsim/Server.h"

#include "tools/msgrsim/ContactFile.h"
#include "tools/msgrsim/MessengerObjects.h"

#include "framework/AnsiText.h"

#include <iostream>

namespace {

// A server that COM started but that gets no object within this time ends
// (a client may have given up, or its every CreateInstance failed).
constexpr UINT kIdleTimeoutMs = 30000;

// The messenger class object. It lives as long as the server runs, so its
// reference count is not kept.
class CMessengerFactory : public IClassFactory {
public:
    explicit CMessengerFactory(ITypeLib* pTypeLib) : m_pTypeLib(pTypeLib) {}

    CMessengerFactory(const CMessengerFactory&) = delete;
    CMessengerFactory& operator=(const CMessengerFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // Each new messenger serves the contact file as it reads now.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (pOuter)
            return CLASS_E_NOAGGREGATION;

        const std::string strContactFile = ContactFilePath();
        std::string strErrors;
        auto pData = std::make_shared<MessengerData>(m_source.Load(strContactFile, strErrors),
                                                     strContactFile);
        std::cerr << strErrors;
        if (pData->m_pList->m_failures.m_bHangCreate)
            HangWhileAsked(*pData, [](const FailurePlan& plan) { return plan.m_bHangCreate; });
        if (pData->m_pList->m_failures.m_bFailCreate)
            return E_FAIL;
        // The messenger's objects hold the library by a reference of their
        // own, whatever becomes of RunServer's.
        m_pTypeLib->AddRef();
        *pData->m_pTypeLib.Put() = m_pTypeLib;

        CMessenger* pMessenger = new CMessenger(std::move(pData));
        HRESULT hr = pMessenger->QueryInterface(riid, ppv);
        pMessenger->Release();
        return hr;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL bLock) override
    {
        if (bLock)
            CServerLifetime::Instance().Lock();
        else
            CServerLifetime::Instance().Unlock();
        return S_OK;
    }

private:
    ITypeLib* m_pTypeLib; // owned by RunServer
    ContactSource m_source;
};

void CALLBACK OnIdleTimeout(HWND, UINT, UINT_PTR, DWORD)
{
    CServerLifetime::Instance().EndIfNeverUsed();
}

// Set by "msgrsim stop" to end a server run with "/serve".
const char kStopEventName[] = "msgrsim.stop";

// COM delivers the clients' calls through this thread's messages; dispatches
// them until the server ends, or until the stop event is set when there is one.
void DispatchUntilEnd(HANDLE hStop)
{
    for (;;) {
        const DWORD nHandles = hStop ? 1 : 0;
        const DWORD result =
            MsgWaitForMultipleObjects(nHandles, &hStop, FALSE, INFINITE, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0 && hStop)
            return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return;
            DispatchMessageA(&msg);
        }
    }
}

} // namespace

CServerLifetime& CServerLifetime::Instance()
{
    static CServerLifetime lifetime;
    return lifetime;
}

void CServerLifetime::ObjectCreated()
{
    ++m_nHolds;
    m_bUsed = true;
}

void CServerLifetime::ObjectDestroyed()
{
    Drop();
}

void CServerLifetime::Lock()
{
    ++m_nHolds;
    m_bUsed = true;
}

void CServerLifetime::Unlock()
{
    Drop();
}

void CServerLifetime::EndIfNeverUsed()
{
    if (!m_bUsed)
        End();
}

void CServerLifetime::RevokeClassObject()
{
    if (m_dwRegister) {
        CoRevokeClassObject(m_dwRegister);
        m_dwRegister = 0;
    }
}

void CServerLifetime::Drop()
{
    // A client's LockServer(FALSE) without a LockServer(TRUE) must not
    // end the server under the objects of others.
    if (m_nHolds > 0 && --m_nHolds == 0)
        End();
}

void CServerLifetime::End()
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    RevokeClassObject();
    PostQuitMessage(0);
}

int RunServer(std::ostream& err, ServerLife life, const std::string& strReadyFile)
{
    CComInit com;
    if (!com.Succeeded()) {
        err << "msgrsim: CoInitialize failed\n";
        return 1;
    }
    // The type library is embedded in this program as resource 1.
    CComPtr<ITypeLib> pTypeLib;
    std::wstring strProgram = AnsiToWide(ThisProgramPath());
    HRESULT hr = LoadTypeLibEx(strProgram.c_str(), REGKIND_NONE, pTypeLib.Put());
    if (FAILED(hr)) {
        err << "msgrsim: cannot load the type library (0x" << std::hex << hr << ")\n";
        return 1;
    }

    CMessengerFactory factory(pTypeLib.Get());
    DWORD dwRegister = 0;
    hr = CoRegisterClassObject(CLSID_MessengerSimulator, &factory, CLSCTX_LOCAL_SERVER,
                               REGCLS_MULTIPLEUSE, &dwRegister);
    if (FAILED(hr)) {
        err << "msgrsim: CoRegisterClassObject failed (0x" << std::hex << hr << ")\n";
        return 1;
    }
    CServerLifetime& lifetime = CServerLifetime::Instance();
    lifetime.SetClassRegistration(dwRegister);
    if (life == ServerLife::UntilStopped) {
        // A hold of its own: the last client's release does not end it.
        lifetime.Lock();
        HANDLE hStop = CreateEventA(nullptr, FALSE, FALSE, kStopEventName);
        if (!strReadyFile.empty())
            WriteTextFile(strReadyFile, "");
        DispatchUntilEnd(hStop);
        if (hStop)
            CloseHandle(hStop);
    } else {
        UINT_PTR idleTimer = SetTimer(nullptr, 0, kIdleTimeoutMs, OnIdleTimeout);
        DispatchUntilEnd(nullptr);
        KillTimer(nullptr, idleTimer);
    }
    lifetime.RevokeClassObject();
    return 0;
}

bool StopServedServer()
{
    HANDLE hStop = OpenEventA(EVENT_MODIFY_STATE, FALSE, kStopEventName);
    if (!hStop)
        return false;
    SetEvent(hStop);
    CloseHandle(hStop);
    return true;
}
