#include "res/resource.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

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

TEST(AlertSoundTest, TheBuiltInSoundsReallyPlayAndAnOnlineWavReplacesTheirs)
{
    const PlayedSounds sounds;
    ASSERT_TRUE(sounds.Recorded()) << "run through scripts/run-tests.sh";
    const auto played = [&] { return sounds.Waves(); };
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
