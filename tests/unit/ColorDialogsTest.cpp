#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "dialogs/ColorDlgs.h"
#include "dialogs/SettingsCommands.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/DialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

class ColorDialogsTest : public DialogTest {
protected:
    // The custom colours last a run: each test starts from the program's.
    void SetUp() override
    {
        DialogTest::SetUp();
        std::copy(std::begin(CustomColors), std::end(CustomColors), m_saved);
    }
    void TearDown() override
    {
        std::copy(std::begin(m_saved), std::end(m_saved), CustomColors);
        DialogTest::TearDown();
    }

    COLORREF m_saved[16] = {};
};

// The colour of the frame drawn round a sample picture, above its top edge.
COLORREF FrameColor(HWND hDlg, int nIdPicture)
{
    RECT picture = {};
    GetWindowRect(GetDlgItem(hDlg, nIdPicture), &picture);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&picture), 2);
    return PixelAt(hDlg, picture.left + 10, picture.top - 3);
}

TEST_F(ColorDialogsTest, BorderColorsArePreviewedAndOkRepaintsEveryWindow)
{
    ContactRecord* pRecord = AddContact("a@example.com", STATUS_ONLINE);
    const COLORREF kChosen = 0x00123456;
    ChooserAnswers answers({kChosen, ChooserAnswers::kCancel}, {});
    ModalScript script([&](HWND hDlg) {
        EXPECT_EQ(0x0000C500u, FrameColor(hDlg, IDC_BORDER_ONLINE_PICTURE));
        EXPECT_EQ(0x000000FFu, FrameColor(hDlg, IDC_BORDER_BUSY_PICTURE));
        EXPECT_EQ(0x00007FFFu, FrameColor(hDlg, IDC_BORDER_AWAY_PICTURE));
        EXPECT_EQ(GetSysColor(COLOR_3DFACE), FrameColor(hDlg, IDC_BORDER_OFFLINE_PICTURE));
        EXPECT_TRUE(Checked(hDlg, IDC_BORDER_HIDE));
        EXPECT_FALSE(Enabled(hDlg, IDC_BORDER_OFFLINE_COLOR));

        Click(hDlg, IDC_BORDER_ONLINE_COLOR);
        EXPECT_EQ(kChosen, FrameColor(hDlg, IDC_BORDER_ONLINE_PICTURE));
        Click(hDlg, IDC_BORDER_BUSY_COLOR); // cancelled
        EXPECT_EQ(0x000000FFu, FrameColor(hDlg, IDC_BORDER_BUSY_PICTURE));
        Click(hDlg, IDC_BORDER_HIDE);
        EXPECT_EQ(0x00808080u, FrameColor(hDlg, IDC_BORDER_OFFLINE_PICTURE));
        EXPECT_TRUE(Enabled(hDlg, IDC_BORDER_OFFLINE_COLOR));
        ASSERT_EQ(2u, answers.colorRequests.size());
        const CHOOSECOLORA& request = answers.colorRequests[0];
        EXPECT_EQ(0x0000C500u, request.rgbResult);
        EXPECT_EQ(DWORD(CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR), request.Flags);
        EXPECT_EQ(hDlg, request.hwndOwner);
        Click(hDlg, IDOK);
    });
    SetBorderColors();
    ASSERT_TRUE(script.Ran());

    EXPECT_EQ((std::vector<COLORREF>{0xFFFFFF, 0x000000, 0x00C500, 0x007FFF, 0x0000FF, 0xFF0000,
                                     0x00FFFF, 0x808080, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                     0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
              answers.customRows[0]);
    EXPECT_EQ(kChosen, answers.customRows[1][8]) << "a custom colour stays for the next chooser";
    EXPECT_EQ(int(kChosen), ReadContactInt("_Default", "OnlineBorderColor"));
    EXPECT_EQ(0x808080, ReadContactInt("_Default", "OfflineBorderColor"));
    EXPECT_EQ(0, ReadContactInt("_Default", "HideBorder"));
    EXPECT_EQ(kChosen, DefaultSettings.OnlineBorderColor);
    EXPECT_FALSE(DefaultSettings.HideBorder);
    EXPECT_EQ(kChosen, PixelAt(pRecord->m_pWnd->m_hWnd, 1, 30)) << "repainted at once";
}

TEST_F(ColorDialogsTest, NameColorsArePreviewedAndCancelKeepsEverything)
{
    const COLORREF kChosen = 0x00FF00FF;
    ChooserAnswers answers({kChosen}, {});
    ModalScript script([&](HWND hDlg) {
        EXPECT_EQ(0x0000FFFFu, PixelAt(hDlg, 281, 109)) << "the sample's yellow background";
        Click(hDlg, IDC_NAME_BACKGROUND_COLOR);
        EXPECT_EQ(kChosen, PixelAt(hDlg, 281, 109));
        Click(hDlg, IDC_NAME_TRANSPARENT);
        EXPECT_FALSE(Enabled(hDlg, IDC_NAME_BACKGROUND_COLOR));
        EXPECT_EQ(GetSysColor(COLOR_3DFACE), PixelAt(hDlg, 281, 109));
        Click(hDlg, IDC_NAME_RESET);
        EXPECT_FALSE(Checked(hDlg, IDC_NAME_TRANSPARENT));
        EXPECT_EQ(0x0000FFFFu, PixelAt(hDlg, 281, 109));
        Click(hDlg, IDCANCEL);
    });
    SetNameColors();
    ASSERT_TRUE(script.Ran());
    EXPECT_EQ(-999, ReadContactInt("_Default", "NameBackgroundColor"));
    EXPECT_EQ(0x0000FFFFu, DefaultSettings.NameBackgroundColor);

    ModalScript confirm([&](HWND hDlg) {
        Click(hDlg, IDC_NAME_TRANSPARENT);
        Click(hDlg, IDOK);
    });
    SetNameColors();
    EXPECT_EQ(1, ReadContactInt("_Default", "NameTransparentBackground"));
    EXPECT_TRUE(DefaultSettings.NameTransparentBackground);
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
        Click(hDlg, IDCANCEL);
    });
    SetBorderColors();
    ASSERT_EQ(3u, answers.colorRequests.size());
    EXPECT_EQ(0x00646572u, answers.colorRequests[0].rgbResult) << "the bytes of \"red\"";
    EXPECT_EQ(0x00FFFFFFu, answers.colorRequests[1].rgbResult);
    EXPECT_EQ(0x00345678u, answers.colorRequests[2].rgbResult);
    EXPECT_EQ("red", ReadContactString("_Default", "OnlineBorderColor"));
    EXPECT_EQ(-1, ReadContactInt("_Default", "BusyBorderColor"));
}

} // namespace
