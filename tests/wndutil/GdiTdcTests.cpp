// Off-screen drawing through a TDC, on a true-colour surface.
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The target's pixels: kRed inside r, Distinct elsewhere; lists the first misses.
std::string Mismatches(const Surface& s, int cx, int cy, const RECT& r)
{
    std::string out;
    for (int y = 0; y < cy && out.size() < 200; ++y) {
        for (int x = 0; x < cx; ++x) {
            COLORREF want = PtInRect(&r, POINT{x, y}) ? kRed : Distinct(x, y);
            if (s.At(x, y) != want)
                out += "(" + std::to_string(x) + "," + std::to_string(y) + ")=" + Hex(s.At(x, y)) + " ";
        }
    }
    return out;
}
} // namespace

TEST(GdiTdc, RoundTripCopiesTheBackgroundInAndTheDrawingBack)
{
    struct Case {
        RECT rect, drawn;
    } cases[] = {
        {MakeRect(0, 0, 40, 30), MakeRect(5, 5, 10, 10)},
        // Away from the origin the memory DC is drawn in with the target's coordinates.
        {MakeRect(5, 7, 10, 10), MakeRect(8, 9, 2, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rect " << c.rect);
        Surface target(40, 30);
        target.FillDistinct();
        tagNEL_TDC tdc;
        ASSERT_TRUE(Lib::NelGDICreateTDC(target.dc(), &tdc, &c.rect, TRUE));
        EXPECT_EQ(target.dc(), tdc.hdcTarget);
        EXPECT_EQ(c.rect, MakeRect(tdc.x, tdc.y, tdc.cx, tdc.cy));
        EXPECT_EQ(tdc.hbmMem, GetCurrentObject(tdc.hdcMem, OBJ_BITMAP));
        EXPECT_EQ(Hex(Distinct(c.rect.left, c.rect.top)), Hex(GetPixel(tdc.hdcMem, c.rect.left, c.rect.top)));
        EXPECT_EQ(Hex(Distinct(c.rect.right - 1, c.rect.bottom - 1)),
                  Hex(GetPixel(tdc.hdcMem, c.rect.right - 1, c.rect.bottom - 1)));
        Lib::NelGDIFillSolidRect(tdc.hdcMem, &c.drawn, kRed);
        EXPECT_EQ("", Mismatches(target, 40, 30, RECT{})) << "target drawn on before the blit";
        EXPECT_TRUE(Lib::NelGDIBltTDC(&tdc, nullptr));
        EXPECT_EQ("", Mismatches(target, 40, 30, c.drawn));
        EXPECT_TRUE(Lib::NelGDIDeleteTDC(&tdc));
        EXPECT_EQ(nullptr, tdc.hdcMem);
        EXPECT_FALSE(Lib::NelGDIDeleteTDC(&tdc)) << "second delete of the same record";
    }
}

TEST(GdiTdc, BlitToARectangleCopiesFromTheBitmapsOrigin)
{
    Surface target(30, 20, kBlue);
    RECT rect = MakeRect(0, 0, 10, 10);
    tagNEL_TDC tdc;
    ASSERT_TRUE(Lib::NelGDICreateTDC(target.dc(), &tdc, &rect, FALSE));
    Lib::NelGDIFillSolidRect(tdc.hdcMem, &rect, kGreen);
    SetPixelV(tdc.hdcMem, 1, 1, kRed);
    RECT to = MakeRect(20, 15, 5, 5);
    EXPECT_TRUE(Lib::NelGDIBltTDC(&tdc, &to));
    EXPECT_EQ(Hex(kRed), Hex(target.At(21, 16)));
    EXPECT_EQ(Hex(kGreen), Hex(target.At(24, 19)));
    EXPECT_EQ("", target.ChangedOutside(to, kBlue));
    EXPECT_TRUE(Lib::NelGDIDeleteTDC(&tdc));
}

TEST(GdiTdc, MemoryDcTakesTheTargetsObjectsAndStateAndGivesThemBack)
{
    Surface target(20, 20, kRed);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    HPEN pen = CreatePen(PS_SOLID, 3, kGreen);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HGDIOBJ old[] = {SelectObject(target.dc(), font), SelectObject(target.dc(), pen),
                     SelectObject(target.dc(), brush)};
    SetTextColor(target.dc(), RGB(1, 2, 3));
    SetBkColor(target.dc(), RGB(4, 5, 6));
    SetBkMode(target.dc(), TRANSPARENT);
    SetROP2(target.dc(), R2_XORPEN);
    SetMapMode(target.dc(), MM_ANISOTROPIC);
    RECT rect = MakeRect(0, 0, 8, 8);
    tagNEL_TDC tdc;
    ASSERT_TRUE(Lib::NelGDICreateTDC(target.dc(), &tdc, &rect, FALSE));
    EXPECT_EQ(font, GetCurrentObject(tdc.hdcMem, OBJ_FONT));
    EXPECT_EQ(pen, GetCurrentObject(tdc.hdcMem, OBJ_PEN));
    EXPECT_EQ(brush, GetCurrentObject(tdc.hdcMem, OBJ_BRUSH));
    EXPECT_EQ(Hex(RGB(1, 2, 3)), Hex(GetTextColor(tdc.hdcMem)));
    EXPECT_EQ(Hex(RGB(4, 5, 6)), Hex(GetBkColor(tdc.hdcMem)));
    EXPECT_EQ(TRANSPARENT, GetBkMode(tdc.hdcMem));
    EXPECT_EQ(R2_XORPEN, GetROP2(tdc.hdcMem));
    EXPECT_EQ(MM_ANISOTROPIC, GetMapMode(tdc.hdcMem));
    EXPECT_TRUE(Lib::NelGDIDeleteTDC(&tdc));
    EXPECT_EQ(font, GetCurrentObject(target.dc(), OBJ_FONT)) << "target's selection changed";
    for (HGDIOBJ o : old)
        SelectObject(target.dc(), o);
    for (HGDIOBJ o : {HGDIOBJ(font), HGDIOBJ(pen), HGDIOBJ(brush)})
        EXPECT_TRUE(DeleteObject(o)) << "object deleted or still selected by the TDC";
}

TEST(GdiTdc, FailureLeavesNothingBehind)
{
    int before = GdiObjectCount();
    RECT rect = MakeRect(0, 0, 8, 8);
    tagNEL_TDC tdc;
    // A NULL target gives a memory DC but no bitmap compatible with it.
    EXPECT_FALSE(Lib::NelGDICreateTDC(nullptr, &tdc, &rect, FALSE));
    EXPECT_EQ(nullptr, tdc.hdcMem);
    EXPECT_EQ(nullptr, tdc.hbmMem);
    EXPECT_FALSE(Lib::NelGDIBltTDC(&tdc, nullptr));
    EXPECT_FALSE(Lib::NelGDIDeleteTDC(&tdc));
    Surface target(8, 8);
    EXPECT_FALSE(Lib::NelGDICreateTDC(target.dc(), &tdc, nullptr, FALSE));
    EXPECT_FALSE(Lib::NelGDICreateTDC(target.dc(), nullptr, &rect, FALSE));
    EXPECT_EQ(before + 2, GdiObjectCount()) << "only the test's surface (bitmap and DC) is new";
}
