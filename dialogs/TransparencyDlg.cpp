#include "dialogs/TransparencyDlg.h"

#include "contactwnd/LayeredWindow.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CTransparencySlider::GetMessageMap() const
{
    using Slider = CTransparencySlider;
    static const MessageMap map(CSliderCtrl::GetMessageMap(),
                                {
                                    MapMessage<&Slider::OnLButtonDown>(WM_LBUTTONDOWN),
                                    MapMessage<&Slider::OnLButtonUp>(WM_LBUTTONUP),
                                    MapMessage<&Slider::OnMouseMove>(WM_MOUSEMOVE),
                                });
    return &map;
}

void CTransparencySlider::OnLButtonDown(UINT, POINT)
{
    m_bDragging = true;
    Default();
}

void CTransparencySlider::OnLButtonUp(UINT, POINT)
{
    m_bDragging = false;
    Default();
}

void CTransparencySlider::OnMouseMove(UINT, POINT)
{
    // The position once the control has taken this move: read before, the
    // preview would stay one move behind the thumb, and where moves come
    // fast and are merged, at a place the thumb has left when it stops.
    Default();
    if (m_bDragging) {
        m_nAlpha = TransparencyToAlpha(GetPos());
        m_preview(static_cast<BYTE>(m_nAlpha));
    }
}

CTransparencyDlg::CTransparencyDlg(AlphaPreview preview)
    : CDialog(IDD_TRANSPARENCY), m_slider(std::move(preview))
{
}

void CTransparencyDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TRANSPARENCY_SLIDER, m_slider);
    if (!pDX->m_bSaveAndValidate)
        m_slider.SetRange(0, 100);
    DDX_Slider(pDX, IDC_TRANSPARENCY_SLIDER, m_nTransparency);
}
