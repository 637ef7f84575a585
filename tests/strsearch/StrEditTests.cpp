// Inserting, replacing and trimming, run through both twins with ASCII
// text: where the text goes, the capacity each member leaves, the counts
// it returns, and what it refuses.
#include "StrSearchTestUtil.h"

template <class S> class StrEdit : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(StrEdit, BothTwins, NelStrTypeNames);

enum InsertForm { kInsert, kInsertR, kInsertMB, kInsertRMB };
const char* const kInsertName[] = {"Insert", "InsertR", "InsertMB", "InsertRMB"};

template <class S, class T> int CallInsert(S& s, InsertForm form, int index, const T* text)
{
    switch (form) {
    case kInsert: return s.Insert(index, text);
    case kInsertR: return s.InsertR(index, text);
    case kInsertMB: return s.InsertMB(index, text);
    default: return s.InsertRMB(index, text);
    }
}

TYPED_TEST(StrEdit, InsertPlacesTheTextAndSetsCapacityToNewLengthPlusTwo)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        InsertForm form;
        int index;
        const T* expected;
    } cases[] = {
        {kInsert, 0, TX("xabc")},  {kInsert, 1, TX("axbc")},   {kInsert, 3, TX("abcx")},
        {kInsert, 99, TX("abcx")}, {kInsertR, 0, TX("abcx")},  {kInsertR, 1, TX("abxc")},
        {kInsertR, 3, TX("xabc")}, {kInsertR, 99, TX("xabc")}, {kInsertMB, 0, TX("xabc")},
        {kInsertMB, 2, TX("abxc")}, {kInsertMB, 99, TX("abcx")}, {kInsertRMB, 0, TX("abcx")},
        {kInsertRMB, 2, TX("axbc")}, {kInsertRMB, 99, TX("xabc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << kInsertName[c.form] << "(" << c.index << ")");
        // A tight buffer (capacity 4) is replaced by the new one.
        TypeParam tight(TX("abc"));
        EXPECT_EQ(1, CallInsert(tight, c.form, c.index, TX("x")));
        EXPECT_EQ(B(c.expected), Text(tight));
        EXPECT_EQ(4, tight.GetLength());
        EXPECT_EQ(6, tight.GetBuffSize());

        // A roomy buffer (capacity 133 after an append) is reused, yet the
        // capacity is recorded as the new length + 2 all the same.
        TypeParam roomy(TX(""));
        roomy += TX("abc");
        ASSERT_EQ(133, roomy.GetBuffSize());
        const T* before = roomy.t();
        EXPECT_EQ(1, CallInsert(roomy, c.form, c.index, TX("x")));
        EXPECT_EQ(B(c.expected), Text(roomy));
        EXPECT_EQ(before, roomy.t());
        EXPECT_EQ(6, roomy.GetBuffSize());
    }
}

TYPED_TEST(StrEdit, InsertIntoAnEmptyStringAssignsAndAnEmptyInsertChangesNothing)
{
    using T = typename Units<TypeParam>::T;
    for (InsertForm form : {kInsert, kInsertR, kInsertMB, kInsertRMB}) {
        SCOPED_TRACE(kInsertName[form]);
        TypeParam none;
        EXPECT_EQ(1, CallInsert(none, form, 2, TX("xy"))) << "the index is ignored";
        EXPECT_EQ(B(TX("xy")), Text(none));
        EXPECT_EQ(3, none.GetBuffSize()) << "plain assignment: length + 1";

        TypeParam s(TX("abc"));
        EXPECT_EQ(1, CallInsert(s, form, 1, TX("")));
        EXPECT_EQ(1, CallInsert(s, form, 1, static_cast<const T*>(nullptr)));
        EXPECT_EQ(B(TX("abc")), Text(s));
        EXPECT_EQ(4, s.GetBuffSize());
    }
}

TYPED_TEST(StrEdit, InsertRefusesANegativeIndex)
{
    for (InsertForm form : {kInsert, kInsertR, kInsertMB, kInsertRMB}) {
        SCOPED_TRACE(kInsertName[form]);
        TypeParam s(TX("abc"));
        EXPECT_EQ(0, CallInsert(s, form, -1, TX("x")));
        EXPECT_EQ(0, CallInsert(s, form, -1000, TX("x")));
        EXPECT_EQ(B(TX("abc")), Text(s));
        EXPECT_EQ(3, s.GetLength());
        EXPECT_EQ(4, s.GetBuffSize());

        TypeParam none;
        EXPECT_EQ(0, CallInsert(none, form, -1, TX("x")));
        EXPECT_EQ(nullptr, none.t());
    }
}

TYPED_TEST(StrEdit, InsertMayTakeTheStringsOwnText)
{
    TypeParam s(TX("abc"));
    s.Insert(1, s.t());
    EXPECT_EQ(B(TX("aabcbc")), Text(s));
    s.InsertR(0, s.t());
    EXPECT_EQ(B(TX("aabcbcaabcbc")), Text(s));
}

TYPED_TEST(StrEdit, PermStrReplacesEveryNonOverlappingMatchOnce)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        const T* find;
        const T* repl;
        int count;
        const T* expected;
        int size;  // capacity afterwards
    } cases[] = {
        {TX("abcb"), TX("b"), TX("xyz"), 2, TX("axyzcxyz"), 9},     // grows: exactly length + 1
        {TX("aaaa"), TX("aa"), TX("b"), 2, TX("bb"), 5},            // shrinks: buffer kept
        {TX("aaa"), TX("aa"), TX("b"), 1, TX("ba"), 4},
        {TX("a.b.c"), TX("."), TX(""), 2, TX("abc"), 6},
        {TX("abab"), TX("ab"), TX("abab"), 2, TX("abababab"), 9},  // repl is not searched again
        {TX("xabcx"), TX("x"), TX("x"), 2, TX("xabcx"), 6},
        {TX("abc"), TX("q"), TX("r"), 0, TX("abc"), 4},
        {TX("abc"), TX(""), TX("r"), 0, TX("abc"), 4},
        {TX("abc"), nullptr, TX("r"), 0, TX("abc"), 4},
        {TX("abc"), TX("b"), nullptr, 0, TX("abc"), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << ": " << Show(c.find) << " -> " << Show(c.repl));
        TypeParam perm(c.text), repl(c.text);
        EXPECT_EQ(c.count, perm.PermStr(c.find, c.repl));
        EXPECT_EQ(c.count, repl.Replace(c.find, c.repl));
        for (TypeParam* s : {&perm, &repl}) {
            EXPECT_EQ(B(c.expected), Text(*s));
            EXPECT_EQ(NelLen(c.expected), s->GetLength());
            EXPECT_EQ(c.size, s->GetBuffSize());
        }
    }
}

TYPED_TEST(StrEdit, ReplacingEveryCharacterByNothingEmptiesTheString)
{
    TypeParam s(TX("aaa"));
    EXPECT_EQ(3, s.PermStr(TX("a"), TX("")));
    ASSERT_NE(nullptr, s.t()) << "the buffer is kept";
    EXPECT_EQ(B(TX("")), Text(s));
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(4, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s)) << "zero-filled like an empty assignment";

    TypeParam pairs(TX("abab"));
    EXPECT_EQ(2, pairs.Replace(TX("ab"), TX("")));
    EXPECT_EQ(0, pairs.GetLength());
}

TYPED_TEST(StrEdit, PermStrOnEmptyStringsDoesNothing)
{
    TypeParam none, empty(TX(""));
    EXPECT_EQ(0, none.PermStr(TX("a"), TX("b")));
    EXPECT_EQ(nullptr, none.t());
    EXPECT_EQ(0, empty.PermStr(TX(""), TX("b")));
    EXPECT_EQ(B(TX("")), Text(empty));
}

enum TrimForm { kTrim, kTrimL, kTrimR };

TYPED_TEST(StrEdit, TrimStripsTheSetsCharactersFromTheEnds)
{
    using T = typename Units<TypeParam>::T;
    struct Case {
        const T* text;
        TrimForm form;
        const T* set;
        const T* expected;
    } cases[] = {
        {TX("  a b  "), kTrim, nullptr, TX("a b")},
        {TX("  a b  "), kTrimL, nullptr, TX("a b  ")},
        {TX("  a b  "), kTrimR, nullptr, TX("  a b")},
        {TX("\t a \t"), kTrim, nullptr, TX("\t a \t")},   // the default set is one space only
        {TX("   "), kTrim, TX(" "), TX("")},
        {TX("abba-ab"), kTrimL, TX("ab"), TX("-ab")},
        {TX("abba-ab"), kTrimR, TX("ab"), TX("abba-")},
        {TX("abba-ab"), kTrim, TX("ab"), TX("-")},
        {TX("abcba"), kTrim, TX("cba"), TX("")},
        {TX("xyx"), kTrim, TX(""), TX("xyx")},
        {TX("-x-"), kTrim, TX("x"), TX("-x-")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << " form " << c.form << " set " << Show(c.set));
        TypeParam one(c.text), alias(c.text);
        int size = one.GetBuffSize();
        switch (c.form) {
        case kTrim: one.Trim(c.set); alias.Trim(c.set); break;
        case kTrimL: one.TrimL(c.set); alias.TrimLeft(c.set); break;
        case kTrimR: one.TrimR(c.set); alias.TrimRight(c.set); break;
        }
        for (TypeParam* s : {&one, &alias}) {
            EXPECT_EQ(B(c.expected), Text(*s));
            EXPECT_EQ(NelLen(c.expected), s->GetLength());
            EXPECT_EQ(size, s->GetBuffSize()) << "the buffer is reused";
        }
    }
}

TYPED_TEST(StrEdit, TrimOnEmptyStringsKeepsThemAsTheyAre)
{
    TypeParam none, empty(TX(""));
    none.Trim();  // no set: one space
    empty.Trim(TX(" "));
    EXPECT_EQ(nullptr, none.t());
    EXPECT_EQ(0, none.GetBuffSize());
    ASSERT_NE(nullptr, empty.t());
    EXPECT_EQ(1, empty.GetBuffSize());
}
