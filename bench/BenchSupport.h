#pragma once

#include "framework/RegKey.h"
#include "framework/WinApp.h"

#include <windows.h>

#include <string>
#include <vector>

// The application object of a benchmark: settings under
// HKCU\Software\SkyletBench, emptied at the start and at the end. It prints
// which build the figures are of.
class BenchApp : public CWinApp {
public:
    explicit BenchApp(const char* pszProfile);
    ~BenchApp() override;
};

// The build the figures are of. Figures of the 32-bit and the 64-bit build
// are not comparable: each benchmark names its own.
const char* BuildName();

// Milliseconds since an arbitrary start, to a microsecond or better.
double NowMs();

// Every benchmark repeats its measures in interleaved rounds, so that a
// machine busy for a moment spoils one round of each measure rather than all
// of one; it reports the median and the spread of the rounds.
inline constexpr int kBenchRounds = 7;

// Prints "<label>: median M (low L, high H, N rounds)".
void PrintSpread(const char* pszLabel, std::vector<double> values);

// Sounds would play to their end inside the measures; they go nowhere.
void SilenceSounds();

// A contact file of the benchmark's own in the temporary folder, which the
// messenger simulator serves while this object lives; the simulator's former
// file comes back, and this one goes, at the end.
class SimulatorContactFile {
public:
    explicit SimulatorContactFile(const char* pszFileName);
    ~SimulatorContactFile();

    SimulatorContactFile(const SimulatorContactFile&) = delete;
    SimulatorContactFile& operator=(const SimulatorContactFile&) = delete;

    const std::string& Path() const { return m_strPath; }

private:
    CRegKey m_simulator;
    std::string m_strPath;
    std::string m_strPrevious;
    bool m_bHadPrevious = false;
};
