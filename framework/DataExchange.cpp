#include "framework/DataExchange.h"

#include "framework/Wnd.h"

#include <commctrl.h>

#include <vector>

HWND CDataExchange::GetControl(int nIdc) const
{
    return m_pDlgWnd->GetDlgItem(nIdc);
}

void DDX_Text(CDataExchange* pDX, int nIdc, std::string& value)
{
    HWND hControl = pDX->GetControl(nIdc);
    if (!hControl)
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextA(hControl, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(hControl);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(hControl, text.data(), static_cast<int>(text.size()));
    value.assign(text.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void DDX_Check(CDataExchange* pDX, int nIdc, int& value)
{
    HWND hControl = pDX->GetControl(nIdc);
    if (!hControl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = SendMessageA(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        SendMessageA(hControl, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Radio(CDataExchange* pDX, int nIdc, int& value)
{
    HWND hControl = pDX->GetControl(nIdc);
    if (!hControl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        // Controls of the group that are no radios (a label) take no index.
        if (SendMessageA(hControl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (!pDX->m_bSaveAndValidate)
                SendMessageA(hControl, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED,
                             0);
            else if (SendMessageA(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
            ++index;
        }
        hControl = GetWindow(hControl, GW_HWNDNEXT);
    } while (hControl && !(GetWindowLongA(hControl, GWL_STYLE) & WS_GROUP));
}

void DDX_Slider(CDataExchange* pDX, int nIdc, int& value)
{
    HWND hControl = pDX->GetControl(nIdc);
    if (!hControl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(hControl, TBM_GETPOS, 0, 0));
    else
        SendMessageA(hControl, TBM_SETPOS, TRUE, value);
}

void DDX_Control(CDataExchange* pDX, int nIdc, CWnd& control)
{
    if (control.m_hWnd)
        return;
    if (HWND hControl = pDX->GetControl(nIdc))
        control.SubclassWindow(hControl);
}
