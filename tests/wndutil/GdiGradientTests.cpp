// Gradients: band colours, the dithered band edges, flat fills. Expected
// lines are worked out by hand from the band and dither rules.
#include <vector>
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {

const COLORREF kGrey = RGB(90, 90, 90);

// One line across the gradient: `even` where x + y is even (the
// checkerboard's 0 bits, the new colour), `odd` elsewhere; equal for a
// plain line.
struct Line {
    COLORREF even, odd;
};
Line Plain(COLORREF c) { return Line{c, c}; }
Line Dither(COLORREF next, COLORREF previous) { return Line{next, previous}; }

// Draws into a grey surface and lists the pixels that differ from lines
// (rows when vertical, columns otherwise) or that changed outside rect.
std::string Draw(const RECT& rect, COLORREF from, COLORREF to, bool vertical, const std::vector<Line>& lines)
{
    Surface s(rect.right + 2, rect.bottom + 2, kGrey);
    SetTextColor(s.dc(), RGB(1, 2, 3));
    SetBkColor(s.dc(), RGB(4, 5, 6));
    std::string out;
    if (Lib::NelGDIGradationRect(s.dc(), &rect, from, to, vertical, NEL_GRAD_FLAT_FROM) != 1)
        out += "result not 1; ";
    if (GetTextColor(s.dc()) != RGB(1, 2, 3) || GetBkColor(s.dc()) != RGB(4, 5, 6))
        out += "DC colours not restored; ";
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const Line& l = lines[vertical ? y - rect.top : x - rect.left];
            COLORREF want = (x + y) % 2 == 0 ? l.even : l.odd;
            if (s.At(x, y) != want)
                out += "(" + std::to_string(x) + "," + std::to_string(y) + ")=" + Hex(s.At(x, y)) + " not " + Hex(want) + " ";
        }
    }
    return out + s.ChangedOutside(rect, kGrey);
}

} // namespace

TEST(GdiGradient, NineLinesGiveNineSingleLineBandsWithoutDither)
{
    // Band k: from + truncate(k * (to - from) / 9) per channel; `to` itself never shows.
    std::vector<Line> even, uneven;
    const int r[] = {0, 11, 22, 33, 44, 55, 66, 77, 88}, g[] = {100, 89, 78, 67, 56, 45, 34, 23, 12};
    for (int k = 0; k < 9; ++k) {
        even.push_back(Plain(RGB(10 * k, 200 - 20 * k, 50)));
        uneven.push_back(Plain(RGB(r[k], g[k], 7)));
    }
    EXPECT_EQ("", Draw(MakeRect(0, 0, 20, 9), RGB(0, 200, 50), RGB(90, 20, 50), true, even));
    EXPECT_EQ("", Draw(MakeRect(0, 0, 20, 9), RGB(0, 100, 7), RGB(100, 0, 7), true, uneven)) << "truncated, held short of the end";
    EXPECT_EQ("", Draw(MakeRect(2, 1, 9, 20), RGB(0, 200, 50), RGB(90, 20, 50), false, even));
}

TEST(GdiGradient, TenLinesGiveTwoFourLineBandsTheRestInToAndDitheredEdges)
{
    COLORREF from = RGB(200, 0, 40), to = RGB(0, 200, 40), mid = RGB(100, 100, 40);
    // Rows 0-3 band 0, 4-7 band 1, 8-9 `to`. The far half of the strip
    // before each change is dithered (rows 2-3, then rows 6-7 of the strip
    // 5-7 that starts after the changing row 4).
    std::vector<Line> lines = {Plain(from), Plain(from), Dither(mid, from), Dither(mid, from), Plain(mid),
                               Plain(mid), Dither(to, mid), Dither(to, mid), Plain(to), Plain(to)};
    EXPECT_EQ("", Draw(MakeRect(0, 0, 6, 10), from, to, true, lines));
    EXPECT_EQ("", Draw(MakeRect(3, 5, 6, 10), from, to, true, lines)) << "away from the origin";
    EXPECT_EQ("", Draw(MakeRect(1, 2, 10, 3), from, to, false, lines)) << "horizontal";
}

TEST(GdiGradient, LongHorizontalGradientDithersEveryBandEdge)
{
    // 23 columns: 5 bands of 4 (red +50, blue -50 each), columns 20-22 `to`.
    COLORREF c[5];
    for (int k = 0; k < 5; ++k)
        c[k] = RGB(50 * k, 60, 255 - 50 * k);
    COLORREF to = RGB(250, 60, 5);
    std::vector<Line> lines = {Plain(c[0]),        Plain(c[0]),        Dither(c[1], c[0]), Dither(c[1], c[0]),
                               Plain(c[1]),        Plain(c[1]),        Dither(c[2], c[1]), Dither(c[2], c[1]),
                               Plain(c[2]),        Plain(c[2]),        Dither(c[3], c[2]), Dither(c[3], c[2]),
                               Plain(c[3]),        Plain(c[3]),        Dither(c[4], c[3]), Dither(c[4], c[3]),
                               Plain(c[4]),        Plain(c[4]),        Dither(to, c[4]),   Dither(to, c[4]),
                               Plain(to),          Plain(to),          Plain(to)};
    EXPECT_EQ("", Draw(MakeRect(0, 0, 23, 3), c[0], to, false, lines));
}

TEST(GdiGradient, EqualColoursAndColourCountingDevicesGiveOneFlatFill)
{
    COLORREF c = RGB(12, 34, 56);
    EXPECT_EQ("", Draw(MakeRect(0, 0, 12, 12), c, c, true, std::vector<Line>(12, Plain(c))));
    // A device that reports a colour count (NUMCOLORS not -1) as a palette
    // display does: a metafile, replayed onto a true-colour surface.
    for (int flat : {int(NEL_GRAD_FLAT_FROM), int(NEL_GRAD_FLAT_TO), 0}) {
        HDC recorder = CreateMetaFileW(nullptr);
        RECT r = MakeRect(0, 0, 12, 12);
        EXPECT_EQ(1, Lib::NelGDIGradationRect(recorder, &r, RGB(255, 0, 0), RGB(0, 0, 255), TRUE, flat));
        HMETAFILE recorded = CloseMetaFile(recorder);
        Surface s(12, 12, kGrey);
        PlayMetaFile(s.dc(), recorded);
        DeleteMetaFile(recorded);
        COLORREF want = flat == NEL_GRAD_FLAT_TO ? RGB(0, 0, 255) : RGB(255, 0, 0);
        EXPECT_EQ("", s.ChangedOutside(RECT{}, want)) << "flatColor " << flat;
    }
}

TEST(GdiGradient, EmptyRectanglesDrawNothing)
{
    EXPECT_EQ("", Draw(RECT{4, 4, 4, 9}, RGB(0, 0, 0), RGB(255, 255, 255), true, {}));
    EXPECT_EQ("", Draw(RECT{2, 3, 9, 3}, RGB(0, 0, 0), RGB(255, 255, 255), false, {}));
    EXPECT_EQ(1, Lib::NelGDIGradationRect(nullptr, nullptr, 0, 1, TRUE, 0));
}
