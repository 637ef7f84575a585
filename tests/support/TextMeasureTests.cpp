// NelMeasureText and NelGetWindowText on real fonts and windows.
#include <gtest/gtest.h>
#include <string>
#include "NelWndHelp.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

TEST(MeasureText, SingleLineGivesTheTextExtent)
{
    JapaneseFont font;
    ASSERT_NE(nullptr, font.font());
    const std::wstring texts[] = {
        L"Cancel",
        L"\x30ad\x30e3\x30f3\x30bb\x30eb",  // the Japanese caption of a cancel button
        L"two words and more words",
    };
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(Narrow(text));
        RECT rect = { -1, -1, -1, -1 };
        int height = NelMeasureText(font.font(), text.c_str(), &rect, TRUE);
        SIZE extent = TextExtent(font.font(), text);
        EXPECT_EQ(LineHeight(font.font()), height);
        EXPECT_EQ(0, rect.left);
        EXPECT_EQ(0, rect.top);
        EXPECT_EQ(extent.cx, rect.right) << rect;
        EXPECT_EQ(height, rect.bottom) << rect;
    }
}

TEST(MeasureText, SingleLineHidesPrefixAmpersands)
{
    JapaneseFont font;
    RECT withPrefix = {}, plain = {};
    ASSERT_NE(0, NelMeasureText(font.font(), L"&Browse...", &withPrefix, TRUE));
    ASSERT_NE(0, NelMeasureText(font.font(), L"Browse...", &plain, TRUE));
    EXPECT_EQ(plain.right, withPrefix.right);
}

TEST(MeasureText, WrappedBreaksAtEverySpaceAndGivesTheWidestWord)
{
    JapaneseFont font;
    const int line = LineHeight(font.font());
    RECT rect = {};
    int height = NelMeasureText(font.font(), L"ab cdefgh ij", &rect, FALSE);
    EXPECT_EQ(3 * line, height) << rect;
    EXPECT_EQ(TextExtent(font.font(), L"cdefgh").cx, rect.right) << rect;
    // A height without an output rectangle.
    EXPECT_EQ(3 * line, NelMeasureText(font.font(), L"ab cdefgh ij", nullptr, FALSE));
    // One line means one line, whatever breaks the text holds.
    EXPECT_EQ(line, NelMeasureText(font.font(), L"one\ntwo three", nullptr, TRUE));
}

TEST(MeasureText, NullTextFailsAndLeavesTheRectangle)
{
    JapaneseFont font;
    RECT rect = { 7, 7, 7, 7 };
    EXPECT_EQ(0, NelMeasureText(font.font(), nullptr, &rect, TRUE));
    EXPECT_EQ(7, rect.left);
    EXPECT_EQ(7, rect.right);
}

TEST(WindowText, ReadsWholeTextsOfAnyLength)
{
    TestWindow owner(WS_OVERLAPPEDWINDOW, 0, { 100, 100, 400, 300 });
    const std::wstring texts[] = {
        L"plain",
        L"\x304a\x308b\x3070\x3093\x3067\x308b \x30ab\x30fc\x30bd\x30eb",
        std::wstring(3000, L'x') + L"end",
        L"",
    };
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(Narrow(text.substr(0, 40)));
        Control label(L"STATIC", text.c_str(), 0, { 0, 0, 50, 20 }, owner.hwnd());
        CNelStrW out(L"previous");
        EXPECT_TRUE(NelGetWindowText(label.hwnd(), out));
        EXPECT_EQ(text, Text(out));
        EXPECT_EQ(static_cast<int>(text.size()), out.GetLength());
    }
}

TEST(WindowText, NotAWindowFailsAndLeavesTheString)
{
    HWND gone = CreateWindowExW(0, L"STATIC", L"x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    CNelStrW out(L"untouched");
    EXPECT_FALSE(NelGetWindowText(gone, out));
    EXPECT_FALSE(NelGetWindowText(nullptr, out));
    EXPECT_EQ(std::wstring(L"untouched"), Text(out));
}

} // namespace
