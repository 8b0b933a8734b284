#include "core/PollCycle.h"

#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/MessengerExchange.h"
#include "core/StatusLog.h"

namespace {

// A poll is out from the start of its exchange until its result is wholly
// taken: taking it plays alerts, and a modal loop in them dispatches the
// next tick. A tick that comes meanwhile is skipped.
bool g_bPollOut = false;

class PollOut {
public:
    PollOut() = default;
    PollOut(const PollOut&) = delete;
    PollOut& operator=(const PollOut&) = delete;
    ~PollOut() { g_bPollOut = false; }
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

void TakeList(const MessengerContactList& list)
{
    // The contacts reported now belong after the emptying: none is taken
    // while it waits for the holds to end.
    if (PutOffEmptying::Pending() && !EmptyContacts())
        return;
    if (!list.bRead)
        return;
    if (list.nCount < 1)
        EmptyContacts();
    for (const MessengerContactInfo& contact : list.contacts)
        TakeContact(contact);
}

void TakePoll(const MessengerContactList& list, bool bFirst)
{
    const PollOut out;
    const CursorKeeper keeper(theContacts);
    try {
        TakeList(list);
        // The first poll's contacts come before the main window fills its
        // log from the list; when they come after it, they get the line
        // that the fill would have given them.
        if (bFirst)
            ForEachContact(AppendLogLine);
    } catch (...) {
        // Nothing may unwind into the message loop; the next tick tries again.
    }
}

void StartPoll(bool bFirst)
{
    if (g_bPollOut)
        return;
    g_bPollOut = true;
    RunMessengerExchange<MessengerContactList>(
        ReadMessengerContacts,
        [bFirst](const MessengerContactList& list) { TakePoll(list, bFirst); });
}

} // namespace

void CALLBACK PollCycle(HWND, UINT, UINT_PTR, DWORD)
{
    StartPoll(false);
}

void FirstPoll(DWORD dwLimitMs)
{
    StartPoll(true);
    const DWORD dwStart = GetTickCount();
    while (g_bPollOut) {
        const DWORD dwWaited = GetTickCount() - dwStart;
        if (dwWaited >= dwLimitMs)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, dwLimitMs - dwWaited, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

ContactRecord* FindContact(const std::string& strSigninName)
{
    for (theContacts.Premier(); !theContacts.HorsListe(); theContacts.Suivant())
        if (theContacts.Info()->m_strSigninName == strSigninName)
            return theContacts.Info();
    return nullptr;
}
