#pragma once

#include "framework/Dialog.h"

// A settings dialog: plain values that its caller fills, put into the
// controls on opening and read back on OK, and a "Reset" button that puts
// the factory values into the controls. Nothing is kept until OK.
class CSettingsDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    BOOL OnInitDialog() override;
    // The handler of the dialog's "Reset" button, mapped by each dialog to its id.
    void OnReset();

    virtual void ResetValues() = 0;
    // Runs once the values are in the controls: on opening and after "Reset".
    virtual void OnValuesShown() {}
};
