// The texts a help popup shows: the caller's text in both twins, strings
// loaded from a module's string table whatever their length, and the
// requests that show nothing at all.
#include <gtest/gtest.h>
#include <string>
#include "HelpPopupTestRes.h"
#include "HelpPopupTestUtil.h"

using namespace HpTest;

namespace {

const POINT kPos = {300, 200};

TEST(HelpPopupText, NoTextShowsNothingAndReturnsZero)
{
    WindowCounter counter;
    EXPECT_EQ(0, Lib::NelHelpPopupWndW(nullptr, &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Lib::NelHelpPopupWndW(L"", &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Lib::NelHelpPopupWndA(nullptr, &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Lib::NelHelpPopupWndA("", &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Lib::NelHelpPopupWndRW(0, GetModuleHandleW(nullptr), &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Lib::NelHelpPopupWndRA(0, GetModuleHandleW(nullptr), &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, counter.Created()) << "a window was created";
}

// A string that cannot be loaded: the popup closes itself during set-up,
// is never shown, and the call still counts as answered (result 2).
TEST(HelpPopupText, AMissingStringClosesAtOnceUnseen)
{
    WindowCounter counter;
    EXPECT_EQ(1, Lib::NelHelpPopupWndRW(IDS_HP_EMPTY_MISSING, nullptr, &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(1, Lib::NelHelpPopupWndRA(IDS_HP_EMPTY_MISSING, nullptr, &kPos, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, counter.Activated()) << "the popup was shown";
    EXPECT_EQ(nullptr, FindPopup());
}

// Shows the text (or string) through show and returns what the popup's
// text control draws.
template <class Mes, class Show>
auto ShownText(Show show, int* result) -> std::basic_string<typename std::remove_const<
    typename std::remove_pointer<decltype(Mes::m_pszMes)>::type>::type>
{
    typedef typename std::remove_const<typename std::remove_pointer<decltype(Mes::m_pszMes)>::type>::type Char;
    std::basic_string<Char> text;
    bool seen = false;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        seen = true;
        Mes* mes = reinterpret_cast<Mes*>(GetWindowLongPtrW(TextControl(popup), GWLP_USERDATA));
        if (mes && mes->m_pszMes)
            text = mes->m_pszMes;
        PostKey(popup, VK_ESCAPE);
        return true;
    });
    *result = show();
    EXPECT_TRUE(seen) << "no popup was shown";
    EXPECT_FALSE(driver.TimedOut());
    return text;
}

TEST(HelpPopupText, StringsOfEveryLengthLoadCompletely)
{
    const HINSTANCE self = GetModuleHandleW(nullptr);
    for (int n : {252, 253, 254, 255, 256, 600}) {
        SCOPED_TRACE(n);
        int result = 0;
        std::wstring w = ShownText<CNelHelpPopupMesCtlW>(
            [&] { return Lib::NelHelpPopupWndRW(IDS_HP_PATTERN(n), self, &kPos, nullptr, nullptr, nullptr); },
            &result);
        EXPECT_EQ(1, result);
        EXPECT_EQ(static_cast<size_t>(n), w.size());
        EXPECT_TRUE(w == PatternText(n)) << "wide text differs";

        std::string a = ShownText<CNelHelpPopupMesCtlA>(
            [&] { return Lib::NelHelpPopupWndRA(IDS_HP_PATTERN(n), self, &kPos, nullptr, nullptr, nullptr); },
            &result);
        EXPECT_EQ(1, result);
        EXPECT_EQ(static_cast<size_t>(n), a.size());
        EXPECT_TRUE(a == PatternTextA(n)) << "ANSI text differs";
    }
}

TEST(HelpPopupText, ANullModuleMeansTheCallingProgram)
{
    int result = 0;
    std::wstring w = ShownText<CNelHelpPopupMesCtlW>(
        [&] { return Lib::NelHelpPopupWndRW(IDS_HP_SHORT, nullptr, &kPos, nullptr, nullptr, nullptr); }, &result);
    EXPECT_EQ(1, result);
    EXPECT_EQ(std::wstring(L"Short help from a resource"), w);
}

TEST(HelpPopupText, TheCallersTextIsShownAsGiven)
{
    int result = 0;
    const wchar_t* given = L"Caller's own text";
    std::wstring w = ShownText<CNelHelpPopupMesCtlW>(
        [&] { return Lib::NelHelpPopupWndW(given, &kPos, nullptr, nullptr, nullptr); }, &result);
    EXPECT_EQ(1, result);
    EXPECT_EQ(std::wstring(given), w);
    std::string a = ShownText<CNelHelpPopupMesCtlA>(
        [&] { return Lib::NelHelpPopupWndA("Caller's own text", &kPos, nullptr, nullptr, nullptr); }, &result);
    EXPECT_EQ(1, result);
    EXPECT_EQ(std::string("Caller's own text"), a);
}

TEST(HelpPopupText, JapaneseStringsInBothTwins)
{
    int result = 0;
    std::wstring w = ShownText<CNelHelpPopupMesCtlW>(
        [&] { return Lib::NelHelpPopupWndRW(IDS_HP_JAPANESE, nullptr, &kPos, nullptr, nullptr, nullptr); },
        &result);
    EXPECT_TRUE(w == L"ヘルプの説明文です。") << "wide Japanese text differs";
    if (GetACP() != 932)
        return; // the ANSI twin can carry Japanese only in code page 932
    std::string a = ShownText<CNelHelpPopupMesCtlA>(
        [&] { return Lib::NelHelpPopupWndRA(IDS_HP_JAPANESE, nullptr, &kPos, nullptr, nullptr, nullptr); },
        &result);
    char expected[64] = {};
    WideCharToMultiByte(932, 0, L"ヘルプの説明文です。", -1, expected, sizeof(expected), nullptr, nullptr);
    EXPECT_EQ(std::string(expected), a);
}

TEST(HelpPopupText, BothTwinsGiveTheSameBalloonForTheSameText)
{
    TestFont font(15);
    RECT rects[2] = {};
    for (int twin = 0; twin < 2; ++twin) {
        PopupDriver driver([&](HWND popup) {
            if (!popup)
                return false;
            rects[twin] = WindowRectOf(popup);
            PostKey(popup, VK_ESCAPE);
            return true;
        });
        int result = twin == 0
            ? Lib::NelHelpPopupWndW(L"Same text in both twins, wrapped or not", &kPos, nullptr, nullptr, font.get())
            : Lib::NelHelpPopupWndA("Same text in both twins, wrapped or not", &kPos, nullptr, nullptr, font.get());
        EXPECT_EQ(1, result);
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(rects[0].left, rects[1].left) << rects[0] << " " << rects[1];
    EXPECT_EQ(rects[0].right, rects[1].right) << rects[0] << " " << rects[1];
    EXPECT_EQ(rects[0].bottom, rects[1].bottom) << rects[0] << " " << rects[1];
    EXPECT_GT(rects[0].right - rects[0].left, 26) << rects[0];
}

} // namespace

namespace {

TEST(HelpPopupText, EntryPointsAreExportedUnderTheirBareNames)
{
    for (const char* name : {"NelHelpPopupWndW", "NelHelpPopupWndA", "NelHelpPopupWndRW", "NelHelpPopupWndRA"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(nullptr, Lib::NelWndExport(name));
    }
}

} // namespace
