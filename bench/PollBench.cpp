// How long poll cycles take against the messenger simulator with 200 and with
// 1,000 contacts, each against the bare enumeration of the messenger's list:
// the first cycle (every contact new and online), a cycle with no change and
// one with every contact changed, in interleaved rounds. In each round, also
// where the time of a new and of a changed contact goes, each piece timed
// alone over every contact; and the private bytes that a contact window
// takes. Sounds are silenced; speech goes to whatever voice the prefix has
// (the benchmark prefix registers a stand-in that answers at once).
//   PollBench [contacts ...]      (200 and 1,000 by default)
#include "bench/BenchSupport.h"
#include "contactwnd/ContactWnd.h"
#include "contactwnd/LayeredWindow.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/MessengerExchange.h"
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

// The exchange alone, as the program runs it away from its windows.
double TimeEnumeration()
{
    return TimeMs([] { ReadMessengerContacts(); });
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

// The system's share of each contact window, in ms each: bare windows made
// where the contacts' windows stand, one after the other from none, as a
// first cycle makes them.
double MsEachBareWindow(const std::vector<RECT>& places)
{
    std::vector<std::unique_ptr<CBareContactWnd>> windows;
    const double ms = TimeMs([&] {
        for (const RECT& place : places) {
            windows.push_back(std::make_unique<CBareContactWnd>(place));
            windows.back()->Create();
        }
    });
    return ms / places.size();
}

std::vector<RECT> WindowPlaces()
{
    std::vector<RECT> places;
    ForEachContactWindow([&](CContactWnd& wnd) { places.push_back(wnd.GetWindowRect()); });
    return places;
}

// A record's repaint and its alerts without the repaint that they include,
// ms each, timed alone over every record.
struct PaintAndAlerts {
    double paint, alerts;
};

PaintAndAlerts MsEachPaintAndAlerts(const std::vector<ContactRecord*>& records, bool bFirstSighting)
{
    const double paint = MsEach(records, [](ContactRecord& r) { r.m_pWnd->RepaintNow(); });
    const double alerts =
        MsEach(records, [&](ContactRecord& r) { r.NotifyStatus(bFirstSighting); }) - paint;
    return {paint, alerts};
}

void RunRounds(const std::string& strPath, int nContacts, HWND hLog)
{
    // A first cycle outside the rounds stores every window's place, and
    // tells what the windows take of the private bytes.
    theContacts.Vider();
    WriteContacts(strPath, nContacts, "online");
    const SIZE_T privateBefore = CountProcessResources().privateBytes;
    PollCycle(nullptr, 0, 0, 0);
    const double privateBytesEach =
        double(CountProcessResources().privateBytes - privateBefore) / nContacts;

    std::vector<double> enumerationMs, firstMs, unchangedMs, changedMs;
    std::vector<double> firstRatio, unchangedRatio, changedRatio;
    std::vector<double> newEachMs, bareEachMs, paintEachMs, alertsEachMs, oursEachMs;
    std::vector<double> changedEachMs, repaintEachMs, changedAlertsEachMs, logEachMs,
        changedRestEachMs;
    for (int round = 0; round < kBenchRounds; ++round) {
        const std::vector<RECT> places = WindowPlaces();
        theContacts.Vider();
        // A log line costs more the longer the log is: every round's log
        // starts empty, so that the rounds measure the same.
        SetWindowTextA(hLog, "");
        WriteContacts(strPath, nContacts, "online");
        const double bare = MsEachBareWindow(places);
        const double enumerationFirst = TimeEnumeration();
        const double first = TimeCycle();
        // Where a new contact's time went: the system's window, the paint
        // and the alerts that the record gives it, and ours, the rest.
        const PaintAndAlerts newPieces = MsEachPaintAndAlerts(Records(), true);
        const double newEach = (first - enumerationFirst) / nContacts;

        const double enumerationUnchanged = TimeEnumeration();
        const double unchanged = TimeCycle();
        WriteContacts(strPath, nContacts, "away");
        const double enumerationChanged = TimeEnumeration();
        const double changed = TimeCycle();
        // Where a changed contact's time went: its repaint, its alerts, its
        // log line, and ours, the rest.
        const std::vector<ContactRecord*> records = Records();
        const PaintAndAlerts changedPieces = MsEachPaintAndAlerts(records, false);
        const double log = MsEach(records, [](ContactRecord& r) { AppendLogLine(&r); });
        const double changedEach = (changed - enumerationChanged) / nContacts;

        enumerationMs.insert(enumerationMs.end(),
                             {enumerationFirst, enumerationUnchanged, enumerationChanged});
        firstMs.push_back(first);
        unchangedMs.push_back(unchanged);
        changedMs.push_back(changed);
        firstRatio.push_back(first / enumerationFirst);
        unchangedRatio.push_back(unchanged / enumerationUnchanged);
        changedRatio.push_back(changed / enumerationChanged);
        newEachMs.push_back(newEach);
        bareEachMs.push_back(bare);
        paintEachMs.push_back(newPieces.paint);
        alertsEachMs.push_back(newPieces.alerts);
        oursEachMs.push_back(newEach - bare - newPieces.paint - newPieces.alerts);
        changedEachMs.push_back(changedEach);
        repaintEachMs.push_back(changedPieces.paint);
        changedAlertsEachMs.push_back(changedPieces.alerts);
        logEachMs.push_back(log);
        changedRestEachMs.push_back(changedEach - changedPieces.paint - changedPieces.alerts - log);
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
    std::printf("  a new contact beyond the enumeration, ms each:\n");
    PrintSpread("  in all", newEachMs);
    PrintSpread("  the system's window from the template, layered, placed and shown", bareEachMs);
    PrintSpread("  its paint", paintEachMs);
    PrintSpread("  its alerts", alertsEachMs);
    PrintSpread("  ours, the rest: the record, the window's settings, photo and placing",
                oursEachMs);
    std::printf("  a changed contact beyond the enumeration, ms each:\n");
    PrintSpread("  in all", changedEachMs);
    PrintSpread("  its repaint", repaintEachMs);
    PrintSpread("  its alerts", changedAlertsEachMs);
    PrintSpread("  its log line", logEachMs);
    PrintSpread("  ours, the rest: the record and the comparison", changedRestEachMs);
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
    // One contact's first cycle loads what every later one shares (the
    // voice, the layered window's and the photo's code), so that the private
    // bytes counted are the windows' own.
    PollCycle(nullptr, 0, 0, 0);
    theContacts.Vider();

    for (int nContacts : sizes)
        RunRounds(contactFile.Path(), nContacts, dlg.GetDlgItem(IDC_LOG));

    theContacts.Vider();
    app.m_pMainWnd = nullptr;
    return 0;
}
