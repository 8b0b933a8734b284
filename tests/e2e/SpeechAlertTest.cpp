// Speech in the real program: the stand-in voice that the test prefix
// registers over the system's records what Skylet asks it to say.
#include "framework/RegKey.h"
#include "res/resource.h"
#include "tests/e2e/Harness.h"
#include "tests/support/StandInVoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Whether the window's thread takes a message within a moment: not while it
// waits for a Speak to end.
bool Answers(HWND hWnd)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result) != 0;
}

TEST(SpeechAlertTest, NamesAreSpokenAfterTheirSoundAsTextCappedAndCleaned)
{
    ClearSkyletSettings();
    StandInVoice voice;
    const PlayedSounds sounds;
    ASSERT_TRUE(sounds.Recorded()) << "run through scripts/run-tests.sh";
    Simulator simulator;
    SkyletProcess skylet;
    HWND hMain = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMain = skylet.MainWindow()) != nullptr; }, 20000));

    // Sound, then speech: while the voice speaks (held until the test lets
    // it go), the whole sound has already been played, and nothing else can
    // play until it ends.
    voice.Hold();
    simulator.Write({"bob@example.com online Bob"});
    ASSERT_TRUE(voice.SpokenWithin(1, 15000));
    const Wave online = SplitWaves(SkyletWave(IDR_WAVE_ONLINE)).at(0);
    EXPECT_TRUE(WaitUntil([&] { return sounds.Waves() == std::vector<Wave>{online}; }, 3000))
        << sounds.Waves().size() << " sounds";
    EXPECT_FALSE(Answers(hMain)) << "still speaking";
    EXPECT_EQ((std::vector<std::string>{"16 Bob is ONLINE."}), voice.Spoken());
    voice.LetGo();
    ASSERT_TRUE(WaitUntil([&] { return Answers(hMain); }, 10000));

    // Names chosen to steer, freeze or garble: said as text, cut, cleaned.
    std::string digits;
    for (int i = 0; i < 500; ++i)
        digits += "0123456789";
    const std::string fakeLine = "Eve\\r\\n23:59   Mallory                     Offline\\x01\\x7F";
    std::vector<std::string> contacts = {
        "bob@example.com online Bob",
        "mallory@example.com online <silence msec=\"600000\"/>Mallory",
        "long@example.com online " + digits, "eve@example.com online " + fakeLine};
    simulator.Write(contacts);
    ASSERT_TRUE(voice.SpokenWithin(4, 15000));
    const std::string cleaned = "Eve  23:59   Mallory                     Offline  ";
    EXPECT_EQ((std::vector<std::string>{
                  "16 Bob is ONLINE.", "16 <silence msec=\"600000\"/>Mallory is ONLINE.",
                  "16 " + digits.substr(0, 130) + " is ONLINE.", "16 " + cleaned + " is ONLINE."}),
              voice.Spoken());

    // What is said, chosen as a user would.
    ChooseFromTrayMenu(skylet, 4);
    HWND hDlg = WaitForDialog("Set Default Speech Alerts");
    ASSERT_NE(nullptr, hDlg);
    Click(hDlg, IDC_SAY_NAME_ONLY);
    ASSERT_TRUE(ClickOK(hDlg));
    EXPECT_EQ(0, ReadSkyletInt("_Default", "SayNameOnly", -1));

    contacts[0] = "bob@example.com offline Bob";
    contacts[3] = "eve@example.com away " + fakeLine;
    simulator.Write(contacts);
    ASSERT_TRUE(voice.SpokenWithin(6, 15000));
    const std::vector<std::string> spoken = voice.Spoken();
    EXPECT_EQ((std::vector<std::string>{"16 Bob", "16 " + cleaned}),
              std::vector<std::string>(spoken.begin() + 4, spoken.end()));

    // The log: one line per change, none of the name's making.
    const std::string log = skylet.LogText();
    EXPECT_EQ(1, Count(log, "   " + cleaned + "   Away")) << log;
    EXPECT_EQ(2, Count(log, "    \r\n\r"));
    EXPECT_EQ(1 + 2, Count(log, "\n")) << "the welcome line's and each entry's";
    EXPECT_EQ(0, Count(log, "\x01") + Count(log, "\x7F"));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
