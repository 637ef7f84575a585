// Every GDI object the utilities create is gone when they return: the
// process's GDI object count is the same before and after many calls.
#include <functional>
#include "WndTestUtil.h"
#include "LibExports.h"
#include "WndUtil/NelWndUtilInternal.h"

using namespace NelTest;

TEST(GdiLeaks, TheCountSeesObjectsComeAndGo)
{
    int before = GdiObjectCount();
    ASSERT_GT(before, 0) << "GDI objects cannot be counted here";
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_EQ(before + 3, GdiObjectCount());
    DeleteObject(bitmap);
    DeleteObject(brush);
    DeleteDC(dc);
    EXPECT_EQ(before, GdiObjectCount());
}

TEST(GdiLeaks, RepeatedCallsLeaveNoObjectBehind)
{
    Surface dest(40, 30);
    Surface image(6, 5, RGB(0, 128, 128), false);
    image.Set(2, 2, RGB(9, 9, 9));
    HBITMAP mask = Lib::NelGDICreateMaskBmp(image.bitmap(), RGB(0, 128, 128));
    RECT all = MakeRect(0, 0, 40, 30), part = MakeRect(3, 4, 20, 10);
    struct Case {
        const char* what;
        std::function<void()> call;
    } cases[] = {
        {"TDC round trip", [&] {
             tagNEL_TDC tdc;
             Lib::NelGDICreateTDC(dest.dc(), &tdc, &part, TRUE);
             Lib::NelGDIBltTDC(&tdc, nullptr);
             Lib::NelGDIDeleteTDC(&tdc);
         }},
        {"TDC failing", [&] {
             tagNEL_TDC tdc;
             Lib::NelGDICreateTDC(nullptr, &tdc, &part, TRUE);
         }},
        {"fills", [&] {
             Lib::NelGDIFillSolidRect(dest.dc(), &part, RGB(1, 2, 3));
             NelGDIFillSolidRect(dest.dc(), 1, 1, 5, 5, RGB(1, 2, 3));
         }},
        {"mask", [&] { DeleteObject(Lib::NelGDICreateMaskBmp(image.bitmap(), RGB(0, 128, 128))); }},
        {"transparent blits", [&] {
             for (int mirror = 0; mirror <= 5; ++mirror)
                 Lib::NelGDITransBlt(dest.dc(), image.bitmap(), mask, 2, 2, 0, 0, 0, 0, mirror);
             Lib::NelGDITransBlt(dest.dc(), image.bitmap(), nullptr, 2, 2, 0, 0, 0, 0, 0);
         }},
        {"dithered gradients", [&] {
             Lib::NelGDIGradationRect(dest.dc(), &all, RGB(0, 0, 0), RGB(255, 128, 0), TRUE, 10);
             Lib::NelGDIGradationRect(dest.dc(), &all, RGB(0, 0, 0), RGB(255, 128, 0), FALSE, 10);
         }},
        {"system fonts", [&] {
             for (UINT kind = 0; kind <= 6; ++kind)
                 DeleteObject(NelCreateSysFont(kind));
         }},
    };
    for (const Case& c : cases) {
        c.call(); // first-use allocations (stock objects, caches) happen here
        int before = GdiObjectCount();
        for (int i = 0; i < 50; ++i)
            c.call();
        EXPECT_EQ(before, GdiObjectCount()) << c.what << ": objects left by 50 calls";
    }
    DeleteObject(mask);
}
