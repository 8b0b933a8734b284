#pragma once

#include <windows.h>
#include <commdlg.h>

class CWnd;

// The system's colour chooser, run modally. Its row of sixteen custom
// colours is the caller's, read and updated in place.
class CColorDialog {
public:
    CColorDialog(COLORREF crInit, DWORD dwFlags, COLORREF (&customColors)[16],
                 CWnd* pParentWnd = nullptr);

    // IDOK when a colour was chosen, else IDCANCEL.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc = {};
};

// Every colour chooser of the program runs through here, so that a test can
// answer it instead of blocking on it. Same argument and result as the
// system's ChooseColorA.
using ColorChooserHandler = BOOL (*)(CHOOSECOLORA* pcc);

// Replaces how colour choosers are run; returns the previous handler. A
// null handler restores the system's chooser.
ColorChooserHandler SetColorChooserHandler(ColorChooserHandler handler);
