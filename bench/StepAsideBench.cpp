// How soon a contact window that stays on top steps aside for a full-screen
// program that comes in front, and comes back on top when the program leaves
// full screen, in rounds: the main window's full-screen watch looks at the
// foreground every CFullScreenWatch::CHECK_MS, so the delay lies between the
// cost of one look and that interval plus it. One contact, from the
// messenger simulator; sounds are silenced.
//   StepAsideBench <full-screen program>   (tests/support/FullScreenWindow.exe,
//                                           by its Windows path)
#include "bench/BenchSupport.h"
#include "contactwnd/ContactWnd.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "shell/FullScreenWatch.h"
#include "shell/SkyletDlg.h"
#include "tests/support/StartedProcess.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kGiveUpMs = 30000;

// Dispatches this thread's messages, the watch's timer among them, until the
// condition holds; false when it does not within the limit.
bool DispatchUntil(const std::function<bool()>& condition)
{
    const double start = NowMs();
    while (!condition()) {
        if (NowMs() - start > kGiveUpMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

bool OnTop(HWND hWnd)
{
    return (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND ProgramWindow()
{
    return FindWindowA("SkyletTestFullScreen", nullptr);
}

struct RoundFigures {
    double stepAside, comeBack;
};

// One run of the program: started, in front over the whole screen, then
// out of full screen, then closed. False when a step does not come.
bool RunRound(const std::string& strProgram, HWND hContact, RoundFigures& figures)
{
    const CStartedProcess program("\"" + strProgram + "\"");
    if (!program.Started())
        return false;

    bool bDone = DispatchUntil([] {
        HWND hProgram = ProgramWindow();
        return hProgram && GetForegroundWindow() == hProgram;
    });
    double start = NowMs();
    bDone = bDone && DispatchUntil([&] { return !OnTop(hContact); });
    figures.stepAside = NowMs() - start;

    SetWindowPos(ProgramWindow(), nullptr, 300, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    start = NowMs();
    bDone = bDone && DispatchUntil([&] { return OnTop(hContact); });
    figures.comeBack = NowMs() - start;

    PostMessageA(ProgramWindow(), WM_CLOSE, 0, 0);
    bDone = bDone && DispatchUntil([&] { return !program.Running(); });
    if (!bDone)
        program.EndWithin(0);
    return bDone;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: StepAsideBench <full-screen program>\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    BenchApp app("StepAsideBench");
    SilenceSounds();
    CSkyletDlg dlg; // its timer runs the full-screen watch
    if (!dlg.Create())
        return 1;
    app.m_pMainWnd = &dlg;

    const SimulatorContactFile contactFile("skylet-stepasidebench-contacts.txt");
    std::ofstream(contactFile.Path(), std::ios::binary) << "bob@example.com online Bob\r\n";
    PollCycle(nullptr, 0, 0, 0);
    HWND hContact = nullptr;
    ForEachContactWindow([&](CContactWnd& wnd) { hContact = wnd.m_hWnd; });
    if (!hContact || !OnTop(hContact)) {
        std::printf("no contact window on top: is the messenger simulator registered here?\n");
        return 1;
    }

    std::vector<double> stepAsideMs, comeBackMs;
    for (int round = 0; round < kBenchRounds; ++round) {
        RoundFigures figures = {};
        if (!RunRound(argv[1], hContact, figures)) {
            std::printf("round %d: the program or the contact window did not follow\n", round);
            return 1;
        }
        stepAsideMs.push_back(figures.stepAside);
        comeBackMs.push_back(figures.comeBack);
    }
    std::printf("one contact window on top; the watch looks every %u ms\n",
                CFullScreenWatch::CHECK_MS);
    PrintSpread("steps aside after a full-screen program comes in front, ms", stepAsideMs);
    PrintSpread("comes back on top after it leaves full screen, ms", comeBackMs);
    std::fflush(stdout);

    theContacts.Vider();
    app.m_pMainWnd = nullptr;
    return 0;
}
