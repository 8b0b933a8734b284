#include "app/SkyletApp.h"

#include "core/Liste.h"
#include "core/MessengerExchange.h"
#include "core/PollCycle.h"
#include "framework/CommandLine.h"
#include "framework/MessageBox.h"
#include "framework/OleObjectFactory.h"
#include "res/resource.h"
#include "settings/RegistryLayout.h"
#include "shell/SingleInstance.h"
#include "shell/SkyletDlg.h"

CSkyletApp theApp;

namespace {

// A messenger reads 1,000 contacts in 9 to 14 s under Wine; one that takes
// longer does not hold the main window back.
constexpr DWORD FIRST_POLL_LIMIT_MS = 30000;

} // namespace

BOOL CSkyletApp::InitInstance()
{
    SetRegistryKey(Settings::kRegistryKey);
    SetProfileName(Settings::kProfileName);
    SetDisplayName("Skylet");

    // Started by COM, the program serves its client, a copy for each client.
    // Started by the user, or with Windows, it runs once: a second start
    // shows the running copy's log window instead.
    const bool bStartedByCom = HasCommandLineOption(m_lpCmdLine, "Embedding")
                               || HasCommandLineOption(m_lpCmdLine, "Automation");
    if (!m_instance.Claim() && !bStartedByCom) {
        ShowRunningCopy();
        return FALSE;
    }

    if (!InitOle()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }

    if (bStartedByCom) {
        COleObjectFactory::RegisterAll();
        SetUserControl(false);
    } else {
        COleObjectFactory::UpdateRegistryAll();
    }

    CSkyletDlg dlg;
    m_pMainWnd = &dlg;
    {
        // Gone when the main window's loop returns: what the messenger
        // answers after that is dropped.
        CMessengerExchanges exchanges;
        FirstPoll(FIRST_POLL_LIMIT_MS);
        SetTimer(nullptr, 0, POLL_INTERVAL_MS, PollCycle);
        dlg.DoModal();
    }
    m_pMainWnd = nullptr;
    return FALSE;
}

int CSkyletApp::ExitInstance()
{
    // The windows and their pictures go while OLE is still up.
    theContacts.Vider();
    return CWinApp::ExitInstance();
}
