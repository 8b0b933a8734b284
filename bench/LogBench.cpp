// What appending one line to the status log costs, at the 10th line and at
// the 10,000th, against rewriting the whole text as the log was first written;
// with the log window hidden, as it mostly is, and shown. Rounds alternate
// hidden and shown windows, each round a fresh log.
#include "bench/BenchSupport.h"
#include "core/ContactStatus.h"
#include "core/StatusLog.h"
#include "res/resource.h"
#include "shell/SkyletDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 10000;
constexpr int kSample = 10; // lines timed together around each mark

struct LogRound {
    double earlyMs;   // a line, lines 1-10
    double lateMs;    // a line, lines 9,991-10,000
    double rewriteMs; // a line, rewriting the whole 10,000-line text
};

void Rewrite(HWND hLog, const std::string& strEntry)
{
    std::vector<char> text(GetWindowTextLengthA(hLog) + 1);
    GetWindowTextA(hLog, text.data(), static_cast<int>(text.size()));
    SetWindowTextA(hLog, (std::string(text.data()) + strEntry).c_str());
}

LogRound MeasureRound(bool bShown)
{
    LogRound round = {};
    CSkyletDlg dlg;
    if (!dlg.Create())
        return round;
    dlg.ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    HWND hLog = dlg.GetDlgItem(IDC_LOG);

    SYSTEMTIME time = {};
    time.wHour = 14;
    time.wMinute = 7;
    std::vector<double> appendMs(kLines + 1);
    for (int line = 1; line <= kLines; ++line) {
        const std::string entry =
            FormatLogEntry("Contact " + std::to_string(line), line % STATUS_COUNT, time);
        const double start = NowMs();
        AppendToLog(hLog, entry);
        appendMs[line] = NowMs() - start;
    }
    auto average = [&](int last) {
        double total = 0;
        for (int line = last - kSample + 1; line <= last; ++line)
            total += appendMs[line];
        return total / kSample;
    };
    round.earlyMs = average(kSample);
    round.lateMs = average(kLines);

    const std::string entry = FormatLogEntry("Contact rewrite", STATUS_AWAY, time);
    const double start = NowMs();
    for (int i = 0; i < kSample; ++i)
        Rewrite(hLog, entry);
    round.rewriteMs = (NowMs() - start) / kSample;
    return round;
}

struct Series {
    std::vector<double> early, late, rewrite, lateOverEarly, rewriteOverAppend;

    void Add(const LogRound& round)
    {
        early.push_back(round.earlyMs);
        late.push_back(round.lateMs);
        rewrite.push_back(round.rewriteMs);
        lateOverEarly.push_back(round.lateMs / round.earlyMs);
        rewriteOverAppend.push_back(round.rewriteMs / round.lateMs);
    }

    void Print(const char* pszWindow) const
    {
        std::printf("log window %s, %d lines a round\n", pszWindow, kLines);
        PrintSpread("append at lines 1-10, ms a line", early);
        PrintSpread("append at lines 9,991-10,000, ms a line", late);
        PrintSpread("late / early append", lateOverEarly);
        PrintSpread("rewriting the whole text instead, ms a line", rewrite);
        PrintSpread("rewrite / late append", rewriteOverAppend);
    }
};

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    BenchApp app("LogBench");
    Series hidden, shown;
    for (int round = 0; round < kBenchRounds; ++round) {
        hidden.Add(MeasureRound(false));
        shown.Add(MeasureRound(true));
    }
    hidden.Print("hidden");
    shown.Print("shown");
    return 0;
}
