#include "tests/support/ProcessCounts.h"

#include <psapi.h>
#include <winternl.h>

namespace {

// Wine's GDI handle table, which the process environment block points to:
// 65,536 entries of 24 bytes; the type byte at offset 14 is 0 for a free one.
DWORD CountWineGdiHandles()
{
    PROCESS_BASIC_INFORMATION info = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info),
                                  nullptr)
        != 0)
        return 0;
    const BYTE* pPeb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const BYTE* pTable = *reinterpret_cast<const BYTE* const*>(pPeb + offset);
    if (!pTable)
        return 0;
    const size_t kEntries = 0x10000;
    const size_t kEntrySize = 24;
    const size_t kTypeOffset = 14;
    DWORD count = 0;
    for (size_t i = 0; i < kEntries; ++i)
        if (pTable[i * kEntrySize + kTypeOffset] != 0)
            ++count;
    return count;
}

BOOL CALLBACK CountChildWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountProcessWindow(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == GetCurrentProcessId()) {
        ++*reinterpret_cast<DWORD*>(lParam);
        EnumChildWindows(hWnd, CountChildWindow, lParam);
    }
    return TRUE;
}

// Wine answers 0 for the handle count: every valid handle value is counted.
DWORD CountHandleValues()
{
    DWORD count = 0;
    DWORD dwFlags = 0;
    for (UINT_PTR value = 4; value < 0x10000; value += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &dwFlags))
            ++count;
    return count;
}

// Wine answers 0 for the private bytes: the committed private pages of the
// address space are added up.
SIZE_T CountPrivatePages()
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region = {};
    for (const BYTE* p = nullptr; VirtualQuery(p, &region, sizeof(region)) == sizeof(region);
         p = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        if (region.RegionSize == 0)
            break;
    }
    return total;
}

} // namespace

DWORD GdiObjectCount()
{
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return count ? count : CountWineGdiHandles();
}

DWORD UserObjectCount()
{
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (count)
        return count;
    EnumWindows(CountProcessWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

ProcessCounts CountProcessResources()
{
    ProcessCounts counts = {};
    counts.gdiObjects = GdiObjectCount();
    counts.userObjects = UserObjectCount();
    if (!GetProcessHandleCount(GetCurrentProcess(), &counts.handles) || counts.handles == 0)
        counts.handles = CountHandleValues();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
        counts.privateBytes = memory.PrivateUsage;
    if (counts.privateBytes == 0)
        counts.privateBytes = CountPrivatePages();
    return counts;
}
