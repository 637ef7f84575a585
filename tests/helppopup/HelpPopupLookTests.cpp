// How the balloon looks: body and border in the background and text
// colours (the system tooltip colours by default), the text control on the
// same background, and the shadow blended half-transparently over what lay
// under the window.
#include <gtest/gtest.h>
#include "TestDib.h"
#include "HelpPopupTestUtil.h"

using namespace HpTest;

namespace {

const POINT kPos = {300, 200};
const int kShadow = 6;

struct Look {
    bool seen = false;
    COLORREF body = CLR_INVALID, topBorder = CLR_INVALID, leftBorder = CLR_INVALID;
    int textPixels = 0, bkPixels = 0, inkPixels = 0, otherPixels = 0;
};

// Reads the painted balloon's pixels: the body in the top margin, the
// border in the middle of the top and left edges, and every pixel of the
// text control sorted by colour.
Look ReadLook(HWND popup, COLORREF bk, COLORREF text)
{
    Look look;
    look.seen = true;
    HWND control = TextControl(popup);
    UpdateWindow(popup);
    UpdateWindow(control);
    RECT c = ClientRectOf(popup);
    int bodyW = c.right - kShadow, bodyH = c.bottom - kShadow;
    look.body = PixelOf(popup, bodyW / 2, 4);
    look.topBorder = PixelOf(popup, bodyW / 2, 0);
    look.leftBorder = PixelOf(popup, 0, bodyH / 2);
    RECT tc = ClientRectOf(control);
    HDC dc = GetDC(control);
    for (int y = 0; y < tc.bottom; ++y) {
        for (int x = 0; x < tc.right; ++x) {
            COLORREF p = GetPixel(dc, x, y);
            ++look.textPixels;
            if (p == bk)
                ++look.bkPixels;
            else if (p == text)
                ++look.inkPixels;
            else
                ++look.otherPixels;
        }
    }
    ReleaseDC(control, dc);
    return look;
}

template <class ShowFn>
Look ShowAndLook(COLORREF bk, COLORREF text, ShowFn show)
{
    Look look;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        look = ReadLook(popup, bk, text);
        PostKey(popup, VK_ESCAPE);
        return true;
    });
    EXPECT_EQ(1, show());
    EXPECT_FALSE(driver.TimedOut());
    return look;
}

void ExpectLook(const Look& look, COLORREF bk, COLORREF text)
{
    ASSERT_TRUE(look.seen);
    EXPECT_EQ(bk, look.body) << std::hex << "body 0x" << look.body << " expected 0x" << bk;
    EXPECT_EQ(text, look.topBorder) << std::hex << "top border 0x" << look.topBorder;
    EXPECT_EQ(text, look.leftBorder) << std::hex << "left border 0x" << look.leftBorder;
    // The text control: mostly background, with text drawn in the text colour.
    EXPECT_GT(look.bkPixels, look.textPixels / 2)
        << "background pixels " << look.bkPixels << " of " << look.textPixels;
    EXPECT_GT(look.inkPixels, 0) << "no pixel in the text colour; other colours " << look.otherPixels;
}

TEST(HelpPopupLook, WithoutColoursItUsesTheTooltipColours)
{
    TestFont font(14);
    COLORREF bk = GetSysColor(COLOR_INFOBK), text = GetSysColor(COLOR_INFOTEXT);
    ASSERT_NE(bk, text);
    Look look = ShowAndLook(bk, text, [&] {
        return Lib::NelHelpPopupWndW(L"Tooltip colours", &kPos, nullptr, nullptr, font.get());
    });
    ExpectLook(look, bk, text);
}

TEST(HelpPopupLook, GivenColoursPaintBodyBorderAndTextInBothTwins)
{
    TestFont font(14);
    const COLORREF bk = RGB(20, 120, 200), text = RGB(200, 30, 30);
    {
        SCOPED_TRACE("wide");
        Look look = ShowAndLook(bk, text, [&] {
            return Lib::NelHelpPopupWndW(L"Given colours", &kPos, &bk, &text, font.get());
        });
        ExpectLook(look, bk, text);
    }
    {
        SCOPED_TRACE("ANSI");
        Look look = ShowAndLook(bk, text, [&] {
            return Lib::NelHelpPopupWndA("Given colours", &kPos, &bk, &text, font.get());
        });
        ExpectLook(look, bk, text);
    }
}

TEST(HelpPopupLook, OnlyTheLowThreeBytesOfAColourCount)
{
    TestFont font(14);
    const COLORREF text = 0xFF00A000; // garbage in the top byte
    const COLORREF bk = RGB(250, 250, 210);
    Look look = ShowAndLook(bk, RGB(0, 160, 0), [&] {
        return Lib::NelHelpPopupWndW(L"Top byte", &kPos, &bk, &text, font.get());
    });
    ExpectLook(look, bk, RGB(0, 160, 0));
}

// Paints a shown popup into a surface of a known colour.
class PaintablePopup : public CNelHelpPopupWndW {
public:
    void PaintInto(HDC dc) { OnPaint(dc); }
};

TEST(HelpPopupLook, ShadowDarkensWhatLiesUnderItByHalf)
{
    const COLORREF bk = RGB(255, 255, 225), text = RGB(0, 0, 0), base = RGB(40, 200, 120);
    tagNEL_HELPPOPUPWND_DATAW data = {L"Shadow test text", 0, nullptr, &kPos, &bk, &text,
                                      nullptr, nullptr, 0};
    PaintablePopup popupObj;
    int w = 0, h = 0;
    COLORREF shadowRight = 0, shadowBottom = 0, topRight = 0, bottomLeft = 0, body = 0, border = 0;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        RECT c = ClientRectOf(popup);
        w = c.right;
        h = c.bottom;
        DWORD* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bmp = NelTest::CreateTopDownDib32(w, h, &bits);
        HGDIOBJ old = SelectObject(dc, bmp);
        HBRUSH fill = CreateSolidBrush(base);
        FillRect(dc, &c, fill);
        DeleteObject(fill);
        popupObj.PaintInto(dc);
        shadowRight = GetPixel(dc, w - 3, h / 2);
        shadowBottom = GetPixel(dc, w / 2, h - 3);
        topRight = GetPixel(dc, w - 2, 1);
        bottomLeft = GetPixel(dc, 1, h - 2);
        body = GetPixel(dc, (w - kShadow) / 2, 4);
        border = GetPixel(dc, (w - kShadow) / 2, 0);
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        PostKey(popup, VK_ESCAPE);
        return true;
    });
    EXPECT_EQ(1, popupObj.ShowDlg(&data));
    EXPECT_FALSE(driver.TimedOut());
    ASSERT_GT(w, 2 * kShadow);

    COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    COLORREF half = RGB((GetRValue(dark) * 128 + GetRValue(base) * 127) / 255,
                        (GetGValue(dark) * 128 + GetGValue(base) * 127) / 255,
                        (GetBValue(dark) * 128 + GetBValue(base) * 127) / 255);
    EXPECT_LE(ColourDistance(half, shadowRight), 2)
        << std::hex << "right shadow 0x" << shadowRight << " expected about 0x" << half;
    EXPECT_LE(ColourDistance(half, shadowBottom), 2)
        << std::hex << "bottom shadow 0x" << shadowBottom << " expected about 0x" << half;
    // Beyond the rounded body and shadow, what was there stays.
    EXPECT_EQ(base, topRight) << std::hex << "0x" << topRight;
    EXPECT_EQ(base, bottomLeft) << std::hex << "0x" << bottomLeft;
    EXPECT_EQ(bk, body) << std::hex << "0x" << body;
    EXPECT_EQ(text, border) << std::hex << "0x" << border;
}

} // namespace
