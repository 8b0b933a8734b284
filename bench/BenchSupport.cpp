#include "bench/BenchSupport.h"

#include <shlwapi.h>

namespace {

const char kBenchKey[] = "Software\\SkyletBench";

} // namespace

BenchApp::BenchApp(const char* pszProfile)
{
    SetRegistryKey("SkyletBench");
    SetProfileName(pszProfile);
    SetDisplayName("Skylet");
    m_hInstance = GetModuleHandleA(nullptr);
    SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
}

BenchApp::~BenchApp()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
}

double NowMs()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}
