#include "app/SkyletDlgAutoProxy.h"

#include "framework/OleObjectFactory.h"
#include "framework/WinApp.h"
#include "shell/SkyletDlg.h"

#include <new>

const CLSID CLSID_SkyletApplication = {
    0xcca7b049, 0x4158, 0x4d56, {0x91, 0x1c, 0xe2, 0xa6, 0x1a, 0xf4, 0x91, 0xb8}};

namespace {

// The dispatch interface the object answers to, besides IDispatch.
const IID IID_ISkylet = {
    0x8542ebd5, 0x5b7a, 0x4b0b, {0xb1, 0x99, 0x43, 0x45, 0xca, 0x4e, 0x71, 0xd5}};

CCmdTarget* CreateProxy()
{
    return new (std::nothrow) CSkyletDlgAutoProxy;
}

// Registered for a single use: each new client gets a copy of the program of its own.
COleObjectFactory g_factory(CLSID_SkyletApplication, CreateProxy, true, "Skylet.Application");

} // namespace

CSkyletDlgAutoProxy::CSkyletDlgAutoProxy()
{
    EnableAutomation(IID_ISkylet);
    CWinApp* pApp = AfxGetApp();
    pApp->LockApp();
    m_pDialog = static_cast<CSkyletDlg*>(pApp->m_pMainWnd);
    if (m_pDialog)
        m_pDialog->m_pAutoProxy = this;
}

CSkyletDlgAutoProxy::~CSkyletDlgAutoProxy()
{
    if (m_pDialog)
        m_pDialog->m_pAutoProxy = nullptr;
    AfxGetApp()->UnlockApp();
}
