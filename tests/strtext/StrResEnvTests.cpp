// String resources, environment expansion and the user name, both twins.
#include "StrTextTestUtil.h"
#include "StrTextTestRes.h"

namespace {

// The text of IDS_TEXT_<n>: a letter cycle with a digit every tenth unit,
// so that a cut or shifted text cannot pass for the whole one.
template <class T> std::basic_string<T> ResourcePattern(int n)
{
    std::basic_string<T> s;
    for (int i = 0; i < n; ++i)
        s += static_cast<T>(i % 10 == 9 ? '0' + (i / 10) % 10 : 'a' + i % 26);
    return s;
}

std::wstring Kana70()
{
    std::wstring s;
    for (int i = 0; i < 70; ++i)
        s += static_cast<wchar_t>(0x3042 + i % 80);
    return s;
}

} // namespace

template <class S> class ResEnv : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(ResEnv, BothTwins, NelStrTypeNames);

// A text of capacity - 2 units or more may have been cut by the platform,
// so it is read again with 128 more units.
TYPED_TEST(ResEnv, LoadStrRereadsTextsThatReachCapacityMinusTwo)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        UINT id;
        int length, capacity;
    };
    const Case cases[] = {{IDS_TEXT_125, 125, 128}, {IDS_TEXT_126, 126, 256}, {IDS_TEXT_127, 127, 256},
                          {IDS_TEXT_200, 200, 256}, {IDS_TEXT_254, 254, 384}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "resource of " << c.length << " units");
        TypeParam s(TX("old"));
        EXPECT_EQ(1, s.LoadStr(c.id, nullptr));
        EXPECT_TRUE(ResourcePattern<T>(c.length) == Text(s)) << "got " << s.GetLength() << " units";
        EXPECT_EQ(c.length, s.GetLength());
        EXPECT_EQ(c.capacity, s.GetBuffSize());
    }
}

TYPED_TEST(ResEnv, LoadStrFailuresKeepTheText)
{
    TypeParam s(TX("old"));
    EXPECT_EQ(0, s.LoadStr(0, nullptr));
    EXPECT_EQ(0, s.LoadStr(IDS_MISSING, nullptr));
    // The library's own module is not where a NULL instance looks.
    EXPECT_EQ(0, s.LoadStr(IDS_TEXT_125, GetModuleHandleW(L"NelWnd.dll")));
    EXPECT_EQ(B(TX("old")), Text(s));
    EXPECT_EQ(4, s.GetBuffSize());

    EXPECT_EQ(1, s.LoadStr(IDS_TEXT_125, GetModuleHandleW(nullptr)));
    EXPECT_EQ(125, s.GetLength());
}

// The ANSI twin counts bytes: 70 hiragana are 140 bytes under code page
// 932 (read again at 256) and 70 replacement characters under 1252.
TYPED_TEST(ResEnv, LoadStrOfJapaneseTextCountsUnitsOfTheTwin)
{
    TypeParam s;
    EXPECT_EQ(1, s.LoadStr(IDS_KANA_70, nullptr));
    auto want = In<TypeParam>(Kana70());
    EXPECT_EQ(want, Text(s)) << Shown(Text(s));
    EXPECT_EQ(want.size() < 126 ? 128 : 256, s.GetBuffSize());
}

TYPED_TEST(ResEnv, ExpandEnvStrReplacesKnownVariablesOnly)
{
    ASSERT_TRUE(SetEnvironmentVariableW(L"NELSTRTEXT_DIR", L"C:\\some dir"));
    std::wstring longValue(3000, L'v');
    ASSERT_TRUE(SetEnvironmentVariableW(L"NELSTRTEXT_LONG", longValue.c_str()));
    struct Case {
        const wchar_t* text;
        std::wstring expanded;
    };
    const Case cases[] = {
        {L"%NELSTRTEXT_DIR%\\file", L"C:\\some dir\\file"},
        {L"a%NELSTRTEXT_DIR%b%NELSTRTEXT_DIR%", L"aC:\\some dirbC:\\some dir"},
        {L"%NELSTRTEXT_UNSET%\\x", L"%NELSTRTEXT_UNSET%\\x"},
        {L"100% sure", L"100% sure"},
        {L"", L""},
        {L"<%NELSTRTEXT_LONG%>", L"<" + longValue + L">"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << In<CNelStrA>(c.text));
        TypeParam s(In<TypeParam>(c.text).c_str());
        s.ExpandEnvStr();
        EXPECT_EQ(In<TypeParam>(c.expanded), Text(s));
        EXPECT_EQ(static_cast<int>(In<TypeParam>(c.expanded).size()), s.GetLength());
    }
    TypeParam none;
    none.ExpandEnvStr();
    EXPECT_EQ(nullptr, none.t()) << "nothing to expand";
    SetEnvironmentVariableW(L"NELSTRTEXT_DIR", nullptr);
    SetEnvironmentVariableW(L"NELSTRTEXT_LONG", nullptr);
}

TYPED_TEST(ResEnv, GetCrUserNameGivesTheLogonName)
{
    wchar_t name[257] = {};
    DWORD size = 257;
    ASSERT_TRUE(GetUserNameW(name, &size));
    TypeParam s(TX("a previous text that is longer than any user name here"));
    int capacity = s.GetBuffSize();
    EXPECT_EQ(1, s.GetCrUserName());
    EXPECT_EQ(In<TypeParam>(name), Text(s));
    EXPECT_FALSE(Text(s).empty());
    EXPECT_EQ(capacity, s.GetBuffSize()) << "assigned into the existing buffer";
}
