#pragma once

#include <windows.h>

class CWnd;

// The direction and target of one exchange between a dialog's values and
// its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate; // true: controls to values
    CWnd* m_pDlgWnd;
};
