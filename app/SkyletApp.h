#pragma once

#include "framework/WinApp.h"

// The application object: sets up settings, COM and the automation server,
// polls once, arms the poll timer and runs the main window for the rest of
// the process's life.
class CSkyletApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // The directory the program was started in; empty when it does not fit.
    char m_szStartDir[255] = "";
};

extern CSkyletApp theApp;
