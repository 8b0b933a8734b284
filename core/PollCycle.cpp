#include "core/PollCycle.h"

#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/Messenger.h"
#include "core/StatusLog.h"

namespace {

// A modal loop entered during a cycle (a message box raised by an alert)
// dispatches the next tick; that tick is skipped.
bool g_bCycleRunning = false;

class CycleGuard {
public:
    CycleGuard() { g_bCycleRunning = true; }
    ~CycleGuard() { g_bCycleRunning = false; }
};

void TakeContact(const MessengerContactInfo& contact)
{
    const ContactStatus nStatus = MapMessengerStatus(contact.nStatusCode);
    ContactRecord* pRecord = FindContact(contact.strSigninName);
    if (!pRecord) {
        ContactRecord* pNew =
            new ContactRecord(contact.strSigninName, contact.strFriendlyName, nStatus);
        // The record's alerts may have run a command that moved the cursor:
        // go to the head only now, so the new record lands at position 2.
        theContacts.Premier();
        theContacts.InsererApres(pNew);
    } else if (pRecord->m_nStatus != nStatus) {
        pRecord->m_nStatus = nStatus;
        pRecord->NotifyStatus(false);
        AppendLogLine(pRecord);
    }
}

// Empties the list, or while a record is held puts it off. False when put off.
bool EmptyContacts()
{
    if (ContactHold::AnyHeld()) {
        PutOffEmptying::Remember();
        return false;
    }
    theContacts.Vider();
    PutOffEmptying::Forget();
    return true;
}

void RunCycle()
{
    // The contacts reported now belong after the emptying: none is taken
    // while it waits for the holds to end.
    if (PutOffEmptying::Pending() && !EmptyContacts())
        return;
    MessengerSession messenger;
    long nCount = 0;
    if (!messenger.OpenContacts() || !messenger.GetCount(nCount))
        return;
    if (nCount < 1)
        EmptyContacts();
    for (long i = 0; i < nCount; ++i) {
        MessengerContactInfo contact;
        if (messenger.GetContact(i, contact))
            TakeContact(contact);
    }
}

} // namespace

void CALLBACK PollCycle(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_bCycleRunning)
        return;
    CycleGuard guard;
    const CursorKeeper keeper(theContacts);
    try {
        RunCycle();
    } catch (...) {
        // Nothing may unwind into the message loop; the next tick tries again.
    }
}

ContactRecord* FindContact(const std::string& strSigninName)
{
    for (theContacts.Premier(); !theContacts.HorsListe(); theContacts.Suivant())
        if (theContacts.Info()->m_strSigninName == strSigninName)
            return theContacts.Info();
    return nullptr;
}
