// Solid fills, colour-key masks and the colour operations.
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {
const COLORREF kKey = NEL_TRANSPARENT_COLOR, kGrey = RGB(90, 90, 90), kRed = RGB(255, 0, 0);
}

TEST(GdiFill, FillsExactlyTheRectangleAndKeepsTheColourAsBackground)
{
    Surface s(12, 10, kGrey);
    RECT r = {2, 3, 6, 8};
    EXPECT_TRUE(Lib::NelGDIFillSolidRect(s.dc(), &r, kRed));
    EXPECT_EQ(Hex(kRed), Hex(GetBkColor(s.dc())));
    EXPECT_EQ(Hex(kRed), Hex(s.At(2, 3)));
    EXPECT_EQ(Hex(kRed), Hex(s.At(5, 7)));
    EXPECT_EQ("", s.ChangedOutside(r, kGrey));
    // The overload takes origin and size.
    s.Fill(kGrey);
    EXPECT_TRUE(NelGDIFillSolidRect(s.dc(), 7, 1, 3, 2, RGB(0, 0, 255)));
    EXPECT_EQ(Hex(RGB(0, 0, 255)), Hex(s.At(9, 2)));
    EXPECT_EQ("", s.ChangedOutside(MakeRect(7, 1, 3, 2), kGrey));
    EXPECT_FALSE(Lib::NelGDIFillSolidRect(s.dc(), nullptr, kRed));
}

TEST(GdiMask, WhiteExactlyWhereTheImageHasTheKeyColour)
{
    Surface image(5, 4, RGB(0, 128, 0), false);
    const POINT keyed[] = {{0, 0}, {4, 0}, {2, 1}, {0, 3}, {4, 3}};
    for (POINT p : keyed)
        image.Set(p.x, p.y, kKey);
    image.Set(1, 1, RGB(0, 128, 129)); // one off the key
    image.Set(3, 2, RGB(1, 128, 128));
    HBITMAP mask = Lib::NelGDICreateMaskBmp(image.bitmap(), kKey);
    ASSERT_NE(nullptr, mask);
    BITMAP bm = {};
    GetObjectW(mask, sizeof(bm), &bm);
    EXPECT_EQ(5, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            bool key = image.At(x, y) == kKey;
            EXPECT_EQ(Hex(key ? RGB(255, 255, 255) : 0), Hex(BitmapPixel(mask, x, y))) << x << "," << y;
        }
    }
    EXPECT_EQ(Hex(kKey), Hex(image.At(2, 1))) << "the image is left as it was";
    DeleteObject(mask);
}

TEST(GdiMask, NoMaskWithoutAReadableUnselectedBitmap)
{
    EXPECT_EQ(nullptr, Lib::NelGDICreateMaskBmp(nullptr, kKey));
    HBRUSH brush = CreateSolidBrush(kKey);
    EXPECT_EQ(nullptr, Lib::NelGDICreateMaskBmp(reinterpret_cast<HBITMAP>(brush), kKey)) << "not a bitmap";
    DeleteObject(brush);
    Surface selected(4, 4, kKey); // selected into its own DC
    EXPECT_EQ(nullptr, Lib::NelGDICreateMaskBmp(selected.bitmap(), kKey));
}

TEST(GdiColour, HalfBlendIsTheFlooredAverageAndInvertTheComplement)
{
    struct Blend {
        COLORREF a, b, expected;
    } blends[] = {
        {RGB(255, 0, 0), RGB(0, 0, 255), RGB(127, 0, 127)},
        {RGB(1, 2, 3), RGB(2, 3, 4), RGB(1, 2, 3)},
        {RGB(200, 100, 50), RGB(100, 200, 51), RGB(150, 150, 50)},
        {0xFF000000 | RGB(10, 20, 30), 0x01000000 | RGB(10, 20, 30), RGB(10, 20, 30)},
    };
    for (const Blend& b : blends) {
        EXPECT_EQ(Hex(b.expected), Hex(Lib::NelHalfBlendRGB(b.a, b.b))) << Hex(b.a) << " " << Hex(b.b);
        EXPECT_EQ(Hex(b.expected), Hex(Lib::NelHalfBlendRGB(b.b, b.a))) << Hex(b.b) << " " << Hex(b.a);
    }
    EXPECT_EQ(Hex(RGB(255, 127, 0)), Hex(Lib::NelInvertRGB(RGB(0, 128, 255))));
    EXPECT_EQ(Hex(RGB(0, 0, 0)), Hex(Lib::NelInvertRGB(0xFF000000 | RGB(255, 255, 255))));
    EXPECT_EQ(Hex(RGB(155, 1, 254)), Hex(Lib::NelInvertRGB(RGB(100, 254, 1))));
}
