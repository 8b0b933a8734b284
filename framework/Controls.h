#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

// Dialog controls bound to an object by data exchange (DDX_Control): their
// messages pass through the object's message map before the control's own
// handling.

// A push button, check box or radio button.
class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
};

// A trackbar.
class CSliderCtrl : public CWnd {
public:
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetRange(int nMin, int nMax) const
    {
        SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(nMin, nMax));
    }
};
