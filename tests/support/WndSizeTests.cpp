// Sizing windows by their client area, the caption height, the caption
// hit test and moving windows by an offset, on real windows.
#include <gtest/gtest.h>
#include "NelWndHelp.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

const RECT kStart = { 120, 90, 520, 390 };

// The window's own visibility bit (its parents here stay hidden).
bool IsShown(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

struct FrameKind {
    const char* name;
    DWORD style;
    DWORD exStyle;
};
// Windows with a caption and the same frame on all four sides.
const FrameKind kFramed[] = {
    { "dialog frame", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME },
    { "sizing frame", WS_OVERLAPPEDWINDOW, 0 },
    { "thin border", WS_POPUP | WS_CAPTION, 0 },
};

TEST(SetClientSize, GivesExactClientAreaAndKeepsThePositionWithNoMove)
{
    const SIZE sizes[] = { { 300, 200 }, { 123, 77 }, { 451, 333 } };
    for (const FrameKind& kind : kFramed) {
        for (const SIZE& size : sizes) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(size.cx) + "x" +
                         std::to_string(size.cy));
            TestWindow window(kind.style, kind.exStyle, kStart);
            RECT before = WindowRectOf(window.hwnd());
            NelSetClientSize(window.hwnd(), size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            RECT client = ClientRectOf(window.hwnd());
            RECT after = WindowRectOf(window.hwnd());
            EXPECT_EQ(size.cx, client.right) << client;
            EXPECT_EQ(size.cy, client.bottom) << client;
            EXPECT_EQ(before.left, after.left) << after;
            EXPECT_EQ(before.top, after.top) << after;
        }
    }
}

TEST(SetClientRect, PlacesTheWindowAtTheRectanglesTopLeft)
{
    TestWindow window(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, kStart);
    const RECT wanted = { 40, 60, 340, 260 };
    NelSetClientRect(window.hwnd(), &wanted, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer = WindowRectOf(window.hwnd());
    RECT client = ClientRectOf(window.hwnd());
    EXPECT_EQ(40, outer.left) << outer;
    EXPECT_EQ(60, outer.top) << outer;
    EXPECT_EQ(300, client.right) << client;
    EXPECT_EQ(200, client.bottom) << client;
    // A null rectangle, or a frame that cannot be measured (the scroll bar
    // makes the caption height negative), leaves the window as it is.
    NelSetClientRect(window.hwnd(), nullptr, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(outer.right, WindowRectOf(window.hwnd()).right);
    TestWindow scrolled(WS_POPUP | WS_VSCROLL, 0, kStart);
    NelSetClientRect(scrolled.hwnd(), &wanted, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(kStart.left, WindowRectOf(scrolled.hwnd()).left);
    EXPECT_EQ(kStart.right, WindowRectOf(scrolled.hwnd()).right);
}

TEST(CaptionHeight, IsTheCaptionForSymmetricFramesAndMinusOneOtherwise)
{
    for (const FrameKind& kind : kFramed) {
        SCOPED_TRACE(kind.name);
        TestWindow window(kind.style, kind.exStyle, kStart);
        EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), NelGetCaptionHeight(window.hwnd()));
    }
    TestWindow plain(WS_POPUP | WS_BORDER, 0, kStart);
    EXPECT_EQ(0, NelGetCaptionHeight(plain.hwnd()));
    // A vertical scroll bar widens the frame's share of the width only.
    TestWindow scrolled(WS_POPUP | WS_VSCROLL, 0, kStart);
    EXPECT_EQ(-1, NelGetCaptionHeight(scrolled.hwnd()));
    EXPECT_EQ(-1, NelGetCaptionHeight(nullptr));
}

TEST(IsInCaption, TrueUpToTheCaptionsBottomEdge)
{
    TestWindow window(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, kStart);
    const int edge = WindowRectOf(window.hwnd()).top + GetSystemMetrics(SM_CYDLGFRAME) +
                     GetSystemMetrics(SM_CYCAPTION);
    const struct {
        int y;
        BOOL expected;
    } cases[] = {
        { edge - 1, TRUE },
        { edge, TRUE },
        { edge + 1, FALSE },
        { kStart.top + 200, FALSE },
        { kStart.top - 50, TRUE }, // above the window: not below the caption
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("y " + std::to_string(c.y) + ", edge " + std::to_string(edge));
        POINT pt = { 200, c.y };
        EXPECT_EQ(c.expected, NelIsInCaption(window.hwnd(), &pt));
    }
    EXPECT_FALSE(NelIsInCaption(window.hwnd(), nullptr));
}

TEST(OffsetWindow, MovesControlsAndWindowsAndAppliesTheShowCommand)
{
    TestWindow owner(WS_OVERLAPPEDWINDOW, 0, kStart);
    Control edit(L"EDIT", L"", WS_BORDER, { 10, 20, 110, 40 }, owner.hwnd());
    ASSERT_FALSE(IsShown(edit.hwnd()));
    EXPECT_TRUE(NelOffsetWindow(edit.hwnd(), 5, -7, SW_SHOWNA));
    RECT moved = ChildRectOf(edit.hwnd());
    EXPECT_EQ(15, moved.left) << moved;
    EXPECT_EQ(13, moved.top) << moved;
    EXPECT_EQ(115, moved.right) << moved;
    EXPECT_EQ(33, moved.bottom) << moved;
    EXPECT_TRUE(IsShown(edit.hwnd()));

    EXPECT_TRUE(NelOffsetWindow(owner.hwnd(), -20, 30, SW_HIDE));
    RECT r = WindowRectOf(owner.hwnd());
    EXPECT_EQ(kStart.left - 20, r.left) << r;
    EXPECT_EQ(kStart.top + 30, r.top) << r;
    EXPECT_EQ(kStart.right - kStart.left, r.right - r.left) << r;
}

TEST(OffsetWindow, ZeroOffsetSucceedsWithoutTouchingTheWindow)
{
    TestWindow owner(WS_OVERLAPPEDWINDOW, 0, kStart);
    Control edit(L"EDIT", L"", WS_BORDER, { 10, 20, 110, 40 }, owner.hwnd());
    EXPECT_TRUE(NelOffsetWindow(edit.hwnd(), 0, 0, SW_SHOWNA));
    EXPECT_FALSE(IsShown(edit.hwnd())) << "the show command must not be applied either";
    RECT r = ChildRectOf(edit.hwnd());
    EXPECT_EQ(10, r.left) << r;
    EXPECT_EQ(20, r.top) << r;

    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(NelOffsetWindow(gone, 0, 0, SW_SHOWNA));
    EXPECT_FALSE(NelOffsetWindow(gone, 3, 3, SW_SHOWNA));
}

} // namespace
