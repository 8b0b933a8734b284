#pragma once

#include "contactwnd/PhotoImage.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "framework/Dialog.h"
#include "framework/OwnedWindow.h"
#include "settings/ProfileSection.h"

#include <commctrl.h>

#include <string>

// The default window is the 64-pixel photo plus a 10-pixel margin: 74 x 74,
// and windows are placed 74 pixels apart.
inline constexpr int CONTACT_BASE_SIZE = 64;
inline constexpr int CONTACT_WND_MARGIN = 10;

// Default placement of new windows, process-wide: rows along the bottom of
// the work area, from the left, each row 74 pixels above the last.
extern int g_nNextWindowIndex;
extern int g_nCascadeTop;
extern bool g_bFirstPlacement;

// The free-standing desktop window of one contact, and the in-memory home
// of the contact's settings. Created visible by its constructor; its paint
// routine also shows or hides it by its display rule.
class CContactWnd : public CDialog {
public:
    explicit CContactWnd(ContactRecord* pContact);
    ~CContactWnd() override;

    // Also called directly after invalidating, since a hidden window gets no
    // paint messages and the display rule is applied here.
    void OnPaint();
    // Invalidates with erasing and paints at once: applies the display rule
    // and redraws, also while the window is hidden.
    void RepaintNow();
    // Redraws the whole window at once (a shown window only).
    void RedrawNow() { RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
    // The contact's registry section.
    Settings::ProfileSection Section() const;

    void ShowTooltip(POINT point);
    void HideTooltip();
    // The pointer has left, or a drag starts: hides the tooltip, gives the
    // mouse back and lets the tooltip show at the next coming.
    void DropTooltip();
    // Resizes to a percentage of the photo's natural size, plus the margin.
    void ResizeToPercent(int nPercent);
    void StartConversation();

    // The context menu, loaded afresh at each opening with the states of the
    // window's switches; the WM_RBUTTONDOWN handler, also run again by the
    // use-default commands.
    void ShowContextMenu(UINT nFlags, POINT point);

    // The insert-after window of every move: topmost or not by "stayOnTop",
    // and below the full-screen program it steps aside for while that
    // program's window exists.
    HWND InsertAfter() const
    {
        if (m_hSteppedAsideFor && ::IsWindow(m_hSteppedAsideFor))
            return m_hSteppedAsideFor;
        return m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
    }
    // SetWindowPos at the place of InsertAfter in the order. A program that
    // closed since it was stepped aside for is given up for the plain
    // place, so that the move is made all the same.
    bool Place(int x, int y, int cx, int cy, UINT nFlags);
    // Goes below a full-screen program in front of it, without a move or
    // activation, and stays there until StepBack.
    void StepAsideFor(HWND hFullScreen);
    // On top again, when it stepped aside.
    void StepBack();
    bool IsSteppedAside() const { return m_hSteppedAsideFor != nullptr; }
    // Puts a window aside back below its program when something (a show or
    // hide, which Wine answers by raising the window) has put it above.
    void KeepBelowProgram();

    bool m_bSoundAlertWhenOffline = true;
    bool m_bSoundAlertWhenOnline = true;
    bool m_bSoundAlertWhenStatusChanges = false;
    bool m_bUseSpeechOffline = true;
    bool m_bUseSpeechOnline = true;
    bool m_bUseSpeechChange = true;
    bool m_bUseDefaultSpeechRules = true;
    bool m_bUseDefaultDisplayRules = true;
    bool m_bUseDefaultSoundRules = true;
    int m_nDisplayRule = 3;
    bool m_bStayOnTop = true;
    bool m_bTooltipShown = false;
    bool m_bShowName = true;
    bool m_bShowStatusBorder = true;
    bool m_bShowPhoto = true;
    // The place the user chose, as stored: the window may stand elsewhere
    // for as long as that place is off the screen.
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nSizeX = 0;
    int m_nSizeY = 0;
    int m_nTransparency = 100;
    ContactRecord* m_pContact;
    int m_nMenuFlags = 0;
    POINT m_ptMenu = {0, 0};
    COwnedWindow m_hTooltip;
    TTTOOLINFOA m_toolInfo = {};
    CPhotoImage m_photo;

protected:
    const MessageMap* GetMessageMap() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

private:
    int OnCreate(CREATESTRUCTA* pCreate);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnMouseLeave();
    void OnNcLButtonDown(UINT nHitTest, POINT point);
    LRESULT OnEnterSizeMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanged(WINDOWPOS* pPos);
    LRESULT OnReposition(WPARAM wParam, LPARAM lParam);
    void OnDropFiles(HDROP hDrop);
    void OnSizeDefault();
    void OnSizePreset(UINT nId);

    // The context menu's rows of the message map, and its commands.
    const MessageMap* ContactMenuMap() const;
    void SetMenuStates(HMENU hMenu) const;
    void OnToggle(UINT nId);
    void OnDisplayRule(UINT nId);
    void OnUseDefaultDisplayRules();
    void OnUseDefaultAlerts(UINT nId);
    void FinishUseDefaultToggle(bool bUseDefault);

    // Commands that open a settings dialog; defined with the dialogs they
    // open (dialogs/ContactCommands.cpp).
    void OnSetCustomName();
    void OnProperties();
    void OnSetTransparency();

    void LoadSettings();
    void PlaceWindow();
    // Moves the window without storing the place: a move of the program's
    // own, to keep the window in view or to bring it back to its place.
    void KeepInView(int x, int y);
    void ApplyDisplayRule();
    void DrawName(HDC hDC, const RECT& client) const;
    void DrawStatusBorder(HDC hDC, const RECT& client) const;
    // Lets the system move the window with the pointer, as by its caption.
    void StartMoving(POINT point);
    std::string TooltipText() const;

    std::string m_strTooltipText;      // the tooltip shows it while it is up
    bool m_bMoving = false;            // the system's move loop runs for the window
    bool m_bKeepingInView = false;     // KeepInView moves the window
    bool m_bMade = false;              // OnInitDialog has placed the window
    HWND m_hSteppedAsideFor = nullptr; // the full-screen program it is below
};

// Every contact's window, in list order.
template <typename Visit>
void ForEachContactWindow(Visit visit)
{
    ForEachContact([&](ContactRecord* pRecord) {
        if (pRecord->m_pWnd)
            visit(*pRecord->m_pWnd);
    });
}

// Repaints every contact's window at once, which also applies its display
// rule and brings it back when it is lost off the desktop.
inline void RepaintContactWindows()
{
    ForEachContactWindow([](CContactWnd& wnd) { wnd.RepaintNow(); });
}
