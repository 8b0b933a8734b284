#include "contactwnd/ContactWnd.h"

#include "contactwnd/FullScreenProgram.h"
#include "contactwnd/LayeredWindow.h"
#include "core/ContactHold.h"
#include "core/ContactRecord.h"
#include "core/DisplayRule.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileSection.h"

#include <type_traits>

int g_nNextWindowIndex = 0;
int g_nCascadeTop = 0;
bool g_bFirstPlacement = true;

namespace {

constexpr int kBorderWidth = 3;

COLORREF BorderColor(int nStatus)
{
    switch (nStatus) {
    case STATUS_ONLINE: return DefaultSettings.OnlineBorderColor;
    case STATUS_BUSY: return DefaultSettings.BusyBorderColor;
    case STATUS_OFFLINE: return DefaultSettings.OfflineBorderColor;
    default: return DefaultSettings.AwayBorderColor;
    }
}

} // namespace

void DrawContactName(HDC hDC, const std::string& strName, RECT rect, UINT nFormat, COLORREF crText,
                     COLORREF crBackground, bool bTransparentBackground)
{
    CFontHandle font(CreatePointFont(90, "MS Sans Serif", hDC));
    CSelectObject selectFont(hDC, font.Get());
    SetBkMode(hDC, bTransparentBackground ? TRANSPARENT : OPAQUE);
    SetBkColor(hDC, crBackground);
    SetTextColor(hDC, crText);
    DrawTextA(hDC, strName.c_str(), static_cast<int>(strName.size()), &rect, nFormat);
}

CContactWnd::CContactWnd(ContactRecord* pContact) : CDialog(IDD_CONTACT), m_pContact(pContact)
{
    if (!m_photo.LoadFromFile(m_pContact->m_strPicFileName))
        m_photo.LoadFromResource(IDR_DEFAULT_PHOTO);
    m_bTooltipShown = false;
    m_nTransparency = Section().Read(Settings::Contact::Transparency);
    ++g_nNextWindowIndex;
    Create();
}

CContactWnd::~CContactWnd()
{
    --g_nNextWindowIndex;
    m_photo.Free();
    m_hTooltip.Reset();
    DestroyWindow();
}

const MessageMap* CContactWnd::GetMessageMap() const
{
    static const MessageMap map(
        ContactMenuMap(), // the context menu's rows come after these
        {
            MapMessage<&CContactWnd::OnPaint>(WM_PAINT),
            MapMessage<&CContactWnd::OnSize>(WM_SIZE),
            MapMessage<&CContactWnd::OnCreate>(WM_CREATE),
            MapMessage<&CContactWnd::OnLButtonDown>(WM_LBUTTONDOWN),
            MapMessage<&CContactWnd::OnLButtonDblClk>(WM_LBUTTONDBLCLK),
            MapMessage<&CContactWnd::OnWindowPosChanged>(WM_WINDOWPOSCHANGED),
            MapMessage<&CContactWnd::OnReposition>(DM_REPOSITION),
            MapMessage<&CContactWnd::OnMouseMove>(WM_MOUSEMOVE),
            MapMessage<&CContactWnd::OnMouseLeave>(WM_MOUSELEAVE),
            MapMessage<&CContactWnd::OnNcLButtonDown>(WM_NCLBUTTONDOWN),
            MapMessage<&CContactWnd::OnEnterSizeMove>(WM_ENTERSIZEMOVE),
            MapMessage<&CContactWnd::OnExitSizeMove>(WM_EXITSIZEMOVE),
            MapMessage<&CContactWnd::OnTimer>(WM_TIMER),
            MapMessage<&CContactWnd::OnDropFiles>(WM_DROPFILES),
            MapCommand<&CContactWnd::OnSizeDefault>(ID_SIZE_DEFAULT),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_100),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_75),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_66),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_50),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_33),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_25),
            MapCommand<&CContactWnd::OnSizePreset>(ID_SIZE_10),
        });
    return &map;
}

LRESULT CContactWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A handler may enter a modal loop (the system's move loop, a message
    // box) in which a poll cycle runs; it must not delete this window then.
    ContactHold hold;
    return CDialog::WindowProc(message, wParam, lParam);
}

int CContactWnd::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    LONG exStyle = GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED;
    if (DefaultSettings.clickThrough)
        exStyle |= WS_EX_TRANSPARENT;
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle);
    SetWindowTransparency(m_hWnd, m_nTransparency);
    return 0;
}

BOOL CContactWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadSettings();
    // Made while a full-screen program is in front on its monitor, the
    // window goes right below it, shown without activation: it takes
    // neither the foreground nor the program's place. Shown already and
    // given no focus, it is neither shown nor focused again by the dialog
    // manager.
    const RECT place = {m_nLeft, m_nTop, m_nLeft + m_nSizeX, m_nTop + m_nSizeY};
    m_hSteppedAsideFor = FullScreenForegroundOn(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST));
    PlaceWindow();
    m_bMade = true;
    return m_hSteppedAsideFor ? FALSE : TRUE;
}

void CContactWnd::LoadSettings()
{
    const RECT work = PlacementGrid::WorkArea();
    if (g_bFirstPlacement) {
        g_nCascadeTop = PlacementGrid::FirstRowTop(work);
        g_bFirstPlacement = false;
    }
    int nColumn = g_nNextWindowIndex - 1;
    const POINT slot = PlacementGrid::Cell(nColumn, g_nCascadeTop, work);
    g_nNextWindowIndex = nColumn + 1;

    // A placed value's default: the free slot, or the default rule as
    // "_Default" holds it at this read.
    const auto placedDefault = [&](int CContactWnd::*pField) {
        if (pField == &CContactWnd::m_nLeft)
            return static_cast<int>(slot.x);
        if (pField == &CContactWnd::m_nTop)
            return static_cast<int>(slot.y);
        return Settings::DefaultSection().Read(Settings::Default::DisplayRules);
    };
    const Settings::ProfileSection section = Section();
    ForEachContactSetting([&](auto pField, const auto& value) {
        if constexpr (std::is_same_v<decltype(value), const Settings::PlacedIntValue&>)
            this->*pField = section.Read(value, placedDefault(pField));
        else
            this->*pField = section.Read(value);
    });
}

void CContactWnd::PlaceWindow()
{
    if (!m_hSteppedAsideFor) {
        Place(m_nLeft, m_nTop, m_nSizeX, m_nSizeY, 0);
        return;
    }
    // Shown, then right below the program: Wine shows a window at the top
    // of its band.
    Place(m_nLeft, m_nTop, m_nSizeX, m_nSizeY, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Place(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CContactWnd::Place(int x, int y, int cx, int cy, UINT nFlags)
{
    if (SetWindowPos(InsertAfter(), x, y, cx, cy, nFlags))
        return true;
    if (!m_hSteppedAsideFor)
        return false;
    // A handle that names no window any more fails the whole call.
    m_hSteppedAsideFor = nullptr;
    return SetWindowPos(InsertAfter(), x, y, cx, cy, nFlags);
}

void CContactWnd::OnPaint()
{
    if (!m_hWnd)
        return;
    SendMessage(DM_REPOSITION);
    // Not while the window is being made (its placing repaints it): hidden
    // then, it would be shown again, and activated, by the dialog manager.
    if (m_bMade)
        ApplyDisplayRule();

    CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    if (m_bShowPhoto)
        m_photo.Render(dc.Get(), client);
    if (m_bShowName)
        DrawName(dc.Get(), client);
    if (m_bShowStatusBorder)
        DrawStatusBorder(dc.Get(), client);
}

void CContactWnd::RepaintNow()
{
    Invalidate(TRUE);
    OnPaint();
}

Settings::ProfileSection CContactWnd::Section() const
{
    return Settings::ProfileSection(m_pContact->m_strSigninName);
}

void CContactWnd::ApplyDisplayRule()
{
    const bool bWasVisible = IsWindowVisible();
    switch (DisplayRuleVisibility(m_nDisplayRule, m_pContact->m_nStatus)) {
    // Shown only when hidden: Wine raises a shown window that it is asked to
    // show again, at every repaint. Below a full-screen program it comes
    // without taking the foreground from it.
    case RuleVisibility::Shown:
        if (!bWasVisible)
            ShowWindow(m_hSteppedAsideFor ? SW_SHOWNA : SW_SHOW);
        break;
    case RuleVisibility::Hidden: ShowWindow(SW_HIDE); break;
    case RuleVisibility::Unchanged: break;
    }
    // Wine puts a window it shows or hides at the top of its band: one aside
    // goes back right below the program.
    if (m_hSteppedAsideFor && bWasVisible != static_cast<bool>(IsWindowVisible()))
        Place(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CContactWnd::StepAsideFor(HWND hFullScreen)
{
    if (m_hSteppedAsideFor == hFullScreen)
        return;
    m_hSteppedAsideFor = hFullScreen;
    // Right below the program in one move: below a window that is not
    // topmost it is no longer topmost either. (HWND_NOTOPMOST first would put
    // it above every window that is not topmost, the program's included, and
    // Wine does not take the second move after that one.)
    Place(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CContactWnd::KeepBelowProgram()
{
    if (!m_hSteppedAsideFor || !::IsWindow(m_hSteppedAsideFor))
        return;
    for (HWND hAbove = GetWindow(m_hSteppedAsideFor, GW_HWNDPREV); hAbove;
         hAbove = GetWindow(hAbove, GW_HWNDPREV)) {
        if (hAbove == m_hWnd) {
            Place(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
    }
}

void CContactWnd::StepBack()
{
    if (!m_hSteppedAsideFor)
        return;
    m_hSteppedAsideFor = nullptr;
    Place(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CContactWnd::DrawName(HDC hDC, const RECT& client) const
{
    const RECT text = {client.left, client.top, client.right, client.bottom - kBorderWidth};
    // The name as it is: an "&" in it is no mnemonic.
    DrawContactName(hDC, m_pContact->GetDisplayName(), text,
                    DT_SINGLELINE | DT_BOTTOM | DT_CENTER | DT_NOPREFIX,
                    DefaultSettings.NameForegroundColor, DefaultSettings.NameBackgroundColor,
                    DefaultSettings.NameTransparentBackground);
}

void CContactWnd::DrawStatusBorder(HDC hDC, const RECT& client) const
{
    const int nStatus = m_pContact->m_nStatus;
    if (nStatus == STATUS_OFFLINE && DefaultSettings.HideBorder)
        return;
    CPenHandle pen(CreatePen(PS_SOLID, kBorderWidth, BorderColor(nStatus)));
    CSelectObject selectPen(hDC, pen.Get());
    const int right = client.right - 2;
    const int bottom = client.bottom - 2;
    MoveToEx(hDC, client.left, client.top, nullptr);
    LineTo(hDC, right, client.top);
    LineTo(hDC, right, bottom);
    LineTo(hDC, client.left, bottom);
    LineTo(hDC, client.left, client.top);
}

void CContactWnd::OnSize(UINT, int, int)
{
    Default();
    RedrawNow();
}
