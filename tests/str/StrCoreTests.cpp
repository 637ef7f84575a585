// Storage, capacity, buffer access, comparison and case mapping of the
// string class. Every case here runs for both twins (W and A): the rules on
// units and capacities are the same, only the unit type differs.
#include "StrTestUtil.h"

template <class S> class StrCore : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(StrCore, BothTwins, NelStrTypeNames);

TYPED_TEST(StrCore, DefaultConstructedHasNoBuffer)
{
    TypeParam s;
    EXPECT_EQ(nullptr, s.t());
    EXPECT_EQ(nullptr, static_cast<const typename Units<TypeParam>::T*>(s));
    EXPECT_EQ(nullptr, s.GetBuff());
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(0, s.GetLen());
    EXPECT_EQ(0, s.GetBuffSize());
    EXPECT_NE(0, s.IsEmpty());
    EXPECT_EQ(0, s.GetAt(0));
    EXPECT_EQ(0, s[0]);
}

TYPED_TEST(StrCore, MembersOnBufferlessStringKeepItBufferless)
{
    TypeParam s;
    EXPECT_EQ(0, s.ResetLen());
    s.Clear();
    s.Empty();
    s.MakeLower();
    s.MakeUpper();
    s.SetAt(0, 'x');
    s += TX("");                  // appending nothing allocates nothing
    s += TypeParam();
    EXPECT_EQ(nullptr, s.Detach());
    EXPECT_EQ(nullptr, s.t());
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(0, s.GetBuffSize());
}

TYPED_TEST(StrCore, ConstructionAllocatesExactlyLengthPlusOne)
{
    TypeParam s(TX("abc"));
    EXPECT_EQ(B(TX("abc")), Text(s));
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(4, s.GetBuffSize());

    TypeParam copy(s);
    EXPECT_EQ(B(TX("abc")), Text(copy));
    EXPECT_EQ(4, copy.GetBuffSize());
    EXPECT_NE(s.t(), copy.t());

    // Empty texts, a NULL pointer and a buffer-less original all give a
    // 1-unit buffer holding only the terminator.
    using T = typename Units<TypeParam>::T;
    TypeParam none;
    TypeParam fromEmpty(TX("")), fromNull(static_cast<const T*>(nullptr)), fromNone(none);
    for (TypeParam* e : {&fromEmpty, &fromNull, &fromNone}) {
        SCOPED_TRACE(e == &fromEmpty ? "empty text" : e == &fromNull ? "NULL" : "buffer-less copy");
        ASSERT_NE(nullptr, e->t());
        EXPECT_EQ(0, e->t()[0]);
        EXPECT_EQ(0, e->GetLength());
        EXPECT_EQ(1, e->GetBuffSize());
    }
}

TYPED_TEST(StrCore, CopyTakesStoredLengthNotRecounted)
{
    TypeParam s(TX("abcd"));
    s.GetBuff()[1] = 0;           // no ResetLen: stored length stays 4
    TypeParam copy(s);
    EXPECT_EQ(4, copy.GetLength());
    EXPECT_EQ(5, copy.GetBuffSize());
    EXPECT_EQ(B(TX("a")), Text(copy));

    TypeParam assigned;
    assigned = s;
    EXPECT_EQ(4, assigned.GetLength());
    EXPECT_EQ(5, assigned.GetBuffSize());
}

TYPED_TEST(StrCore, AppendGrowsToLengthPlus130ThenAppendsInPlace)
{
    using T = typename Units<TypeParam>::T;
    TypeParam s(TX("abc"));
    s += TX("d");
    EXPECT_EQ(B(TX("abcd")), Text(s));
    EXPECT_EQ(4, s.GetLength());
    EXPECT_EQ(134, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s, 4)) << "new buffer is zero-filled past the text";

    const T* before = s.t();
    std::basic_string<T> fill = Rep<T>(129, 'x');
    s += fill.c_str();            // needs exactly 134 units: still fits
    EXPECT_EQ(before, s.t());
    EXPECT_EQ(133, s.GetLength());
    EXPECT_EQ(134, s.GetBuffSize());

    s += TypeParam(TX("y"));      // 135 needed: reallocate to 134 + 130
    EXPECT_EQ(134, s.GetLength());
    EXPECT_EQ(264, s.GetBuffSize());
    EXPECT_EQ(B(TX("abcd")) + fill + B(TX("y")), Text(s));
    EXPECT_EQ(-1, FirstNonZeroUnit(s, 134));

    TypeParam fresh;              // a buffer-less string grows the same way
    fresh += TX("ab");
    EXPECT_EQ(B(TX("ab")), Text(fresh));
    EXPECT_EQ(132, fresh.GetBuffSize());
}

TYPED_TEST(StrCore, AppendingItselfDoublesTheText)
{
    TypeParam s(TX("ab"));
    s += s;                       // reallocating: the source is the old buffer
    EXPECT_EQ(B(TX("abab")), Text(s));
    s += s;                       // in place: the source is the same buffer
    EXPECT_EQ(B(TX("abababab")), Text(s));
    EXPECT_EQ(8, s.GetLength());
    EXPECT_EQ(134, s.GetBuffSize());
}

TYPED_TEST(StrCore, AssignmentReusesBufferWhenLargeEnoughElseAllocatesExactly)
{
    using T = typename Units<TypeParam>::T;
    TypeParam grown(TX("abc"));
    grown += TX("d");
    TypeParam s(grown);
    EXPECT_EQ(5, s.GetBuffSize()) << "a copy of a grown string has no slack";

    const T* before = s.t();
    s = TX("xy");
    EXPECT_EQ(before, s.t());
    EXPECT_EQ(B(TX("xy")), Text(s));
    EXPECT_EQ(2, s.GetLength());
    EXPECT_EQ(5, s.GetBuffSize());

    s = TX("abcdefg");
    EXPECT_EQ(B(TX("abcdefg")), Text(s));
    EXPECT_EQ(7, s.GetLength());
    EXPECT_EQ(8, s.GetBuffSize());

    s = grown;                    // from the own class: stored length 4 fits
    EXPECT_EQ(B(TX("abcd")), Text(s));
    EXPECT_EQ(8, s.GetBuffSize());

    s = s;                        // self-assignment keeps the text
    EXPECT_EQ(B(TX("abcd")), Text(s));
    EXPECT_EQ(4, s.GetLength());
}

TYPED_TEST(StrCore, EmptyAssignmentZeroFillsKeptBufferOrMakesOneUnit)
{
    using T = typename Units<TypeParam>::T;
    TypeParam none;
    none = TX("");
    ASSERT_NE(nullptr, none.t());
    EXPECT_EQ(0, none.t()[0]);
    EXPECT_EQ(1, none.GetBuffSize());

    TypeParam nullAssigned;
    nullAssigned = static_cast<const T*>(nullptr);
    ASSERT_NE(nullptr, nullAssigned.t());
    EXPECT_EQ(1, nullAssigned.GetBuffSize());

    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k == 0 ? "empty text" : "buffer-less object");
        TypeParam s(TX("abc"));
        s += TX("d");
        ASSERT_EQ(134, s.GetBuffSize());
        if (k == 0)
            s = TX("");
        else
            s = TypeParam();
        EXPECT_EQ(0, s.GetLength());
        EXPECT_EQ(134, s.GetBuffSize());
        EXPECT_EQ(-1, FirstNonZeroUnit(s)) << "first non-zero unit of 134";
    }
}

TYPED_TEST(StrCore, IntConstructorPreSizesInsteadOfFormatting)
{
    TypeParam s(10);
    ASSERT_NE(nullptr, s.t());
    EXPECT_EQ(0, s.GetLength());
    EXPECT_NE(0, s.IsEmpty());
    EXPECT_EQ(10, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s));

    for (int n : {0, -5}) {
        SCOPED_TRACE(n);
        TypeParam z(n);
        EXPECT_EQ(nullptr, z.t());
        EXPECT_EQ(0, z.GetBuffSize());
    }
}

TYPED_TEST(StrCore, SetBuffSizeDiscardsContents)
{
    TypeParam s(TX("hello"));
    EXPECT_EQ(1, s.SetBuffSize(20));
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(20, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s));
}

TYPED_TEST(StrCore, ResetLenRecountsAfterWritingThroughGetBuff)
{
    TypeParam s;
    s.SetBuffSize(16);
    auto* p = s.GetBuff();
    p[0] = 'h';
    p[1] = 'e';
    p[2] = 'y';
    EXPECT_EQ(0, s.GetLength()) << "length is stored, not recounted";
    EXPECT_EQ(3, s.ResetLen());
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(B(TX("hey")), Text(s));
    p[1] = 0;
    EXPECT_EQ(1, s.ResetLen());
    EXPECT_EQ(16, s.GetBuffSize());
}

TYPED_TEST(StrCore, AttachAdoptsBufferAndDetachHandsItBack)
{
    using T = typename Units<TypeParam>::T;
    T* p = new T[50]();
    p[0] = 'h';
    p[1] = 'i';
    TypeParam s(TX("old text"));
    s.Attach(p, 50);
    EXPECT_EQ(p, s.t());
    EXPECT_EQ(2, s.GetLength());
    EXPECT_EQ(50, s.GetBuffSize());

    s += TX("!");                 // capacity as passed is trusted: in place
    EXPECT_EQ(p, s.t());
    EXPECT_EQ(B(TX("hi!")), Text(s));

    T* back = s.Detach();
    EXPECT_EQ(p, back);
    EXPECT_EQ(nullptr, s.t());
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(0, s.GetBuffSize());
    delete[] back;

    TypeParam none;               // attaching to a buffer-less string
    T* q = new T[4]();
    q[0] = 'z';
    none.Attach(q, 4);
    EXPECT_EQ(1, none.GetLength());
    EXPECT_EQ(4, none.GetBuffSize());
    delete[] none.Detach();
}

TYPED_TEST(StrCore, ClearAndEmptyKeepZeroedBufferDeleteFreesIt)
{
    TypeParam a(TX("abc")), b(TX("abcdef"));
    a.Clear();
    b.Empty();
    for (TypeParam* s : {&a, &b}) {
        SCOPED_TRACE(s == &a ? "Clear" : "Empty");
        ASSERT_NE(nullptr, s->t());
        EXPECT_EQ(0, s->GetLength());
        EXPECT_NE(0, s->IsEmpty());
        EXPECT_EQ(-1, FirstNonZeroUnit(*s));
    }
    EXPECT_EQ(4, a.GetBuffSize());
    EXPECT_EQ(7, b.GetBuffSize());

    a.Delete();
    EXPECT_EQ(nullptr, a.t());
    EXPECT_EQ(0, a.GetBuffSize());
    EXPECT_EQ(0, a.GetLength());
}

TYPED_TEST(StrCore, GetAtReturnsZeroOutsideTheText)
{
    TypeParam s(TX("abcd"));
    EXPECT_EQ('a', s.GetAt(0));
    EXPECT_EQ('d', s.GetAt(3));
    EXPECT_EQ('c', s[2]);
    for (int i : {4, 5, -1, 1000}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0, s.GetAt(i));
        EXPECT_EQ(0, s[i]);
    }
}

TYPED_TEST(StrCore, SetAtStoresCutsAtZeroAndIgnoresOutOfRange)
{
    using T = typename Units<TypeParam>::T;
    TypeParam s(TX("abcd"));
    s.SetAt(1, T('Z'));
    EXPECT_EQ(B(TX("aZcd")), Text(s));
    s.SetAt(1, TX("yz"));         // the first unit of the text only
    EXPECT_EQ(B(TX("aycd")), Text(s));
    EXPECT_EQ(4, s.GetLength());

    s.SetAt(4, T('x'));
    s.SetAt(-1, T('x'));
    EXPECT_EQ(B(TX("aycd")), Text(s));
    EXPECT_EQ(4, s.GetLength());

    s.SetAt(3, TX(""));           // a text whose first unit is 0 cuts too
    EXPECT_EQ(3, s.GetLength());
    s.SetAt(2, T(0));
    EXPECT_EQ(B(TX("ay")), Text(s));
    EXPECT_EQ(2, s.GetLength());
    EXPECT_EQ(5, s.GetBuffSize());
    s.SetAt(2, T('x'));           // index 2 is now past the end
    EXPECT_EQ(B(TX("ay")), Text(s));
}

struct CompareCase {
    const char* s;
    const char* arg;
    int sign;
};

TYPED_TEST(StrCore, CompareIsOrdinalByUnit)
{
    static const CompareCase cases[] = {
        {"abc", "abc", 0}, {"abc", "abd", -1}, {"abd", "abc", 1}, {"ab", "abc", -1},
        {"abc", "ab", 1},  {"B", "a", -1},     {"a", "B", 1},     {"", "", 0},
        {"", "a", -1},     {"a", "z", -1},     {"z", "a", 1},
    };
    using T = typename Units<TypeParam>::T;
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(std::string(c.s) + " vs " + c.arg);
        std::basic_string<T> s(c.s, c.s + strlen(c.s)), arg(c.arg, c.arg + strlen(c.arg));
        int r = TypeParam(s.c_str()).Compare(arg.c_str());
        if (Units<TypeParam>::kWide)
            EXPECT_EQ(c.sign, r) << "the wide twin answers exactly -1, 0 or 1";
        else
            EXPECT_EQ(c.sign, Sign(r)) << "result " << r;
    }
    TypeParam none;
    EXPECT_EQ(-1, none.Compare(TX("")));
    EXPECT_EQ(-1, none.Compare(TX("a")));
}

TYPED_TEST(StrCore, CompareNoCaseIgnoresAsciiCase)
{
    static const CompareCase cases[] = {
        {"Hello", "hELLO", 0}, {"abc", "ABD", -1}, {"ABD", "abc", 1}, {"a", "", 1}, {"", "", 0},
    };
    using T = typename Units<TypeParam>::T;
    for (const CompareCase& c : cases) {
        SCOPED_TRACE(std::string(c.s) + " vs " + c.arg);
        std::basic_string<T> s(c.s, c.s + strlen(c.s)), arg(c.arg, c.arg + strlen(c.arg));
        TypeParam str(s.c_str());
        int r1 = str.CompareNC(arg.c_str()), r2 = str.CompareNoCase(arg.c_str());
        EXPECT_EQ(c.sign, Sign(r1)) << "CompareNC " << r1;
        EXPECT_EQ(c.sign, Sign(r2)) << "CompareNoCase " << r2;
    }
    TypeParam none;
    EXPECT_EQ(-1, none.CompareNC(TX("")));
    EXPECT_EQ(-1, none.CompareNoCase(TX("")));
}

// NULL is the empty string here as for every other member; a string
// without a buffer still answers -1.
TYPED_TEST(StrCore, CompareFamilyTakesNullAsTheEmptyString)
{
    using T = typename Units<TypeParam>::T;
    const T* none = nullptr;
    const struct {
        const char* s;
        int sign;
    } cases[] = {{"", 0}, {"abc", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s);
        const std::basic_string<T> text(c.s, c.s + strlen(c.s));
        TypeParam s(text.c_str());
        const int r[3] = {s.Compare(none), s.CompareNC(none), s.CompareNoCase(none)};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.sign, Sign(r[i])) << "member " << i << " gave " << r[i];
    }
    TypeParam bufferless;
    EXPECT_EQ(-1, bufferless.Compare(none));
    EXPECT_EQ(-1, bufferless.CompareNC(none));
}

TYPED_TEST(StrCore, MakeLowerAndMakeUpperMapAsciiInPlace)
{
    TypeParam s(TX("AbC1-z"));
    s.MakeLower();
    EXPECT_EQ(B(TX("abc1-z")), Text(s));
    s.MakeUpper();
    EXPECT_EQ(B(TX("ABC1-Z")), Text(s));
    EXPECT_EQ(6, s.GetLength());
    EXPECT_EQ(7, s.GetBuffSize());

    TypeParam empty(TX(""));
    empty.MakeUpper();
    EXPECT_EQ(0, empty.GetLength());
}
