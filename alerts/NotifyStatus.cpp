// The alerts of a contact record: sound, then speech, then the window's refresh.
#include "core/ContactRecord.h"

#include "alerts/SoundAlert.h"
#include "alerts/SpeechAlert.h"
#include "contactwnd/ContactWnd.h"

namespace {

// The contact's own switches for each event, in the order of AlertEvent.
struct EventSwitches {
    bool CContactWnd::*pSound;
    bool CContactWnd::*pSpeech;
};

constexpr EventSwitches kEventSwitches[] = {
    {&CContactWnd::m_bSoundAlertWhenOnline, &CContactWnd::m_bUseSpeechOnline},
    {&CContactWnd::m_bSoundAlertWhenOffline, &CContactWnd::m_bUseSpeechOffline},
    {&CContactWnd::m_bSoundAlertWhenStatusChanges, &CContactWnd::m_bUseSpeechChange},
};

} // namespace

void ContactRecord::NotifyStatus(bool onlyIfShown)
{
    if (!m_pWnd)
        return;
    if (AlertsConsidered(onlyIfShown, m_pWnd->m_nDisplayRule, m_nStatus)) {
        const AlertEvent event = AlertEventOf(m_nStatus);
        const EventSwitches& switches = kEventSwitches[static_cast<int>(event)];
        // Both play to their end before the next step.
        if (m_pWnd->*switches.pSound)
            PlayAlertSound(event);
        if (m_pWnd->*switches.pSpeech)
            SpeakAlert(GetDisplayName(), m_nStatus);
    }
    m_pWnd->RepaintNow();
}
