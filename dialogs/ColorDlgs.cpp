#include "dialogs/ColorDlgs.h"

#include "contactwnd/ContactWnd.h"
#include "framework/ColorDialog.h"
#include "framework/DataExchange.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "settings/RegistryLayout.h"

// White, black, the default online green, away orange, busy red, blue, the
// default name background yellow, the default offline grey, then white.
COLORREF CustomColors[16] = {
    0xFFFFFF, 0x000000, 0x00C500, 0x007FFF, 0x0000FF, 0xFF0000, 0x00FFFF, 0x808080,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

namespace {

constexpr int kOutlineWidth = 7;

// The name sample's place in the name dialog, right of its buttons, in pixels.
constexpr RECT kNameSampleRect = {280, 108, 400, 400};
constexpr char kNameSample[] = "Contact Name Sample";

} // namespace

const MessageMap* CColorSettingsDlg::GetMessageMap() const
{
    static const MessageMap map(CSettingsDialog::GetMessageMap(),
                                {
                                    MapMessage<&CColorSettingsDlg::OnPaint>(WM_PAINT),
                                });
    return &map;
}

void CColorSettingsDlg::PickColor(COLORREF& crColor)
{
    // Owned by this dialog, which stays disabled while the chooser is open.
    CColorDialog chooser(crColor, CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR, CustomColors, this);
    if (chooser.DoModal() == IDOK)
        crColor = chooser.GetColor();
    RedrawPreview();
}

void CColorSettingsDlg::RedrawPreview() const
{
    Invalidate(TRUE);
    RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorSettingsDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawPreview(dc.Get());
}

CBorderColorDlg::CBorderColorDlg() : CColorSettingsDlg(IDD_BORDER_COLOR)
{
}

const MessageMap* CBorderColorDlg::GetMessageMap() const
{
    using Dlg = CBorderColorDlg;
    static const MessageMap map(CColorSettingsDlg::GetMessageMap(),
                                {
                                    MapCommand<&Dlg::OnOnlineColor>(IDC_BORDER_ONLINE_COLOR),
                                    MapCommand<&Dlg::OnBusyColor>(IDC_BORDER_BUSY_COLOR),
                                    MapCommand<&Dlg::OnAwayColor>(IDC_BORDER_AWAY_COLOR),
                                    MapCommand<&Dlg::OnOfflineColor>(IDC_BORDER_OFFLINE_COLOR),
                                    MapCommand<&Dlg::OnHideBorder>(IDC_BORDER_HIDE),
                                    MapCommand<&Dlg::OnReset>(IDC_BORDER_RESET),
                                });
    return &map;
}

void CBorderColorDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_BORDER_HIDE, m_checkHideBorder);
    DDX_Control(pDX, IDC_BORDER_OFFLINE_COLOR, m_btnOfflineColor);
    DDX_Check(pDX, IDC_BORDER_HIDE, m_bHideOfflineBorder);
}

void CBorderColorDlg::ResetValues()
{
    namespace Def = Settings::Default;
    m_crOnline = Def::OnlineBorderColor.defaultValue;
    m_crOffline = Def::OfflineBorderColor.defaultValue;
    m_crBusy = Def::BusyBorderColor.defaultValue;
    m_crAway = Def::AwayBorderColor.defaultValue;
    m_bHideOfflineBorder = Def::HideBorder.defaultValue;
}

void CBorderColorDlg::OnHideBorder()
{
    m_bHideOfflineBorder = m_checkHideBorder.GetCheck() == BST_CHECKED;
    RedrawPreview();
}

void CBorderColorDlg::DrawPreview(HDC hDC)
{
    CPenHandle online(CreatePen(PS_SOLID, kOutlineWidth, m_crOnline));
    CPenHandle offline(CreatePen(PS_SOLID, kOutlineWidth, m_crOffline));
    CPenHandle busy(CreatePen(PS_SOLID, kOutlineWidth, m_crBusy));
    CPenHandle away(CreatePen(PS_SOLID, kOutlineWidth, m_crAway));
    OutlinePicture(hDC, IDC_BORDER_ONLINE_PICTURE, online.Get());
    OutlinePicture(hDC, IDC_BORDER_BUSY_PICTURE, busy.Get());
    OutlinePicture(hDC, IDC_BORDER_AWAY_PICTURE, away.Get());
    m_btnOfflineColor.EnableWindow(!m_bHideOfflineBorder);
    if (!m_bHideOfflineBorder)
        OutlinePicture(hDC, IDC_BORDER_OFFLINE_PICTURE, offline.Get());
}

void CBorderColorDlg::OutlinePicture(HDC hDC, int nIdPicture, HPEN hPen) const
{
    RECT picture = {};
    ::GetWindowRect(GetDlgItem(nIdPicture), &picture);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&picture), 2);
    CSelectObject selectPen(hDC, hPen);
    MoveToEx(hDC, picture.left - 1, picture.top - 1, nullptr);
    LineTo(hDC, picture.right, picture.top - 1);
    LineTo(hDC, picture.right, picture.bottom);
    LineTo(hDC, picture.left - 1, picture.bottom);
    LineTo(hDC, picture.left - 1, picture.top - 1);
}

CNameColorDlg::CNameColorDlg() : CColorSettingsDlg(IDD_NAME_COLOR)
{
}

const MessageMap* CNameColorDlg::GetMessageMap() const
{
    using Dlg = CNameColorDlg;
    static const MessageMap map(CColorSettingsDlg::GetMessageMap(),
                                {
                                    MapCommand<&Dlg::OnForegroundColor>(IDC_NAME_FOREGROUND_COLOR),
                                    MapCommand<&Dlg::OnBackgroundColor>(IDC_NAME_BACKGROUND_COLOR),
                                    MapCommand<&Dlg::OnTransparent>(IDC_NAME_TRANSPARENT),
                                    MapCommand<&Dlg::OnReset>(IDC_NAME_RESET),
                                });
    return &map;
}

void CNameColorDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NAME_TRANSPARENT, m_checkTransparent);
    DDX_Control(pDX, IDC_NAME_BACKGROUND_COLOR, m_btnBackgroundColor);
    DDX_Check(pDX, IDC_NAME_TRANSPARENT, m_bTransparentBackground);
}

void CNameColorDlg::ResetValues()
{
    namespace Def = Settings::Default;
    m_crForeground = Def::NameForegroundColor.defaultValue;
    m_crBackground = Def::NameBackgroundColor.defaultValue;
    m_bTransparentBackground = Def::NameTransparentBackground.defaultValue;
}

void CNameColorDlg::OnTransparent()
{
    m_bTransparentBackground = m_checkTransparent.GetCheck() == BST_CHECKED;
    RedrawPreview();
}

void CNameColorDlg::DrawPreview(HDC hDC)
{
    m_btnBackgroundColor.EnableWindow(!m_bTransparentBackground);
    // Not clipped to its rectangle: where the font is wider (more dots per
    // inch), the whole sample still shows in the room right of it.
    DrawContactName(hDC, kNameSample, kNameSampleRect, DT_SINGLELINE | DT_NOCLIP, m_crForeground,
                    m_crBackground, m_bTransparentBackground != FALSE);
}
