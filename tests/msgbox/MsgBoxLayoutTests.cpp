// Layout of the message box: text beside the picture, the character wrap
// of Japanese text, button sizes, caption, owner and position.
#include <gtest/gtest.h>
#include "MsgBox/NelMsgBox.h"
#include "MsgBoxEntry.h"
#include "MsgBoxTestUtil.h"

using namespace MsgBoxTest;

namespace {

HFONT MakeFont(int height, const wchar_t* face)
{
    return CreateFontW(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> out;
    size_t start = 0;
    for (;;) {
        size_t nl = text.find(L'\n', start);
        out.push_back(text.substr(start, nl == std::wstring::npos ? std::wstring::npos : nl - start));
        if (nl == std::wstring::npos)
            return out;
        start = nl + 1;
    }
}

TEST(MsgBoxLayout, OneLineTextIsCentredOnThePictureEightPixelsRight)
{
    const wchar_t* caption = L"MsgBoxLayout centred";
    RunResult r = RunBox([&] { return MsgBoxW(L"Short.", caption, MB_OK | MB_ICONINFORMATION, nullptr,
                                                 nullptr, nullptr); },
                         caption, [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    const RECT& p = r.view.picture;
    const RECT& t = r.view.text;
    EXPECT_EQ(48, p.right - p.left);
    EXPECT_EQ(48, p.bottom - p.top);
    EXPECT_EQ(p.right + 8, t.left);
    const int pictureMid = (p.top + p.bottom) / 2, textMid = (t.top + t.bottom) / 2;
    EXPECT_LE(std::abs(pictureMid - textMid), 1) << "picture mid " << pictureMid << ", text mid " << textMid;
    // One button, centred under the content, 14 pixels or more from each side.
    const RECT& b = r.view.buttons[0];
    EXPECT_GE(b.left, 14);
    EXPECT_GE(r.view.client.right - b.right, 14);
    EXPECT_LE(std::abs((b.left + b.right) - r.view.client.right), 2)
        << "button " << b.left << ".." << b.right << " in width " << r.view.client.right;
}

TEST(MsgBoxLayout, JapaneseSentenceWithoutSpacesIsWrappedInsideTheClientWidth)
{
    std::wstring sentence;
    for (int i = 0; i < 3; ++i)
        sentence += L"カーソルセットのインストールが完了しましたので新しいポインターをお楽しみください。";
    // Punctuation and brackets, where line-break rules apply.
    sentence += L"このままでは正しくインストール処理できないかもしれませんが、それでもインストールを続けますか？"
                L"続ける場合は「はい」を、中止する場合は「いいえ」を押してください。";
    HFONT font = MakeFont(16, L"Noto Sans CJK JP");
    CNelMsgBoxW box(sentence.c_str(), L"MsgBoxLayout wrap", MB_OK, nullptr, font, nullptr);
    RunResult r = RunBox([&] { return box.ShowWnd(); }, L"MsgBoxLayout wrap",
                         [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    // Breaks the box inserted itself are part of its text; the rest are the
    // ones the system makes when it draws the text into the text control
    // (Wine's DrawText breaks a run without spaces itself). Either way every
    // shown line must fit the text control, which must fit the client area,
    // and all lines must fit its height.
    const std::wstring shown = box.m_strText.t() ? box.m_strText.t() : L"";
    std::wstring joined;
    for (const std::wstring& line : Lines(shown))
        joined += line;
    EXPECT_EQ(sentence, joined) << "the wrap may only insert line breaks";
    const RECT& t = r.view.text;
    EXPECT_LT(t.right, r.view.client.right) << "text control reaches the client edge";
    HDC dc = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT drawn = {0, 0, t.right - t.left, 1};
    DrawTextW(dc, shown.c_str(), -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK);
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_LE(drawn.right, t.right - t.left) << "a shown line is wider than the text control";
    EXPECT_LE(drawn.bottom, t.bottom - t.top) << "the text control cuts off lines";
    EXPECT_GE(drawn.bottom, 3 * tm.tmHeight) << "a sentence of " << sentence.size() << " characters in one line";
    EXPECT_LE(t.bottom - t.top, drawn.bottom + tm.tmHeight)
        << "text control far higher than its " << drawn.bottom / tm.tmHeight << " lines";
    // The buttons sit under the text, inside the window.
    EXPECT_GE(r.view.buttons[0].top, t.bottom);
    EXPECT_LE(r.view.buttons[0].bottom, r.view.client.bottom);
    DeleteObject(font);
}

TEST(MsgBoxLayout, EnglishTextThatFitsIsNotTouchedByTheWrap)
{
    const wchar_t* text = L"The cursor set was installed.";
    CNelMsgBoxW box(text, L"MsgBoxLayout nowrap", MB_OK, nullptr, nullptr, nullptr);
    RunResult r = RunBox([&] { return box.ShowWnd(); }, L"MsgBoxLayout nowrap", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    EXPECT_STREQ(text, box.m_strText.t());
}

// A text far longer than a screen holds (an install-info value gone wrong)
// must not keep the box from opening: it is cut at a whole character.
TEST(MsgBoxLayout, TextLongerThanAScreenIsCutSoTheBoxStillOpens)
{
    std::wstring huge;
    while (huge.size() < 100000)
        huge += L"word ";
    CNelMsgBoxW wide(huge.c_str(), L"MsgBoxLayout huge", MB_OK, nullptr, nullptr, nullptr);
    RunResult r = RunBox([&] { return wide.ShowWnd(); }, L"MsgBoxLayout huge", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found) << "no box within the wait";
    std::wstring shown;
    for (const wchar_t* p = wide.m_strText.t(); *p; ++p)
        if (*p != L'\n')
            shown += *p;
    EXPECT_EQ(2048u, shown.size());
    EXPECT_EQ(L"...", shown.substr(shown.size() - 3));
    EXPECT_EQ(0u, huge.compare(0, 2045, shown, 0, 2045)) << "the kept part differs from the text";
    EXPECT_LE(r.view.window.bottom - r.view.window.top, GetSystemMetrics(SM_CYSCREEN) * 2)
        << "the box is far taller than the screen";

    // The ANSI box cuts between whole characters of a double-byte text.
    std::string sjis;
    while (sjis.size() < 5001)
        sjis += GetACP() == 932 ? "\x83\x5C" : "ab";
    sjis = "xy" + sjis; // a byte-wise cut would split a character
    CNelMsgBoxA ansi(sjis.c_str(), "MsgBoxLayout huge ansi", MB_OK, nullptr, nullptr, nullptr);
    r = RunBox([&] { return ansi.ShowWnd(); }, L"MsgBoxLayout huge ansi", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    std::string cut; // the shown text without the breaks the wrap put in
    for (const char* p = ansi.m_strText.t(); *p; ++p)
        if (*p != '\n')
            cut += *p;
    ASSERT_GE(cut.size(), 2044u);
    EXPECT_EQ("...", cut.substr(cut.size() - 3));
    const size_t kept = cut.size() - 3;
    EXPECT_EQ(GetACP() == 932 ? 2044u : 2045u, kept) << "cut inside a double-byte character";
    EXPECT_TRUE(sjis.compare(0, kept, cut, 0, kept) == 0) << "the kept part differs from the text";
}

// A text of more lines than the desktop holds is cut after the last line
// that fits, so that the box, and its buttons with it, stays on the
// desktop; in both twins.
TEST(MsgBoxLayout, TextTallerThanTheDesktopIsCutSoTheButtonsStayOnIt)
{
    RECT desk;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0));
    std::wstring lines;
    for (int i = 0; i < 400; ++i)
        lines += L"line " + std::to_wstring(i) + L"\n";
    CNelMsgBoxW wide(lines.c_str(), L"MsgBoxLayout tall", MB_OKCANCEL, nullptr, nullptr, nullptr);
    RunResult r = RunBox([&] { return wide.ShowWnd(); }, L"MsgBoxLayout tall", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found) << "no box within the wait";
    const std::wstring shown = wide.m_strText.t();
    ASSERT_GT(shown.size(), 3u);
    EXPECT_EQ(L"...", shown.substr(shown.size() - 3));
    EXPECT_EQ(0, lines.compare(0, shown.size() - 3, shown, 0, shown.size() - 3)) << "the kept part differs";
    EXPECT_GT(shown.size(), 100u) << "cut far more than the desktop needs";
    EXPECT_LE(desk.top, r.view.window.top);
    EXPECT_GE(desk.bottom, r.view.window.bottom) << "the box reaches below the desktop";
    for (int slot = 0; slot < 2; ++slot)
        EXPECT_LE(r.view.buttons[slot].bottom, r.view.client.bottom) << "slot " << slot + 1 << " is cut off";

    std::string ansiLines;
    for (int i = 0; i < 400; ++i)
        ansiLines += "line " + std::to_string(i) + (GetACP() == 932 ? " \x83\x5C\n" : " ab\n");
    CNelMsgBoxA ansi(ansiLines.c_str(), "MsgBoxLayout tall ansi", MB_OK, nullptr, nullptr, nullptr);
    r = RunBox([&] { return ansi.ShowWnd(); }, L"MsgBoxLayout tall ansi", [](HWND b) { PressSlot(b, 1); });
    ASSERT_TRUE(r.found);
    const std::string cut = ansi.m_strText.t();
    EXPECT_EQ("...", cut.substr(cut.size() - 3));
    const size_t kept = cut.size() - 3;
    EXPECT_EQ(0, ansiLines.compare(0, kept, cut, 0, kept)) << "the kept part differs";
    size_t boundary = 0;
    while (boundary < kept)
        boundary += IsDBCSLeadByte((BYTE)ansiLines[boundary]) ? 2 : 1;
    EXPECT_EQ(kept, boundary) << "cut inside a double-byte character";
    EXPECT_GE(desk.bottom, r.view.window.bottom) << "the ANSI box reaches below the desktop";
}

TEST(MsgBoxLayout, ButtonsAreAsWideAsTheWidestCaptionWithoutTheMnemonicMark)
{
    // A large font makes the captions, not the template size, decide.
    HFONT font = MakeFont(28, L"Noto Sans CJK JP");
    const wchar_t* caption = L"MsgBoxLayout widths";
    RunResult r = RunBox([&] { return MsgBoxW(L"Widths", caption, MB_CANCELTRYCONTINUE, nullptr, font,
                                                 nullptr); },
                         caption, [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    int widest = 0;
    for (const std::wstring& c : r.view.captions) {
        SIZE s = MeasureCaption(font, c);
        widest = std::max<int>(widest, s.cx);
    }
    const int want = widest + 24;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(want, r.view.buttons[i].right - r.view.buttons[i].left) << "slot " << i + 1;
    // Twenty pixels between neighbours, and the row inside the client area.
    EXPECT_EQ(20, r.view.buttons[1].left - r.view.buttons[0].right);
    // The row is placed around half a button width, rounded down.
    EXPECT_EQ(20 - want % 2, r.view.buttons[2].left - r.view.buttons[1].right);
    EXPECT_GE(r.view.buttons[0].left, 14);
    EXPECT_GE(r.view.client.right - r.view.buttons[2].right, 14);
    DeleteObject(font);
}

TEST(MsgBoxLayout, SmallCaptionsKeepTheTemplateButtonSize)
{
    const wchar_t* caption = L"MsgBoxLayout template size";
    RunResult r = RunBox([&] { return MsgBoxW(L"OK?", caption, MB_OK, nullptr, nullptr, nullptr); }, caption,
                         [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    // 50 x 14 dialog units of the template's font.
    const RECT& b = r.view.buttons[0];
    EXPECT_EQ(r.view.templateButton.right, b.right - b.left);
    EXPECT_EQ(r.view.templateButton.bottom, b.bottom - b.top);
}

TEST(MsgBoxCaption, EmptyOrNullCaptionBecomesTheProgramName)
{
    for (int useNull = 0; useNull < 2; ++useNull) {
        RunResult r = RunBox([&] { return MsgBoxW(L"No caption", useNull ? nullptr : L"", MB_OK, nullptr,
                                                     nullptr, nullptr); },
                             L"MsgBoxTests", [](HWND box) { PressSlot(box, 1); });
        EXPECT_TRUE(r.found) << (useNull ? "NULL" : "empty") << " caption: no box titled MsgBoxTests";
        EXPECT_EQ(IDOK, r.result);
    }
}

TEST(MsgBoxOwner, ForegroundWindowOfThisProgramBecomesTheOwner)
{
    HWND own = CreateWindowExW(0, L"STATIC", L"MsgBoxOwnerTest", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600,
                               400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, own);
    SetForegroundWindow(own);
    ASSERT_EQ(own, GetForegroundWindow());
    const wchar_t* caption = L"MsgBoxOwner implicit";
    RunResult r = RunBox([&] { return MsgBoxW(L"Owned", caption, MB_OK, nullptr, nullptr, nullptr); }, caption,
                         [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    EXPECT_EQ(own, r.view.owner);
    EXPECT_FALSE(r.view.ownerEnabled) << "the owner is disabled while the box is up";
    EXPECT_TRUE(IsWindowEnabled(own)) << "and enabled again afterwards";
    // Centred over the owner.
    RECT o;
    GetWindowRect(own, &o);
    const RECT& w = r.view.window;
    EXPECT_LE(std::abs((w.left + w.right) - (o.left + o.right)), 2);
    EXPECT_LE(std::abs((w.top + w.bottom) - (o.top + o.bottom)), 2);
    DestroyWindow(own);
}

TEST(MsgBoxOwner, NoForegroundWindowOfOursMeansNoOwnerAndDesktopCentre)
{
    HWND own = CreateWindowExW(0, L"STATIC", L"MsgBoxOwnerTest2", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, own);
    SetForegroundWindow(own);
    DestroyWindow(own); // nothing of ours is in the foreground now
    const wchar_t* caption = L"MsgBoxOwner none";
    RunResult r = RunBox([&] { return MsgBoxW(L"Unowned", caption, MB_OK, nullptr, nullptr, nullptr); },
                         caption, [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    EXPECT_EQ(nullptr, r.view.owner);
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    const RECT& w = r.view.window;
    EXPECT_GE(w.left, desk.left);
    EXPECT_GE(w.top, desk.top);
    EXPECT_LE(w.right, desk.right);
    EXPECT_LE(w.bottom, desk.bottom);
}

} // namespace
