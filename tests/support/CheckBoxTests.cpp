// Check boxes: reading and setting the three states, and the glyph size.
#include <gtest/gtest.h>
#include "NelWndHelp.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

const RECT kOwnerRect = { 100, 100, 400, 300 };
const RECT kBoxRect = { 10, 10, 200, 30 };

TEST(CheckBox, SetAndGetEveryState)
{
    TestWindow owner(WS_OVERLAPPEDWINDOW, 0, kOwnerRect);
    Control box(L"BUTTON", L"three states", BS_AUTO3STATE | WS_VISIBLE, kBoxRect, owner.hwnd());
    ASSERT_NE(nullptr, box.hwnd());

    const struct {
        int set;
        LRESULT systemState; // what the button itself reports afterwards
        int got;
    } cases[] = {
        { 1, BST_CHECKED, 1 },
        { 2, BST_INDETERMINATE, 2 },
        { 0, BST_UNCHECKED, 0 },
        { 2, BST_INDETERMINATE, 2 },
        { 3, BST_UNCHECKED, 0 }, // anything but 1 and 2 unchecks
        { 1, BST_CHECKED, 1 },
        { -1, BST_UNCHECKED, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("set " + std::to_string(c.set));
        NelSetCheck(box.hwnd(), c.set);
        EXPECT_EQ(c.systemState, SendMessageW(box.hwnd(), BM_GETCHECK, 0, 0));
        EXPECT_EQ(c.got, NelGetCheck(box.hwnd()));
    }
}

TEST(CheckBox, GetCheckMapsUnknownAnswersToMinusOne)
{
    TestWindow owner(WS_OVERLAPPEDWINDOW, 0, kOwnerRect);
    const LRESULT answers[] = { 3, 7, -5, 0x100 };
    for (LRESULT answer : answers) {
        SCOPED_TRACE("answer " + std::to_string(answer));
        AnswerGetCheck(answer);
        EXPECT_EQ(-1, NelGetCheck(owner.hwnd()));
    }
    AnswerGetCheck(BST_INDETERMINATE);
    EXPECT_EQ(2, NelGetCheck(owner.hwnd()));
    AnswerGetCheck(-1000);
}

TEST(CheckBox, GlyphSizeIsOneCellOfTheSystemCheckBoxBitmap)
{
    SIZE size = { -1, -1 };
    ASSERT_TRUE(NelGetCheckBoxSize(&size));
    // A check box glyph is a small, nearly square picture; the bitmap's
    // cells are never the whole bitmap (52 x 39 and more).
    EXPECT_GE(size.cx, 8);
    EXPECT_LE(size.cx, 40);
    EXPECT_GE(size.cy, 8);
    EXPECT_LE(size.cy, 40);
    EXPECT_LE(std::abs(size.cx - size.cy), 2) << size.cx << " x " << size.cy;
    EXPECT_FALSE(NelGetCheckBoxSize(nullptr));
}

} // namespace
