#include "res/resource.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// The 8-bit samples that sound. On a busy machine Wine feeds the device
// silence (0x80) while a sound is late, before, inside or after it.
std::string Sounding(const std::string& samples)
{
    std::string sounding;
    for (char sample : samples)
        if (sample != '\x80')
            sounding.push_back(sample);
    return sounding;
}

struct Wave {
    std::string format; // channels, rate, byte rate, block size, bits per sample
    std::string samples;
    bool operator==(const Wave& other) const
    {
        return format == other.format && Sounding(samples) == Sounding(other.samples);
    }
};

// The WAVs one after another in the bytes. A recorded WAV does not tell its
// length (its header went into a pipe before its samples): its samples run
// to the next WAV or to the end.
std::vector<Wave> SplitWaves(const std::string& bytes)
{
    std::vector<Wave> waves;
    for (size_t at = bytes.find("RIFF"); at != std::string::npos;) {
        const size_t dataTag = bytes.find("data", at);
        if (dataTag == std::string::npos)
            break; // a header still on its way
        const size_t data = dataTag + 8;
        const size_t next = bytes.find("RIFF", data);
        waves.push_back({bytes.substr(at + 22, 14),
                         bytes.substr(data, next == std::string::npos ? next : next - data)});
        at = next;
    }
    return waves;
}

std::string FileBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A WAVE resource of Skylet.exe.
std::string SkyletWave(UINT nId)
{
    HMODULE hExe =
        LoadLibraryExA(WindowsPath(SKYLET_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC hResource = FindResourceA(hExe, MAKEINTRESOURCEA(nId), "WAVE");
    const std::string bytes(static_cast<const char*>(LockResource(LoadResource(hExe, hResource))),
                            SizeofResource(hExe, hResource));
    FreeLibrary(hExe);
    return bytes;
}

// Skylet starts in a folder of its own, its current directory.
std::unique_ptr<SkyletProcess> StartSkyletIn(const std::string& strFolder)
{
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    CreateDirectoryA(strFolder.c_str(), nullptr);
    SetCurrentDirectoryA(strFolder.c_str());
    auto skylet = std::make_unique<SkyletProcess>();
    SetCurrentDirectoryA(previous);
    return skylet;
}

// The test prefix's sound device appends every sound played to the file
// that SKYLET_PLAYED_SOUNDS names (scripts/run-tests.sh).
TEST(AlertSoundTest, TheBuiltInSoundsReallyPlayAndAnOnlineWavReplacesTheirs)
{
    const char* pszRecording = std::getenv("SKYLET_PLAYED_SOUNDS");
    ASSERT_NE(nullptr, pszRecording) << "run through scripts/run-tests.sh";
    const std::string recording = WindowsPath(pszRecording);
    const size_t nRecordedBefore = FileBytes(recording).size();
    const auto played = [&] { return SplitWaves(FileBytes(recording).substr(nRecordedBefore)); };
    const auto playedAll = [&](const std::vector<Wave>& expected) {
        return WaitUntil([&] { return played().size() == expected.size() && played() == expected; },
                         15000);
    };
    const Wave online = SplitWaves(SkyletWave(IDR_WAVE_ONLINE)).at(0);
    const Wave offline = SplitWaves(SkyletWave(IDR_WAVE_OFFLINE)).at(0);
    const std::string replacement = SkyletWave(IDR_WAVE_CHANGE);

    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob"});
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "skylet-e2e-start-up";
    const std::string overrideFile = folder + "\\online.wav";
    DeleteFileA(overrideFile.c_str());
    auto skylet = StartSkyletIn(folder);
    EXPECT_TRUE(playedAll({online})) << played().size() << " sounds";

    std::ofstream(overrideFile, std::ios::binary) << replacement;
    simulator.Write({"bob@example.com offline Bob"});
    EXPECT_TRUE(playedAll({online, offline})) << played().size() << " sounds";
    simulator.Write({"bob@example.com online Bob"});
    EXPECT_TRUE(playedAll({online, offline, SplitWaves(replacement).at(0)}))
        << played().size() << " sounds";
    EXPECT_TRUE(skylet->Quit());
    DeleteFileA(overrideFile.c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace
