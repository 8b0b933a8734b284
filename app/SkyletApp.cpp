#include "app/SkyletApp.h"

#include "core/Liste.h"
#include "core/PollCycle.h"
#include "framework/CommandLine.h"
#include "framework/MessageBox.h"
#include "framework/OleObjectFactory.h"
#include "res/resource.h"
#include "settings/RegistryLayout.h"
#include "shell/SkyletDlg.h"

CSkyletApp theApp;

BOOL CSkyletApp::InitInstance()
{
    const DWORD length = GetCurrentDirectoryA(sizeof(m_szStartDir), m_szStartDir);
    if (length == 0 || length >= sizeof(m_szStartDir))
        m_szStartDir[0] = '\0';

    SetRegistryKey(Settings::kRegistryKey);
    SetProfileName(Settings::kProfileName);
    SetDisplayName("Skylet");

    if (!InitOle()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }

    // Started by COM: serve the client, which decides when the program ends.
    if (HasCommandLineOption(m_lpCmdLine, "Embedding")
        || HasCommandLineOption(m_lpCmdLine, "Automation")) {
        COleObjectFactory::RegisterAll();
        SetUserControl(false);
    } else {
        COleObjectFactory::UpdateRegistryAll();
    }

    CSkyletDlg dlg;
    m_pMainWnd = &dlg;
    PollCycle(nullptr, 0, 0, 0);
    SetTimer(nullptr, 0, POLL_INTERVAL_MS, PollCycle);
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CSkyletApp::ExitInstance()
{
    // The windows and their pictures go while OLE is still up.
    theContacts.Vider();
    return CWinApp::ExitInstance();
}
