// A long run of poll cycles against the messenger simulator: 30 contacts whose
// statuses change at every cycle, and every 500 cycles a messenger that
// reports no contacts (every window destroyed, and made again at the next
// cycle). Alerts run with their sounds silenced, and speak through whatever
// voice the prefix has (the test and benchmark prefixes register a stand-in
// that answers at once). Prints the process's GDI and USER objects, handles
// and private bytes at the start, after the warm-up and every 1,000 cycles.
// With --check it exits with 1 when an object count is higher at the end than
// after the warm-up, the handles more than a few, or when the private bytes
// still grow in the second half of the run. Every line is flushed as it is
// written, and a non-zero exit says why.
//   SoakBench [cycles] [--check]      (10,000 cycles by default)
#include "bench/BenchSupport.h"
#include "core/ContactRecord.h"
#include "core/ContactStatus.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/PollCycle.h"
#include "tests/support/ProcessCounts.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kContacts = 30;
constexpr int kReportEvery = 1000;
constexpr int kEmptyEvery = 500;
constexpr int kEmptyAt = 60; // within each 500, so that a short run empties the list once
struct SoakStatus {
    const char* pszWord; // as the contact file says it
    long nCode;          // as the messenger reports it
};
const SoakStatus kStatuses[] = {{"online", 2}, {"away", 0x22}, {"offline", 1}, {"busy", 10}};

const SoakStatus& StatusAt(int nContact, int nCycle)
{
    return kStatuses[(nContact + nCycle) % 4];
}

// The cycles at which the messenger reports no contacts.
bool EmptiesTheList(int nCycle)
{
    return nCycle % kEmptyEvery == kEmptyAt;
}

// Every contact has another status than at the last cycle.
void WriteContacts(const std::string& strPath, int nCycle)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    if (EmptiesTheList(nCycle))
        return;
    for (int i = 0; i < kContacts; ++i)
        file << "soak" << i << "@example.com " << StatusAt(i, nCycle).pszWord << " Soak contact "
             << i << "\r\n";
}

// Whether the cycle took what it was given: every contact, each with its
// new status, or none when the list was emptied. A soak whose cycles take
// nothing measures nothing.
bool TookCycle(int nCycle)
{
    int nRecords = 0;
    bool bAllTaken = true;
    ForEachContact([&](const ContactRecord* pRecord) {
        int nContact = -1;
        std::sscanf(pRecord->m_strSigninName.c_str(), "soak%d@", &nContact);
        bAllTaken = bAllTaken && nContact >= 0 && nContact < kContacts
                    && pRecord->m_nStatus == MapMessengerStatus(StatusAt(nContact, nCycle).nCode);
        ++nRecords;
    });
    return bAllTaken && nRecords == (EmptiesTheList(nCycle) ? 0 : kContacts);
}

void Print(const char* pszWhen, int nCycle, const ProcessCounts& counts)
{
    std::printf("%-10s cycle %6d: GDI %5lu  USER %5lu  handles %5lu  private %8lu KB\n", pszWhen,
                nCycle, static_cast<unsigned long>(counts.gdiObjects),
                static_cast<unsigned long>(counts.userObjects),
                static_cast<unsigned long>(counts.handles),
                static_cast<unsigned long>(counts.privateBytes / 1024));
    std::fflush(stdout);
}

// Printed at once: a run that stops early still tells how far it came.
void Say(const char* pszLine)
{
    std::printf("%s\n", pszLine);
    std::fflush(stdout);
}

// The heap takes a few steps of its own in the first thousand cycles: the
// private bytes are compared from the middle of the run on, within a few
// pages. GDI and USER objects may not move at all after the warm-up. Wine's
// thread pool and COM open a few handles of their own when they first need
// them; a handle lost in a cycle would add one per contact and cycle.
constexpr SIZE_T kPrivateBytesSlack = 256 * 1024;
constexpr unsigned long kHandleSlack = 16;

bool Grew(const ProcessCounts& warm, const ProcessCounts& half, const ProcessCounts& after)
{
    bool bGrew = false;
    auto check = [&](const char* pszName, unsigned long nBefore, unsigned long nAfter,
                     unsigned long nSlack) {
        if (nAfter > nBefore + nSlack) {
            std::printf("%s grew from %lu to %lu\n", pszName, nBefore, nAfter);
            bGrew = true;
        }
    };
    check("GDI objects", warm.gdiObjects, after.gdiObjects, 0);
    check("USER objects", warm.userObjects, after.userObjects, 0);
    check("handles", warm.handles, after.handles, kHandleSlack);
    check("private bytes", static_cast<unsigned long>(half.privateBytes),
          static_cast<unsigned long>(after.privateBytes), kPrivateBytesSlack);
    return bGrew;
}

} // namespace

int main(int argc, char** argv)
{
    int nCycles = 10000;
    bool bCheck = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            bCheck = true;
        else
            nCycles = std::atoi(argv[i]);
    }
    const int nWarmUp = nCycles < 400 ? nCycles / 4 : 100;
    // Compared with the end, where the list is full: never a cycle that
    // emptied it.
    int nHalf = nCycles / 2;
    while (EmptiesTheList(nHalf))
        ++nHalf;
    std::printf("SoakBench: %d poll cycles of %d contacts%s\n", nCycles, kContacts,
                bCheck ? ", checking that nothing piles up" : "");
    std::fflush(stdout);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    BenchApp app("SoakBench");
    SilenceSounds();

    const SimulatorContactFile contactFile("skylet-soak-contacts.txt");
    const std::string& path = contactFile.Path();

    // The simulator keeps running, as a signed-in messenger does: each cycle
    // attaches to it instead of starting a new server process.
    WriteContacts(path, 0);
    int nExit = 1;
    {
        Say("starting the messenger simulator");
        const double started = NowMs();
        MessengerSession keepAlive;
        if (!keepAlive.HasMessenger()) {
            Say("failed: no messenger object (is the simulator registered in this prefix?)");
        } else if (!keepAlive.OpenContacts()) {
            Say("failed: the messenger simulator gave no contact list");
        } else {
            std::printf("the simulator answered in %.0f ms\n", NowMs() - started);
            Print("start", 0, CountProcessResources());
            ProcessCounts warm = {};
            ProcessCounts half = {};
            int nMissed = 0;
            for (int nCycle = 1; nCycle <= nCycles; ++nCycle) {
                WriteContacts(path, nCycle);
                PollCycle(nullptr, 0, 0, 0);
                if (!TookCycle(nCycle))
                    ++nMissed;
                if (nCycle == nWarmUp) {
                    warm = CountProcessResources();
                    Print("warmed up", nCycle, warm);
                }
                if (nCycle == nHalf)
                    half = CountProcessResources();
                if (nCycle % kReportEvery == 0 || nCycle == nCycles)
                    Print(nCycle == nCycles ? "end" : "", nCycle, CountProcessResources());
            }
            const bool bGrew = Grew(warm, half, CountProcessResources());
            if (nMissed)
                std::printf("%d of %d cycles did not take the contact list as written\n", nMissed,
                            nCycles);
            nExit = bCheck && (bGrew || nMissed) ? 1 : 0;
            if (bCheck && bGrew)
                Say("failed: the counts above grew over the run");
            if (bCheck && nMissed)
                Say("failed: cycles that take nothing prove nothing");
        }
    }

    theContacts.Vider();
    CoUninitialize();
    return nExit;
}
