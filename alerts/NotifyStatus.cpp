// The alerts of a contact record: sound, then speech, then the window's refresh.
#include "core/ContactRecord.h"

#include "alerts/SoundAlert.h"
#include "alerts/SpeechAlert.h"
#include "contactwnd/AlertSwitches.h"
#include "contactwnd/ContactWnd.h"

void ContactRecord::NotifyStatus(bool onlyIfShown)
{
    if (!m_pWnd)
        return;
    if (AlertsConsidered(onlyIfShown, m_pWnd->m_nDisplayRule, m_nStatus)) {
        const AlertEvent event = AlertEventOf(m_nStatus);
        const int nEvent = static_cast<int>(event);
        // Both play to their end before the next step.
        if (m_pWnd->*kSoundSwitches.pEvents[nEvent])
            PlayAlertSound(event);
        if (m_pWnd->*kSpeechSwitches.pEvents[nEvent])
            SpeakAlert(GetDisplayName(), m_nStatus);
    }
    m_pWnd->RepaintNow();
}
