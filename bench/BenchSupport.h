#pragma once

#include "framework/WinApp.h"

#include <windows.h>

// The application object of a benchmark: settings under
// HKCU\Software\SkyletBench, emptied at the start and at the end.
class BenchApp : public CWinApp {
public:
    explicit BenchApp(const char* pszProfile);
    ~BenchApp() override;
};

// Milliseconds since an arbitrary start, to a microsecond or better.
double NowMs();
