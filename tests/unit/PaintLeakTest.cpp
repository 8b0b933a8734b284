#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using PaintLeakTest = ContactTest;

TEST_F(PaintLeakTest, TheCounterSeesALeakedPen)
{
    const DWORD before = GdiObjectCount();
    HPEN hPen = CreatePen(PS_SOLID, 3, RGB(1, 2, 3));
    EXPECT_EQ(before + 1, GdiObjectCount());
    DeleteObject(hPen);
    EXPECT_EQ(before, GdiObjectCount());
}

TEST_F(PaintLeakTest, TenThousandPaintsHoldNoMoreObjectsThanOne)
{
    auto record = MakeRecord("a@example.com", STATUS_BUSY, "A rather long name to draw");
    CContactWnd& wnd = *record->m_pWnd;
    auto paint = [&] {
        wnd.Invalidate(TRUE);
        wnd.OnPaint();
    };
    paint();
    PumpMessages();
    const DWORD gdiBefore = GdiObjectCount();
    const int userBefore = ThreadWindowCount();
    for (int i = 0; i < 10000; ++i)
        paint();
    PumpMessages();
    const DWORD gdiAfter = GdiObjectCount();
    const int userAfter = ThreadWindowCount();
    std::printf("GDI objects after the first paint %lu, after 10,000 more %lu; "
                "windows %d and %d\n",
                gdiBefore, gdiAfter, userBefore, userAfter);
    EXPECT_EQ(gdiBefore, gdiAfter);
    EXPECT_EQ(userBefore, userAfter);
}

} // namespace
