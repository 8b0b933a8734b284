// What appending one line to the status log costs, at the 10th line and at
// the 10,000th, against rewriting the whole text as the log was first written;
// with the log window hidden, as it mostly is, and shown.
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

void Rewrite(HWND hLog, const std::string& strEntry)
{
    std::vector<char> text(GetWindowTextLengthA(hLog) + 1);
    GetWindowTextA(hLog, text.data(), static_cast<int>(text.size()));
    SetWindowTextA(hLog, (std::string(text.data()) + strEntry).c_str());
}

void Measure(bool bShown)
{
    CSkyletDlg dlg;
    if (!dlg.Create())
        return;
    dlg.ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    HWND hLog = dlg.GetDlgItem(IDC_LOG);

    SYSTEMTIME time = {};
    time.wHour = 14;
    time.wMinute = 7;
    const int kLines = 10000;
    const int kSample = 10; // lines timed together around each mark
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
    const double early = average(10);
    const double late = average(kLines);
    std::printf("log window %s, %d lines, %d characters\n", bShown ? "shown" : "hidden", kLines,
                GetWindowTextLengthA(hLog));
    std::printf("  append: lines 1-10 %.3f ms a line, lines %d-%d %.3f ms a line, ratio %.2f\n",
                early, kLines - kSample + 1, kLines, late, late / early);

    const std::string entry = FormatLogEntry("Contact rewrite", STATUS_AWAY, time);
    const double start = NowMs();
    for (int i = 0; i < kSample; ++i)
        Rewrite(hLog, entry);
    const double rewrite = (NowMs() - start) / kSample;
    std::printf("  rewriting the whole text instead: %.3f ms a line (%.0f times an append)\n",
                rewrite, rewrite / late);
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    BenchApp app("LogBench");
    Measure(false);
    Measure(true);
    return 0;
}
