// How long one poll cycle takes against the messenger simulator with 200 and
// with 1,000 contacts: with no change, with every contact changed, and the
// bare enumeration of the messenger's list alone, in the same run.
#include "bench/BenchSupport.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/PollCycle.h"
#include "framework/RegKey.h"
#include "shell/SkyletDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

const char kSimulatorKey[] = "Software\\msgrsim";

void WriteContacts(const std::string& strPath, int nContacts, const char* pszStatus)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < nContacts; ++i)
        file << "contact" << i << "@example.com " << pszStatus << " Contact number " << i << "\r\n";
}

double TimeCycle()
{
    const double start = NowMs();
    PollCycle(nullptr, 0, 0, 0);
    return NowMs() - start;
}

double TimeEnumeration()
{
    const double start = NowMs();
    MessengerSession messenger;
    long nCount = 0;
    if (messenger.OpenContacts() && messenger.GetCount(nCount))
        for (long i = 0; i < nCount; ++i) {
            MessengerContactInfo contact;
            messenger.GetContact(i, contact);
        }
    return NowMs() - start;
}

int CountRecords()
{
    int count = 0;
    for (theContacts.Premier(); !theContacts.HorsListe(); theContacts.Suivant())
        ++count;
    return count;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    BenchApp app("PollBench");
    CSkyletDlg dlg; // the log of the changes
    if (!dlg.Create())
        return 1;
    app.m_pMainWnd = &dlg;

    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "skylet-pollbench-contacts.txt";
    CRegKey simulator;
    simulator.Create(HKEY_CURRENT_USER, kSimulatorKey);
    std::string previous;
    const bool bHadPrevious = simulator.QueryString("ContactFile", previous);
    simulator.SetString("ContactFile", path);

    // The simulator ends with its last object; a session held open keeps it
    // running, as the messenger client is, so no cycle pays for its start.
    WriteContacts(path, 1, "online");
    MessengerSession keepAlive;
    if (!keepAlive.OpenContacts()) {
        std::printf("the messenger simulator is not registered in this prefix\n");
        return 1;
    }

    for (int nContacts : {200, 1000}) {
        theContacts.Vider();
        WriteContacts(path, nContacts, "online");
        const double first = TimeCycle();
        const double unchanged = TimeCycle();
        WriteContacts(path, nContacts, "away");
        const double changed = TimeCycle();
        const double enumeration = TimeEnumeration();
        std::printf("%d contacts (%d records): first cycle %.0f ms, no change %.0f ms, "
                    "every contact changed %.0f ms, enumeration alone %.0f ms\n",
                    nContacts, CountRecords(), first, unchanged, changed, enumeration);
        std::printf("  no change / enumeration %.2f, changed / enumeration %.2f, "
                    "changed / no change %.2f\n",
                    unchanged / enumeration, changed / enumeration, changed / unchanged);
    }

    theContacts.Vider();
    app.m_pMainWnd = nullptr;
    if (bHadPrevious)
        simulator.SetString("ContactFile", previous);
    else
        simulator.DeleteValue("ContactFile");
    DeleteFileA(path.c_str());
    return 0;
}
