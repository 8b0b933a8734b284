#include "contactwnd/ContactWnd.h"
#include "contactwnd/LayeredWindow.h"
#include "core/ContactRecord.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "framework/Gdi.h"
#include "settings/DefaultSettings.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/TestFiles.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace {

SIZE WindowSize(const CContactWnd& wnd)
{
    const RECT rect = wnd.GetWindowRect();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT WindowOrigin(const CContactWnd& wnd)
{
    const RECT rect = wnd.GetWindowRect();
    return {rect.left, rect.top};
}

void Repaint(CContactWnd& wnd)
{
    wnd.Invalidate(TRUE);
    wnd.OnPaint();
}

// The colour at a point of the window's client area, as painted.
COLORREF PixelAt(const CContactWnd& wnd, int x, int y)
{
    HDC hDC = GetDC(wnd.m_hWnd);
    const COLORREF color = GetPixel(hDC, x, y);
    ReleaseDC(wnd.m_hWnd, hDC);
    return color;
}

// A drop of files, as the shell hands it to a window.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* pDrop = static_cast<DROPFILES*>(GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}

using PlacementTest = ContactTest;

TEST_F(PlacementTest, NewWindowsFillRowsAlongTheBottomOfTheWorkArea)
{
    const RECT work = WorkArea();
    ASSERT_EQ(1024, work.right) << "the test display is 1024 pixels wide";
    std::vector<std::unique_ptr<ContactRecord>> records;
    for (int i = 0; i < 15; ++i)
        records.push_back(MakeRecord("c" + std::to_string(i) + "@example.com", STATUS_ONLINE));

    for (int i = 0; i < 13; ++i) {
        const RECT rect = records[i]->m_pWnd->GetWindowRect();
        EXPECT_EQ(74 * i, rect.left) << i;
        EXPECT_EQ(work.bottom - 74, rect.top) << i;
        EXPECT_EQ(74, rect.right - rect.left);
        EXPECT_EQ(74, rect.bottom - rect.top);
    }
    // 962 + 74 would pass the right edge: a new row, 74 pixels higher.
    EXPECT_EQ(0, WindowOrigin(*records[13]->m_pWnd).x);
    EXPECT_EQ(work.bottom - 148, WindowOrigin(*records[13]->m_pWnd).y);
    EXPECT_EQ(74, WindowOrigin(*records[14]->m_pWnd).x);
    EXPECT_EQ(work.bottom - 148, WindowOrigin(*records[14]->m_pWnd).y);
}

TEST_F(PlacementTest, AStoredPositionIsUsedAndStillTakesAPlace)
{
    WriteContactInt("a@example.com", "left", 300);
    WriteContactInt("a@example.com", "top", 200);
    WriteContactInt("a@example.com", "sizeX", 90);
    WriteContactInt("a@example.com", "sizeY", 60);
    auto first = MakeRecord("a@example.com", STATUS_ONLINE);
    auto second = MakeRecord("b@example.com", STATUS_ONLINE);
    EXPECT_EQ(300, WindowOrigin(*first->m_pWnd).x);
    EXPECT_EQ(200, WindowOrigin(*first->m_pWnd).y);
    EXPECT_EQ(90, WindowSize(*first->m_pWnd).cx);
    EXPECT_EQ(60, WindowSize(*first->m_pWnd).cy);
    EXPECT_EQ(74, WindowOrigin(*second->m_pWnd).x);
}

TEST_F(PlacementTest, ADestroyedWindowGivesItsPlaceToTheNextOne)
{
    auto first = MakeRecord("a@example.com", STATUS_ONLINE);
    auto second = MakeRecord("b@example.com", STATUS_ONLINE);
    ASSERT_EQ(74, WindowOrigin(*second->m_pWnd).x);
    second.reset();
    EXPECT_EQ(1, g_nNextWindowIndex);
    auto third = MakeRecord("c@example.com", STATUS_ONLINE);
    EXPECT_EQ(74, WindowOrigin(*third->m_pWnd).x);
}

TEST_F(PlacementTest, OnlyAPositionHardlyOnTheDesktopComesBackInsideAndItsPlaceIsKept)
{
    WriteContactInt("a@example.com", "left", 5000);
    WriteContactInt("a@example.com", "top", -3000);
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    CContactWnd& wnd = *record->m_pWnd;
    const RECT work = WorkArea();
    EXPECT_EQ(work.right - 74, WindowOrigin(wnd).x);
    EXPECT_EQ(work.top, WindowOrigin(wnd).y);
    // Neither that move nor a later show, hide or change of order is the user's.
    wnd.ShowWindow(SW_HIDE);
    wnd.ShowWindow(SW_SHOW);
    wnd.SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Repaint(wnd);
    EXPECT_EQ(5000, ReadContactInt("a@example.com", "left"));
    EXPECT_EQ(-3000, ReadContactInt("a@example.com", "top"));
    EXPECT_EQ(74, ReadContactInt("a@example.com", "sizeX"));
    EXPECT_EQ(5000, wnd.m_nLeft);
    EXPECT_EQ(-3000, wnd.m_nTop);
    // A monitor that shows the place again, as a wider display would show
    // 5000: the window goes back there at the next paint.
    wnd.m_nLeft = 600;
    wnd.m_nTop = 300;
    Repaint(wnd);
    EXPECT_EQ(600, WindowOrigin(wnd).x);
    EXPECT_EQ(300, WindowOrigin(wnd).y);

    // Tucked partly off the edges, as the user left them, at every paint.
    for (int left : {-30, 990}) {
        WriteContactInt("b@example.com", "left", left);
        auto tucked = MakeRecord("b@example.com", STATUS_ONLINE);
        Repaint(*tucked->m_pWnd);
        EXPECT_EQ(left, WindowOrigin(*tucked->m_pWnd).x);
        EXPECT_EQ(left, ReadContactInt("b@example.com", "left"));
    }
}

TEST_F(PlacementTest, AWindowAsideForAProgramThatHasClosedStillMoves)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    CContactWnd& wnd = *record->m_pWnd;
    HWND hProgram = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hProgram);
    wnd.StepAsideFor(hProgram);
    DestroyWindow(hProgram);
    wnd.ResizeToPercent(50);
    EXPECT_EQ(42, WindowSize(wnd).cx);
    EXPECT_EQ(42, ReadContactInt("a@example.com", "sizeX"));
    EXPECT_TRUE(GetWindowLongA(wnd.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) << "on top, as stored";
}

TEST_F(PlacementTest, WindowsStayOnTopUnlessStoredOtherwise)
{
    auto top = MakeRecord("a@example.com", STATUS_ONLINE);
    WriteContactInt("b@example.com", "stayOnTop", 0);
    auto plain = MakeRecord("b@example.com", STATUS_ONLINE);
    EXPECT_TRUE(GetWindowLongA(top->m_pWnd->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(plain->m_pWnd->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

using DisplayRuleTest = ContactTest;

TEST_F(DisplayRuleTest, EachRuleShowsOrHidesByStatus)
{
    struct {
        int nRule;
        int nStatus;
        bool bShown;
    } const cases[] = {
        {0, STATUS_OFFLINE, true}, {1, STATUS_ONLINE, false},   {2, STATUS_ONLINE, true},
        {2, STATUS_AWAY, false},   {2, STATUS_OFFLINE, false},  {3, STATUS_OFFLINE, false},
        {3, STATUS_BUSY, true},    {3, STATUS_INVISIBLE, true},
    };
    for (const auto& c : cases) {
        WriteContactInt("a@example.com", "displayRule", c.nRule);
        auto record = MakeRecord("a@example.com", c.nStatus);
        EXPECT_EQ(c.bShown, !!record->m_pWnd->IsWindowVisible()) << c.nRule << " " << c.nStatus;
    }
}

TEST_F(DisplayRuleTest, AContactWithoutARuleFollowsTheDefaultRule)
{
    AfxGetApp()->WriteProfileInt("_Default", "displayRules", 1);
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    EXPECT_EQ(1, record->m_pWnd->m_nDisplayRule);
    EXPECT_FALSE(record->m_pWnd->IsWindowVisible());
}

TEST_F(DisplayRuleTest, ARuleOutsideTheTableLeavesVisibilityAlone)
{
    WriteContactInt("a@example.com", "displayRule", 7);
    auto record = MakeRecord("a@example.com", STATUS_OFFLINE);
    EXPECT_TRUE(record->m_pWnd->IsWindowVisible()) << "as created";
    record->m_pWnd->ShowWindow(SW_HIDE);
    record->m_nStatus = STATUS_ONLINE;
    Repaint(*record->m_pWnd);
    EXPECT_FALSE(record->m_pWnd->IsWindowVisible());
}

TEST_F(DisplayRuleTest, AFreshInstallationShowsEverythingOpaqueAndOnTop)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    const CContactWnd& wnd = *record->m_pWnd;
    EXPECT_EQ(74, WindowSize(wnd).cx);
    EXPECT_EQ(74, WindowSize(wnd).cy);
    EXPECT_TRUE(wnd.m_bShowPhoto && wnd.m_bShowName && wnd.m_bShowStatusBorder);
    EXPECT_TRUE(wnd.m_bStayOnTop);
    EXPECT_EQ(100, wnd.m_nTransparency);
    EXPECT_EQ(3, wnd.m_nDisplayRule);
    EXPECT_TRUE(wnd.m_bSoundAlertWhenOnline && wnd.m_bSoundAlertWhenOffline);
    EXPECT_FALSE(wnd.m_bSoundAlertWhenStatusChanges);
    EXPECT_TRUE(wnd.m_bUseSpeechOnline && wnd.m_bUseSpeechOffline && wnd.m_bUseSpeechChange);
    EXPECT_TRUE(wnd.m_bUseDefaultDisplayRules && wnd.m_bUseDefaultSoundRules
                && wnd.m_bUseDefaultSpeechRules);
    EXPECT_FALSE(wnd.m_photo.IsEmpty()) << "the built-in photo";
}

class PaintTest : public ContactTest {
protected:
    // A shown window of a contact in the status, its left frame pixel.
    COLORREF FrameColor(int nStatus)
    {
        WriteContactInt("a@example.com", "displayRule", 0);
        auto record = MakeRecord("a@example.com", nStatus);
        Repaint(*record->m_pWnd);
        const RECT client = record->m_pWnd->GetClientRect();
        return PixelAt(*record->m_pWnd, 1, client.bottom / 2);
    }
};

TEST_F(PaintTest, TheFrameHasTheColourOfTheStatusClass)
{
    EXPECT_EQ(0x0000C500u, FrameColor(STATUS_ONLINE));
    EXPECT_EQ(0x000000FFu, FrameColor(STATUS_BUSY));
    for (int status : {STATUS_AWAY, STATUS_BE_RIGHT_BACK, STATUS_INVISIBLE, STATUS_UNKNOWN})
        EXPECT_EQ(0x00007FFFu, FrameColor(status)) << status;
    const COLORREF offline = FrameColor(STATUS_OFFLINE);
    EXPECT_NE(0x00808080u, offline) << "no frame for offline contacts by default";

    DefaultSettings.HideBorder = false;
    EXPECT_EQ(0x00808080u, FrameColor(STATUS_OFFLINE));
    DefaultSettings.BusyBorderColor = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), FrameColor(STATUS_BUSY));
}

TEST_F(PaintTest, NoFrameWhenItIsSwitchedOff)
{
    WriteContactInt("a@example.com", "showStatusBorder", 0);
    EXPECT_NE(0x0000C500u, FrameColor(STATUS_ONLINE));
}

TEST_F(PaintTest, TheNameSitsOnItsBackgroundAlongTheBottom)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE, "Bob");
    CContactWnd& wnd = *record->m_pWnd;
    Repaint(wnd);
    const RECT client = wnd.GetClientRect();
    auto yellowRows = [&] {
        std::vector<int> rows;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                if (PixelAt(wnd, x, y) == 0x0000FFFFu) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    const std::vector<int> rows = yellowRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(client.bottom - 4, rows.back()) << "the text ends 3 pixels above the bottom";
    EXPECT_GT(rows.front(), client.bottom / 2);

    DefaultSettings.NameTransparentBackground = true;
    Repaint(wnd);
    EXPECT_TRUE(yellowRows().empty());
}

TEST_F(PaintTest, AnAmpersandInTheNameIsDrawnAsItIs)
{
    const char kName[] = "Tom & Jerry";
    WriteContactInt("a@example.com", "sizeX", 300); // room for the whole name
    auto record = MakeRecord("a@example.com", STATUS_ONLINE, kName);
    CContactWnd& wnd = *record->m_pWnd;
    Repaint(wnd);
    const RECT client = wnd.GetClientRect();
    // The name's box spans the columns that hold some of its background.
    int nLeft = client.right, nRight = -1;
    for (int x = 0; x < client.right; ++x)
        for (int y = client.bottom / 2; y < client.bottom; ++y)
            if (PixelAt(wnd, x, y) == 0x0000FFFFu) {
                nLeft = std::min(nLeft, x);
                nRight = x;
                break;
            }

    HDC hDC = GetDC(wnd.m_hWnd);
    const auto textWidth = [&](UINT nFlags) {
        CFontHandle font(CreatePointFont(90, "MS Sans Serif", hDC));
        CSelectObject selectFont(hDC, font.Get());
        RECT text = {};
        DrawTextA(hDC, kName, -1, &text, DT_SINGLELINE | DT_CALCRECT | nFlags);
        return static_cast<int>(text.right);
    };
    const int nAsItIs = textWidth(DT_NOPREFIX);
    const int nWithMnemonic = textWidth(0);
    ReleaseDC(wnd.m_hWnd, hDC);
    ASSERT_LT(nWithMnemonic, nAsItIs) << "the \"&\" would take no room as a mnemonic";
    EXPECT_EQ(nAsItIs, nRight - nLeft + 1);
}

TEST_F(PaintTest, WithoutPhotoTheDialogBackgroundShows)
{
    WriteContactInt("a@example.com", "showPhoto", 0);
    WriteContactInt("a@example.com", "showName", 0);
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    Repaint(*record->m_pWnd);
    const RECT client = record->m_pWnd->GetClientRect();
    EXPECT_EQ(GetSysColor(COLOR_3DFACE),
              PixelAt(*record->m_pWnd, client.right / 2, client.bottom / 2));
    EXPECT_EQ(0x0000C500u, PixelAt(*record->m_pWnd, 1, client.bottom / 2));
}

TEST_F(PaintTest, ResizingRepaintsAtOnce)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    PumpMessages();
    record->m_pWnd->SetWindowPos(nullptr, 0, 0, 120, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(GetUpdateRect(record->m_pWnd->m_hWnd, nullptr, FALSE));
    const RECT client = record->m_pWnd->GetClientRect();
    EXPECT_EQ(0x0000C500u, PixelAt(*record->m_pWnd, 1, client.bottom - 10));
}

class SizeTest : public ContactTest {
protected:
    SIZE SizeAfter(CContactWnd& wnd, UINT nCommand)
    {
        const POINT origin = WindowOrigin(wnd);
        wnd.SendMessage(WM_COMMAND, nCommand);
        EXPECT_EQ(origin.x, WindowOrigin(wnd).x) << "the corner stays";
        EXPECT_EQ(origin.y, WindowOrigin(wnd).y);
        return WindowSize(wnd);
    }
};

TEST_F(SizeTest, PresetsFollowTheBuiltInPhoto)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    CContactWnd& wnd = *record->m_pWnd;
    struct {
        UINT nCommand;
        int nSize;
    } const presets[] = {
        {ID_SIZE_100, 74}, {ID_SIZE_75, 58}, {ID_SIZE_66, 52}, {ID_SIZE_50, 42},
        {ID_SIZE_33, 31},  {ID_SIZE_25, 26}, {ID_SIZE_10, 16}, {ID_SIZE_DEFAULT, 74},
    };
    for (const auto& preset : presets) {
        const SIZE size = SizeAfter(wnd, preset.nCommand);
        EXPECT_EQ(preset.nSize, size.cx) << preset.nCommand;
        EXPECT_EQ(preset.nSize, size.cy) << preset.nCommand;
    }
}

TEST_F(SizeTest, PresetsFollowTheAspectOfALargerPhoto)
{
    TestFolder folder;
    const std::string path = folder.Write("big.bmp", BitmapFile(640, 480, RGB(10, 20, 30)));
    AfxGetApp()->WriteProfileString("a@example.com", "picFileName", path);
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    CContactWnd& wnd = *record->m_pWnd;
    wnd.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    SIZE size = SizeAfter(wnd, ID_SIZE_100);
    EXPECT_EQ(650, size.cx);
    EXPECT_EQ(490, size.cy);
    size = SizeAfter(wnd, ID_SIZE_33);
    EXPECT_EQ(221, size.cx);
    EXPECT_EQ(168, size.cy);
    size = SizeAfter(wnd, ID_SIZE_DEFAULT);
    EXPECT_EQ(74, size.cx);
    EXPECT_EQ(74, size.cy);
}

TEST_F(SizeTest, MovesAndResizesAreStoredAtOnce)
{
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    CContactWnd& wnd = *record->m_pWnd;
    wnd.SetWindowPos(nullptr, 300, 250, 90, 80, SWP_NOZORDER);
    EXPECT_EQ(300, ReadContactInt("a@example.com", "left"));
    EXPECT_EQ(250, ReadContactInt("a@example.com", "top"));
    EXPECT_EQ(90, ReadContactInt("a@example.com", "sizeX"));
    EXPECT_EQ(80, ReadContactInt("a@example.com", "sizeY"));
    EXPECT_EQ(300, wnd.m_nLeft);
    EXPECT_EQ(80, wnd.m_nSizeY);

    wnd.ShowWindow(SW_HIDE); // a change without a move keeps the place
    EXPECT_EQ(300, ReadContactInt("a@example.com", "left"));
    EXPECT_EQ(90, ReadContactInt("a@example.com", "sizeX"));
}

TEST(LayeredTest, TransparencyMapsToAlpha)
{
    const struct {
        int nTransparency;
        int nAlpha;
    } table[] = {{0, 15},   {1, 17},   {2, 19},    {10, 39},   {25, 75},  {50, 135},
                 {75, 195}, {99, 252}, {100, 255}, {200, 239}, {-50, 151}};
    for (const auto& row : table)
        EXPECT_EQ(row.nAlpha, TransparencyToAlpha(row.nTransparency)) << row.nTransparency;
    // The low 8 bits of (240 * t + 1500) / 100, with no overflow on the way.
    EXPECT_EQ(63, TransparencyToAlpha(INT_MAX));
    EXPECT_EQ(220, TransparencyToAlpha(INT_MIN));
}

using LayeredWindowTest = ContactTest;

TEST_F(LayeredWindowTest, WindowsAreLayeredWithTheAlphaOfTheirTransparency)
{
    const struct {
        const char* pszName;
        int nStored;
        int nAlpha;
    } cases[] = {{"none@example.com", -1, 255},
                 {"zero@example.com", 0, 15},
                 {"half@example.com", 50, 135},
                 {"over@example.com", 200, 239},
                 {"under@example.com", -50, 151}};
    for (const auto& c : cases) {
        if (c.nStored != -1)
            WriteContactInt(c.pszName, "transparency", c.nStored);
        auto record = MakeRecord(c.pszName, STATUS_ONLINE);
        HWND hWnd = record->m_pWnd->m_hWnd;
        EXPECT_TRUE(GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
        EXPECT_FALSE(GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(hWnd, nullptr, &alpha, &flags));
        EXPECT_EQ(c.nAlpha, alpha) << c.pszName;
        EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
        Repaint(*record->m_pWnd);
    }
}

TEST_F(LayeredWindowTest, ClickThroughMakesNewWindowsTransparentToTheMouse)
{
    DefaultSettings.clickThrough = true;
    auto record = MakeRecord("a@example.com", STATUS_ONLINE);
    const LONG exStyle = GetWindowLongA(record->m_pWnd->m_hWnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
}

class DropTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        m_record = MakeRecord("a@example.com", STATUS_ONLINE);
    }
    void TearDown() override
    {
        m_record.reset();
        ContactTest::TearDown();
    }

    void Drop(const std::vector<std::string>& paths)
    {
        m_record->m_pWnd->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)));
    }
    std::string StoredPicture()
    {
        return AfxGetApp()->GetProfileString("a@example.com", "picFileName", "(none)");
    }

    TestFolder m_folder;
    MessageBoxRecorder m_boxes;
    std::unique_ptr<ContactRecord> m_record;
};

TEST_F(DropTest, APhotoFileIsTakenWhateverTheCaseOfItsExtension)
{
    const std::string path = m_folder.Write("Me.JPG", BitmapFile(32, 16, RGB(0, 0, 255)));
    Drop({path});
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(path, m_record->m_strPicFileName);
    EXPECT_EQ(path, StoredPicture());
    const SIZE size = m_record->m_pWnd->m_photo.GetImageSize();
    EXPECT_EQ(32, size.cx) << "the dropped picture replaced the built-in one";
    EXPECT_EQ(16, size.cy);
}

TEST_F(DropTest, OtherFilesAreRefusedWithAMessage)
{
    const std::string good = m_folder.Write("good.gif", DefaultPhotoFile());
    for (const std::vector<std::string>& files :
         {std::vector<std::string>{m_folder.Write("notes.txt", "hello")},
          std::vector<std::string>{m_folder.Write("photo.jpeg.txt", "hello")},
          std::vector<std::string>{m_folder.Write("notes2.txt", "hello"), good}}) {
        m_boxes.boxes.clear();
        Drop(files);
        ASSERT_EQ(1u, m_boxes.boxes.size()) << files[0];
        EXPECT_EQ("The photo must be \xE0 jpeg, gif or bmp file", m_boxes.boxes[0].strText);
        EXPECT_EQ("Error", m_boxes.boxes[0].strCaption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR | MB_OK), m_boxes.boxes[0].nType);
        EXPECT_EQ(m_record->m_pWnd->m_hWnd, m_boxes.boxes[0].hOwner);
        EXPECT_EQ("default.jpg", m_record->m_strPicFileName);
        EXPECT_EQ("(none)", StoredPicture());
    }
}

TEST_F(DropTest, APhotoThatCannotBeOpenedShowsTheBuiltInOneForThisRunOnly)
{
    const std::string path = m_folder.Path() + "\\gone.gif";
    Drop({path});
    EXPECT_EQ(path, m_record->m_strPicFileName);
    EXPECT_EQ("(none)", StoredPicture());
    EXPECT_EQ(64, m_record->m_pWnd->m_photo.GetImageSize().cx);
}

TEST_F(DropTest, ALongPathIsTakenWhole)
{
    const std::string path = m_folder.Path() + "\\" + std::string(300, 'p') + ".jpg";
    Drop({path});
    EXPECT_EQ(path, m_record->m_strPicFileName);
}

TEST_F(DropTest, UnreadablePicturesNeverBreakPaintingOrSizing)
{
    const std::string jpeg = DefaultPhotoFile();
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.jpg", ""},
        {"truncated.jpg", jpeg.substr(0, jpeg.size() / 3)},
        {"notes.bmp", "This is not a picture at all."},
        {"lying.bmp", BitmapFile(10000, 10000, 0).substr(0, 4096)},
        {"huge.bmp", RunLengthBitmapFile(10000, 10000)},
    };
    CContactWnd& wnd = *m_record->m_pWnd;
    for (const auto& file : files) {
        const std::string path = m_folder.Write(file.first, file.second);
        Drop({path});
        EXPECT_EQ(path, m_record->m_strPicFileName) << file.first;
        Repaint(wnd);
        for (UINT nCommand : {ID_SIZE_100, ID_SIZE_50, ID_SIZE_10, ID_SIZE_DEFAULT}) {
            wnd.SendMessage(WM_COMMAND, nCommand);
            Repaint(wnd);
        }
        EXPECT_TRUE(IsWindow(wnd.m_hWnd));
        EXPECT_EQ(74, WindowSize(wnd).cx);
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(DropTest, AFileThatIsNoPictureIsStoredAndLeavesAnEmptyPhoto)
{
    const std::string path = m_folder.Write("notes.bmp", "This is not a picture at all.");
    Drop({path});
    EXPECT_EQ(path, StoredPicture());
    EXPECT_TRUE(m_record->m_pWnd->m_photo.IsEmpty());
    m_record->m_pWnd->SendMessage(WM_COMMAND, ID_SIZE_50);
    EXPECT_EQ(10, WindowSize(*m_record->m_pWnd).cx) << "the margin alone";
}

class TooltipTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        m_record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    }
    void TearDown() override
    {
        ReleaseCapture();
        m_record.reset();
        ContactTest::TearDown();
    }

    CContactWnd& Wnd() { return *m_record->m_pWnd; }
    void MoveTo(int x, int y, UINT nFlags = 0)
    {
        Wnd().SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(x, y));
    }
    bool TooltipVisible() { return Wnd().m_hTooltip && IsWindowVisible(Wnd().m_hTooltip.Get()); }

    std::unique_ptr<ContactRecord> m_record;
};

TEST_F(TooltipTest, ThePointerOnTheWindowShowsFourLines)
{
    MoveTo(20, 20);
    ASSERT_TRUE(Wnd().m_bTooltipShown);
    ASSERT_TRUE(Wnd().m_hTooltip);
    EXPECT_STREQ(
        "Status : ONLINE\r\nE-mail : bob@example.com\r\nOriginal Name : Bob\r\nCustom Name : ",
        Wnd().m_toolInfo.lpszText);
    EXPECT_EQ(Wnd().m_hWnd, GetCapture()) << "to see the pointer leave";
    EXPECT_TRUE(TooltipVisible());
}

TEST_F(TooltipTest, MovingInsideKeepsTheSameTooltip)
{
    MoveTo(20, 20);
    HWND hTooltip = Wnd().m_hTooltip.Get();
    m_record->m_strCustomName = "Bobby";
    MoveTo(30, 40);
    EXPECT_EQ(hTooltip, Wnd().m_hTooltip.Get());
    EXPECT_EQ(nullptr, strstr(Wnd().m_toolInfo.lpszText, "Bobby")) << "not rebuilt";
}

TEST_F(TooltipTest, LeavingTheWindowHidesItAndReleasesTheMouse)
{
    MoveTo(20, 20);
    MoveTo(-100, 30);
    EXPECT_FALSE(Wnd().m_bTooltipShown);
    EXPECT_FALSE(TooltipVisible());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(TooltipTest, APressHidesItUntilThePointerHasLeftOnce)
{
    MoveTo(20, 20);
    Wnd().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    // The press starts the system's move loop, by a press on the caption at
    // the point in screen coordinates.
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, Wnd().m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), msg.wParam);
    POINT point = {20, 20};
    ClientToScreen(Wnd().m_hWnd, &point);
    EXPECT_EQ(MAKELPARAM(point.x, point.y), msg.lParam);

    EXPECT_FALSE(TooltipVisible());
    EXPECT_TRUE(Wnd().m_bTooltipShown);
    MoveTo(25, 25);
    EXPECT_FALSE(TooltipVisible()) << "still away while the pointer stays";
    MoveTo(-100, 30);
    MoveTo(25, 25);
    EXPECT_TRUE(TooltipVisible()) << "back after leaving and returning";
}

TEST_F(TooltipTest, ADragHidesItAndClearsIt)
{
    MoveTo(20, 20);
    MoveTo(25, 25, MK_LBUTTON);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, Wnd().m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_FALSE(Wnd().m_bTooltipShown);
    EXPECT_FALSE(TooltipVisible());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(TooltipTest, OneTooltipControlAtMostAndNoneAfterTheWindow)
{
    for (int i = 0; i < 50; ++i) {
        MoveTo(20, 20);
        MoveTo(-100, 30);
    }
    EXPECT_EQ(1, ThreadWindowCount(TOOLTIPS_CLASSA));
    m_record.reset();
    EXPECT_EQ(0, ThreadWindowCount(TOOLTIPS_CLASSA));
}

class ConversationTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        m_record = MakeRecord("bob@example.com", STATUS_ONLINE, "Bob");
    }
    void TearDown() override
    {
        m_record.reset();
        ContactTest::TearDown();
    }
    void DoubleClick()
    {
        m_record->m_pWnd->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    }

    MessageBoxRecorder m_boxes;
    std::unique_ptr<ContactRecord> m_record;
};

TEST_F(ConversationTest, ADoubleClickAsksTheMessengerForAConversation)
{
    FakeMessenger messenger;
    DoubleClick();
    ASSERT_EQ(1u, messenger.instantMessages.size());
    EXPECT_EQ(L"bob@example.com", messenger.instantMessages[0]);
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(0, messenger.nLiveObjects);
}

TEST_F(ConversationTest, ARefusedConversationIsReportedUnderTheDisplayName)
{
    FakeMessenger messenger;
    messenger.hrInstantMessage = E_FAIL;
    m_record->m_strCustomName = "Bobby";
    DoubleClick();
    ASSERT_EQ(1u, m_boxes.boxes.size());
    EXPECT_EQ("Impossible to establish a conversation with Bobby at the moment",
              m_boxes.boxes[0].strText);
    EXPECT_EQ("Skylet", m_boxes.boxes[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), m_boxes.boxes[0].nType);
}

TEST_F(ConversationTest, WithoutAMessengerNothingHappens)
{
    FakeMessenger messenger;
    messenger.failure = FakeMessenger::Failure::Create;
    messenger.hrInstantMessage = E_FAIL; // reached, it would show the refusal
    DoubleClick();
    EXPECT_TRUE(messenger.instantMessages.empty());
    EXPECT_TRUE(m_boxes.boxes.empty());
}

} // namespace
