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

// The grid of default places: square cells of 74 pixels on the primary
// work area, in rows from the screen's left edge (whatever the work area's
// left), the first row along the work area's bottom and each next one
// above the last. New windows and Reorganize both fill it.
namespace PlacementGrid {

inline constexpr int CELL_SIZE = CONTACT_BASE_SIZE + CONTACT_WND_MARGIN;

inline RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

inline int FirstRowTop(const RECT& work)
{
    return work.bottom - CELL_SIZE;
}

// The cell of column nColumn in the row whose top is nRowTop. One that
// would pass the work area's right edge is the first of the row above
// instead, and nColumn and nRowTop are changed to say so.
inline POINT Cell(int& nColumn, int& nRowTop, const RECT& work)
{
    if ((nColumn + 1) * CELL_SIZE > work.right) {
        nColumn = 0;
        nRowTop -= CELL_SIZE;
    }
    return {nColumn * CELL_SIZE, nRowTop};
}

} // namespace PlacementGrid

// The state of the grid for new windows, process-wide.
extern int g_nNextWindowIndex;
extern int g_nCascadeTop;
extern bool g_bFirstPlacement;

// Draws a name in the font, background mode and colours of the contacts'
// names: the windows' and the name colour dialog's sample alike.
void DrawContactName(HDC hDC, const std::string& strName, RECT rect, UINT nFormat, COLORREF crText,
                     COLORREF crBackground, bool bTransparentBackground);

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
    // Writes these settings fields to the contact's section, in this order,
    // each under the value the settings list pairs with it.
    template <typename... Fields>
    void StoreSettings(Fields... pFields) const;

    void ShowTooltip(POINT point);
    void HideTooltip();
    // The pointer has left, or a drag starts: hides the tooltip, gives the
    // mouse back and lets the tooltip show at the next coming.
    void DropTooltip();
    // Takes a place and size as the window's own: its fields and the
    // contact's values.
    void StorePlace(int x, int y, int cx, int cy);
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

    // The stored settings, one field for each value of the list in
    // settings/RegistryLayout.h, loaded at initialisation in its order;
    // "transparency" is read by the constructor. m_nLeft and m_nTop are the
    // place the user chose, as stored: the window may stand elsewhere for as
    // long as that place is off the screen.
#define CONTACT_SETTINGS_FIELD(field, Kind, ...) Settings::Kind::Type field{};
    SETTINGS_CONTACT_VALUES(CONTACT_SETTINGS_FIELD)
#undef CONTACT_SETTINGS_FIELD
    int m_nTransparency{};
    bool m_bTooltipShown = false;
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

// Each stored setting of a contact's window with the value that holds it,
// in the order the window reads them. visit(field, value).
inline constexpr auto ForEachContactSetting = [](auto visit) {
#define CONTACT_SETTINGS_VISIT(field, Kind, ...)                                                   \
    visit(&CContactWnd::field, Settings::Kind{__VA_ARGS__});
    SETTINGS_CONTACT_VALUES(CONTACT_SETTINGS_VISIT)
#undef CONTACT_SETTINGS_VISIT
};

template <typename... Fields>
void CContactWnd::StoreSettings(Fields... pFields) const
{
    const Settings::ProfileSection section = Section();
    (Settings::VisitValueOf(ForEachContactSetting, pFields,
                            [&](const auto& value) { section.Write(value, this->*pFields); }),
     ...);
}

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
