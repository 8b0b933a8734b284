#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "dialogs/SettingsCommands.h"
#include "dialogs/SoundAlertsDlg.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/DialogDriver.h"
#include "tests/unit/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using DefaultDialogsTest = DialogTest;

TEST_F(DefaultDialogsTest, DisplayRuleOpensAtTheFactoryRuleAndReachesFollowersOnly)
{
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    ContactRecord* pOwn = AddContact("b@example.com", STATUS_ONLINE);
    pOwn->m_pWnd->m_bUseDefaultDisplayRules = false;
    pOwn->m_pWnd->m_nDisplayRule = 0;
    ContactRecord* pLate = nullptr;
    ModalScript script([&](HWND hDlg) {
        EXPECT_TRUE(Checked(hDlg, IDC_RULES_HIDE_ONLY_WHEN_OFFLINE));
        EXPECT_FALSE(Checked(hDlg, IDC_RULES_SHOW_ALWAYS));
        pLate = AddContact("c@example.com", STATUS_ONLINE); // found by a poll meanwhile
        Click(hDlg, IDC_RULES_HIDE_ALWAYS);
        Click(hDlg, IDOK);
    });
    SetDefaultDisplayRules();
    ASSERT_TRUE(script.Ran());

    EXPECT_EQ(1, ReadContactInt("_Default", "displayRules"));
    for (ContactRecord* pRecord : {pFollower, pLate}) {
        EXPECT_EQ(1, pRecord->m_pWnd->m_nDisplayRule);
        EXPECT_EQ(1, ReadContactInt(pRecord->m_strSigninName, "displayRule"));
        EXPECT_FALSE(pRecord->m_pWnd->IsWindowVisible()) << "hidden at once";
    }
    EXPECT_EQ(0, pOwn->m_pWnd->m_nDisplayRule);
    EXPECT_EQ(-999, ReadContactInt("b@example.com", "displayRule"));
    EXPECT_TRUE(pOwn->m_pWnd->IsWindowVisible());
}

TEST_F(DefaultDialogsTest, SpeechOpensWithEverythingOnAndReachesFollowersOnly)
{
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    ContactRecord* pOwn = AddContact("b@example.com", STATUS_ONLINE);
    pOwn->m_pWnd->m_bUseDefaultSpeechRules = false;
    ModalScript script([&](HWND hDlg) {
        for (int nId :
             {IDC_SPEECH_ONLINE, IDC_SPEECH_OFFLINE, IDC_SPEECH_CHANGE, IDC_SAY_NAME_AND_STATUS})
            EXPECT_TRUE(Checked(hDlg, nId)) << nId;
        Click(hDlg, IDC_SPEECH_OFFLINE);
        Click(hDlg, IDC_SAY_NAME_ONLY);
        Click(hDlg, IDOK);
    });
    SetDefaultSpeechAlerts();
    ASSERT_TRUE(script.Ran());

    EXPECT_EQ(0, ReadContactInt("_Default", "UseSpeechOffline"));
    EXPECT_EQ(1, ReadContactInt("_Default", "UseSpeechOnline"));
    EXPECT_EQ(0, ReadContactInt("_Default", "SayNameOnly"));
    EXPECT_FALSE(DefaultSettings.UseSpeechOffline);
    EXPECT_EQ(0, DefaultSettings.SayNameOnly);
    EXPECT_FALSE(pFollower->m_pWnd->m_bUseSpeechOffline);
    EXPECT_EQ(0, ReadContactInt("a@example.com", "UseSpeechOffline"));
    EXPECT_TRUE(pOwn->m_pWnd->m_bUseSpeechOffline);
    EXPECT_EQ(-999, ReadContactInt("b@example.com", "UseSpeechOffline"));
}

TEST_F(DefaultDialogsTest, ResetChangesOnlyTheControlsUntilOk)
{
    WriteContactInt("_Default", "displayRules", 1);
    WriteContactInt("_Default", "SayNameOnly", 0);
    WriteContactInt("_Default", "PlayChangeSoundAlert", 1);
    DefaultSettings.Load();
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    const std::pair<void (*)(), int> commands[] = {{SetDefaultDisplayRules, IDC_RULES_RESET},
                                                   {SetDefaultSpeechAlerts, IDC_SPEECH_RESET},
                                                   {SetDefaultSoundAlerts, IDC_SOUND_RESET}};
    for (const auto& command : commands) {
        ModalScript script([&](HWND hDlg) {
            Click(hDlg, command.second);
            Click(hDlg, IDCANCEL);
        });
        command.first();
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ(1, ReadContactInt("_Default", "displayRules"));
    EXPECT_EQ(0, ReadContactInt("_Default", "SayNameOnly"));
    EXPECT_EQ(1, ReadContactInt("_Default", "PlayChangeSoundAlert"));
    EXPECT_EQ(0, DefaultSettings.SayNameOnly);
    EXPECT_TRUE(DefaultSettings.PlayChangeSoundAlert);
    EXPECT_EQ(1, pFollower->m_pWnd->m_nDisplayRule);

    for (const auto& command : commands) {
        ModalScript script([&](HWND hDlg) {
            Click(hDlg, command.second);
            Click(hDlg, IDOK);
        });
        command.first();
    }
    EXPECT_EQ(3, ReadContactInt("_Default", "displayRules"));
    EXPECT_EQ(1, ReadContactInt("_Default", "SayNameOnly"));
    EXPECT_EQ(0, ReadContactInt("_Default", "PlayChangeSoundAlert"));
    EXPECT_EQ(3, pFollower->m_pWnd->m_nDisplayRule);
}

TEST_F(DefaultDialogsTest, StoredValuesOutsideTheRadiosSelectNoneAndContactsKeepWorking)
{
    WriteContactInt("_Default", "displayRules", -3);
    WriteContactInt("_Default", "SayNameOnly", 7);
    DefaultSettings.Load();
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    for (auto* pCommand : {SetDefaultDisplayRules, SetDefaultSpeechAlerts}) {
        ModalScript script([&](HWND hDlg) {
            for (int nId :
                 {IDC_RULES_SHOW_ALWAYS, IDC_RULES_HIDE_ALWAYS, IDC_RULES_SHOW_ONLY_WHEN_ONLINE,
                  IDC_RULES_HIDE_ONLY_WHEN_OFFLINE, IDC_SAY_NAME_ONLY, IDC_SAY_NAME_AND_STATUS})
                EXPECT_FALSE(GetDlgItem(hDlg, nId) && Checked(hDlg, nId)) << nId;
            Click(hDlg, IDOK);
        });
        pCommand();
    }
    EXPECT_EQ(-1, ReadContactInt("_Default", "displayRules"));
    EXPECT_EQ(-1, ReadContactInt("_Default", "SayNameOnly"));
    EXPECT_EQ(-1, pFollower->m_pWnd->m_nDisplayRule);
    // A rule outside the table leaves the window as it is, through status changes.
    pFollower->m_nStatus = STATUS_OFFLINE;
    pFollower->NotifyStatus(false);
    EXPECT_TRUE(pFollower->m_pWnd->IsWindowVisible());
}

// The enabled states of a sound group: "Use Default Alert", "Use Custom
// Alert...", "Test Sound...".
struct GroupCase {
    SoundAlertValues values;
    bool bUseDefault, bCustom, bTest;
};

TEST_F(DefaultDialogsTest, SoundGroupsEnableTheirButtonsByPlayDefaultAndPath)
{
    const GroupCase cases[] = {
        {{FALSE, FALSE, ""}, false, false, false}, {{FALSE, FALSE, "a.wav"}, false, false, false},
        {{FALSE, TRUE, ""}, false, false, false},  {{FALSE, TRUE, "a.wav"}, false, false, false},
        {{TRUE, FALSE, ""}, true, true, false},    {{TRUE, FALSE, "a.wav"}, true, true, true},
        {{TRUE, TRUE, ""}, true, false, true},     {{TRUE, TRUE, "a.wav"}, true, false, true},
        {{TRUE, TRUE, ""}, true, false, true},
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
            for (int group = 0; group < 3; ++group) {
                const GroupCase& expected = cases[first + group];
                EXPECT_EQ(expected.bUseDefault, Enabled(hDlg, controls[group][0])) << first + group;
                EXPECT_EQ(expected.bCustom, Enabled(hDlg, controls[group][1])) << first + group;
                EXPECT_EQ(expected.bTest, Enabled(hDlg, controls[group][2])) << first + group;
            }
        });
        dlg.DoModal();
        EXPECT_TRUE(script.Ran());
    }

    // Toggles apply the rule to their group; Reset to every group.
    CDefaultSoundAlertsDlg dlg;
    dlg.m_online = {TRUE, TRUE, ""};
    ModalScript script([&](HWND hDlg) {
        Click(hDlg, IDC_USE_DEFAULT_ONLINE);
        EXPECT_TRUE(Enabled(hDlg, IDC_CUSTOM_ONLINE));
        EXPECT_FALSE(Enabled(hDlg, IDC_TEST_ONLINE));
        Click(hDlg, IDC_PLAY_ONLINE);
        EXPECT_FALSE(Enabled(hDlg, IDC_USE_DEFAULT_ONLINE));
        EXPECT_FALSE(Enabled(hDlg, IDC_CUSTOM_ONLINE));
        Click(hDlg, IDC_SOUND_RESET);
        for (int nId : {IDC_TEST_ONLINE, IDC_TEST_OFFLINE, IDC_USE_DEFAULT_OFFLINE})
            EXPECT_TRUE(Enabled(hDlg, nId)) << nId;
        for (int nId :
             {IDC_CUSTOM_ONLINE, IDC_CUSTOM_CHANGE, IDC_TEST_CHANGE, IDC_USE_DEFAULT_CHANGE})
            EXPECT_FALSE(Enabled(hDlg, nId)) << nId;
    });
    dlg.DoModal();
}

TEST_F(DefaultDialogsTest, SoundOkWaitsForEveryCustomFileChosenAndReachesFollowers)
{
    TestFolder folder;
    const std::string online = folder.Path() + "\\ring.wav";
    const std::string change = folder.Path() + "\\chime.wav";
    char startDir[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(startDir), startDir);
    ContactRecord* pFollower = AddContact("a@example.com", STATUS_ONLINE);
    ContactRecord* pOwn = AddContact("b@example.com", STATUS_ONLINE);
    pOwn->m_pWnd->m_bUseDefaultSoundRules = false;

    MessageBoxRecorder boxes;
    SoundRecorder sounds;
    ChooserAnswers answers({}, {"  " + online + " \t", change});
    ModalScript script([&](HWND hDlg) {
        Click(hDlg, IDC_USE_DEFAULT_ONLINE);
        Click(hDlg, IDC_PLAY_CHANGE);
        Click(hDlg, IDC_USE_DEFAULT_CHANGE);
        Click(hDlg, IDOK);
        ASSERT_EQ(1u, boxes.boxes.size()) << "the first failing group only";
        EXPECT_EQ("Please indicate a custom ONLINE alert or use the default alert !",
                  boxes.boxes[0].strText);
        EXPECT_EQ("Custom Online Alert Empty", boxes.boxes[0].strCaption);
        EXPECT_EQ(hDlg, boxes.boxes[0].hOwner);
        EXPECT_EQ(UINT(MB_OK), boxes.boxes[0].nType);

        Click(hDlg, IDC_CUSTOM_ONLINE);
        SetCurrentDirectoryA(startDir); // moved elsewhere in the meantime
        EXPECT_EQ(online, Text(hDlg, IDC_PATH_ONLINE));
        EXPECT_TRUE(Enabled(hDlg, IDC_TEST_ONLINE));
        Click(hDlg, IDOK);
        ASSERT_EQ(2u, boxes.boxes.size());
        EXPECT_EQ("Custom Status Changes Alert Empty", boxes.boxes[1].strCaption);
        Click(hDlg, IDC_CUSTOM_CHANGE);
        Click(hDlg, IDC_TEST_ONLINE);
        Click(hDlg, IDC_TEST_OFFLINE);
        Click(hDlg, IDOK);
    });
    SetDefaultSoundAlerts();
    char endDir[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(endDir), endDir);
    SetCurrentDirectoryA(startDir);
    ASSERT_TRUE(script.Ran());

    ASSERT_EQ(2u, answers.fileRequests.size());
    EXPECT_EQ("Wave Files (*.wav)|*.wav|", answers.fileFilters[0]);
    EXPECT_TRUE(answers.fileRequests[0].Flags & OFN_HIDEREADONLY);
    EXPECT_FALSE(answers.fileRequests[0].Flags & OFN_NOCHANGEDIR);
    EXPECT_EQ(nullptr, answers.fileRequests[0].lpstrDefExt);
    EXPECT_EQ(folder.Path(), answers.fileFolders[1]) << "the folder of the first file";
    EXPECT_EQ(folder.Path(), std::string(endDir));
    EXPECT_EQ((std::vector<std::string>{online, "#" + std::to_string(IDR_WAVE_OFFLINE)}),
              sounds.sounds);

    EXPECT_EQ(online, ReadContactString("_Default", "CustomOnlineSoundAlert"));
    EXPECT_EQ(change, DefaultSettings.CustomChangeSoundAlert);
    EXPECT_EQ(0, ReadContactInt("_Default", "UseDefaultOnlineSoundAlert"));
    EXPECT_FALSE(DefaultSettings.UseDefaultOnlineSoundAlert);
    EXPECT_TRUE(DefaultSettings.PlayChangeSoundAlert);
    EXPECT_TRUE(pFollower->m_pWnd->m_bSoundAlertWhenStatusChanges);
    EXPECT_EQ(1, ReadContactInt("a@example.com", "soundAlertWhenStatusChanges"));
    EXPECT_FALSE(pOwn->m_pWnd->m_bSoundAlertWhenStatusChanges);
    EXPECT_EQ(-999, ReadContactInt("b@example.com", "soundAlertWhenStatusChanges"));
}

TEST_F(DefaultDialogsTest, ABlankPathIsNoChoiceAndALongOneIsKeptWhole)
{
    const std::string longPath = "C:\\" + std::string(293, 'x') + ".wav";
    MessageBoxRecorder boxes;
    ChooserAnswers answers({}, {"   ", longPath});
    ModalScript script([&](HWND hDlg) {
        Click(hDlg, IDC_USE_DEFAULT_OFFLINE);
        Click(hDlg, IDC_CUSTOM_OFFLINE);
        EXPECT_EQ("", Text(hDlg, IDC_PATH_OFFLINE));
        EXPECT_FALSE(Enabled(hDlg, IDC_TEST_OFFLINE));
        Click(hDlg, IDOK);
        EXPECT_EQ(1u, boxes.boxes.size());
        Click(hDlg, IDC_CUSTOM_OFFLINE);
        Click(hDlg, IDOK);
    });
    SetDefaultSoundAlerts();
    EXPECT_EQ(longPath, ReadContactString("_Default", "CustomOfflineSoundAlert"));
}

} // namespace
