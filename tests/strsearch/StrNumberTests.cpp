// Formatting, number conversions, byte-size text and digit grouping of the
// string class, run through both twins.
#include <climits>
#include <shlwapi.h>
#include "StrSearchTestUtil.h"

template <class S> class StrNumber : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(StrNumber, BothTwins, NelStrTypeNames);

TYPED_TEST(StrNumber, FormatReplacesTheTextAndReturnsOne)
{
    TypeParam s(TX("old text that is longer"));
    int size = s.GetBuffSize();
    EXPECT_EQ(1, s.Format(TX("%d-%s"), 7, TX("ab")));
    EXPECT_EQ(B(TX("7-ab")), Text(s));
    EXPECT_EQ(4, s.GetLength());
    EXPECT_EQ(size, s.GetBuffSize()) << "a large enough buffer is reused";

    TypeParam none;
    EXPECT_EQ(1, none.Format(TX("%s"), TX("")));
    ASSERT_NE(nullptr, none.t()) << "an empty result is still an assignment";
    EXPECT_EQ(1, none.GetBuffSize());
}

// The first attempt has room for the current capacity + 128 - 2 units and
// every retry 128 more: texts on both sides of each step come out whole.
TYPED_TEST(StrNumber, FormatRetriesWithRoomForLongerTextsUntilTheTextIsWhole)
{
    using T = typename Units<TypeParam>::T;
    for (int len : {125, 126, 127, 128, 253, 254, 255, 300, 1000}) {
        SCOPED_TRACE(testing::Message() << len << " units");
        std::basic_string<T> arg = Rep<T>(len, 'q');
        arg[0] = T('<');
        arg[len - 1] = T('>');
        TypeParam s;  // capacity 0: the first attempt has 128 units
        EXPECT_EQ(1, s.Format(TX("%s"), arg.c_str()));
        EXPECT_EQ(arg, Text(s));
        EXPECT_EQ(len, s.GetLength());
        EXPECT_EQ(len + 1, s.GetBuffSize());
    }
    // Starting from a larger capacity gives the same whole text.
    TypeParam roomy(200);
    std::basic_string<T> arg = Rep<T>(300, 'z');
    EXPECT_EQ(1, roomy.Format(TX("[%s]"), arg.c_str()));
    EXPECT_EQ(302, roomy.GetLength());
}

TYPED_TEST(StrNumber, FormatMayTakeTheStringsOwnBuffer)
{
    TypeParam s(TX("ab"));
    EXPECT_EQ(1, s.Format(TX("%s-%s-%d"), s.t(), s.t(), s.GetLength()));
    EXPECT_EQ(B(TX("ab-ab-2")), Text(s));
}

// A format the formatter rejects fails for a reason other than room; the
// member gives up at once instead of retrying with ever larger buffers.
TYPED_TEST(StrNumber, FormatThatCannotBeProducedFailsAndLeavesTheString)
{
    using T = typename Units<TypeParam>::T;
    TypeParam s(TX("keep"));
    EXPECT_EQ(0, s.Format(TX("a%y")));
    EXPECT_EQ(0, s.Format(static_cast<const T*>(nullptr)));
    EXPECT_EQ(B(TX("keep")), Text(s));
    EXPECT_EQ(5, s.GetBuffSize());
}

TEST(StrNumberA, FormatOfAnUnconvertibleWideArgumentFailsAndLeavesTheString)
{
    // The CRT converts %ls in its default locale, which has no Kanji.
    CNelStrA s("keep");
    DWORD start = GetTickCount();
    EXPECT_EQ(0, s.Format("%d:%ls", 5, L"\x4E00\x4E8C"));
    EXPECT_LT(GetTickCount() - start, 5000u) << "gave up without growing for ever";
    EXPECT_EQ("keep", Text(s));
    EXPECT_EQ(5, s.GetBuffSize());
}

TYPED_TEST(StrNumber, NumToStrWritesSignedDecimals)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        int v;
        const T* text;
    } cases[] = {{-42, TX("-42")}, {0, TX("0")}, {INT_MAX, TX("2147483647")}, {INT_MIN, TX("-2147483648")}};
    for (const Case& c : cases) {
        TypeParam s;
        s.NumToStr(c.v);
        EXPECT_EQ(B(c.text), Text(s)) << c.v;
        EXPECT_EQ(NelLen(c.text) + 1, s.GetBuffSize());
    }
}

TYPED_TEST(StrNumber, NumToStr64JoinsTheHalvesAsOneSignedValue)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        unsigned long high;
        unsigned long low;
        const T* text;
    } cases[] = {
        {1, 0, TX("4294967296")},
        {0, 0xFFFFFFFFul, TX("4294967295")},  // the low half is not sign-extended
        {0xFFFFFFFFul, 0xFFFFFFFFul, TX("-1")},
        {0x7FFFFFFFul, 0xFFFFFFFFul, TX("9223372036854775807")},
        {0x80000000ul, 0, TX("-9223372036854775808")},
        {2, 0x18711A00ul, TX("9000000000")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.high << ":" << c.low);
        TypeParam halves, whole;
        halves.NumToStr64(c.high, c.low);
        whole.NumToStr64(static_cast<__int64>((static_cast<unsigned __int64>(c.high) << 32) | c.low));
        EXPECT_EQ(B(c.text), Text(halves));
        EXPECT_EQ(B(c.text), Text(whole));
    }
    TypeParam roomy(TX(""));
    roomy += TX("x");
    roomy.NumToStr64(9000000000LL);
    EXPECT_EQ(B(TX("9000000000")), Text(roomy));
    EXPECT_EQ(131, roomy.GetBuffSize()) << "the buffer is reused";
}

TYPED_TEST(StrNumber, StrToNumReadsTheLeadingDecimal)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        int value;
        __int64 value64;
    } cases[] = {
        {TX(" 12ab"), 12, 12},
        {TX("-7"), -7, -7},
        {TX("+5"), 5, 5},
        {TX("x1"), 0, 0},
        {TX(""), 0, 0},
        {TX("2147483647"), INT_MAX, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.text));
        TypeParam s(c.text);
        EXPECT_EQ(c.value, s.StrToNum());
        EXPECT_EQ(c.value64, s.StrToNum64());
    }
    // Beyond 32 bits only the 64-bit reading is whole.
    EXPECT_EQ(9000000000LL, TypeParam(TX("9000000000")).StrToNum64());
    EXPECT_EQ(LLONG_MIN, TypeParam(TX(" -9223372036854775808")).StrToNum64());
    const TypeParam none;
    EXPECT_EQ(0, none.StrToNum());
    EXPECT_EQ(0, none.StrToNum64());
}

// The text is the platform's (its wording and units); what the members
// add is the value they pass and, in the wide twin, the conversion.
template <class S> typename Units<S>::T* PlatformByteSize(__int64 v, typename Units<S>::T* out)
{
    char text[65] = {0};
    if (!StrFormatByteSize64A(v, text, 65))
        return nullptr;
    if constexpr (Units<S>::kWide)
        MultiByteToWideChar(CP_ACP, 0, text, -1, out, 65);
    else
        lstrcpyA(out, text);
    return out;
}

TYPED_TEST(StrNumber, FormatByteSize64GivesThePlatformsTextForAllThreeForms)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        unsigned long high;
        unsigned long low;
        const T* decimal;
    } cases[] = {
        {0, 0, TX("0")},
        {0, 532, TX("532")},
        {0, 1024, TX("1024")},
        {0, 1536, TX("1536")},
        {0, 0xFFFFFFFFul, TX("4294967295")},
        {1, 0, TX("4294967296")},
        {5, 0, TX("21474836480")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.decimal));
        __int64 v = static_cast<__int64>((static_cast<unsigned __int64>(c.high) << 32) | c.low);
        T expected[65] = {0};
        ASSERT_NE(nullptr, PlatformByteSize<TypeParam>(v, expected));
        ASSERT_TRUE(expected[0] >= T('0') && expected[0] <= T('9')) << Show(expected);

        TypeParam byValue, byHalves, byText(c.decimal);
        EXPECT_EQ(1, byValue.FormatByteSize64(v));
        EXPECT_EQ(1, byHalves.FormatByteSize64(c.high, c.low));
        EXPECT_EQ(1, byText.FormatByteSize64());
        EXPECT_EQ(B(expected), Text(byValue));
        EXPECT_EQ(B(expected), Text(byHalves));
        EXPECT_EQ(B(expected), Text(byText));
    }
    // 1 KB and 4 GB are told apart from their neighbours by the value passed.
    TypeParam kb, gb;
    kb.FormatByteSize64(0, 1024);
    gb.FormatByteSize64(1, 0);
    EXPECT_NE(Text(kb), Text(gb));

    TypeParam empty(TX(""));
    T zero[65] = {0};
    PlatformByteSize<TypeParam>(0, zero);
    EXPECT_EQ(1, empty.FormatByteSize64()) << "an empty string reads as 0";
    EXPECT_EQ(B(zero), Text(empty));
}

TYPED_TEST(StrNumber, InsertCommaGroupsFromEitherEnd)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        const T* sep;
        int group;
        int fromRight;
        const T* expected;
        int count;
    } cases[] = {
        {TX("1234567"), TX(","), 3, 1, TX("1,234,567"), 2},
        {TX("123456"), TX(","), 3, 1, TX("123,456"), 1},
        {TX("123"), TX(","), 3, 1, TX("123"), 0},
        {TX("12"), TX(","), 3, 1, TX("12"), 0},
        {TX("1234567"), TX(","), 3, 0, TX("123,456,7"), 2},
        {TX("123456"), TX(","), 3, 0, TX("123,456"), 1},
        {TX("12345678"), nullptr, 4, 1, TX("1234,5678"), 1},
        {TX("12345678"), TX(""), 4, 0, TX("1234,5678"), 1},
        {TX("1234567"), TX("::"), 2, 1, TX("1::23::45::67"), 3},
        {TX("12345"), TX("."), 2, 0, TX("12.34.5"), 2},
        {TX("123"), TX(","), 1, 1, TX("1,2,3"), 2},
        {TX("-1234"), TX(","), 3, 1, TX("-1,234"), 1},   // the sign counts like a digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << " sep " << Show(c.sep) << " group " << c.group
                                        << (c.fromRight ? " from the right" : " from the left"));
        TypeParam s(c.text);
        EXPECT_EQ(c.count, s.InsertComma(c.sep, c.group, c.fromRight));
        EXPECT_EQ(B(c.expected), Text(s));
        EXPECT_EQ(NelLen(c.expected), s.GetLength());
    }
}

TYPED_TEST(StrNumber, InsertCommaRefusesAGroupBelowOneAndEmptyStrings)
{
    for (int group : {0, -1, INT_MIN}) {
        for (int fromRight : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "group " << group << " fromRight " << fromRight);
            TypeParam s(TX("12345"));
            EXPECT_EQ(0, s.InsertComma(TX(","), group, fromRight));
            EXPECT_EQ(B(TX("12345")), Text(s));
            EXPECT_EQ(6, s.GetBuffSize());
        }
    }
    TypeParam none, empty(TX(""));
    EXPECT_EQ(0, none.InsertComma(TX(","), 3, 1));
    EXPECT_EQ(nullptr, none.t());
    EXPECT_EQ(0, empty.InsertComma(TX(","), 3, 0));
    EXPECT_EQ(1, empty.GetBuffSize());
}
