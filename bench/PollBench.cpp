// How long poll cycles take against the messenger simulator with 200 and with
// 1,000 contacts, each against the bare enumeration of the messenger's list:
// the first cycle (every contact new and online), a cycle with no change and
// one with every contact changed, in interleaved rounds. Then where the time
// of a new and of a changed contact goes, each piece timed alone over every
// contact, and the private bytes that a contact window takes. Sounds are
// silenced; speech goes to whatever voice the prefix has (the benchmark
// prefix registers a stand-in that answers at once).
//   PollBench [contacts ...]      (200 and 1,000 by default)
#include "bench/BenchSupport.h"
#include "contactwnd/ContactWnd.h"
#include "contactwnd/LayeredWindow.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/PollCycle.h"
#include "core/StatusLog.h"
#include "res/resource.h"
#include "shell/SkyletDlg.h"
#include "tests/support/ProcessCounts.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

void WriteContacts(const std::string& strPath, int nContacts, const char* pszStatus)
{
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < nContacts; ++i)
        file << "contact" << i << "@example.com " << pszStatus << " Contact number " << i << "\r\n";
}

double TimeMs(const std::function<void()>& run)
{
    const double start = NowMs();
    run();
    return NowMs() - start;
}

double TimeCycle()
{
    return TimeMs([] { PollCycle(nullptr, 0, 0, 0); });
}

double TimeEnumeration()
{
    return TimeMs([] {
        MessengerSession messenger;
        long nCount = 0;
        if (messenger.OpenContacts() && messenger.GetCount(nCount))
            for (long i = 0; i < nCount; ++i) {
                MessengerContactInfo contact;
                messenger.GetContact(i, contact);
            }
    });
}

std::vector<ContactRecord*> Records()
{
    std::vector<ContactRecord*> records;
    ForEachContact([&](ContactRecord* pRecord) { records.push_back(pRecord); });
    return records;
}

// Milliseconds per record of one piece of work done for every record.
double MsEach(const std::vector<ContactRecord*>& records,
              const std::function<void(ContactRecord&)>& piece)
{
    return TimeMs([&] {
               for (ContactRecord* pRecord : records)
                   piece(*pRecord);
           })
           / records.size();
}

// The system's share of a contact window: made from the same template,
// layered and placed on top before it shows, as a contact window is, with
// none of the contact window's own handling.
class CBareContactWnd : public CDialog {
public:
    explicit CBareContactWnd(const RECT& place) : CDialog(IDD_CONTACT), m_place(place) {}

protected:
    BOOL OnInitDialog() override
    {
        SetWindowLongA(m_hWnd, GWL_EXSTYLE, GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowTransparency(m_hWnd, 100);
        SetWindowPos(HWND_TOPMOST, m_place.left, m_place.top, m_place.right - m_place.left,
                     m_place.bottom - m_place.top, 0);
        return TRUE;
    }

private:
    RECT m_place;
};

// Where a new contact's time goes, with a list just filled by a first cycle.
void PrintNewContactSplit(double msEach)
{
    const std::vector<ContactRecord*> records = Records();
    // For each record a second window, made as the record makes its own, and
    // a bare one in the same place, one after the other so that both meet
    // the same moments of a busy machine.
    std::vector<std::unique_ptr<CContactWnd>> windows;
    std::vector<std::unique_ptr<CBareContactWnd>> bareWindows;
    double window = 0, bare = 0;
    for (ContactRecord* pRecord : records) {
        window += TimeMs([&] { windows.push_back(std::make_unique<CContactWnd>(pRecord)); });
        bare += TimeMs([&] {
            bareWindows.push_back(
                std::make_unique<CBareContactWnd>(pRecord->m_pWnd->GetWindowRect()));
            bareWindows.back()->Create();
        });
    }
    window /= records.size();
    bare /= records.size();
    // Their first paint, as the record gives its own.
    const double paint = TimeMs([&] {
                             for (auto& pWnd : windows)
                                 pWnd->RepaintNow();
                         })
                         / windows.size();
    windows.clear();
    bareWindows.clear();
    const double alerts = MsEach(records, [](ContactRecord& r) { r.NotifyStatus(true); })
                          - MsEach(records, [](ContactRecord& r) { r.m_pWnd->RepaintNow(); });
    std::printf("  a new contact beyond the enumeration, ms each: %.2f =\n"
                "    its window %.2f (the system's window from the template %.2f, the window's"
                " own settings, photo and placing %.2f)\n"
                "    + its first paint %.2f + its alerts %.2f + the rest %.2f\n",
                msEach, window, bare, window - bare, paint, alerts,
                msEach - window - paint - alerts);
}

// Where a changed contact's time goes, with every record just changed.
void PrintChangedContactSplit(double msEach)
{
    const std::vector<ContactRecord*> records = Records();
    const double alertsAndPaint = MsEach(records, [](ContactRecord& r) { r.NotifyStatus(false); });
    const double paint = MsEach(records, [](ContactRecord& r) { r.m_pWnd->RepaintNow(); });
    const double log = MsEach(records, [](ContactRecord& r) { AppendLogLine(&r); });
    std::printf("  a changed contact beyond the enumeration, ms each: %.2f =\n"
                "    its repaint %.2f + its alerts %.2f + its log line %.2f + the rest %.2f\n",
                msEach, paint, alertsAndPaint - paint, log, msEach - alertsAndPaint - log);
}

void RunRounds(const std::string& strPath, int nContacts)
{
    std::vector<double> enumerationMs, firstMs, unchangedMs, changedMs;
    std::vector<double> firstRatio, unchangedRatio, changedRatio;
    double privateBytesEach = 0;
    for (int round = 0; round < kBenchRounds; ++round) {
        theContacts.Vider();
        WriteContacts(strPath, nContacts, "online");
        const double enumerationFirst = TimeEnumeration();
        const SIZE_T privateBefore = CountProcessResources().privateBytes;
        const double first = TimeCycle();
        // The first round's: later rounds reuse the memory of the windows
        // that the last round freed.
        if (round == 0)
            privateBytesEach =
                double(CountProcessResources().privateBytes - privateBefore) / nContacts;
        const double enumerationUnchanged = TimeEnumeration();
        const double unchanged = TimeCycle();
        WriteContacts(strPath, nContacts, "away");
        const double enumerationChanged = TimeEnumeration();
        const double changed = TimeCycle();

        enumerationMs.insert(enumerationMs.end(),
                             {enumerationFirst, enumerationUnchanged, enumerationChanged});
        firstMs.push_back(first);
        unchangedMs.push_back(unchanged);
        changedMs.push_back(changed);
        firstRatio.push_back(first / enumerationFirst);
        unchangedRatio.push_back(unchanged / enumerationUnchanged);
        changedRatio.push_back(changed / enumerationChanged);
    }
    std::printf("%d contacts\n", nContacts);
    PrintSpread("enumeration alone, ms", enumerationMs);
    PrintSpread("first cycle, every contact new and online, ms", firstMs);
    PrintSpread("cycle with no change, ms", unchangedMs);
    PrintSpread("cycle with every contact changed, ms", changedMs);
    PrintSpread("first / enumeration", firstRatio);
    PrintSpread("no change / enumeration", unchangedRatio);
    PrintSpread("changed / enumeration", changedRatio);
    std::printf("  private bytes per contact window: %.0f\n", privateBytesEach);

    const double enumeration = Median(enumerationMs);
    theContacts.Vider();
    WriteContacts(strPath, nContacts, "online");
    PollCycle(nullptr, 0, 0, 0);
    PrintNewContactSplit((Median(firstMs) - enumeration) / nContacts);
    WriteContacts(strPath, nContacts, "away");
    PollCycle(nullptr, 0, 0, 0);
    PrintChangedContactSplit((Median(changedMs) - enumeration) / nContacts);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {200, 1000};

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

    // The simulator ends with its last object; a session held open keeps it
    // running, as the messenger client is, so no cycle pays for its start.
    WriteContacts(contactFile.Path(), 1, "online");
    MessengerSession keepAlive;
    if (!keepAlive.OpenContacts()) {
        std::printf("the messenger simulator is not registered in this prefix\n");
        return 1;
    }

    for (int nContacts : sizes)
        RunRounds(contactFile.Path(), nContacts);

    theContacts.Vider();
    app.m_pMainWnd = nullptr;
    return 0;
}
