#include "res/resource.h"
#include "tests/e2e/Harness.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
constexpr DWORD kNextPollMs = 15000;

struct Wave {
    DWORD nSamplesPerSec = 0;
    WORD nChannels = 0;
    WORD wBitsPerSample = 0;
    std::string samples;
};

DWORD LittleEndian(const std::string& bytes, size_t at, size_t size)
{
    DWORD value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The WAVs one after another in the bytes. A recorded WAV cannot give its
// length (its header is written before its samples, into a pipe): its
// samples run to the next WAV or to the end.
std::vector<Wave> SplitWaves(const std::string& bytes)
{
    std::vector<Wave> waves;
    size_t at = bytes.find("RIFF");
    while (at != std::string::npos && bytes.compare(at + 8, 8, "WAVEfmt ") == 0) {
        Wave wave;
        wave.nChannels = static_cast<WORD>(LittleEndian(bytes, at + 22, 2));
        wave.nSamplesPerSec = LittleEndian(bytes, at + 24, 4);
        wave.wBitsPerSample = static_cast<WORD>(LittleEndian(bytes, at + 34, 2));
        const size_t dataTag = bytes.find("data", at + 36);
        if (dataTag == std::string::npos)
            break;
        const size_t data = dataTag + 8;
        const size_t next = bytes.find("RIFF", data);
        wave.samples = bytes.substr(data, next == std::string::npos ? next : next - data);
        waves.push_back(wave);
        at = next;
    }
    return waves;
}

std::string ReadFrom(const std::string& strPath, std::streamoff offset)
{
    std::ifstream file(strPath, std::ios::binary);
    file.seekg(offset);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The sounds played since it was made, as the test prefix's sound device
// records them.
class SoundRecording {
public:
    SoundRecording()
    {
        const char* pszPath = std::getenv("SKYLET_PLAYED_SOUNDS");
        if (pszPath)
            m_strPath = WindowsPath(pszPath);
        m_start = static_cast<std::streamoff>(ReadFrom(m_strPath, 0).size());
    }

    bool Exists() const { return !m_strPath.empty() && PathFileExistsA(m_strPath.c_str()); }
    std::vector<Wave> Sounds() const { return SplitWaves(ReadFrom(m_strPath, m_start)); }

    // Waits until the nth sound has at least as many samples as the wave.
    bool WaitForSound(size_t n, const Wave& wave, DWORD dwTimeoutMs) const
    {
        return WaitUntil(
            [&] {
                const std::vector<Wave> sounds = Sounds();
                return sounds.size() >= n && sounds[n - 1].samples.size() >= wave.samples.size();
            },
            dwTimeoutMs);
    }

private:
    std::string m_strPath;
    std::streamoff m_start = 0;
};

// A WAVE resource of Skylet.exe, as its bytes.
std::string SkyletWaveResource(UINT nId)
{
    HMODULE hExe =
        LoadLibraryExA(WindowsPath(SKYLET_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC hResource = hExe ? FindResourceA(hExe, MAKEINTRESOURCEA(nId), "WAVE") : nullptr;
    HGLOBAL hData = hResource ? LoadResource(hExe, hResource) : nullptr;
    std::string bytes;
    if (hData)
        bytes.assign(static_cast<const char*>(LockResource(hData)),
                     SizeofResource(hExe, hResource));
    if (hExe)
        FreeLibrary(hExe);
    return bytes;
}

void ExpectSameSound(const Wave& expected, const Wave& played)
{
    EXPECT_EQ(expected.nSamplesPerSec, played.nSamplesPerSec);
    EXPECT_EQ(expected.nChannels, played.nChannels);
    EXPECT_EQ(expected.wBitsPerSample, played.wBitsPerSample);
    EXPECT_EQ(expected.samples.size(), played.samples.size());
    EXPECT_TRUE(expected.samples == played.samples) << "the samples differ";
}

// Skylet's start-up directory: the current directory it inherits.
class StartUpFolder {
public:
    StartUpFolder()
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        m_strPath = std::string(temp) + "skylet-e2e-start-up";
        CreateDirectoryA(m_strPath.c_str(), nullptr);
        DeleteFileA(File("online.wav").c_str());
    }
    ~StartUpFolder()
    {
        DeleteFileA(File("online.wav").c_str());
        RemoveDirectoryA(m_strPath.c_str());
    }

    std::string File(const char* pszName) const { return m_strPath + "\\" + pszName; }

    std::unique_ptr<SkyletProcess> Start() const
    {
        char previous[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(m_strPath.c_str());
        auto skylet = std::make_unique<SkyletProcess>();
        SetCurrentDirectoryA(previous);
        return skylet;
    }

private:
    std::string m_strPath;
};

class AlertSoundTest : public testing::Test {
protected:
    void SetUp() override { ClearSkyletSettings(); }
    Simulator m_simulator;
};

TEST_F(AlertSoundTest, TheBuiltInSoundsReallyPlayAndAnOnlineWavReplacesTheirs)
{
    SoundRecording recording;
    ASSERT_TRUE(recording.Exists()) << "run through scripts/run-tests.sh, which records sounds";
    const std::vector<Wave> online = SplitWaves(SkyletWaveResource(IDR_WAVE_ONLINE));
    const std::vector<Wave> offline = SplitWaves(SkyletWaveResource(IDR_WAVE_OFFLINE));
    const std::string changeFile = SkyletWaveResource(IDR_WAVE_CHANGE);
    ASSERT_TRUE(online.size() == 1 && offline.size() == 1 && !changeFile.empty());

    StartUpFolder folder;
    m_simulator.Write({"bob@example.com online Bob"});
    auto skylet = folder.Start();
    ASSERT_TRUE(recording.WaitForSound(1, online[0], kStartMs));

    // Another sound under the override's name, in the start-up directory.
    std::ofstream(folder.File("online.wav"), std::ios::binary) << changeFile;
    m_simulator.Write({"bob@example.com offline Bob"});
    ASSERT_TRUE(recording.WaitForSound(2, offline[0], kNextPollMs));
    m_simulator.Write({"bob@example.com online Bob"});
    const Wave replacement = SplitWaves(changeFile).at(0);
    ASSERT_TRUE(recording.WaitForSound(3, replacement, kNextPollMs));

    const std::vector<Wave> played = recording.Sounds();
    ASSERT_EQ(3u, played.size());
    ExpectSameSound(online[0], played[0]);
    ExpectSameSound(offline[0], played[1]);
    ExpectSameSound(replacement, played[2]);
    EXPECT_TRUE(skylet->Quit());
}

} // namespace
