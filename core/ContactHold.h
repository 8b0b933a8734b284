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
