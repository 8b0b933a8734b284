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

// The real pointer, moved to a point of the screen with its left button
// held down or not.
void Pointer(int x, int y, DWORD dwButton = 0)
{
    SetCursorPos(x, y);
    if (dwButton) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = dwButton;
        SendInput(1, &input, sizeof(input));
    }
    Sleep(100);
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
            return skylet.MainWindow() && hBob && hCarol && IsWindowVisible(hBob);
        },
        20000));
    HWND hMain = skylet.MainWindow();
    EXPECT_FALSE(IsWindowVisible(hCarol)) << "hidden while offline";

    // A default: every contact shown always.
    ChooseFromTrayMenu(hMain, 2);
    HWND hDlg = WaitForDialog("Set Default Display Rules");
    ASSERT_NE(nullptr, hDlg);
    Click(hDlg, IDC_RULES_SHOW_ALWAYS);
    Click(hDlg, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(hCarol); }, kWaitMs));
    EXPECT_EQ(0, ReadSkyletInt("_Default", "displayRules", -1));
    EXPECT_EQ(0, ReadSkyletInt("carol@example.com", "displayRule", -1));

    // A colour: offline contacts framed too.
    ChooseFromTrayMenu(hMain, 5);
    hDlg = WaitForDialog("Set Status Border Color");
    ASSERT_NE(nullptr, hDlg);
    Click(hDlg, IDC_BORDER_HIDE);
    Click(hDlg, IDOK);
    Sleep(500);
    RECT carol = {};
    GetClientRect(hCarol, &carol);
    MapWindowPoints(hCarol, nullptr, reinterpret_cast<POINT*>(&carol), 2);
    EXPECT_EQ(RGB(128, 128, 128), ScreenShot(carol).Pixel(1, 30));
    EXPECT_EQ(0, ReadSkyletInt("_Default", "HideBorder", -1));

    // Transparency: the real pointer drags the slider to its left end in
    // one move, and the windows follow the thumb at once.
    ChooseFromTrayMenu(hMain, 9);
    hDlg = WaitForDialog("Set Transparency");
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(135, AlphaOf(hBob));
    RECT slider = {};
    GetWindowRect(GetDlgItem(hDlg, IDC_TRANSPARENCY_SLIDER), &slider);
    const int y = (slider.top + slider.bottom) / 2;
    Pointer((slider.left + slider.right) / 2, y, MOUSEEVENTF_LEFTDOWN);
    Pointer(slider.left - 40, y);
    EXPECT_EQ(15, AlphaOf(hBob)) << "previewed while dragging";
    EXPECT_EQ(15, AlphaOf(hCarol));
    Pointer(slider.left - 40, y, MOUSEEVENTF_LEFTUP);
    Click(hDlg, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(hDlg); }, kWaitMs));
    EXPECT_EQ(0, ReadSkyletInt("bob@example.com", "transparency", -1));
    EXPECT_EQ(15, AlphaOf(hCarol));

    // A contact's properties, from the "Contacts Properties" submenu.
    ChooseFromTrayMenu(hMain, 10, true);
    hDlg = WaitForDialog("Contact Properties");
    ASSERT_NE(nullptr, hDlg);
    SetDlgItemTextA(hDlg, IDC_PROPERTIES_CUSTOM_NAME, "Robert");
    Click(hDlg, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(hDlg); }, kWaitMs));
    EXPECT_EQ("Robert", ReadSkyletString("bob@example.com", "customName"));
    EXPECT_TRUE(skylet.Quit());
}

} // namespace
