#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "dialogs/ColorDlgs.h"
#include "dialogs/SettingsCommands.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

using ColorDialogsTest = DialogTest;

// The colour of the frame round a sample picture, just above its top edge.
COLORREF FrameColor(HWND hDlg, int nIdPicture)
{
    RECT picture = {};
    GetWindowRect(GetDlgItem(hDlg, nIdPicture), &picture);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&picture), 2);
    return PixelAt(hDlg, picture.left + 10, picture.top - 3);
}

TEST_F(ColorDialogsTest, BorderColorsArePreviewedAndOkRepaintsEveryWindow)
{
    const std::vector<COLORREF> savedCustomColors(CustomColors, CustomColors + 16);
    ContactRecord* pRecord = AddContact("a@example.com", STATUS_ONLINE);
    const COLORREF kChosen = 0x00123456;
    ChooserAnswers answers({kChosen, ChooserAnswers::kCancel}, {});
    ModalScript script([&](HWND hDlg) {
        EXPECT_EQ(0x0000C500u, FrameColor(hDlg, IDC_BORDER_ONLINE_PICTURE));
        EXPECT_EQ(0x00007FFFu, FrameColor(hDlg, IDC_BORDER_AWAY_PICTURE));
        EXPECT_EQ(GetSysColor(COLOR_3DFACE), FrameColor(hDlg, IDC_BORDER_OFFLINE_PICTURE));
        EXPECT_FALSE(Enabled(hDlg, IDC_BORDER_OFFLINE_COLOR));
        Click(hDlg, IDC_BORDER_ONLINE_COLOR);
        EXPECT_EQ(kChosen, FrameColor(hDlg, IDC_BORDER_ONLINE_PICTURE));
        Click(hDlg, IDC_BORDER_BUSY_COLOR); // cancelled
        EXPECT_EQ(0x000000FFu, FrameColor(hDlg, IDC_BORDER_BUSY_PICTURE));
        Click(hDlg, IDC_BORDER_HIDE);
        EXPECT_EQ(0x00808080u, FrameColor(hDlg, IDC_BORDER_OFFLINE_PICTURE));
        EXPECT_TRUE(Enabled(hDlg, IDC_BORDER_OFFLINE_COLOR));
        ASSERT_EQ(2u, answers.colorRequests.size());
        EXPECT_EQ(hDlg, answers.colorRequests[0].cc.hwndOwner);
        Click(hDlg, IDOK);
    });
    SetBorderColors();
    std::copy(savedCustomColors.begin(), savedCustomColors.end(), CustomColors);
    ASSERT_TRUE(script.Ran());

    const CHOOSECOLORA& request = answers.colorRequests[0].cc;
    EXPECT_EQ(0x0000C500u, request.rgbResult);
    EXPECT_EQ(DWORD(CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR), request.Flags);
    EXPECT_EQ((std::vector<COLORREF>{0xFFFFFF, 0, 0x00C500, 0x007FFF, 0x0000FF, 0xFF0000, 0x00FFFF,
                                     0x808080, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                     0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
              answers.colorRequests[0].customColors);
    EXPECT_EQ(kChosen, answers.colorRequests[1].customColors[8]) << "kept for the next chooser";
    EXPECT_EQ(int(kChosen), ReadContactInt("_Default", "OnlineBorderColor"));
    EXPECT_EQ(0x808080, ReadContactInt("_Default", "OfflineBorderColor"));
    EXPECT_EQ(0, ReadContactInt("_Default", "HideBorder"));
    EXPECT_EQ(kChosen, DefaultSettings.OnlineBorderColor);
    EXPECT_FALSE(DefaultSettings.HideBorder);
    EXPECT_EQ(kChosen, PixelAt(pRecord->m_pWnd->m_hWnd, 1, 30)) << "repainted at once";
}

TEST_F(ColorDialogsTest, TheNameSampleIsPreviewedAndCancelKeepsEverything)
{
    ChooserAnswers answers({0x00FF00FF}, {});
    ModalScript script([&](HWND hDlg) {
        EXPECT_EQ(0x0000FFFFu, PixelAt(hDlg, 281, 109)) << "the sample's yellow background";
        Click(hDlg, IDC_NAME_BACKGROUND_COLOR);
        EXPECT_EQ(0x00FF00FFu, PixelAt(hDlg, 281, 109));
        Click(hDlg, IDC_NAME_TRANSPARENT);
        EXPECT_FALSE(Enabled(hDlg, IDC_NAME_BACKGROUND_COLOR));
        EXPECT_EQ(GetSysColor(COLOR_3DFACE), PixelAt(hDlg, 281, 109));
        Click(hDlg, IDC_NAME_RESET);
        EXPECT_EQ(0x0000FFFFu, PixelAt(hDlg, 281, 109));
    });
    SetNameColors();
    ASSERT_TRUE(script.Ran());
    EXPECT_EQ(-999, ReadContactInt("_Default", "NameBackgroundColor"));
    EXPECT_EQ(0x0000FFFFu, DefaultSettings.NameBackgroundColor);
}

TEST_F(ColorDialogsTest, ColoursStoredByHandOpenTheChooserAtAColourAndStayUntilOk)
{
    AfxGetApp()->WriteProfileString("_Default", "OnlineBorderColor", "red");
    WriteContactInt("_Default", "BusyBorderColor", -1);
    WriteContactInt("_Default", "AwayBorderColor", 0x12345678);
    ChooserAnswers answers({}, {});
    ModalScript script([&](HWND hDlg) {
        for (int nId : {IDC_BORDER_ONLINE_COLOR, IDC_BORDER_BUSY_COLOR, IDC_BORDER_AWAY_COLOR})
            Click(hDlg, nId);
    });
    SetBorderColors();
    ASSERT_EQ(3u, answers.colorRequests.size());
    EXPECT_EQ(0x00646572u, answers.colorRequests[0].cc.rgbResult) << "the bytes of \"red\"";
    EXPECT_EQ(0x00FFFFFFu, answers.colorRequests[1].cc.rgbResult);
    EXPECT_EQ(0x00345678u, answers.colorRequests[2].cc.rgbResult);
    EXPECT_EQ("red", ReadString("_Default", "OnlineBorderColor"));
    EXPECT_EQ(-1, ReadContactInt("_Default", "BusyBorderColor"));
}

} // namespace
