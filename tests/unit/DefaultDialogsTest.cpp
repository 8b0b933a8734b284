#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "dialogs/SettingsCommands.h"
#include "dialogs/SoundAlertsDlg.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/DialogDriver.h"
#include "tests/unit/TestFiles.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

namespace {

using DefaultDialogsTest = DialogTest;

TEST_F(DefaultDialogsTest, DefaultsOpenAtTheFactoryValuesAndReachFollowersOnly)
{
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    CContactWnd& own = *AddContact("b@example.com", STATUS_ONLINE)->m_pWnd;
    own.m_bUseDefaultDisplayRules = own.m_bUseDefaultSpeechRules = false;
    own.m_nDisplayRule = 0;
    ContactRecord* pLate = nullptr;
    ModalScript rules([&](HWND hDlg) {
        EXPECT_TRUE(Checked(hDlg, IDC_RULES_HIDE_ONLY_WHEN_OFFLINE));
        pLate = AddContact("c@example.com", STATUS_ONLINE); // found by a poll meanwhile
        Click(hDlg, IDC_RULES_HIDE_ALWAYS);
        Click(hDlg, IDOK);
    });
    SetDefaultDisplayRules();
    ModalScript speech([&](HWND hDlg) {
        for (int nId :
             {IDC_SPEECH_ONLINE, IDC_SPEECH_OFFLINE, IDC_SPEECH_CHANGE, IDC_SAY_NAME_AND_STATUS})
            EXPECT_TRUE(Checked(hDlg, nId)) << nId;
        Click(hDlg, IDC_SPEECH_OFFLINE);
        Click(hDlg, IDC_SAY_NAME_ONLY);
        Click(hDlg, IDOK);
    });
    SetDefaultSpeechAlerts();
    ASSERT_TRUE(rules.Ran() && speech.Ran());

    EXPECT_EQ(1, ReadContactInt("_Default", "displayRules"));
    EXPECT_EQ(0, ReadContactInt("_Default", "SayNameOnly"));
    EXPECT_EQ(0, ReadContactInt("_Default", "UseSpeechOffline"));
    EXPECT_FALSE(DefaultSettings.UseSpeechOffline);
    for (ContactRecord* pRecord : {pFollower, pLate}) {
        EXPECT_EQ(1, ReadContactInt(pRecord->m_strSigninName, "displayRule"));
        EXPECT_FALSE(pRecord->m_pWnd->IsWindowVisible()) << "hidden at once";
    }
    EXPECT_EQ(0, ReadContactInt("a@example.com", "UseSpeechOffline"));
    EXPECT_TRUE(own.IsWindowVisible() && own.m_bUseSpeechOffline);
    EXPECT_EQ(-999, ReadContactInt("b@example.com", "displayRule"));
}

TEST_F(DefaultDialogsTest, ResetChangesOnlyTheControlsUntilOk)
{
    WriteContactInt("_Default", "displayRules", 1);
    WriteContactInt("_Default", "SayNameOnly", 0);
    WriteContactInt("_Default", "PlayChangeSoundAlert", 1);
    DefaultSettings.Load();
    const std::pair<void (*)(), int> commands[] = {{SetDefaultDisplayRules, IDC_RULES_RESET},
                                                   {SetDefaultSpeechAlerts, IDC_SPEECH_RESET},
                                                   {SetDefaultSoundAlerts, IDC_SOUND_RESET}};
    for (int nEnd : {IDCANCEL, IDOK}) {
        for (const auto& command : commands) {
            ModalScript script([&](HWND hDlg) {
                Click(hDlg, command.second);
                Click(hDlg, nEnd);
            });
            command.first();
        }
        const bool bKept = nEnd == IDCANCEL;
        EXPECT_EQ(bKept ? 1 : 3, ReadContactInt("_Default", "displayRules"));
        EXPECT_EQ(bKept ? 0 : 1, ReadContactInt("_Default", "SayNameOnly"));
        EXPECT_EQ(bKept, DefaultSettings.PlayChangeSoundAlert);
    }
}

TEST_F(DefaultDialogsTest, StoredValuesOutsideTheRadiosSelectNoneAndContactsKeepWorking)
{
    WriteContactInt("_Default", "displayRules", -3);
    WriteContactInt("_Default", "SayNameOnly", 7);
    DefaultSettings.Load();
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    for (auto* pCommand : {SetDefaultDisplayRules, SetDefaultSpeechAlerts}) {
        ModalScript script([&](HWND hDlg) {
            for (int nId : {IDC_RULES_SHOW_ALWAYS, IDC_RULES_HIDE_ONLY_WHEN_OFFLINE,
                            IDC_SAY_NAME_ONLY, IDC_SAY_NAME_AND_STATUS})
                EXPECT_FALSE(Checked(hDlg, nId)) << nId;
            Click(hDlg, IDOK);
        });
        pCommand();
    }
    EXPECT_EQ(-1, ReadContactInt("_Default", "displayRules"));
    EXPECT_EQ(-1, ReadContactInt("_Default", "SayNameOnly"));
    // A rule outside the table leaves the window as it is, through status changes.
    EXPECT_EQ(-1, pFollower->m_pWnd->m_nDisplayRule);
    pFollower->m_nStatus = STATUS_OFFLINE;
    pFollower->NotifyStatus(false);
    EXPECT_TRUE(pFollower->m_pWnd->IsWindowVisible());
}

TEST_F(DefaultDialogsTest, SoundGroupsEnableTheirButtonsByPlayDefaultAndPath)
{
    // Play, use default, path; then "Use Default Alert", "Use Custom Alert...", "Test Sound...".
    const struct {
        SoundAlertValues values;
        bool bUseDefault, bCustom, bTest;
    } cases[] = {
        {{0, 0, ""}, 0, 0, 0},      {{0, 0, "a.wav"}, 0, 0, 0}, {{0, 1, ""}, 0, 0, 0},
        {{0, 1, "a.wav"}, 0, 0, 0}, {{1, 0, ""}, 1, 1, 0},      {{1, 0, "a.wav"}, 1, 1, 1},
        {{1, 1, ""}, 1, 0, 1},      {{1, 1, "a.wav"}, 1, 0, 1}, {{1, 1, ""}, 1, 0, 1},
    };
    const int controls[3][3] = {{IDC_USE_DEFAULT_ONLINE, IDC_CUSTOM_ONLINE, IDC_TEST_ONLINE},
                                {IDC_USE_DEFAULT_OFFLINE, IDC_CUSTOM_OFFLINE, IDC_TEST_OFFLINE},
                                {IDC_USE_DEFAULT_CHANGE, IDC_CUSTOM_CHANGE, IDC_TEST_CHANGE}};
    for (int first = 0; first < 9; first += 3) {
        CDefaultSoundAlertsDlg dlg;
        dlg.m_online = cases[first].values;
        dlg.m_offline = cases[first + 1].values;
        dlg.m_change = cases[first + 2].values;
        ModalScript script([&](HWND hDlg) {
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(cases[first + i].bUseDefault, Enabled(hDlg, controls[i][0])) << first + i;
                EXPECT_EQ(cases[first + i].bCustom, Enabled(hDlg, controls[i][1])) << first + i;
                EXPECT_EQ(cases[first + i].bTest, Enabled(hDlg, controls[i][2])) << first + i;
            }
            if (first > 0)
                return;
            // Toggles apply the rule to their group, Reset to every group.
            Click(hDlg, IDC_PLAY_ONLINE);
            EXPECT_TRUE(Enabled(hDlg, IDC_CUSTOM_ONLINE));
            Click(hDlg, IDC_SOUND_RESET);
            EXPECT_FALSE(Enabled(hDlg, IDC_CUSTOM_ONLINE) || Enabled(hDlg, IDC_TEST_CHANGE));
            EXPECT_TRUE(Enabled(hDlg, IDC_TEST_ONLINE) && Enabled(hDlg, IDC_TEST_OFFLINE));
        });
        dlg.DoModal();
        EXPECT_TRUE(script.Ran());
    }
}

TEST_F(DefaultDialogsTest, SoundOkWaitsForEveryCustomFileAndReachesFollowers)
{
    TestFolder folder;
    const std::string online = folder.Path() + "\\ring.wav";
    const std::string change = "C:\\" + std::string(293, 'x') + ".wav"; // 300 characters
    char startDir[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(startDir), startDir);
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    CContactWnd& own = *AddContact("b@example.com", STATUS_ONLINE)->m_pWnd;
    own.m_bUseDefaultSoundRules = false;
    MessageBoxRecorder boxes;
    ChooserAnswers answers({}, {"   ", "  " + online + " \t", change});
    m_sounds.sounds.clear();
    ModalScript script([&](HWND hDlg) {
        Click(hDlg, IDC_USE_DEFAULT_ONLINE);
        Click(hDlg, IDC_PLAY_CHANGE);
        Click(hDlg, IDC_USE_DEFAULT_CHANGE);
        Click(hDlg, IDOK);
        Click(hDlg, IDC_CUSTOM_ONLINE); // blanks only: nothing chosen
        EXPECT_FALSE(Enabled(hDlg, IDC_TEST_ONLINE));
        Click(hDlg, IDOK);
        Click(hDlg, IDC_CUSTOM_ONLINE);
        SetCurrentDirectoryA(startDir); // moved elsewhere meanwhile
        EXPECT_EQ(online, Text(hDlg, IDC_PATH_ONLINE));
        EXPECT_TRUE(Enabled(hDlg, IDC_TEST_ONLINE));
        Click(hDlg, IDOK);
        Click(hDlg, IDC_CUSTOM_CHANGE);
        Click(hDlg, IDC_TEST_ONLINE);
        Click(hDlg, IDC_TEST_OFFLINE);
        Click(hDlg, IDOK);
    });
    SetDefaultSoundAlerts();
    SetCurrentDirectoryA(startDir);
    ASSERT_TRUE(script.Ran());

    ASSERT_EQ(3u, boxes.boxes.size()) << "the first failing group only";
    EXPECT_EQ("Please indicate a custom ONLINE alert or use the default alert !",
              boxes.boxes[0].strText);
    EXPECT_EQ("Custom Online Alert Empty", boxes.boxes[1].strCaption);
    EXPECT_EQ("Custom Status Changes Alert Empty", boxes.boxes[2].strCaption);
    ASSERT_EQ(3u, answers.fileRequests.size());
    EXPECT_EQ("Wave Files (*.wav)|*.wav|", answers.fileRequests[0].strFilter);
    EXPECT_EQ(DWORD(OFN_HIDEREADONLY), answers.fileRequests[0].ofn.Flags & ~OFN_EXPLORER);
    EXPECT_EQ(folder.Path(), answers.fileRequests[2].strCurrentDir) << "the first file's folder";
    ASSERT_EQ(2u, m_sounds.sounds.size());
    EXPECT_EQ(online, m_sounds.sounds[0].strName);
    EXPECT_EQ("#" + std::to_string(IDR_WAVE_OFFLINE), m_sounds.sounds[1].strName);

    EXPECT_EQ(online, ReadString("_Default", "CustomOnlineSoundAlert"));
    EXPECT_EQ(change, DefaultSettings.CustomChangeSoundAlert);
    EXPECT_EQ(0, ReadContactInt("_Default", "UseDefaultOnlineSoundAlert"));
    EXPECT_TRUE(DefaultSettings.PlayChangeSoundAlert);
    EXPECT_TRUE(pFollower->m_pWnd->m_bSoundAlertWhenStatusChanges);
    EXPECT_EQ(1, ReadContactInt("a@example.com", "soundAlertWhenStatusChanges"));
    EXPECT_FALSE(own.m_bSoundAlertWhenStatusChanges);
}

} // namespace
