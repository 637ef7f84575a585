// The installer's own build of the window and GDI utilities: centring with
// a clamp argument, the real parent of a popup, the extended-style twin,
// wide fonts, and the drawing functions built with the wide calls.
#include "WndTestUtil.h"
#include "WndUtil/NelGdiUtil.h"
#include "WndUtil/NelWndUtil.h"
#include "WndUtil/NelWndUtilInternal.h"

using namespace NelTest;

namespace {
class InstallerWindows : public WindowTest {};
}

TEST_F(InstallerWindows, CentringPullsIntoTheWorkAreaOnlyWhenClampIsSet)
{
    RECT work = PrimaryWorkArea();
    // Centred on this owner the window ends 50 pixels right of the work area.
    RECT ownerRect = MakeRect(work.right - 100, work.top + 100, 200, 150);
    for (BOOL clamp : {FALSE, TRUE}) {
        TestWindow owner(WS_POPUP, ownerRect);
        TestWindow box(WS_POPUP, MakeRect(0, 0, 300, 100), owner.hwnd());
        EXPECT_TRUE(NelCenterWindowW(box.hwnd(), clamp));
        int x = clamp ? work.right - 300 : work.right - 150;
        EXPECT_EQ(MakeRect(x, work.top + 125, 300, 100), box.Rect()) << "clamp " << clamp;
    }
}

TEST_F(InstallerWindows, ChildRectOfAPopupIsOnTheDesktopNotOnItsOwner)
{
    TestWindow owner(WS_POPUP, MakeRect(200, 150, 300, 200));
    TestWindow popup(WS_POPUP, MakeRect(260, 190, 50, 40), owner.hwnd());
    TestWindow child(WS_CHILD, MakeRect(7, 9, 30, 40), owner.hwnd());
    RECT r = {};
    EXPECT_TRUE(NelGetChildWndRect(popup.hwnd(), &r));
    EXPECT_EQ(MakeRect(260, 190, 50, 40), r);
    EXPECT_TRUE(NelGetChildWndRect(child.hwnd(), &r));
    EXPECT_EQ(MakeRect(7, 9, 30, 40), r);
}

TEST_F(InstallerWindows, ModifyStyleExChangesTheExtendedStyleOnly)
{
    TestWindow box(WS_POPUP, MakeRect(50, 50, 120, 80));
    LONG style = GetWindowLongW(box.hwnd(), GWL_STYLE);
    LONG ex = GetWindowLongW(box.hwnd(), GWL_EXSTYLE);
    int recalcs = box.FrameRecalcs();
    EXPECT_TRUE(NelModifyStyleEx(box.hwnd(), 0, WS_EX_CLIENTEDGE, TRUE));
    EXPECT_EQ(ex | WS_EX_CLIENTEDGE, GetWindowLongW(box.hwnd(), GWL_EXSTYLE));
    EXPECT_EQ(style, GetWindowLongW(box.hwnd(), GWL_STYLE));
    EXPECT_GT(box.FrameRecalcs(), recalcs);
    EXPECT_LT(ClientRectOf(box.hwnd()).right, 120) << "client edge not taken in";
    EXPECT_FALSE(NelModifyStyleEx(box.hwnd(), WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE, TRUE));
    EXPECT_TRUE(NelModifyStyleEx(box.hwnd(), WS_EX_CLIENTEDGE, 0, FALSE));
    EXPECT_EQ(ex, GetWindowLongW(box.hwnd(), GWL_EXSTYLE));
    EXPECT_TRUE(NelModifyStyle(box.hwnd(), 0, WS_BORDER, FALSE));
    EXPECT_FALSE(NelModifyStyleEx(nullptr, 0, WS_EX_CLIENTEDGE, FALSE));
}

TEST(InstallerFonts, FontsComeFromTheWideSystemParameters)
{
    LOGFONTW icon = {}, made = {};
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(icon), &icon, 0));
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    struct Case {
        HFONT font;
        const LOGFONTW* expected;
    } cases[] = {{NelCreateIconTitleFont(), &icon}, {NelCreateSysFont(0), &icon},
                 {NelCreateSysFont(1), &metrics.lfCaptionFont}, {NelCreateSysFont(3), &metrics.lfMessageFont}};
    for (const Case& c : cases) {
        ASSERT_EQ(static_cast<int>(sizeof(made)), GetObjectW(c.font, sizeof(made), &made));
        EXPECT_EQ(std::wstring(c.expected->lfFaceName), std::wstring(made.lfFaceName));
        EXPECT_EQ(c.expected->lfHeight, made.lfHeight);
        EXPECT_EQ(c.expected->lfWeight, made.lfWeight);
        DeleteObject(c.font);
    }
}

TEST(InstallerGdi, WideBuildMasksBlitsFillsAndGradients)
{
    const COLORREF grey = RGB(90, 90, 90), red = RGB(200, 0, 0);
    Surface dest(10, 6, grey);
    Surface image(3, 2, red, false);
    image.Set(0, 0, NEL_TRANSPARENT_COLOR);
    HBITMAP mask = NelGDICreateMaskBmp(image.bitmap(), NEL_TRANSPARENT_COLOR);
    ASSERT_NE(nullptr, mask);
    EXPECT_EQ(0, NelGDITransBlt(dest.dc(), image.bitmap(), mask, 4, 2, 0, 0, 0, 0, NEL_MIRROR_LEFTRIGHT));
    DeleteObject(mask);
    EXPECT_EQ(Hex(grey), Hex(dest.At(6, 2))) << "keyed pixel, mirrored to the right";
    EXPECT_EQ(Hex(red), Hex(dest.At(4, 2)));
    EXPECT_EQ("", dest.ChangedOutside(MakeRect(4, 2, 3, 2), grey));
    EXPECT_TRUE(NelGDIFillSolidRect(dest.dc(), 0, 0, 10, 1, RGB(1, 2, 3)));
    EXPECT_EQ(Hex(RGB(1, 2, 3)), Hex(dest.At(9, 0)));
    RECT r = MakeRect(0, 0, 10, 6);
    EXPECT_EQ(1, NelGDIGradationRect(dest.dc(), &r, RGB(0, 0, 0), red, FALSE, NEL_GRAD_FLAT_FROM));
    EXPECT_EQ(Hex(RGB(0, 0, 0)), Hex(dest.At(0, 3)));
    EXPECT_EQ(Hex(red), Hex(dest.At(9, 3)));
}
