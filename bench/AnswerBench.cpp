// How soon Skylet's main window answers another process (a sent WM_NULL,
// each wait bounded) while the messenger simulator serves 1,000 unchanged
// contacts, while the messenger hangs at the object's creation and while it
// hangs in the middle of an enumeration; then whether Quit ends the program
// during that last hang. Alerts are switched off, so that no sound or speech
// holds the window. The simulator is started by COM, as the messenger is.
//   AnswerBench [Skylet.exe]      (the one built beside this benchmark by default)
#include "bench/BenchSupport.h"
#include "core/MessengerInterfaces.h"
#include "framework/ComPtr.h"
#include "framework/Handle.h"
#include "res/resource.h"
#include "tests/support/StartedProcess.h"

#include <olectl.h>
#include <sapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kContacts = 1000;
constexpr UINT kAnswerLimitMs = 5000;
constexpr DWORD kProbeEveryMs = 20;
constexpr DWORD kMeasureMs = 15000;
constexpr double kOwnComMs = 3000;
// 1,000 contacts take 9 to 14 s to read under Wine; far longer on a busy machine.
constexpr DWORD kStartMs = 600000;
const char kSkyletKey[] = "Software\\KTRX70352846";

bool WaitUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs)
{
    const DWORD dwStart = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        Sleep(kProbeEveryMs);
    }
    return true;
}

std::string FileText(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int LinesStarting(const std::string& strText, const std::string& strStart)
{
    int n = 0;
    for (size_t pos = 0; (pos = strText.find(strStart, pos)) != std::string::npos; ++pos)
        if (pos == 0 || strText[pos - 1] == '\n')
            ++n;
    return n;
}

// The contact file through a temporary file and a rename, so that a server
// never reads half of it.
void WriteContacts(const std::string& strPath, const char* pszDirective)
{
    const std::string strTemp = strPath + ".new";
    {
        std::ofstream file(strTemp, std::ios::binary | std::ios::trunc);
        if (pszDirective)
            file << pszDirective << "\r\n";
        for (int i = 0; i < kContacts; ++i)
            file << "answer" << i << "@example.com offline Contact number " << i << "\r\n";
    }
    MoveFileExA(strTemp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// No alert of any kind: the figures are the window's own.
void SwitchAlertsOff()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kSkyletKey);
    CRegKey defaults;
    defaults.Create(HKEY_CURRENT_USER, "Software\\KTRX70352846\\KTRX70352846\\_Default");
    for (const char* pszName :
         {"PlayOnlineSoundAlert", "PlayOfflineSoundAlert", "PlayChangeSoundAlert",
          "UseSpeechOnline", "UseSpeechOffline", "UseSpeechChange", "StartWithWindows"})
        defaults.SetDword(pszName, 0);
}

BOOL CALLBACK FindMainWindow(HWND hWnd, LPARAM lParam)
{
    auto* pFound = reinterpret_cast<std::pair<DWORD, HWND>*>(lParam);
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == pFound->first && GetDlgItem(hWnd, IDC_LOG)) {
        pFound->second = hWnd;
        return FALSE;
    }
    return TRUE;
}

class Skylet {
public:
    explicit Skylet(const std::string& strExe) : m_process("\"" + strExe + "\"") {}
    ~Skylet() { m_process.EndWithin(0); }

    bool Started() const { return m_process.Started(); }
    HWND MainWindow() const
    {
        std::pair<DWORD, HWND> found(m_process.Id(), nullptr);
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
        return found.second;
    }
    bool EndsWithin(DWORD dwTimeoutMs) const { return m_process.WaitForEnd(dwTimeoutMs); }

private:
    CStartedProcess m_process;
};

// Sends WM_NULL every few milliseconds for a while and prints how long each
// answer took.
void MeasureAnswers(const char* pszLabel, HWND hMain)
{
    std::vector<double> answers;
    int nUnanswered = 0;
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < kMeasureMs) {
        const double start = NowMs();
        DWORD_PTR result = 0;
        if (SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &result))
            answers.push_back(NowMs() - start);
        else
            ++nUnanswered;
        Sleep(kProbeEveryMs);
    }
    std::sort(answers.begin(), answers.end());
    std::printf("%s:\n", pszLabel);
    if (!answers.empty())
        std::printf("  answered %u: median %.1f ms, worst %.1f ms\n",
                    static_cast<unsigned>(answers.size()), answers[answers.size() / 2],
                    answers.back());
    if (nUnanswered)
        std::printf("  no answer in %u s: %d times\n", kAnswerLimitMs / 1000, nUnanswered);
    std::fflush(stdout);
}

// A picture of one white pixel, as a BMP file holds it.
CComPtr<IStream> OnePixelBitmap()
{
    const unsigned char bytes[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0,   54,  0,   0, 0,  40,
                                   0,   0,   0,  1, 0, 0, 0, 1, 0, 0,   0,   1,   0, 24, 0,
                                   0,   0,   0,  0, 4, 0, 0, 0, 0, 0,   0,   0,   0, 0,  0,
                                   0,   0,   0,  0, 0, 0, 0, 0, 0, 255, 255, 255, 0};
    CComPtr<IStream> pStream;
    if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, pStream.Put()))) {
        pStream->Write(bytes, sizeof(bytes), nullptr);
        const LARGE_INTEGER start = {};
        pStream->Seek(start, STREAM_SEEK_SET, nullptr);
    }
    return pStream;
}

// What the user-interface thread asks of COM for itself, a voice for an
// alert and a photo, while another thread of its process waits on the hung
// messenger: Wine's COM must not queue them behind that call. Each thread
// holds the block it shares; a thread still waiting at the end is left.
void MeasureOwnCom()
{
    struct Shared {
        CHandle hDone{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        double voiceMs = 0;
        double pictureMs = 0;
    };
    auto pShared = std::make_shared<Shared>();
    std::thread([] {
        CComInit com;
        CComPtr<IMessenger> pMessenger;
        CoCreateInstance(CLSID_Messenger, nullptr, CLSCTX_LOCAL_SERVER, IID_IMessenger,
                         pMessenger.PutVoid());
    }).detach();
    // Again and again while the creation waits; the slowest of each counts.
    std::thread([pShared] {
        CComInit com;
        const double begin = NowMs();
        while (NowMs() - begin < kOwnComMs) {
            double start = NowMs();
            CComPtr<ISpVoice> pVoice;
            CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_INPROC_SERVER, IID_ISpVoice,
                             pVoice.PutVoid());
            pShared->voiceMs = std::max(pShared->voiceMs, NowMs() - start);
            start = NowMs();
            CComPtr<IPicture> pPicture;
            const CComPtr<IStream> pBitmap = OnePixelBitmap();
            OleLoadPicture(pBitmap.Get(), 0, FALSE, IID_IPicture, pPicture.PutVoid());
            pShared->pictureMs = std::max(pShared->pictureMs, NowMs() - start);
        }
        SetEvent(pShared->hDone.Get());
    }).detach();
    if (WaitForSingleObject(pShared->hDone.Get(), kOwnComMs + kAnswerLimitMs) == WAIT_OBJECT_0)
        std::printf("  own COM meanwhile: a voice made in %.1f ms, a picture loaded in %.1f ms "
                    "at worst\n",
                    pShared->voiceMs, pShared->pictureMs);
    else
        std::printf("  own COM meanwhile: stuck for %u s\n", kAnswerLimitMs / 1000);
}

// A path of this machine as Wine's Z: drive shows it.
std::string WindowsPath(std::string strPath)
{
    std::replace(strPath.begin(), strPath.end(), '/', '\\');
    return "Z:" + strPath;
}

} // namespace

int main(int argc, char** argv)
{
    CComInit com;
    const std::string strExe = argc > 1 ? argv[1] : WindowsPath(SKYLET_EXE);
    SimulatorContactFile contacts("answer-bench.txt");
    const std::string strExchanges = contacts.Path() + ".exchanges.log";
    DeleteFileA(strExchanges.c_str());
    WriteContacts(contacts.Path(), nullptr);
    SwitchAlertsOff();

    std::printf("AnswerBench, %s: %s, %d contacts, probes every %lu ms for %lu s\n", BuildName(),
                strExe.c_str(), kContacts, kProbeEveryMs, kMeasureMs / 1000);
    Skylet skylet(strExe);
    HWND hMain = nullptr;
    if (!skylet.Started()
        || !WaitUntil([&] { return (hMain = skylet.MainWindow()) != nullptr; }, kStartMs)) {
        std::printf("Skylet did not start\n");
        return 1;
    }
    // The first poll has taken every contact once a later exchange is done.
    WaitUntil([&] { return LinesStarting(FileText(strExchanges), "done") >= 2; }, kStartMs);
    MeasureAnswers("polls of 1,000 unchanged contacts", hMain);

    struct Hang {
        const char* pszLabel;
        const char* pszDirective;
    };
    const Hang hangs[] = {{"messenger hung at the object's creation", "!hang create"},
                          {"messenger hung in the middle of an enumeration", "!hang item 300"}};
    for (const Hang& hang : hangs) {
        const int nHangs = LinesStarting(FileText(strExchanges), "hang");
        WriteContacts(contacts.Path(), hang.pszDirective);
        if (!WaitUntil([&] { return LinesStarting(FileText(strExchanges), "hang") > nHangs; },
                       60000)) {
            std::printf("%s: the messenger never hung\n", hang.pszLabel);
            continue;
        }
        MeasureAnswers(hang.pszLabel, hMain);
        MeasureOwnCom();
        if (&hang == &hangs[1]) {
            const double start = NowMs();
            PostMessageA(hMain, WM_COMMAND, ID_TRAY_QUIT, 0);
            if (skylet.EndsWithin(15000))
                std::printf("Quit during the hang: ended in %.0f ms\n", NowMs() - start);
            else
                std::printf("Quit during the hang: not ended in 15 s\n");
        }
        const int nDone = LinesStarting(FileText(strExchanges), "done");
        WriteContacts(contacts.Path(), nullptr);
        WaitUntil([&] { return LinesStarting(FileText(strExchanges), "done") > nDone; }, 20000);
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, kSkyletKey);
    return 0;
}
