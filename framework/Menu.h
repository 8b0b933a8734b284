#pragma once

#include <windows.h>

#include <string>

// Owns one menu, loaded from the resources or created empty, and destroys
// it (with every popup inserted into it) when it goes.
class CMenu {
public:
    CMenu() = default;
    ~CMenu() { Destroy(); }

    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool Load(UINT nIdResource);
    bool CreatePopup();
    void Destroy();
    // Gives up ownership, for a popup that another menu now holds.
    HMENU Detach();

    HMENU Get() const { return m_hMenu; }
    explicit operator bool() const { return m_hMenu != nullptr; }

    HMENU GetSubMenu(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }

private:
    HMENU m_hMenu = nullptr;
};

// A text to show as it is in a menu item: each "&" doubled, so that none
// marks a mnemonic.
std::string MenuItemText(const std::string& strText);

// Tracks a popup menu in the system's modal menu loop; the chosen command
// reaches the owner as WM_COMMAND. Where the menu must be moved to fit on
// the screen, it is kept off the excluded rectangle, if one is given. Every
// popup menu of the program is tracked through here, so that a test can look
// at the built menu and choose for the user instead of blocking.
using PopupMenuHandler = BOOL (*)(HMENU hPopup, UINT nFlags, int x, int y, HWND hOwner,
                                  const RECT* pExclude);
BOOL TrackPopup(HMENU hPopup, UINT nFlags, int x, int y, HWND hOwner,
                const RECT* pExclude = nullptr);

// Replaces how popup menus are tracked; returns the previous handler. A null
// handler restores the system's menu loop.
PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler);
