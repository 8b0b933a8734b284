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

std::wstring SpeechText(const std::string& strDisplayName, int nStatus, int nSayNameOnly)
{
    // Cut once converted: under a UTF-8 code page a character may take two
    // UTF-16 units, and the cut keeps them together.
    const std::wstring text = CutWideText(AnsiToWide(strDisplayName), kSpokenNameLength);
    if (nSayNameOnly != 1 || nStatus < 0 || nStatus >= STATUS_COUNT)
        return text;
    return text + L" is " + AnsiToWide(StatusNames[nStatus]) + L".";
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
    const std::wstring text = SpeechText(strDisplayName, nStatus, DefaultSettings.SayNameOnly);
    // Without SPF_ASYNC the call returns when the sentence has been spoken;
    // a text starting with "<" would otherwise be read as markup, which can
    // silence the voice for minutes or change its volume and rate.
    pVoice->Speak(text.c_str(), SPF_IS_NOT_XML, nullptr);
}
