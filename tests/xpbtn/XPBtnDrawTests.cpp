// The button's look, drawn into a 32-bit DIB and compared pixel by pixel
// with colours worked out from the system colours.
#include "XPBtn/NelXPBtn.h"
#include "XPBtnTestUtil.h"
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>

using namespace XPBtnTest;

namespace {

const int W = 75, H = 23;  // l = 0, t = 0, r = 75, b = 23

std::string Hex(COLORREF c)
{
    std::ostringstream s;
    s << "0x" << std::hex << std::setw(6) << std::setfill('0') << c;
    return s.str();
}

struct Probe {
    int x, y;
    COLORREF expected;
    const char* what;
};

void CheckProbes(const Canvas& canvas, const std::vector<Probe>& probes)
{
    for (const Probe& p : probes) {
        COLORREF actual = canvas.At(p.x, p.y);
        EXPECT_EQ(Hex(p.expected), Hex(actual)) << p.what << " at (" << p.x << ", " << p.y << ")";
    }
}

// Pixels that no later step of the drawing covers, in every state.
std::vector<Probe> FrameProbes(COLORREF face, const Expected& e)
{
    return {
        {0, 0, face, "corner outside the frame"},
        {W - 1, H - 1, face, "corner outside the frame"},
        {37, 0, e.outerTL, "outer top strip"},
        {0, 11, e.outerTL, "outer left strip"},
        {37, H - 1, e.outerBR, "outer bottom strip"},
        {W - 1, 11, e.outerBR, "outer right strip"},
        {37, 1, e.outline, "outline top"},
        {1, 11, e.outline, "outline left"},
        {W - 2, 11, e.outline, "outline right"},
        {37, H - 2, e.outline, "outline bottom"},
        {2, 2, e.outline, "outline's cut corner"},
        {2, 1, e.corner1, "outer softening"},
        {1, 2, e.corner1, "outer softening"},
        {W - 2, H - 3, e.corner1, "outer softening bottom right"},
        {37, 10, e.inner, "face"},
        {37, 14, e.inner, "start of the lower face gradient"},
    };
}

class XPBtnDraw : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(XPBtnDraw, StateColoursFollowTheSystemColours)
{
    const int state = GetParam();
    CNelXPBtn btn;
    Canvas canvas(W, H);
    ASSERT_TRUE(canvas.Ok());
    canvas.Clear(RGB(1, 2, 3));
    RECT rc = {0, 0, W, H};
    btn.DrawBtn(canvas.Dc(), &rc, state);

    const Expected e = ExpectedFor(state);
    std::vector<Probe> probes = FrameProbes(btn.m_crFace, e);
    if (state == 5 || state == 6) {
        probes.push_back({37, 2, e.accentTop, "accent top strip"});
        probes.push_back({37, 3, e.accentTop, "accent top strip"});
        probes.push_back({37, H - 3, e.accentBottom, "accent bottom strip"});
        probes.push_back({37, H - 4, e.accentMid, "accent middle line"});
        probes.push_back({2, 3, e.accentTop, "accent left gradient start"});
        probes.push_back({W - 3, 3, e.accentTop, "accent right gradient start"});
    } else {
        probes.push_back({37, 2, e.innerTL, "inner top strip"});
        probes.push_back({37, 3, e.innerTL, "upper face gradient start"});
        probes.push_back({2, 11, e.innerTL, "inner left strip"});
        probes.push_back({3, 11, e.innerTL, "inner left strip"});
        probes.push_back({W - 3, 11, e.innerBR, "inner right strip"});
        probes.push_back({W - 4, 11, e.innerBR, "inner right strip"});
        probes.push_back({37, H - 3, e.innerBR, "inner bottom strip"});
        probes.push_back({3, 2, e.corner2, "inner softening"});
        probes.push_back({W - 4, 2, e.corner2, "inner softening top right"});
    }
    CheckProbes(canvas, probes);
}

INSTANTIATE_TEST_SUITE_P(States, XPBtnDraw, ::testing::Values(0, 1, 5, 6, 9));

TEST(XPBtnDrawing, UnknownStateDrawsEverythingBlackOnTheFace)
{
    CNelXPBtn btn;
    Canvas canvas(W, H);
    ASSERT_TRUE(canvas.Ok());
    RECT rc = {0, 0, W, H};
    btn.DrawBtn(canvas.Dc(), &rc, 3);
    CheckProbes(canvas, {{0, 0, btn.m_crFace, "face fill"},
                         {37, 0, 0, "outer strip"},
                         {37, 10, 0, "face area"},
                         {37, 1, 0, "outline"},
                         {2, 1, 0, "softening"}});
}

TEST(XPBtnDrawing, FaceLightAndCaptionDarkColours)
{
    CNelXPBtn btn;
    const COLORREF face = GetSysColor(COLOR_BTNFACE), caption = GetSysColor(COLOR_ACTIVECAPTION);
    auto light = [](int c) { return c + 2 * (255 - c) / 3; };
    EXPECT_EQ(Hex(RGB(light(GetRValue(face)), light(GetGValue(face)), light(GetBValue(face)))),
              Hex(btn.GetFaceLightColor()));
    EXPECT_EQ(Hex(RGB(GetRValue(caption) / 2, GetGValue(caption) / 2, GetBValue(caption) / 2)),
              Hex(btn.GetCaptionDarkColor()));
    EXPECT_EQ(Hex(face), Hex(btn.m_crFace));
}

namespace {

// Pixels of `color` inside and outside the caption area (3, 3, r-3, b-3).
std::pair<int, int> CountColour(const Canvas& canvas, COLORREF color)
{
    int inside = 0, outside = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (canvas.At(x, y) == color)
                ++((x >= 3 && x < W - 3 && y >= 3 && y < H - 3) ? inside : outside);
    return {inside, outside};
}

} // namespace

TEST(XPBtnDrawing, CaptionInTextColourInsideTheFaceGreyWhenDisabled)
{
    Host host(1, L"WWW");
    ASSERT_NE(nullptr, host.Button());
    CNelXPBtn btn;
    ASSERT_TRUE(btn.HookDlgItem(1, host.Window(), nullptr));
    ASSERT_EQ(host.Button(), btn.m_hWnd);
    Canvas canvas(W, H);
    ASSERT_TRUE(canvas.Ok());
    RECT rc = {0, 0, W, H};
    for (int state : {0, 9}) {
        SCOPED_TRACE(state);
        const COLORREF text = ExpectedFor(state).text;
        btn.DrawBtn(canvas.Dc(), &rc, state);
        std::pair<int, int> counts = CountColour(canvas, text);
        EXPECT_GT(counts.first, 10) << "caption pixels of " << Hex(text);
        EXPECT_EQ(0, counts.second) << "caption pixels outside the face area";
    }
    SetWindowTextW(host.Button(), L"");
    btn.DrawBtn(canvas.Dc(), &rc, 0);
    EXPECT_EQ(0, CountColour(canvas, ExpectedFor(0).text).first) << "no caption, no text pixels";
}

TEST(XPBtnDrawing, FocusMarkDarkensEverySecondBorderPixelOfTheFace)
{
    Host host(1, L"");
    ASSERT_NE(nullptr, host.Button());
    CNelXPBtn btn;
    ASSERT_TRUE(btn.HookDlgItem(1, host.Window(), nullptr));
    SetFocus(host.Button());
    ASSERT_EQ(host.Button(), GetFocus());
    Canvas marked(W, H), plain(W, H);
    ASSERT_TRUE(marked.Ok() && plain.Ok());
    RECT rc = {0, 0, W, H};
    btn.DrawBtn(marked.Dc(), &rc, 5);
    SetFocus(nullptr);
    btn.DrawBtn(plain.Dc(), &rc, 5);

    // Face border: x 3..71, y 3..19; the walk starts right of (3, 3).
    const int x0 = 3, x1 = W - 4, y0 = 3, y1 = H - 4;
    int darkened = 0, checked = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            COLORREF before = plain.At(x, y), after = marked.At(x, y);
            bool border = (x >= x0 && x <= x1 && (y == y0 || y == y1)) || (y >= y0 && y <= y1 && (x == x0 || x == x1));
            // Position along the clockwise walk from (x0 + 1, y0).
            int pos = -1;
            if (border) {
                if (y == y0 && x > x0)
                    pos = x - x0 - 1;
                else if (x == x1)
                    pos = (x1 - x0) + (y - y0) - 1;
                else if (y == y1)
                    pos = (x1 - x0) + (y1 - y0) + (x1 - x) - 1;
                else
                    pos = 2 * (x1 - x0) + (y1 - y0) + (y1 - y) - 1;
            }
            bool dark = pos >= 0 && pos % 2 == 0;
            COLORREF expected = dark ? Darker(before, y == y0 ? 126 : 124) : before;
            if (after != expected) {
                ADD_FAILURE() << "(" << x << ", " << y << ") " << Hex(after) << " expected " << Hex(expected)
                              << (dark ? " (dotted)" : " (untouched)");
                if (++checked > 10)
                    return;
            }
            darkened += dark;
        }
    }
    EXPECT_EQ((x1 - x0) + (y1 - y0), darkened) << "half the border's pixels";
}
