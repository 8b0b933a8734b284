#include "dialogs/SpeechAlertsDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {

// The switch of each alert event, in the order of AlertEvent.
constexpr BOOL CDefaultSpeechAlertsDlg::*kEventSwitches[ALERT_EVENT_COUNT] = {
    &CDefaultSpeechAlertsDlg::m_bUseSpeechOnline, &CDefaultSpeechAlertsDlg::m_bUseSpeechOffline,
    &CDefaultSpeechAlertsDlg::m_bUseSpeechChange};

} // namespace

CDefaultSpeechAlertsDlg::CDefaultSpeechAlertsDlg() : CSettingsDialog(IDD_DEFAULT_SPEECH_ALERTS)
{
}

const MessageMap* CDefaultSpeechAlertsDlg::GetMessageMap() const
{
    static const MessageMap map(CSettingsDialog::GetMessageMap(),
                                {
                                    MapCommand<&CDefaultSpeechAlertsDlg::OnReset>(IDC_SPEECH_RESET),
                                });
    return &map;
}

void CDefaultSpeechAlertsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SPEECH_ONLINE, m_bUseSpeechOnline);
    DDX_Check(pDX, IDC_SPEECH_OFFLINE, m_bUseSpeechOffline);
    DDX_Check(pDX, IDC_SPEECH_CHANGE, m_bUseSpeechChange);
    DDX_Radio(pDX, IDC_SAY_NAME_ONLY, m_nSayNameOnly);
}

void CDefaultSpeechAlertsDlg::SetValues(const DefaultSettingsData& defaults)
{
    for (int i = 0; i < ALERT_EVENT_COUNT; ++i)
        this->*kEventSwitches[i] = defaults.*kEventDefaults[i].pSpeak;
    m_nSayNameOnly = defaults.SayNameOnly;
}

BOOL CDefaultSpeechAlertsDlg::SpeaksAt(int nEvent) const
{
    return this->*kEventSwitches[nEvent];
}

void CDefaultSpeechAlertsDlg::ResetValues()
{
    SetValues(DefaultSettingsData());
}
