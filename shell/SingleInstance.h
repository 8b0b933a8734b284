#pragma once

#include "framework/Handle.h"

// The one copy of the program that runs for the user in a session: a second
// one started by hand, or by Windows and by hand, would show every contact
// twice and play every alert twice.
class CSingleInstance {
public:
    // False when another copy of the program runs already.
    bool Claim();

private:
    CHandle m_hMutex;
};

// Asks the running copy to bring its log window up from the tray; false when
// none answers within a few seconds (it may still be starting).
bool ShowRunningCopy();

// The message by which a second start asks the running copy for its log window.
UINT ShowLogWindowMessage();
