// How long one poll cycle takes against the messenger simulator with 200 and
// with 1,000 contacts, with no change and with every contact changed, against
// the bare enumeration of the messenger's list alone: rounds of enumeration,
// unchanged cycle, enumeration, changed cycle, each round's ratios kept.
#include "bench/BenchSupport.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/PollCycle.h"
#include "shell/SkyletDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

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
    ForEachContact([&](ContactRecord*) { ++count; });
    return count;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    BenchApp app("PollBench");
    SilenceSounds();
    CSkyletDlg dlg; // the log of the changes
    if (!dlg.Create())
        return 1;
    app.m_pMainWnd = &dlg;

    const SimulatorContactFile contactFile("skylet-pollbench-contacts.txt");
    const std::string& path = contactFile.Path();

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
        const char* pszStatus = "online";
        WriteContacts(path, nContacts, pszStatus);
        const double first = TimeCycle();
        std::vector<double> unchangedMs, changedMs, enumerationMs;
        std::vector<double> unchangedRatio, changedRatio, changedOverUnchanged;
        for (int round = 0; round < kBenchRounds; ++round) {
            const double enumerationBefore = TimeEnumeration();
            const double unchanged = TimeCycle();
            pszStatus = pszStatus[0] == 'o' ? "away" : "online";
            WriteContacts(path, nContacts, pszStatus);
            const double enumerationAfter = TimeEnumeration();
            const double changed = TimeCycle();
            unchangedMs.push_back(unchanged);
            changedMs.push_back(changed);
            enumerationMs.push_back(enumerationBefore);
            enumerationMs.push_back(enumerationAfter);
            unchangedRatio.push_back(unchanged / enumerationBefore);
            changedRatio.push_back(changed / enumerationAfter);
            changedOverUnchanged.push_back(changed / unchanged);
        }
        std::printf("%d contacts (%d records), first cycle %.0f ms\n", nContacts, CountRecords(),
                    first);
        PrintSpread("enumeration alone, ms", enumerationMs);
        PrintSpread("cycle with no change, ms", unchangedMs);
        PrintSpread("cycle with every contact changed, ms", changedMs);
        PrintSpread("no change / enumeration", unchangedRatio);
        PrintSpread("changed / enumeration", changedRatio);
        PrintSpread("changed / no change", changedOverUnchanged);
    }

    theContacts.Vider();
    app.m_pMainWnd = nullptr;
    return 0;
}
