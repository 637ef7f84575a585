// Client-coordinate rectangles and style changes.
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {
class WindowRects : public WindowTest {};
const RECT kSentinel = {-7, -7, -7, -7};
}

TEST_F(WindowRects, ScreenToClientConvertsBothCornersOrNothing)
{
    TestWindow frame(WS_POPUP | WS_DLGFRAME, MakeRect(130, 90, 300, 200));
    POINT o = {0, 0};
    ClientToScreen(frame.hwnd(), &o);
    ASSERT_TRUE(o.x > 130 && o.y > 90) << "client origin " << o.x << "," << o.y;
    RECT r = MakeRect(o.x - 10, o.y + 6, 20, 30);
    EXPECT_TRUE(Lib::NelScreenToClient(frame.hwnd(), &r));
    EXPECT_EQ(MakeRect(-10, 6, 20, 30), r);
    r = kSentinel;
    EXPECT_FALSE(Lib::NelScreenToClient(DestroyedWindow(), &r));
    EXPECT_EQ(kSentinel, r);
    EXPECT_FALSE(Lib::NelScreenToClient(frame.hwnd(), nullptr));
}

TEST_F(WindowRects, ChildRectIsInTheParentsClientCoordinates)
{
    TestWindow frame(WS_POPUP | WS_DLGFRAME, MakeRect(100, 100, 400, 300));
    TestWindow panel(WS_CHILD | WS_BORDER, MakeRect(10, 20, 200, 150), frame.hwnd());
    TestWindow button(WS_CHILD, MakeRect(7, 9, 30, 40), panel.hwnd());
    // GetParent answers a popup's owner: the library measures it against that.
    TestWindow owner(WS_POPUP, MakeRect(200, 150, 300, 200));
    TestWindow popup(WS_POPUP, MakeRect(260, 190, 50, 40), owner.hwnd());
    struct Case {
        HWND child;
        RECT expected;
    } cases[] = {{panel.hwnd(), MakeRect(10, 20, 200, 150)},
                 {button.hwnd(), MakeRect(7, 9, 30, 40)},
                 {popup.hwnd(), MakeRect(60, 40, 50, 40)}};
    for (const Case& c : cases) {
        RECT r = kSentinel;
        EXPECT_TRUE(Lib::NelGetChildWndRect(c.child, &r));
        EXPECT_EQ(c.expected, r);
    }
    RECT r = kSentinel;
    EXPECT_FALSE(Lib::NelGetChildWndRect(owner.hwnd(), &r)) << "no parent";
    EXPECT_FALSE(Lib::NelGetChildWndRect(nullptr, &r));
    EXPECT_EQ(kSentinel, r);
    EXPECT_FALSE(Lib::NelGetChildWndRect(panel.hwnd(), nullptr));
}

TEST_F(WindowRects, ModifyStyleReportsChangesAndRecalculatesTheFrameOnlyWhenAsked)
{
    TestWindow plain(WS_POPUP, MakeRect(50, 50, 120, 80));
    TestWindow framed(WS_POPUP, MakeRect(50, 150, 120, 80));
    LONG before = GetWindowLongW(plain.hwnd(), GWL_STYLE);
    int recalcs = framed.FrameRecalcs();
    EXPECT_TRUE(Lib::NelModifyStyle(plain.hwnd(), 0, WS_THICKFRAME, FALSE));
    EXPECT_TRUE(Lib::NelModifyStyle(framed.hwnd(), 0, WS_THICKFRAME, TRUE));
    EXPECT_EQ(before | WS_THICKFRAME, GetWindowLongW(plain.hwnd(), GWL_STYLE));
    EXPECT_EQ(120, ClientRectOf(plain.hwnd()).right) << "frame taken in without being asked";
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_THICKFRAME, FALSE, 0);
    EXPECT_EQ(120 + 2 * frame.left, ClientRectOf(framed.hwnd()).right) << "frame " << frame;
    EXPECT_GT(framed.FrameRecalcs(), recalcs);
    EXPECT_EQ(MakeRect(50, 150, 120, 80), framed.Rect()) << "moved or sized";

    // Removing and adding a bit that is already set changes nothing.
    recalcs = framed.FrameRecalcs();
    EXPECT_FALSE(Lib::NelModifyStyle(framed.hwnd(), WS_THICKFRAME, WS_THICKFRAME, TRUE));
    EXPECT_FALSE(Lib::NelModifyStyle(framed.hwnd(), 0, 0, TRUE));
    EXPECT_EQ(recalcs, framed.FrameRecalcs()) << "frame recalculated without a change";
    EXPECT_TRUE(Lib::NelModifyStyle(plain.hwnd(), WS_THICKFRAME, 0, FALSE));
    EXPECT_EQ(before, GetWindowLongW(plain.hwnd(), GWL_STYLE));

    EXPECT_FALSE(Lib::NelModifyStyle(nullptr, 0, WS_BORDER, TRUE));
    EXPECT_FALSE(Lib::NelModifyStyle(DestroyedWindow(), 0, WS_BORDER, FALSE)) << "a destroyed window has no style to set";
}
