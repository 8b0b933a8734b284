#pragma once

#include "framework/Dialog.h"

// The About box: version, credit and where to reach us.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParentWnd);

protected:
    BOOL OnInitDialog() override;
};
