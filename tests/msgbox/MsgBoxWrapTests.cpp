// The box's own character wrap, for text the system will not break. With
// DT_NOFULLWIDTHCHARBREAK, Windows keeps a run of Japanese characters
// without spaces on one line when it measures, so the box has to insert
// the breaks itself. Wine's DrawText breaks such a run anyway, so these
// tests give the library Windows' measurement for space-less text by
// replacing its DrawText import while the box is laid out.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "MsgBox/NelMsgBox.h"
#include "ImportPatch.h"
#include "MsgBoxTestUtil.h"

using namespace MsgBoxTest;

namespace {

const UINT kNoCharBreakCalc = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;

void* g_drawTextW = nullptr;
void* g_drawTextA = nullptr;

// Windows' measurement of text without spaces: every line of the text is
// one word that is never broken; the rectangle takes the widest line and
// the height of all lines.
template <typename Char, typename Extent>
int MeasureUnbroken(HDC dc, const Char* text, int count, RECT* rect, Extent extent)
{
    if (count < 0) {
        count = 0;
        while (text[count])
            ++count;
    }
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    int widest = 0, lines = 1, start = 0;
    for (int i = 0; i <= count; ++i) {
        if (i < count && text[i] != '\n')
            continue;
        SIZE size = {0, 0};
        if (i > start)
            extent(dc, text + start, i - start, &size);
        widest = size.cx > widest ? size.cx : widest;
        if (i < count)
            ++lines;
        start = i + 1;
    }
    rect->right = rect->left + widest;
    rect->bottom = rect->top + lines * tm.tmHeight;
    return lines * tm.tmHeight;
}

template <typename Char>
bool HasSpace(const Char* text, int count)
{
    for (int i = 0; count < 0 ? text[i] != 0 : i < count; ++i)
        if (text[i] == ' ')
            return true;
    return false;
}

int WINAPI WindowsDrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT flags)
{
    if ((flags & kNoCharBreakCalc) == kNoCharBreakCalc && !HasSpace(text, count))
        return MeasureUnbroken(dc, text, count, rect, GetTextExtentPoint32W);
    return reinterpret_cast<decltype(&DrawTextW)>(g_drawTextW)(dc, text, count, rect, flags);
}

// A lead byte without its trail byte at the end of a text is half a
// character: it is measured as nothing, so a wrap that moves single bytes
// would see a line overflow only at the trail byte and break inside the
// character.
int CompleteBytes(const char* text, int count)
{
    if (count < 0)
        count = lstrlenA(text);
    int i = 0;
    while (i < count) {
        const int n = IsDBCSLeadByte((BYTE)text[i]) ? 2 : 1;
        if (i + n > count)
            break;
        i += n;
    }
    return i;
}

int WINAPI WindowsDrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT flags)
{
    if ((flags & kNoCharBreakCalc) == kNoCharBreakCalc && !HasSpace(text, count))
        return MeasureUnbroken(dc, text, CompleteBytes(text, count), rect, GetTextExtentPoint32A);
    return reinterpret_cast<decltype(&DrawTextA)>(g_drawTextA)(dc, text, count, rect, flags);
}

HFONT JapaneseFont() { return CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Noto Sans CJK JP"); }

const wchar_t kSentence[] = L"ソフトウェアの表示設定を確認してからカーソルの形を選んでください。"
                            L"ソフトウェアの表示設定を確認してからカーソルの形を選んでください。"
                            L"ソフトウェアの表示設定を確認してからカーソルの形を選んでください。";

// Splits shown text at the line feeds: the text without them, and the
// offsets in that text where each break went in.
template <typename S>
S WithoutBreaks(const S& shown, std::vector<size_t>* breaks)
{
    S joined;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '\n')
            breaks->push_back(joined.size());
        else
            joined += shown[i];
    }
    return joined;
}

// Every line between breaks is narrower than the text control.
template <typename S, typename Extent>
void ExpectLinesFit(HFONT font, const S& joined, const std::vector<size_t>& breaks, int width, Extent extent)
{
    HDC ic = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HGDIOBJ old = SelectObject(ic, font);
    size_t start = 0;
    for (size_t i = 0; i <= breaks.size(); ++i) {
        const size_t end = i < breaks.size() ? breaks[i] : joined.size();
        SIZE size = {0, 0};
        extent(ic, joined.c_str() + start, (int)(end - start), &size);
        EXPECT_LT(size.cx, width) << "line " << i + 1 << " (bytes or units " << start << ".." << end << ")";
        start = end;
    }
    SelectObject(ic, old);
    DeleteDC(ic);
}

TEST(MsgBoxWrap, WideBoxBreaksJapaneseTextTheSystemWouldKeepOnOneLine)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ImportPatch patch(lib, "user32.dll", "DrawTextW", reinterpret_cast<void*>(WindowsDrawTextW));
    ASSERT_TRUE(patch.Active()) << "NelWnd.dll imports no DrawTextW";
    g_drawTextW = patch.Original();
    HFONT font = JapaneseFont();
    CNelMsgBoxW box(kSentence, L"MsgBoxWrap wide", MB_OK, nullptr, font, nullptr);
    RunResult r = RunBox([&] { return box.ShowWnd(); }, L"MsgBoxWrap wide", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    std::vector<size_t> breaks;
    const std::wstring joined = WithoutBreaks(std::wstring(box.m_strText.t()), &breaks);
    EXPECT_EQ(std::wstring(kSentence), joined) << "the wrap may only insert line breaks";
    ASSERT_GE(breaks.size(), 2u) << "a sentence of " << joined.size() << " characters was not broken";
    const RECT& t = r.view.text;
    ExpectLinesFit(font, joined, breaks, t.right - t.left, GetTextExtentPoint32W);
    // All lines have room in the text control, and the buttons sit below.
    TEXTMETRICW tm;
    HDC ic = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HGDIOBJ old = SelectObject(ic, font);
    GetTextMetricsW(ic, &tm);
    SelectObject(ic, old);
    DeleteDC(ic);
    EXPECT_EQ((int)(breaks.size() + 1) * tm.tmHeight, t.bottom - t.top);
    EXPECT_GE(r.view.buttons[0].top, t.bottom);
    DeleteObject(font);
}

// The ANSI box moves whole double-byte characters: a break never falls
// between a lead byte and its trail byte, even where the trail byte has a
// lead byte's value (the 0x83 0x5C of "ソ").
TEST(MsgBoxWrap, AnsiBoxBreaksShiftJisTextOnlyBetweenWholeCharacters)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs the double-byte code page 932, this run has " << GetACP();
    char sjis[1024] = {0};
    ASSERT_LT(0, WideCharToMultiByte(932, 0, kSentence, -1, sjis, sizeof(sjis), nullptr, nullptr));
    const std::string source = sjis;
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ImportPatch patch(lib, "user32.dll", "DrawTextA", reinterpret_cast<void*>(WindowsDrawTextA));
    ASSERT_TRUE(patch.Active()) << "NelWnd.dll imports no DrawTextA";
    g_drawTextA = patch.Original();
    HFONT font = JapaneseFont();
    CNelMsgBoxA box(source.c_str(), "MsgBoxWrap ansi", MB_OK, nullptr, font, nullptr);
    RunResult r = RunBox([&] { return box.ShowWnd(); }, L"MsgBoxWrap ansi", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    std::vector<size_t> breaks;
    const std::string joined = WithoutBreaks(std::string(box.m_strText.t()), &breaks);
    EXPECT_EQ(source, joined) << "the wrap may only insert line breaks";
    ASSERT_GE(breaks.size(), 2u) << "a " << joined.size() << "-byte sentence was not broken";
    std::vector<bool> starts(source.size() + 1, false);
    for (size_t i = 0; i < source.size(); i += IsDBCSLeadByte((BYTE)source[i]) ? 2 : 1)
        starts[i] = true;
    for (size_t at : breaks)
        EXPECT_TRUE(starts[at]) << "break inside a double-byte character at byte " << at;
    const RECT& t = r.view.text;
    ExpectLinesFit(font, joined, breaks, t.right - t.left, GetTextExtentPoint32A);
    DeleteObject(font);
}

// A word longer than the client width (a deep path in a message) is broken
// inside; the ordinary words around it are left to the system.
TEST(MsgBoxWrap, OnlyARunWiderThanTheBoxIsBrokenNeverTheWordsAroundIt)
{
    std::wstring path = L"C:\\Cursors";
    while (path.size() < 400)
        path += L"\\folder" + std::to_wstring(path.size());
    const std::wstring head = L"The file could not be copied to ";
    const std::wstring text = head + path + L" so please check the folder and try again.";
    CNelMsgBoxW box(text.c_str(), L"MsgBoxWrap run", MB_OK, nullptr, nullptr, nullptr);
    RunResult r = RunBox([&] { return box.ShowWnd(); }, L"MsgBoxWrap run", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    std::vector<size_t> breaks;
    const std::wstring joined = WithoutBreaks(std::wstring(box.m_strText.t()), &breaks);
    EXPECT_EQ(text, joined) << "the wrap may only insert line breaks";
    ASSERT_FALSE(breaks.empty()) << "a " << path.size() << "-character path was left whole";
    for (size_t at : breaks)
        EXPECT_TRUE(at > head.size() && at < head.size() + path.size()) << "break at " << at << " outside the path";
}

} // namespace
