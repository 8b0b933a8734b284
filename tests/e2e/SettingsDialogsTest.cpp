#include "res/resource.h"
#include "tests/e2e/Harness.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWaitMs = 10000;

BYTE AlphaOf(HWND hWnd)
{
    BYTE alpha = 0;
    GetLayeredWindowAttributes(hWnd, nullptr, &alpha, nullptr);
    return alpha;
}

TEST(SettingsDialogsTest, EachKindOfDialogChangesTheContactsFromTheTrayMenu)
{
    ClearSkyletSettings();
    Simulator simulator;
    simulator.Write({"bob@example.com online Bob", "carol@example.com offline Carol"});
    SkyletProcess skylet;
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND hBob = nullptr, hCarol = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            hBob = skylet.ContactWindowAt(0, work.bottom - 74);
            hCarol = skylet.ContactWindowAt(74, work.bottom - 74);
            return skylet.MainWindow() && !IsWindowVisible(skylet.MainWindow()) && hBob && hCarol
                   && IsWindowVisible(hBob);
        },
        20000));
    EXPECT_FALSE(IsWindowVisible(hCarol)) << "hidden while offline";

    // A default: every contact shown always.
    ChooseFromTrayMenu(skylet, 2);
    HWND hDlg = WaitForDialog("Set Default Display Rules");
    ASSERT_NE(nullptr, hDlg);
    Click(hDlg, IDC_RULES_SHOW_ALWAYS);
    EXPECT_TRUE(ClickOK(hDlg));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(hCarol); }, kWaitMs));
    EXPECT_EQ(0, ReadSkyletInt("_Default", "displayRules", -1));
    EXPECT_EQ(0, ReadSkyletInt("carol@example.com", "displayRule", -1));

    // A colour: offline contacts framed too.
    ChooseFromTrayMenu(skylet, 5);
    hDlg = WaitForDialog("Set Status Border Color");
    ASSERT_NE(nullptr, hDlg);
    Click(hDlg, IDC_BORDER_HIDE);
    EXPECT_TRUE(ClickOK(hDlg));
    RECT carol = {};
    GetClientRect(hCarol, &carol);
    MapWindowPoints(hCarol, nullptr, reinterpret_cast<POINT*>(&carol), 2);
    EXPECT_TRUE(
        WaitUntil([&] { return ScreenShot(carol).Pixel(1, 30) == RGB(128, 128, 128); }, kWaitMs))
        << "the grey frame";
    EXPECT_EQ(0, ReadSkyletInt("_Default", "HideBorder", -1));

    // Transparency: the real pointer drags the slider past its left end in
    // one move, and the windows follow the thumb at once.
    ChooseFromTrayMenu(skylet, 9);
    hDlg = WaitForDialog("Set Transparency");
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(135, AlphaOf(hBob));
    RECT slider = {};
    GetWindowRect(GetDlgItem(hDlg, IDC_TRANSPARENCY_SLIDER), &slider);
    const int y = (slider.top + slider.bottom) / 2;
    HeldLeftButton drag(MoveTo((slider.left + slider.right) / 2, y)
                        + "; sleep 0.3; xdotool mousedown 1; sleep 0.2; "
                        + MoveTo(0, y)); // past the slider's left end
    ASSERT_TRUE(drag.Pressed());
    EXPECT_TRUE(WaitUntil([&] { return AlphaOf(hBob) == 15 && AlphaOf(hCarol) == 15; }, kWaitMs))
        << "previewed while dragging";
    ASSERT_TRUE(drag.Release("xdotool mouseup 1; " + MoveTo(700, 300)));
    EXPECT_TRUE(ClickOK(hDlg));
    EXPECT_EQ(0, ReadSkyletInt("bob@example.com", "transparency", -1));
    EXPECT_EQ(15, AlphaOf(hCarol));

    // A contact's properties, from the "Contacts Properties" submenu.
    ChooseFromTrayMenu(skylet, 10, true);
    hDlg = WaitForDialog("Contact Properties");
    ASSERT_NE(nullptr, hDlg);
    SetDlgItemTextA(hDlg, IDC_PROPERTIES_CUSTOM_NAME, "Robert");
    EXPECT_TRUE(ClickOK(hDlg));
    EXPECT_EQ("Robert", ReadSkyletString("bob@example.com", "customName"));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
