#pragma once

#include "framework/CmdTarget.h"

class CSkyletDlg;

// The object served to automation clients as "Skylet.Application": an
// IDispatch with no members. While one exists it keeps the program alive
// and the main window knows it.
class CSkyletDlgAutoProxy : public CCmdTarget {
public:
    CSkyletDlgAutoProxy();
    ~CSkyletDlgAutoProxy() override;

    CSkyletDlg* m_pDialog = nullptr;
};

// The class of "Skylet.Application".
extern const CLSID CLSID_SkyletApplication;
