#include "bench/BenchSupport.h"

#include "framework/Sound.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>

namespace {

const char kBenchKey[] = "Software\\SkyletBench";

BOOL PlayNothing(const char*, HMODULE, DWORD)
{
    return TRUE;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

BenchApp::BenchApp(const char* pszProfile)
{
    SetRegistryKey("SkyletBench");
    SetProfileName(pszProfile);
    SetDisplayName("Skylet");
    m_hInstance = GetModuleHandleA(nullptr);
    SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
    std::printf("%s, %s\n", pszProfile, BuildName());
}

const char* BuildName()
{
    return sizeof(void*) == 8 ? "64-bit build (x86_64)" : "32-bit build (i686)";
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

void PrintSpread(const char* pszLabel, std::vector<double> values)
{
    if (values.empty())
        return;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("  %s: median %.2f (low %.2f, high %.2f, %u runs)\n", pszLabel, Median(values),
                *low, *high, static_cast<unsigned>(values.size()));
}

void SilenceSounds()
{
    SetPlaySoundHandler(PlayNothing);
}

SimulatorContactFile::SimulatorContactFile(const char* pszFileName)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    m_strPath = std::string(temp) + pszFileName;
    m_simulator.Create(HKEY_CURRENT_USER, "Software\\msgrsim");
    m_bHadPrevious = m_simulator.QueryString("ContactFile", m_strPrevious);
    m_simulator.SetString("ContactFile", m_strPath);
}

SimulatorContactFile::~SimulatorContactFile()
{
    if (m_bHadPrevious)
        m_simulator.SetString("ContactFile", m_strPrevious);
    else
        m_simulator.DeleteValue("ContactFile");
    DeleteFileA(m_strPath.c_str());
}
