#pragma once

#include "framework/Dialog.h"

// The About box: version, credit and where to reach us.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};
