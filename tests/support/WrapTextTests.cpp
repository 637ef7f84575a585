// NelWrapText on static controls: lines that fit stay, runs without a
// break point are broken between characters with each line as full as
// possible, nothing of the text is lost, and hopeless widths end.
#include <gtest/gtest.h>
#include <string>
#include "NelWndHelp.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

// A full-width sentence without spaces (about installing the cursor files
// into the chosen folder).
const std::wstring kJapaneseSentence =
    L"\x30ab\x30fc\x30bd\x30eb\x30d5\x30a1\x30a4\x30eb\x3092\x30a4\x30f3\x30b9\x30c8\x30fc\x30eb"
    L"\x3059\x308b\x30d5\x30a9\x30eb\x30c0\x3092\x6307\x5b9a\x3057\x3066\x304f\x3060\x3055\x3044\x3002";

const UINT kWrapFlags = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK;

std::wstring WithoutBreaks(const std::wstring& s)
{
    std::wstring out;
    for (wchar_t c : s)
        if (c != L'\n')
            out += c;
    return out;
}

// Lines of a text split at "\n".
std::vector<std::wstring> Lines(const std::wstring& s)
{
    std::vector<std::wstring> lines(1);
    for (wchar_t c : s) {
        if (c == L'\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

// Height of text drawn wrapped in width, measured here.
int DrawnHeight(HFONT font, const std::wstring& text, int width)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect = { 0, 0, width, 1 };
    int height = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, kWrapFlags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return height;
}

// The text of the first line the control shows for text, whether the
// break is an inserted "\n" or one the system makes itself: the longest
// start of the text that still draws as one line.
std::wstring FirstShownLine(HFONT font, const std::wstring& text, int width)
{
    const int line = LineHeight(font);
    size_t k = 1;
    while (k < text.size() && DrawnHeight(font, text.substr(0, k + 1), width) <= line)
        ++k;
    std::wstring first = text.substr(0, k);
    while (!first.empty() && first.back() == L'\n')
        first.pop_back();
    return first;
}

// One NelWrapText call on a 2-pixel-wide label of the calling thread.
struct NarrowJob {
    HFONT font;
    std::wstring text;
    int height = -2;
    std::wstring result;
};

DWORD WINAPI WrapOnNarrowLabel(void* param)
{
    NarrowJob* job = static_cast<NarrowJob*>(param);
    HWND label = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 2, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(job->font), FALSE);
    CNelStrW out;
    job->height = NelWrapText(label, job->text.c_str(), out, nullptr);
    job->result = Text(out);
    DestroyWindow(label);
    return 0;
}

class WrapText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_font.font());
        ASSERT_NE(nullptr, m_owner.hwnd());
        m_line = LineHeight(m_font.font());
    }
    JapaneseFont m_font;
    TestWindow m_owner{ WS_OVERLAPPEDWINDOW, 0, { 50, 50, 750, 450 } };
    int m_line = 0;
};

TEST_F(WrapText, TextThatFitsStaysAsItIsWithTheHeightOfOneLine)
{
    const std::wstring texts[] = { L"Short text", L"\x77ed\x3044\x6587" };
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(Narrow(text));
        Control label(L"STATIC", L"", 0, { 10, 10, 310, 60 }, m_owner.hwnd(), m_font.font());
        CNelStrW out;
        RECT rect = { -1, -1, -1, -1 };
        EXPECT_EQ(m_line, NelWrapText(label.hwnd(), text.c_str(), out, &rect));
        EXPECT_EQ(text, Text(out));
        // The right edge is raised to the client's.
        EXPECT_EQ(0, rect.left) << rect;
        EXPECT_EQ(0, rect.top) << rect;
        EXPECT_EQ(300, rect.right) << rect;
        EXPECT_EQ(m_line, rect.bottom) << rect;
    }
}

TEST_F(WrapText, JapaneseSentenceTwiceTheWidthShowsTwoLinesTheFirstAsFullAsPossible)
{
    // Room for a little more than half of the characters: two lines.
    const size_t half = (kJapaneseSentence.size() + 1) / 2;
    const int width = TextExtent(m_font.font(), kJapaneseSentence.substr(0, half)).cx + 3;
    ASSERT_GT(TextExtent(m_font.font(), kJapaneseSentence).cx, width);
    Control label(L"STATIC", L"", 0, { 0, 0, width, 100 }, m_owner.hwnd(), m_font.font());
    CNelStrW out;
    RECT rect = {};
    int height = NelWrapText(label.hwnd(), kJapaneseSentence.c_str(), out, &rect);
    const std::wstring wrapped = Text(out);
    SCOPED_TRACE("width " + std::to_string(width) + ", result " + Shown(wrapped));

    EXPECT_EQ(2 * m_line, height);
    EXPECT_EQ(height, rect.bottom - rect.top) << rect;
    EXPECT_LE(rect.right, width) << rect;
    EXPECT_EQ(kJapaneseSentence, WithoutBreaks(wrapped));
    // Whether the break is an inserted "\n" or one the system's own line
    // breaking makes between full-width characters, the first line shown
    // holds every character that fits.
    const std::wstring first = FirstShownLine(m_font.font(), wrapped, width);
    ASSERT_LT(first.size(), kJapaneseSentence.size());
    EXPECT_LE(TextExtent(m_font.font(), first).cx, width) << Shown(first);
    EXPECT_GT(TextExtent(m_font.font(), kJapaneseSentence.substr(0, first.size() + 1)).cx, width)
        << "the first line " << Shown(first) << " could take one more character";
}

TEST_F(WrapText, RunWithoutBreakPointIsBrokenBetweenCharactersAsFullAsPossible)
{
    const std::wstring run = L"AVeryLongFolderNameWithoutAnySpaceInItAtAll";
    const int width = TextExtent(m_font.font(), run).cx / 2 + 3;
    Control label(L"STATIC", L"", 0, { 0, 0, width, 100 }, m_owner.hwnd(), m_font.font());
    CNelStrW out;
    int height = NelWrapText(label.hwnd(), run.c_str(), out, nullptr);
    const std::wstring wrapped = Text(out);
    SCOPED_TRACE("width " + std::to_string(width) + ", result " + Shown(wrapped));

    const std::vector<std::wstring> lines = Lines(wrapped);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(2 * m_line, height);
    EXPECT_EQ(run, lines[0] + lines[1]);
    EXPECT_LE(TextExtent(m_font.font(), lines[0]).cx, width);
    EXPECT_GT(TextExtent(m_font.font(), run.substr(0, lines[0].size() + 1)).cx, width);
    EXPECT_LE(TextExtent(m_font.font(), lines[1]).cx, width);
}

TEST_F(WrapText, LinesAfterATooWideFirstLineAreKept)
{
    const std::wstring run = L"AnUnbreakableRunOfLettersThatIsMuchTooWide";
    const std::wstring text = run + L"\nshort\nlast line";
    const int width = TextExtent(m_font.font(), run).cx / 2 + 3;
    Control label(L"STATIC", L"", 0, { 0, 0, width, 200 }, m_owner.hwnd(), m_font.font());
    CNelStrW out;
    int height = NelWrapText(label.hwnd(), text.c_str(), out, nullptr);
    const std::wstring wrapped = Text(out);
    SCOPED_TRACE(Shown(wrapped));

    const std::vector<std::wstring> lines = Lines(wrapped);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(run, lines[0] + lines[1]);
    EXPECT_EQ(std::wstring(L"short"), lines[2]);
    EXPECT_EQ(std::wstring(L"last line"), lines[3]);
    EXPECT_EQ(4 * m_line, height);
}

// A space that lands on a wrap point does not widen the piece being
// measured; it must not be taken for the line's end, or the rest of the
// line would be lost.
TEST_F(WrapText, SpaceAtAWrapPointKeepsTheRestOfTheLine)
{
    const std::wstring word = L"Word";
    const std::wstring run = L"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB";
    const std::wstring text = word + L" " + run;
    const int width = TextExtent(m_font.font(), word).cx + 1;
    ASSERT_GT(TextExtent(m_font.font(), word + L" ").cx, width);
    Control label(L"STATIC", L"", 0, { 0, 0, width, 300 }, m_owner.hwnd(), m_font.font());
    CNelStrW out;
    int height = NelWrapText(label.hwnd(), text.c_str(), out, nullptr);
    const std::wstring wrapped = Text(out);
    SCOPED_TRACE(Shown(wrapped));

    EXPECT_EQ(text, WithoutBreaks(wrapped));
    EXPECT_GE(height, 3 * m_line);
    EXPECT_EQ(height, DrawnHeight(m_font.font(), wrapped, width));
}

// A control narrower than one character: every character gets a line of
// its own, and the call ends. Run on a thread of its own so that a hang
// fails the test instead of stopping the program.
TEST_F(WrapText, ControlNarrowerThanOneCharacterGivesOneCharacterPerLine)
{
    const std::wstring texts[] = { L"\x3042\x3044\x3046", L"XY", L"X\nY" };
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(Shown(text));
        NarrowJob job;
        job.font = m_font.font();
        job.text = text;
        HANDLE thread = CreateThread(nullptr, 0, WrapOnNarrowLabel, &job, 0, nullptr);
        ASSERT_NE(nullptr, thread);
        DWORD wait = WaitForSingleObject(thread, 10000);
        ASSERT_EQ(WAIT_OBJECT_0, wait) << "NelWrapText did not return within 10 s";
        CloseHandle(thread);
        const std::vector<std::wstring> lines = Lines(job.result);
        EXPECT_EQ(WithoutBreaks(text), WithoutBreaks(job.result)) << Shown(job.result);
        EXPECT_EQ(static_cast<size_t>(WithoutBreaks(text).size()), lines.size()) << Shown(job.result);
        EXPECT_EQ(DrawnHeight(m_font.font(), job.result, 2), job.height);
    }
}

TEST_F(WrapText, FailsWithoutWindowFontOrText)
{
    CNelStrW out(L"untouched");
    RECT rect = { 5, 5, 5, 5 };
    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(-1, NelWrapText(gone, L"text", out, &rect));
    // A window that answers no font to WM_GETFONT.
    TestWindow noFont(WS_CHILD | WS_VISIBLE, 0, { 0, 0, 100, 50 }, m_owner.hwnd());
    EXPECT_EQ(-1, NelWrapText(noFont.hwnd(), L"text", out, &rect));
    Control label(L"STATIC", L"", 0, { 0, 0, 100, 50 }, m_owner.hwnd(), m_font.font());
    EXPECT_EQ(-1, NelWrapText(label.hwnd(), nullptr, out, &rect));
    EXPECT_EQ(std::wstring(L"untouched"), Text(out));
    EXPECT_EQ(5, rect.left);
    EXPECT_EQ(5, rect.right);
}

} // namespace
