// The installer's own build of CNelStrW: the concatenation operators it
// adds, whose result is always sized exactly (length + 1), and the core
// rules it shares with the library build.
#include "StrTestUtil.h"

namespace {

// Gives s the text by appending, so that its capacity carries slack.
void AppendTo(CNelStrW& s, const wchar_t* text)
{
    s = L"";
    s += text;
}

} // namespace

TEST(StrInstallerConcat, AllThreeFormsJoinTheOperandsWithExactCapacity)
{
    CNelStrW a, b(L"de");
    AppendTo(a, L"abc");
    ASSERT_EQ(133, a.GetBuffSize());
    struct Case {
        const char* form;
        CNelStrW result;
    } cases[] = {
        {"str + str", a + b},
        {"str + ptr", a + L"de"},
        {"ptr + str", L"abc" + b},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        EXPECT_EQ(std::wstring(L"abcde"), Text(c.result));
        EXPECT_EQ(5, c.result.GetLength());
        EXPECT_EQ(6, c.result.GetBuffSize()) << "length + 1, no slack";
    }
    EXPECT_EQ(std::wstring(L"abc"), Text(a)) << "operands are left alone";
    EXPECT_EQ(133, a.GetBuffSize());
    EXPECT_EQ(std::wstring(L"de"), Text(b));
}

TEST(StrInstallerConcat, EmptyNullAndBufferlessOperandsContributeNothing)
{
    CNelStrW abc(L"abc"), none;
    struct Case {
        const char* form;
        CNelStrW result;
        const wchar_t* text;
    } cases[] = {
        {"str + empty ptr", abc + L"", L"abc"},
        {"str + NULL", abc + static_cast<const wchar_t*>(nullptr), L"abc"},
        {"NULL + str", static_cast<const wchar_t*>(nullptr) + abc, L"abc"},
        {"buffer-less + str", none + abc, L"abc"},
        {"str + buffer-less", abc + none, L"abc"},
        {"buffer-less + buffer-less", none + none, L""},
        {"empty ptr + buffer-less", L"" + none, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        ASSERT_NE(nullptr, c.result.t()) << "the result always has a buffer";
        EXPECT_EQ(std::wstring(c.text), Text(c.result));
        EXPECT_EQ(lstrlenW(c.text), c.result.GetLength());
        EXPECT_EQ(lstrlenW(c.text) + 1, c.result.GetBuffSize());
    }
}

TEST(StrInstallerConcat, ChainsAndJapaneseText)
{
    CNelStrW dir(L"C:\\Windows\\Cursors"), name(L"\x3042\x3044");
    CNelStrW path = dir + L"\\" + name + L".cur";
    EXPECT_EQ(std::wstring(L"C:\\Windows\\Cursors\\\x3042\x3044.cur"), Text(path));
    EXPECT_EQ(25, path.GetLength());
    EXPECT_EQ(26, path.GetBuffSize());
}

TEST(StrInstallerCore, SharesGrowthAndExactAssignmentWithTheLibrary)
{
    CNelStrW s(L"abc");
    EXPECT_EQ(4, s.GetBuffSize());
    s += L"d";
    EXPECT_EQ(134, s.GetBuffSize());
    s = L"";
    EXPECT_EQ(134, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s));
    CNelStrW grown;
    AppendTo(grown, L"abcd");
    CNelStrW copy(grown);
    EXPECT_EQ(5, copy.GetBuffSize());
    copy = L"abcdefg";
    EXPECT_EQ(8, copy.GetBuffSize());
    EXPECT_EQ(-1, CNelStrW().Compare(L""));
}
