// Where a help popup appears and how large it is: centred half a cursor
// height below its anchor, flush with the work area's right or bottom edge
// where it would stick out, as large as its text plus margins and shadow.
#include <gtest/gtest.h>
#include "HelpPopupTestUtil.h"

using namespace HpTest;

namespace {

const int kExtra = 26; // 10 + 10 margin and the 6-pixel shadow

struct Shown {
    RECT rect = {};
    RECT client = {};
    bool seen = false;
};

// Shows text at pos (NULL: at the pointer) and records the popup's
// rectangle, then closes it with Escape.
Shown ShowAndMeasure(const wchar_t* text, const POINT* pos, HFONT font = nullptr, int* result = nullptr)
{
    Shown shown;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        shown.seen = true;
        shown.rect = WindowRectOf(popup);
        shown.client = ClientRectOf(popup);
        PostKey(popup, VK_ESCAPE);
        return true;
    });
    int r = Lib::NelHelpPopupWndW(text, pos, nullptr, nullptr, font);
    EXPECT_FALSE(driver.TimedOut()) << "the popup did not close on Escape";
    if (result)
        *result = r;
    return shown;
}

int HalfCursor() { return GetSystemMetrics(SM_CYCURSOR) / 2; }

TEST(HelpPopupPlace, CentredUnderTheAnchorHalfACursorLower)
{
    POINT pos = {400, 200};
    int result = 0;
    Shown s = ShowAndMeasure(L"Centred help", &pos, nullptr, &result);
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(1, result);
    int w = s.rect.right - s.rect.left;
    EXPECT_EQ(pos.x - w / 2, s.rect.left) << s.rect;
    EXPECT_EQ(pos.y + HalfCursor(), s.rect.top) << s.rect << " cursor height " << HalfCursor() * 2;
    // Borderless: the client area is the whole window.
    EXPECT_EQ(w, s.client.right) << s.client;
}

TEST(HelpPopupPlace, WithoutAPointItOpensAtTheMousePointer)
{
    ASSERT_TRUE(SetCursorPos(350, 260));
    POINT cursor = {};
    GetCursorPos(&cursor);
    ASSERT_EQ(350, cursor.x) << "the pointer could not be moved";
    Shown s = ShowAndMeasure(L"Help at the pointer", nullptr);
    ASSERT_TRUE(s.seen);
    int w = s.rect.right - s.rect.left;
    EXPECT_EQ(cursor.x - w / 2, s.rect.left) << s.rect;
    EXPECT_EQ(cursor.y + HalfCursor(), s.rect.top) << s.rect;
}

TEST(HelpPopupPlace, FlushWithTheRightEdgeNearIt)
{
    POINT probe = {100, 100};
    RECT area = WorkAreaAt(probe);
    POINT pos = {area.right - 5, 150};
    Shown s = ShowAndMeasure(L"Help near the right edge of the work area", &pos);
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(area.right, s.rect.right) << s.rect << " work area " << area;
    EXPECT_EQ(pos.y + HalfCursor(), s.rect.top) << s.rect;
}

// The edges move the popup only when it would really stick out: an anchor
// whose popup fits (its right half ten pixels short of the right edge, its
// height exactly above the bottom edge) keeps it centred under the anchor;
// one pixel past the edge and it is flush with the edge.
TEST(HelpPopupPlace, MovedOnlyWhenItWouldStickOut)
{
    POINT probe = {100, 100};
    RECT area = WorkAreaAt(probe);
    const wchar_t* text = L"Help that just fits";
    POINT middle = {(area.left + area.right) / 2, 150};
    Shown size = ShowAndMeasure(text, &middle);
    ASSERT_TRUE(size.seen);
    const int w = size.rect.right - size.rect.left;
    const int h = size.rect.bottom - size.rect.top;

    POINT right = {area.right - w / 2 - 10, 150};
    Shown fits = ShowAndMeasure(text, &right);
    EXPECT_EQ(right.x - w / 2, fits.rect.left) << "fits at the right: " << fits.rect << " work area " << area;
    POINT further = {area.right - w / 2 + 1, 150};
    Shown flush = ShowAndMeasure(text, &further);
    EXPECT_EQ(area.right, flush.rect.right) << "one pixel further: " << flush.rect << " work area " << area;

    POINT bottom = {middle.x, area.bottom - h - HalfCursor()};
    Shown fitsBelow = ShowAndMeasure(text, &bottom);
    EXPECT_EQ(area.bottom, fitsBelow.rect.bottom) << "just fits at the bottom: " << fitsBelow.rect;
    EXPECT_EQ(bottom.y + HalfCursor(), fitsBelow.rect.top) << fitsBelow.rect;
    POINT lower = {middle.x, bottom.y + 1};
    Shown lifted = ShowAndMeasure(text, &lower);
    EXPECT_EQ(area.bottom, lifted.rect.bottom) << "one pixel lower: " << lifted.rect << " work area " << area;
}

TEST(HelpPopupPlace, NeverLeftOfTheWorkAreaNearTheLeftEdge)
{
    POINT probe = {100, 100};
    RECT area = WorkAreaAt(probe);
    POINT pos = {area.left + 3, 150};
    Shown s = ShowAndMeasure(L"Help near the left edge of the work area", &pos);
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(area.left, s.rect.left) << s.rect << " work area " << area;
}

TEST(HelpPopupPlace, FlushWithTheBottomEdgeNearItEvenOverThePoint)
{
    POINT probe = {100, 100};
    RECT area = WorkAreaAt(probe);
    POINT pos = {300, area.bottom - 4};
    Shown s = ShowAndMeasure(L"Help near the bottom edge", &pos);
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(area.bottom, s.rect.bottom) << s.rect << " work area " << area;
    EXPECT_LT(s.rect.top, pos.y) << "the popup covers the point: " << s.rect;
}

TEST(HelpPopupPlace, SizeIsTheTextPlusMarginsAndShadow)
{
    TestFont font(16);
    const std::wstring text = L"Measured help text";
    SIZE line = font.Extent(text);
    POINT pos = {300, 200};
    Shown s = ShowAndMeasure(text.c_str(), &pos, font.get());
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(line.cx + kExtra, s.rect.right - s.rect.left) << s.rect << " text " << line.cx;
    EXPECT_EQ(line.cy + kExtra, s.rect.bottom - s.rect.top) << s.rect << " line " << line.cy;
}

TEST(HelpPopupPlace, FullWidthTextWithoutSpacesIsOneLine)
{
    TestFont font(16, L"Noto Sans CJK JP");
    const std::wstring text = L"ヘルプの説明文はここにあります全角文字だけの一行";
    SIZE line = font.Extent(text);
    POINT pos = {400, 200};
    Shown s = ShowAndMeasure(text.c_str(), &pos, font.get());
    ASSERT_TRUE(s.seen);
    EXPECT_EQ(line.cx + kExtra, s.rect.right - s.rect.left) << s.rect << " line " << line.cx;
    EXPECT_EQ(line.cy + kExtra, s.rect.bottom - s.rect.top) << s.rect << " line " << line.cy;
}

TEST(HelpPopupPlace, LongTextWrapsAtHalfTheWorkAreaWidth)
{
    TestFont font(16);
    std::wstring text;
    for (int i = 0; i < 40; ++i)
        text += L"wrapping words ";
    POINT pos = {400, 100};
    RECT area = WorkAreaAt(pos);
    Shown s = ShowAndMeasure(text.c_str(), &pos, font.get());
    ASSERT_TRUE(s.seen);
    SIZE line = font.Extent(L"x");
    EXPECT_LE(s.rect.right - s.rect.left, (area.right - area.left) / 2) << s.rect;
    EXPECT_GE(s.rect.bottom - s.rect.top, 3 * line.cy + kExtra) << "several lines: " << s.rect;
}

} // namespace
