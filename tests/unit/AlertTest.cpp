#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "framework/AnsiText.h"
#include "framework/WinApp.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/FakeVoice.h"
#include "tests/unit/TestFiles.h"
#include "tests/unit/TestSupport.h"

#include <mmsystem.h>
#include <sapi.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

// A folder of its own as the current directory, for the override files.
class CurrentFolder : public TestFolder {
public:
    CurrentFolder()
    {
        GetCurrentDirectoryA(MAX_PATH, m_szPrevious);
        SetCurrentDirectoryA(Path().c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(m_szPrevious); }

private:
    char m_szPrevious[MAX_PATH] = "";
};

class AlertTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        m_pVoice = std::make_unique<FakeVoice>();
    }

    void TearDown() override
    {
        m_pVoice.reset();
        ContactTest::TearDown();
    }

    // The one sound a change to this status plays, or "" for none.
    std::string SoundOf(ContactRecord& record, int nStatus)
    {
        m_sounds.sounds.clear();
        record.m_nStatus = static_cast<ContactStatus>(nStatus);
        record.NotifyStatus(false);
        EXPECT_LE(m_sounds.sounds.size(), 1u);
        return m_sounds.sounds.empty() ? "" : m_sounds.sounds.back().strName;
    }

    std::unique_ptr<FakeVoice> m_pVoice;
};

TEST_F(AlertTest, WhichSoundPlaysForEachEventAndSetting)
{
    CurrentFolder folder;
    auto record = MakeRecord("bob@example.com", STATUS_AWAY);
    for (int nStatus = 0; nStatus < STATUS_COUNT; ++nStatus)
        EXPECT_EQ(nStatus == STATUS_ONLINE    ? "#138"
                  : nStatus == STATUS_OFFLINE ? "#137"
                                              : "",
                  SoundOf(*record, nStatus))
            << "the change switch is off by default";
    record->m_pWnd->m_bSoundAlertWhenStatusChanges = true;
    EXPECT_EQ("#135", SoundOf(*record, STATUS_UNKNOWN));
    EXPECT_EQ(static_cast<DWORD>(SND_RESOURCE), m_sounds.sounds.back().dwFlags);
    EXPECT_EQ(AfxGetResourceHandle(), m_sounds.sounds.back().hModule);

    DefaultSettings.UseDefaultChangeSoundAlert = false; // with no custom file: the default
    folder.Write("change.wav", "");
    EXPECT_EQ("change.wav", SoundOf(*record, STATUS_BUSY));
    EXPECT_EQ(static_cast<DWORD>(SND_FILENAME), m_sounds.sounds.back().dwFlags);
    EXPECT_EQ(nullptr, m_sounds.sounds.back().hModule);

    DefaultSettings.CustomOnlineSoundAlert = "C:\\nowhere\\ding.wav";
    EXPECT_EQ("#138", SoundOf(*record, STATUS_ONLINE)) << "the default comes first";
    DefaultSettings.UseDefaultOnlineSoundAlert = false;
    EXPECT_EQ("C:\\nowhere\\ding.wav", SoundOf(*record, STATUS_ONLINE)) << "with no test";
    DefaultSettings.UseDefaultOnlineSoundAlert = true;
    folder.Write("online.wav", "");
    EXPECT_EQ("online.wav", SoundOf(*record, STATUS_ONLINE));
    EXPECT_EQ("#137", SoundOf(*record, STATUS_OFFLINE)) << "each event has its own file";
    ASSERT_TRUE(DeleteFileA("online.wav"));
    EXPECT_EQ("#138", SoundOf(*record, STATUS_ONLINE));

    record->m_pWnd->m_bSoundAlertWhenOnline = false;
    EXPECT_EQ("", SoundOf(*record, STATUS_ONLINE));
}

TEST_F(AlertTest, NewContactsAlertOnlyWhenTheirDisplayRuleShowsThem)
{
    const struct {
        const char* pszName;
        int nRule;
        int nStatus;
        bool bAlerts;
    } cases[] = {{"a", 0, STATUS_OFFLINE, true},  {"b", 1, STATUS_ONLINE, false},
                 {"c", 2, STATUS_AWAY, false},    {"d", 2, STATUS_ONLINE, true},
                 {"e", 3, STATUS_OFFLINE, false}, {"f", 3, STATUS_AWAY, true},
                 {"g", 7, STATUS_ONLINE, false}};
    for (const auto& c : cases) {
        WriteContactInt(c.pszName, "displayRule", c.nRule);
        m_pVoice->spoken.clear();
        MakeRecord(c.pszName, c.nStatus);
        EXPECT_EQ(c.bAlerts, !m_pVoice->spoken.empty()) << c.pszName;
    }
    auto hidden = MakeRecord("b", STATUS_AWAY);
    EXPECT_EQ("#138", SoundOf(*hidden, STATUS_ONLINE)) << "a change passes no gate";
    EXPECT_FALSE(hidden->m_pWnd->IsWindowVisible());
}

TEST_F(AlertTest, TheSentenceIsTheDisplayNameAndWhenAskedItsStatus)
{
    auto record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    record->m_strCustomName = "Bobby";
    SoundOf(*record, STATUS_AWAY);
    DefaultSettings.SayNameOnly = 0;
    SoundOf(*record, STATUS_BUSY);
    DefaultSettings.SayNameOnly = 2;
    SoundOf(*record, STATUS_OFFLINE);
    EXPECT_EQ((std::vector<std::wstring>{L"Bob is ONLINE.", L"Bobby is Away.", L"Bobby", L"Bobby"}),
              m_pVoice->spoken);
    EXPECT_EQ(static_cast<DWORD>(SPF_IS_NOT_XML), m_pVoice->dwLastFlags)
        << "spoken to its end, as text";
    EXPECT_EQ(0, m_pVoice->nLiveVoices) << "each voice is released";

    // Only the name is cut, and only when longer than 130 characters.
    record->m_strCustomName = std::string(131, 'n');
    SoundOf(*record, STATUS_UNKNOWN);
    EXPECT_EQ(std::wstring(130, L'n'), m_pVoice->spoken.back());
    DefaultSettings.SayNameOnly = 1;
    record->m_strCustomName = std::string(130, 'm');
    SoundOf(*record, STATUS_UNKNOWN);
    EXPECT_EQ(std::wstring(130, L'm') + L" is Unknown.", m_pVoice->spoken.back());
    record->m_strCustomName = std::string(10000, 'n');
    SoundOf(*record, STATUS_AWAY);
    EXPECT_EQ(std::wstring(130, L'n') + L" is Away.", m_pVoice->spoken.back());
    // A character of two units, as a UTF-8 code page gives, is never cut in half.
    const std::wstring pair = L"\xD83D\xDE00";
    EXPECT_EQ(std::wstring(129, L'n'), CutWideText(std::wstring(129, L'n') + pair, 130));
    EXPECT_EQ(std::wstring(128, L'n') + pair,
              CutWideText(std::wstring(128, L'n') + pair + L"n", 130));

    record->m_pWnd->m_bUseSpeechOnline = false;
    m_pVoice->spoken.clear();
    EXPECT_EQ("#138", SoundOf(*record, STATUS_ONLINE));
    EXPECT_TRUE(m_pVoice->spoken.empty()) << "a sound without speech";
}

TEST_F(AlertTest, SoundThenSpeechThenTheWindowsRefresh)
{
    auto record = MakeRecord("bob@example.com", STATUS_OFFLINE); // hidden by the default rule
    const HWND hWnd = record->m_pWnd->m_hWnd;
    std::vector<std::string> steps;
    const auto step = [&](const char* pszName) {
        steps.push_back(std::string(pszName) + (IsWindowVisible(hWnd) ? " shown" : " hidden"));
    };
    m_sounds.onPlay = [&] { step("sound"); };
    m_pVoice->onSpeak = [&] { step("speech"); };
    SoundOf(*record, STATUS_ONLINE);
    step("then");
    EXPECT_EQ((std::vector<std::string>{"sound hidden", "speech hidden", "then shown"}), steps);
}

// A thread whose COM is multithreaded: the speech's own CoInitialize fails there.
TEST_F(AlertTest, ACycleWaitingOnTheSpeechErrorBoxLosesAndDoublesNoAlert)
{
    constexpr long kOffline = 0x01, kOnline = 0x02;
    MessageBoxRecorder boxes;
    int nMessengers = 0;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            FakeMessenger fake;
            fake.Add(L"a@example.com", kOnline);
            fake.Add(L"b@example.com", kOnline);
            PollCycle(nullptr, 0, 0, 0);
            fake.SetStatus(L"a@example.com", kOffline);
            bool bChanged = false;
            boxes.onShow = [&] {
                // While the first box is open, statuses change and the timer fires.
                if (bChanged)
                    return;
                bChanged = true;
                fake.SetStatus(L"a@example.com", kOnline);
                fake.SetStatus(L"b@example.com", kOffline);
                PollCycle(nullptr, 0, 0, 0);
            };
            PollCycle(nullptr, 0, 0, 0);
            PollCycle(nullptr, 0, 0, 0);
            PollCycle(nullptr, 0, 0, 0);
            nMessengers = fake.nMessengersCreated;
            theContacts.Vider();
        }
        CoUninitialize();
    }).join();

    std::vector<std::string> played;
    for (const SoundRecorder::Sound& sound : m_sounds.sounds)
        played.push_back(sound.strName);
    // New a and b; a offline; then, as the list read after the box shows, a
    // online again and b offline: each change once.
    EXPECT_EQ((std::vector<std::string>{"#138", "#138", "#137", "#138", "#137"}), played);
    EXPECT_EQ(4, nMessengers) << "the tick during the box is skipped";
    ASSERT_EQ(5u, boxes.boxes.size());
    for (const MessageBoxRecorder::Box& box : boxes.boxes) {
        EXPECT_EQ("Speech Synthesis : Error to intiliaze COM", box.strText);
        EXPECT_EQ("Skylet", box.strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.nType);
    }
}

} // namespace
