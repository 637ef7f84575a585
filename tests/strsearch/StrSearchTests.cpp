// Searching and slicing of the string class, run through both twins with
// ASCII text (where a character is one unit in both): start positions,
// overlap rules, the bounds of the slices and the shape of their results.
#include "StrSearchTestUtil.h"

template <class S> class StrSearch : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(StrSearch, BothTwins, NelStrTypeNames);

TYPED_TEST(StrSearch, FindStartsAtStartAndRefusesBadStarts)
{
    using T = typename Units<TypeParam>::T;
    const TypeParam s(TX("abcdef"));
    struct Case {
        const T* find;
        int start;
        int expected;
    } cases[] = {
        {TX("cd"), 0, 2},   {TX("cd"), 2, 2},  {TX("cd"), 3, -1},     {TX("f"), 5, 5},
        {TX(""), 3, 3},     {TX(""), 0, 0},    {nullptr, 2, 2},       {TX("x"), 6, -1},
        {TX(""), 6, -1},    {TX("a"), -1, -1}, {TX("abcdef"), 0, 0},  {TX("abcdefg"), 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "find " << Show(c.find) << " from " << c.start);
        EXPECT_EQ(c.expected, s.Find(c.find, c.start));
        EXPECT_EQ(c.expected, s.FindMB(c.find, c.start)) << "one unit is one character here";
    }
}

TYPED_TEST(StrSearch, FindOnEmptyAndBufferlessStrings)
{
    TypeParam none, empty(TX(""));
    EXPECT_EQ(-1, none.Find(TX(""), 0)) << "no buffer: nothing to find in";
    EXPECT_EQ(-1, none.FindMB(TX(""), 0));
    EXPECT_EQ(0, empty.Find(TX(""), 0));
    EXPECT_EQ(0, empty.FindMB(TX(""), 0));
    EXPECT_EQ(-1, empty.Find(TX("a"), 0));
    EXPECT_EQ(-1, empty.FindMB(TX(""), 1));
}

TYPED_TEST(StrSearch, ReverseSearchesLetOccurrencesOverlap)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        const T* find;
        int expected;
    } cases[] = {
        {TX("aaaa"), TX("aa"), 2}, {TX("aaa"), TX("aa"), 1}, {TX("abcabc"), TX("bc"), 4},
        {TX("abcabc"), TX("c"), 5}, {TX("abcabc"), TX("abcabc"), 0}, {TX("abc"), TX("abcd"), -1},
        {TX("abc"), TX(""), -1},   {TX("abc"), nullptr, -1},  {TX(""), TX("a"), -1},
    };
    for (const Case& c : cases) {
        TypeParam s(c.text);
        SCOPED_TRACE(testing::Message() << Show(c.text) << " find " << Show(c.find));
        EXPECT_EQ(c.expected, s.RFind(c.find));
        EXPECT_EQ(c.expected, s.ReverseFind(c.find));
        EXPECT_EQ(c.expected, s.RFindMB(c.find));
    }
    EXPECT_EQ(-1, TypeParam().RFind(TX("a"))) << "buffer-less";
}

TYPED_TEST(StrSearch, ReverseSearchForOneCharacter)
{
    using T = typename Units<TypeParam>::T;
    const TypeParam s(TX("abcabc"));
    struct Case {
        T ch;
        int expected;
    } cases[] = {{T('a'), 3}, {T('c'), 5}, {T('z'), -1}, {T(0), -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "char " << int(c.ch));
        EXPECT_EQ(c.expected, s.RFind(c.ch));
        EXPECT_EQ(c.expected, s.ReverseFind(c.ch));
        EXPECT_EQ(c.expected, s.RFindMB(c.ch));
    }
    EXPECT_EQ(-1, TypeParam(TX("")).RFind(T('a')));
    EXPECT_EQ(-1, TypeParam().RFindMB(T('a')));
}

TYPED_TEST(StrSearch, InStrCountCountsWithoutOverlap)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        const T* find;
        int expected;
    } cases[] = {
        {TX("aaaa"), TX("aa"), 2}, {TX("aaa"), TX("aa"), 1},  {TX("aaaaa"), TX("a"), 5},
        {TX("abcabcab"), TX("ab"), 3}, {TX("abc"), TX("x"), 0}, {TX("abc"), TX(""), 0},
        {TX("abc"), nullptr, 0},   {TX(""), TX("a"), 0},
    };
    for (const Case& c : cases) {
        TypeParam s(c.text);
        SCOPED_TRACE(testing::Message() << Show(c.text) << " count " << Show(c.find));
        EXPECT_EQ(c.expected, s.InStrCount(c.find));
    }
    EXPECT_EQ(0, TypeParam().InStrCount(TX("a")));
}

TYPED_TEST(StrSearch, GetStrCountCountsCharacters)
{
    EXPECT_EQ(6, TypeParam(TX("abcdef")).GetStrCount());
    EXPECT_EQ(0, TypeParam(TX("")).GetStrCount());
    EXPECT_EQ(0, TypeParam().GetStrCount());
}

TYPED_TEST(StrSearch, LeftAndRightClampToTheText)
{
    using T = typename Units<TypeParam>::T;
    const TypeParam s(TX("abc"));
    struct Case {
        int n;
        const T* left;
        const T* right;
    } cases[] = {
        {-5, TX(""), TX("")}, {0, TX(""), TX("")},       {1, TX("a"), TX("c")},
        {2, TX("ab"), TX("bc")}, {3, TX("abc"), TX("abc")}, {10, TX("abc"), TX("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        ExpectSlice(s.Left(c.n), c.left);
        ExpectSlice(s.LeftMB(c.n), c.left);
        ExpectSlice(s.Right(c.n), c.right);
        ExpectSlice(s.RightMB(c.n), c.right);
    }
    const TypeParam none;
    ExpectSlice(none.Left(3), TX(""));
    ExpectSlice(none.RightMB(3), TX(""));
}

TYPED_TEST(StrSearch, MidTakesTheRemainderForACountOfZeroOrLess)
{
    using T = typename Units<TypeParam>::T;
    const TypeParam s(TX("abcdef"));
    struct Case {
        int start;
        int count;
        const T* expected;
    } cases[] = {
        {2, 0, TX("cdef")}, {2, -3, TX("cdef")}, {2, 2, TX("cd")}, {2, 3, TX("cde")},
        {2, 4, TX("cdef")}, {2, 10, TX("cdef")}, {0, 0, TX("abcdef")}, {5, 0, TX("f")},
        {6, 2, TX("")},     {9, 0, TX("")},
        // A negative start is refused instead of reading before the text.
        {-1, 0, TX("")},    {-1, 2, TX("")},     {-100, 200, TX("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Mid(" << c.start << ", " << c.count << ")");
        ExpectSlice(s.Mid(c.start, c.count), c.expected);
        ExpectSlice(s.MidMB(c.start, c.count), c.expected);
        if (c.count == 0) {
            ExpectSlice(s.Mid(c.start), c.expected);
            ExpectSlice(s.MidMB(c.start), c.expected);
        }
    }
    ExpectSlice(TypeParam().Mid(0), TX(""));
}
