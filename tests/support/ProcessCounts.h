#pragma once

#include <windows.h>

// What a long run of the program must not pile up, counted in this process.
struct ProcessCounts {
    DWORD gdiObjects;
    DWORD userObjects;
    DWORD handles;
    SIZE_T privateBytes;
};

ProcessCounts CountProcessResources();

// Live GDI objects of this process. Windows counts them for GetGuiResources;
// Wine answers 0 there, and they are counted in its handle table instead.
DWORD GdiObjectCount();

// Live USER objects of this process. Wine answers 0 to GetGuiResources here
// too; its windows, top-level and child, stand in for them.
DWORD UserObjectCount();
