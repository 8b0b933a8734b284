#pragma once

// Held by a command for as long as it uses a record across a modal loop (a
// dialog, a menu, a message box, the system's move loop), in which the poll
// timer keeps firing. While any hold exists, a poll cycle that would empty
// the contact list leaves it for a later tick, so no record is deleted under
// a command that holds one.
class ContactHold {
public:
    ContactHold() { ++s_nHolds; }
    ~ContactHold() { --s_nHolds; }

    ContactHold(const ContactHold&) = delete;
    ContactHold& operator=(const ContactHold&) = delete;

    static bool AnyHeld() { return s_nHolds > 0; }

private:
    static inline int s_nHolds = 0;
};

// An emptying of the contact list that a hold put off. The first poll cycle
// after the last hold ends carries it out before it takes any contact, so
// that what follows is what would have followed without the hold: the
// contacts that are gone lose their windows, and those reported again come
// back as new contacts.
class PutOffEmptying {
public:
    static bool Pending() { return s_bPending; }
    static void Remember() { s_bPending = true; }
    static void Forget() { s_bPending = false; }

private:
    static inline bool s_bPending = false;
};
