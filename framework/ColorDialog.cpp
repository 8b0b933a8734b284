#include "framework/ColorDialog.h"

#include "framework/Seam.h"
#include "framework/Wnd.h"

namespace {

CSeam<ColorChooserHandler> g_handler([](CHOOSECOLORA* pcc) { return ChooseColorA(pcc); });

} // namespace

CColorDialog::CColorDialog(COLORREF crInit, DWORD dwFlags, COLORREF (&customColors)[16],
                           CWnd* pParentWnd)
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_cc.rgbResult = crInit;
    m_cc.lpCustColors = customColors;
    m_cc.Flags = dwFlags;
}

INT_PTR CColorDialog::DoModal()
{
    return g_handler(&m_cc) ? IDOK : IDCANCEL;
}

ColorChooserHandler SetColorChooserHandler(ColorChooserHandler handler)
{
    return g_handler.Set(handler);
}
