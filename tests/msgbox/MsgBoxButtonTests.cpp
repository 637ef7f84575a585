// Button sets of the message box: which buttons show, their captions, what
// each of them, Escape, the close box and Enter return.
#include <gtest/gtest.h>
#include <cstdlib>
#include "MsgBox/NelMsgBox.h"
#include "MsgBoxEntry.h"
#include "MsgBoxTestUtil.h"

using namespace MsgBoxTest;

namespace {

struct SetCase {
    UINT type;
    int results[3];     // 0: slot not shown
    int cancel;         // result of Escape / close box; 0: ignored
    const wchar_t* ja[3];
    const wchar_t* en[3];
};

const SetCase kSets[] = {
    {MB_OK, {IDOK, 0, 0}, IDOK, {L"OK"}, {L"OK"}},
    {MB_OKCANCEL, {IDOK, IDCANCEL, 0}, IDCANCEL, {L"OK", L"キャンセル"}, {L"OK", L"Cancel"}},
    {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, 0, {L"中止(&A)", L"再試行(&R)", L"無視(&I)"},
     {L"&Abort", L"&Retry", L"&Ignore"}},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL, {L"はい(&Y)", L"いいえ(&N)", L"キャンセル"},
     {L"&Yes", L"&No", L"Cancel"}},
    {MB_YESNO, {IDYES, IDNO, 0}, 0, {L"はい(&Y)", L"いいえ(&N)"}, {L"&Yes", L"&No"}},
    {MB_RETRYCANCEL, {IDRETRY, IDCANCEL, 0}, IDCANCEL, {L"再試行(&R)", L"キャンセル"}, {L"&Retry", L"Cancel"}},
    {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL,
     {L"キャンセル", L"再実行(&T)", L"続行(&C)"}, {L"Cancel", L"&Try Again", L"&Continue"}},
};

std::wstring Caption(UINT type, const wchar_t* what)
{
    return L"MsgBoxSet" + std::to_wstring(type) + L" " + what;
}

RunResult ShowSet(UINT type, const wchar_t* what, const std::function<void(HWND)>& drive)
{
    const std::wstring caption = Caption(type, what);
    return RunBox([&] { return MsgBoxW(L"Which button?", caption.c_str(), type, nullptr, nullptr, nullptr); },
                  caption, drive);
}

class MsgBoxSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(MsgBoxSetTest, EachShownButtonReturnsItsResult)
{
    const SetCase& c = GetParam();
    for (int slot = 1; slot <= 3; ++slot) {
        if (!c.results[slot - 1])
            continue;
        RunResult r = ShowSet(c.type, L"button", [slot](HWND box) { PressSlot(box, slot); });
        ASSERT_TRUE(r.found) << "set " << c.type;
        EXPECT_FALSE(r.leftOpen) << "set " << c.type << " slot " << slot;
        EXPECT_EQ(c.results[slot - 1], r.result) << "set " << c.type << " slot " << slot;
    }
}

TEST_P(MsgBoxSetTest, ShowsExactlyTheSetsButtonsWithLayoutCaptions)
{
    const SetCase& c = GetParam();
    RunResult r = ShowSet(c.type, L"captions", [](HWND box) { PressSlot(box, 1); });
    ASSERT_TRUE(r.found);
    const bool ja = JapaneseLayout();
    for (int i = 0; i < 3; ++i) {
        const bool used = c.results[i] != 0;
        EXPECT_EQ(used, r.view.visible[i]) << "set " << c.type << " slot " << i + 1;
        EXPECT_EQ(used, r.view.enabled[i]) << "set " << c.type << " slot " << i + 1;
        if (used) {
            const std::wstring want = ja ? c.ja[i] : c.en[i];
            EXPECT_EQ(want, r.view.captions[i]) << "set " << c.type << " slot " << i + 1;
        }
    }
    EXPECT_EQ(c.cancel != 0, r.view.hasCloseItem) << "set " << c.type;
}

TEST_P(MsgBoxSetTest, EscapeAndCloseBoxAnswerCancelOrDoNothing)
{
    const SetCase& c = GetParam();
    // Escape (or the close box), then -- for sets that ignore them -- the
    // last shown button: a box that reacted to the key ends with another
    // result than that button's.
    int last = c.results[2] ? 3 : (c.results[1] ? 2 : 1);
    for (int how = 0; how < 2; ++how) {
        RunResult r = ShowSet(c.type, how ? L"close" : L"escape", [&](HWND box) {
            if (how)
                PressCloseBox(box);
            else
                PressKey(box, VK_ESCAPE);
            if (!c.cancel)
                PressSlot(box, last);
        });
        ASSERT_TRUE(r.found);
        EXPECT_FALSE(r.leftOpen);
        const int want = c.cancel ? c.cancel : c.results[last - 1];
        EXPECT_EQ(want, r.result) << "set " << c.type << (how ? " close box" : " escape");
    }
}

INSTANTIATE_TEST_SUITE_P(AllSets, MsgBoxSetTest, ::testing::ValuesIn(kSets));

TEST(MsgBoxKeys, EnterPressesTheSecondButtonWithDefButton2)
{
    RunResult r = ShowSet(MB_YESNOCANCEL | MB_DEFBUTTON2, L"enter", [](HWND box) { PressKey(box, VK_RETURN); });
    ASSERT_TRUE(r.found);
    EXPECT_FALSE(r.leftOpen);
    EXPECT_EQ(IDNO, r.result);
    EXPECT_TRUE(r.view.isDefault[1]) << "slot 2 should carry the default-button style";
    EXPECT_FALSE(r.view.isDefault[0]);
}

TEST(MsgBoxKeys, DefButton3OfTwoButtonsMarksNoVisibleButton)
{
    // Enter then finds no enabled default button and does nothing; Cancel
    // must still be the answer that ends the box.
    RunResult r = ShowSet(MB_OKCANCEL | MB_DEFBUTTON3, L"def3", [](HWND box) {
        PressKey(box, VK_RETURN);
        PressSlot(box, 2);
    });
    ASSERT_TRUE(r.found);
    EXPECT_FALSE(r.view.isDefault[0]);
    EXPECT_FALSE(r.view.isDefault[1]);
    EXPECT_EQ(IDCANCEL, r.result);
}

TEST(MsgBoxKeys, UnsupportedSetEndsWithZeroAndKeepsTemplateButtons)
{
    RunResult r = ShowSet(7, L"unsupported", [](HWND box) {
        PressKey(box, VK_ESCAPE);
        PressSlot(box, 3);
    });
    ASSERT_TRUE(r.found);
    EXPECT_EQ(0, r.result);
    EXPECT_EQ(L"Button1", r.view.captions[0]);
    EXPECT_EQ(L"Button3", r.view.captions[2]);
    EXPECT_TRUE(r.view.visible[2]);
}

TEST(MsgBoxLanguage, LayoutOfTheRunMatchesItsLocale)
{
    // The captions test above checks whichever language the layout picks;
    // this makes sure the two CTest runs really cover both.
    const char* acp = std::getenv("NEL_EXPECT_ACP");
    if (!acp || !*acp)
        GTEST_SKIP() << "no locale given";
    wchar_t name[KL_NAMELENGTH] = {0};
    GetKeyboardLayoutNameW(name);
    EXPECT_EQ(std::atoi(acp) == 932, JapaneseLayout()) << "layout " << std::string(name, name + 8);
}

TEST(MsgBoxVersion, BothVersionNamesReport122)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ASSERT_NE(nullptr, lib);
    typedef int(WINAPI * Fn)(void);
    Fn a = (Fn)(void*)GetProcAddress(lib, "NelGetDllVersion");
    Fn b = (Fn)(void*)GetProcAddress(lib, "NelWndGetDllVersion");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(122, a());
    EXPECT_EQ(122, b());
}

} // namespace
