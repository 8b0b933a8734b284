#pragma once

#include <windows.h>

#include <string>

class CWnd;

// The direction and target of one exchange between a dialog's values and
// its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    // The dialog's control with that id (null when there is none).
    HWND GetControl(int nIdc) const;

    BOOL m_bSaveAndValidate; // true: controls to values
    CWnd* m_pDlgWnd;
};

// One value with one control, in the exchange's direction. A control that
// is missing leaves the value as it is.

// The whole text of an edit or static control, of any length.
void DDX_Text(CDataExchange* pDX, int nIdc, std::string& value);
// A check box: non-zero checks it; reads back 1 or 0.
void DDX_Check(CDataExchange* pDX, int nIdc, int& value);
// The radio group that starts at nIdc (the control with WS_GROUP) and runs
// up to the next control that starts a group: the index of the checked
// radio, counted from 0; -1 for none, and a value that names no radio
// checks none.
void DDX_Radio(CDataExchange* pDX, int nIdc, int& value);
// A trackbar's position.
void DDX_Slider(CDataExchange* pDX, int nIdc, int& value);
// Routes the control's messages through the object, from the first exchange on.
void DDX_Control(CDataExchange* pDX, int nIdc, CWnd& control);
