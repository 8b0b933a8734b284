// The alerts of a contact record: sound, then speech, then the window's refresh.
#include "core/ContactRecord.h"

#include "alerts/SoundAlert.h"
#include "alerts/SpeechAlert.h"
#include "contactwnd/ContactWnd.h"

namespace {

bool SoundWanted(const CContactWnd& wnd, AlertEvent event)
{
    switch (event) {
    case AlertEvent::Online: return wnd.m_bSoundAlertWhenOnline;
    case AlertEvent::Offline: return wnd.m_bSoundAlertWhenOffline;
    case AlertEvent::StatusChange: break;
    }
    return wnd.m_bSoundAlertWhenStatusChanges;
}

bool SpeechWanted(const CContactWnd& wnd, AlertEvent event)
{
    switch (event) {
    case AlertEvent::Online: return wnd.m_bUseSpeechOnline;
    case AlertEvent::Offline: return wnd.m_bUseSpeechOffline;
    case AlertEvent::StatusChange: break;
    }
    return wnd.m_bUseSpeechChange;
}

} // namespace

void ContactRecord::NotifyStatus(bool onlyIfShown)
{
    if (!m_pWnd)
        return;
    if (AlertsConsidered(onlyIfShown, m_pWnd->m_nDisplayRule, m_nStatus)) {
        const AlertEvent event = AlertEventOf(m_nStatus);
        if (SoundWanted(*m_pWnd, event))
            PlayAlertSound(event);
        if (SpeechWanted(*m_pWnd, event))
            SpeakAlert(GetDisplayName(), m_nStatus);
    }
    m_pWnd->RepaintNow();
}
