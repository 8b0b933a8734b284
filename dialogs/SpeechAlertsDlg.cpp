#include "dialogs/SpeechAlertsDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

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

void CDefaultSpeechAlertsDlg::ResetValues()
{
    m_bUseSpeechOnline = TRUE;
    m_bUseSpeechOffline = TRUE;
    m_bUseSpeechChange = TRUE;
    m_nSayNameOnly = 1;
}
