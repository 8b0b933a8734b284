#include "alerts/SpeechAlert.h"

#include "core/ContactStatus.h"
#include "framework/AnsiText.h"
#include "framework/ComPtr.h"
#include "framework/MessageBox.h"
#include "settings/DefaultSettings.h"

#include <sapi.h>

namespace {

// In-process server, in-process handler or local server.
constexpr DWORD kVoiceContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

} // namespace

std::string SpeechText(const std::string& strDisplayName, int nStatus, int nSayNameOnly)
{
    if (nSayNameOnly != 1 || nStatus < 0 || nStatus >= STATUS_COUNT)
        return strDisplayName;
    return strDisplayName + " is " + StatusNames[nStatus] + ".";
}

void SpeakAlert(const std::string& strDisplayName, int nStatus)
{
    CComInit com;
    if (!com.Succeeded()) {
        AfxMessageBox("Speech Synthesis : Error to intiliaze COM", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CComPtr<ISpVoice> pVoice;
    if (FAILED(
            CoCreateInstance(CLSID_SpVoice, nullptr, kVoiceContext, IID_ISpVoice, pVoice.PutVoid()))
        || !pVoice)
        return;
    const std::wstring text =
        AnsiToWide(SpeechText(strDisplayName, nStatus, DefaultSettings.SayNameOnly));
    // Flags 0: the call returns when the sentence has been spoken.
    pVoice->Speak(text.c_str(), 0, nullptr);
}
