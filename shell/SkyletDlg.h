#pragma once

#include "framework/Dialog.h"

class CSkyletDlgAutoProxy;

// The main window: the status log.
class CSkyletDlg : public CDialog {
public:
    // Loads the "_Default" settings into DefaultSettings.
    CSkyletDlg();
    ~CSkyletDlg() override;

    // The automation object attached to this window, if a client holds one.
    CSkyletDlgAutoProxy* m_pAutoProxy = nullptr;

protected:
    BOOL OnInitDialog() override;
};
