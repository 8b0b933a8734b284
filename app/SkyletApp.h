#pragma once

#include "framework/WinApp.h"
#include "shell/SingleInstance.h"

// The application object: sets up settings, COM and the automation server,
// polls once, arms the poll timer and runs the main window for the rest of
// the process's life.
class CSkyletApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CSingleInstance m_instance;
};

extern CSkyletApp theApp;
