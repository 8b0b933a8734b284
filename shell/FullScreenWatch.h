#pragma once

#include <windows.h>

// Contact windows that stay on top step aside for a full-screen program in
// front of them (a film, a game, a slide show): they go below it while it is
// in front and come back on top when it leaves the screen, closes or loses
// the foreground. Their "stay on top" setting is not changed.
class CFullScreenWatch {
public:
    // How often the foreground is looked at. Out-of-context window events
    // would tell at once on Windows, but Wine delivers none of them; a look
    // costs three calls and does nothing more while the foreground stays.
    static constexpr UINT CHECK_MS = 250;

    // Looks at the foreground window; the contact windows follow a change.
    void Check();

private:
    HWND m_hForeground = nullptr;
    RECT m_rcForeground = {};
};
