// Conversion between the twins (code page 932 and 1252), character
// constructors and appends, the lifetime of CNelStrW::c(), and the
// behaviours that differ between the twins (unit order of the wide compare,
// double-byte awareness of the ANSI case members).
#include <malloc.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include "ImportPatch.h"
#include "StrTestUtil.h"

namespace {

const wchar_t kHiraganaW[] = L"\x3042\x3044";     // two hiragana
const char kHiraganaSjis[] = "\x82\xa0\x82\xa2";  // the same in code page 932

// What the platform itself makes of wide text in the ANSI code page, with
// the class's flags (0, no default character); nullopt when it fails.
std::optional<std::string> PlatformToMB(const wchar_t* w)
{
    int n = WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 1, '\0');
    if (n <= 0 || !WideCharToMultiByte(CP_ACP, 0, w, -1, &out[0], n, nullptr, nullptr)) {
        std::printf("[cp %u] WideCharToMultiByte failed, error %lu\n", GetACP(), GetLastError());
        return std::nullopt;
    }
    out.resize(n - 1);
    std::printf("[cp %u] WideCharToMultiByte gave %d bytes: %s\n", GetACP(), n - 1, Hex(out).c_str());
    return out;
}

std::wstring PlatformToWide(const char* s)
{
    int n = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    std::wstring out(n > 0 ? n : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s, -1, &out[0], n);
    out.resize(n > 0 ? n - 1 : 0);
    return out;
}

// Reaches the protected copy made by c().
class ProbeW : public CNelStrW {
public:
    using CNelStrW::CNelStrW;
    using CNelStrW::operator=;
    const char* Conv() const { return m_pConv; }
};

// The library's free, overwriting each block before it goes: a read of
// freed memory then sees '#' (and the heap's own bookkeeping), never the
// text that was there.
void* g_libraryFree = nullptr;
void PoisoningFree(void* p)
{
    if (p) {
        const size_t n = _msize(p);
        if (n > 0 && n != static_cast<size_t>(-1)) {
            memset(p, '#', n);
            static_cast<char*>(p)[n - 1] = 0;
        }
    }
    reinterpret_cast<void (*)(void*)>(g_libraryFree)(p);
}

} // namespace

TEST(StrConv, JapaneseWideTextBecomesCodePageBytesInAnsiTwin)
{
    std::optional<std::string> mb = PlatformToMB(kHiraganaW);
    CNelStrA a(kHiraganaW);
    if (Cp932()) {
        EXPECT_EQ(std::string(kHiraganaSjis), Text(a));
        EXPECT_EQ(4, a.GetLength()) << "a byte count, not a character count";
        EXPECT_EQ(5, a.GetBuffSize());
        CNelStrA one(L'\x3042');
        EXPECT_EQ(std::string("\x82\xa0"), Text(one));
        EXPECT_EQ(3, one.GetBuffSize());
    } else if (!mb) {
        EXPECT_EQ(nullptr, a.t()) << "a failed conversion constructs a buffer-less string";
        EXPECT_EQ(0, a.GetBuffSize());
    } else {
        EXPECT_EQ(Hex(*mb), Hex(Text(a)));
        EXPECT_EQ(static_cast<int>(mb->size()), a.GetLength());
        EXPECT_EQ(static_cast<int>(mb->size()) + 1, a.GetBuffSize());
    }
}

TEST(StrConv, AnsiBytesBecomeWideTextInWideTwin)
{
    CNelStrW w(kHiraganaSjis);
    std::wstring expected = Cp932() ? std::wstring(kHiraganaW) : PlatformToWide(kHiraganaSjis);
    EXPECT_EQ(expected, Text(w));
    EXPECT_EQ(static_cast<int>(expected.size()), w.GetLength());
    EXPECT_EQ(static_cast<int>(expected.size()) + 1, w.GetBuffSize());
    if (Cp932()) {
        EXPECT_EQ(2, w.GetLength()) << "two characters of two bytes each";
    }

    CNelStrW empty("");
    ASSERT_NE(nullptr, empty.t());
    EXPECT_EQ(1, empty.GetBuffSize());
}

TEST(StrConv, UnmappableOrMappableTextFollowsWhatThePlatformConversionGives)
{
    // Under 932 the hiragana map; under 1252 the platform decides whether
    // WideCharToMultiByte fails or substitutes, and the class must follow.
    std::optional<std::string> mb = PlatformToMB(kHiraganaW);
    CNelStrA assigned("keep"), appended("keep"), none;
    assigned = kHiraganaW;
    appended += kHiraganaW;
    none = kHiraganaW;
    CNelStrW w(kHiraganaW);
    const char* c = w.c();
    ASSERT_NE(nullptr, c);
    if (!mb) {
        EXPECT_EQ(0, assigned.GetLength()) << "failed conversion clears on assignment";
        EXPECT_EQ(5, assigned.GetBuffSize());
        EXPECT_EQ(-1, FirstNonZeroUnit(assigned));
        EXPECT_EQ(std::string("keep"), Text(appended)) << "and changes nothing on append";
        EXPECT_EQ(nullptr, none.t()) << "a buffer-less string stays buffer-less";
        EXPECT_STREQ("", c);
    } else {
        EXPECT_EQ(Hex(*mb), Hex(Text(assigned)));
        EXPECT_EQ(Hex("keep" + *mb), Hex(Text(appended)));
        EXPECT_EQ(Hex(*mb), Hex(Text(none)));
        EXPECT_EQ(Hex(*mb), Hex(c));
    }
}

TEST(StrConv, CrossTypeAssignmentConvertsAndNullClears)
{
    CNelStrW w;
    w = "abc";
    EXPECT_EQ(std::wstring(L"abc"), Text(w));
    EXPECT_EQ(4, w.GetBuffSize());
    w = "hi";
    EXPECT_EQ(std::wstring(L"hi"), Text(w));
    EXPECT_EQ(4, w.GetBuffSize()) << "converted text reuses a large enough buffer";

    CNelStrA a;
    a = L"abc";
    EXPECT_EQ(std::string("abc"), Text(a));
    EXPECT_EQ(4, a.GetBuffSize());

    // A NULL source of the other unit type converts to nothing: the string
    // is cleared (buffer kept, zero-filled), unlike a NULL of the own type.
    w = static_cast<const char*>(nullptr);
    a = static_cast<const wchar_t*>(nullptr);
    EXPECT_EQ(0, w.GetLength());
    EXPECT_EQ(4, w.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(w));
    EXPECT_EQ(0, a.GetLength());
    EXPECT_EQ(4, a.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(a));

    CNelStrW wNone;
    CNelStrA aNone;
    wNone = static_cast<const char*>(nullptr);
    aNone = static_cast<const wchar_t*>(nullptr);
    EXPECT_EQ(nullptr, wNone.t());
    EXPECT_EQ(nullptr, aNone.t());
    EXPECT_EQ(nullptr, CNelStrW(static_cast<const char*>(nullptr)).t());
    EXPECT_EQ(nullptr, CNelStrA(static_cast<const wchar_t*>(nullptr)).t());
}

TEST(StrConv, CrossTypeAppendConvertsAndNullChangesNothing)
{
    CNelStrW w(L"ab");
    w += "cd";
    CNelStrA a("ab");
    a += L"cd";
    EXPECT_EQ(std::wstring(L"abcd"), Text(w));
    EXPECT_EQ(std::string("abcd"), Text(a));
    EXPECT_EQ(134, w.GetBuffSize());
    EXPECT_EQ(134, a.GetBuffSize());

    w += static_cast<const char*>(nullptr);
    w += "";
    a += static_cast<const wchar_t*>(nullptr);
    a += L"";
    EXPECT_EQ(std::wstring(L"abcd"), Text(w));
    EXPECT_EQ(std::string("abcd"), Text(a));
    EXPECT_EQ(4, w.GetLength());
    EXPECT_EQ(4, a.GetLength());
}

template <class S> class StrChars : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(StrChars, BothTwins, NelStrTypeNames);

TYPED_TEST(StrChars, CharacterConstructorsMakeOneUnitString)
{
    TypeParam fromChar('a'), fromWide(L'a');
    for (TypeParam* s : {&fromChar, &fromWide}) {
        SCOPED_TRACE(s == &fromChar ? "char" : "wchar_t");
        EXPECT_EQ(B(TX("a")), Text(*s));
        EXPECT_EQ(1, s->GetLength());
        EXPECT_EQ(2, s->GetBuffSize());
    }
    TypeParam zeroChar('\0'), zeroWide(L'\0');
    for (TypeParam* s : {&zeroChar, &zeroWide}) {
        SCOPED_TRACE(s == &zeroChar ? "char 0" : "wchar_t 0");
        ASSERT_NE(nullptr, s->t()) << "an empty one-unit buffer, not buffer-less";
        EXPECT_EQ(0, s->GetLength());
        EXPECT_EQ(1, s->GetBuffSize());
    }
}

TYPED_TEST(StrChars, CharacterAppendsAddOneUnitAndZeroAddsNothing)
{
    TypeParam s(TX("ab"));
    s += 'c';
    EXPECT_EQ(133, s.GetBuffSize()) << "2 + 1 + 130";
    s += L'd';
    s += '\0';
    s += L'\0';
    EXPECT_EQ(B(TX("abcd")), Text(s));
    EXPECT_EQ(4, s.GetLength());
    EXPECT_EQ(133, s.GetBuffSize());

    TypeParam none;
    none += '\0';
    none += L'\0';
    EXPECT_EQ(nullptr, none.t());
}

TEST(StrCharsA, CharacterAssignmentFollowsTheTextRule)
{
    CNelStrA a;
    a = 'x';
    EXPECT_EQ(std::string("x"), Text(a));
    EXPECT_EQ(2, a.GetBuffSize());
    a = L'y';
    EXPECT_EQ(std::string("y"), Text(a));
    EXPECT_EQ(2, a.GetBuffSize());
    a = '\0';
    EXPECT_EQ(0, a.GetLength());
    EXPECT_EQ(2, a.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(a));

    CNelStrA none;
    none = '\0';
    ASSERT_NE(nullptr, none.t());
    EXPECT_EQ(1, none.GetBuffSize());
}

TEST(StrCopyC, CGivesAnsiCopyInWideTwinAndTheBufferInAnsiTwin)
{
    CNelStrW wNone, wEmpty(L""), wAbc(L"abc");
    const char* p = wNone.c();
    ASSERT_NE(nullptr, p) << "never NULL, even without a buffer";
    EXPECT_STREQ("", p);
    EXPECT_STREQ("", wEmpty.c());
    EXPECT_STREQ("abc", wAbc.c());
    if (Cp932()) {
        CNelStrW jp(kHiraganaW);
        EXPECT_EQ(Hex(kHiraganaSjis), Hex(jp.c()));
    }

    CNelStrA aNone, aAbc("abc");
    EXPECT_EQ(nullptr, aNone.c()) << "same as t(): NULL without a buffer";
    EXPECT_EQ(aAbc.t(), aAbc.c());
}

TEST(StrCopyC, OnlyCharBasedAppendsInvalidateTheCopy)
{
    ProbeW s(L"abc");
    const char* p = s.c();
    EXPECT_EQ(p, s.Conv());
    s = "xyz";
    s = L"uvw";
    s = CNelStrW(L"q");
    s += L"1";
    s += L'2';
    s += CNelStrW(L"3");
    EXPECT_EQ(p, s.Conv()) << "assignments and wide appends keep the copy";
    EXPECT_STREQ("abc", p);

    s += "4";
    EXPECT_EQ(nullptr, s.Conv()) << "appending const char* frees the copy";
    EXPECT_STREQ("q1234", s.c());
    s += '5';
    EXPECT_EQ(nullptr, s.Conv()) << "appending a char frees the copy";
    EXPECT_EQ(std::wstring(L"q12345"), Text(s));
}

// s += s.c(): the copy is converted before it is freed, so its text is
// appended; the copy is gone afterwards, as after any char-based append.
TEST(StrCopyC, AppendingItsOwnCopyAppendsItsText)
{
    ImportPatch patch(GetModuleHandleW(L"NelWnd.dll"), "msvcrt.dll", "free",
                      reinterpret_cast<void*>(PoisoningFree));
    ASSERT_TRUE(patch.Active()) << "NelWnd.dll imports no free from msvcrt.dll";
    g_libraryFree = patch.Original();
    const std::wstring text = L"a text long enough to tell from the heap's bookkeeping";
    ProbeW s(text.c_str());
    s += s.c();
    EXPECT_EQ(text + text, Text(s));
    EXPECT_EQ(nullptr, s.Conv());
}

TEST(StrCopyC, MembersThatResetTheStringFreeTheCopy)
{
    struct Case {
        const char* name;
        void (*op)(ProbeW&);
    };
    static const Case cases[] = {
        {"Delete", [](ProbeW& s) { s.Delete(); }},
        {"Detach", [](ProbeW& s) { delete[] s.Detach(); }},
        {"SetBuffSize", [](ProbeW& s) { s.SetBuffSize(8); }},
        {"Attach", [](ProbeW& s) { s.Attach(new wchar_t[8](), 8); }},
        {"c() of empty text", [](ProbeW& s) { s = L""; s.c(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeW s(L"abc");
        ASSERT_NE(nullptr, s.c());
        ASSERT_NE(nullptr, s.Conv());
        c.op(s);
        EXPECT_EQ(nullptr, s.Conv());
    }
}

TEST(StrCompareW, ComparesUtf16UnitsAsUnsignedValues)
{
    // 0x8000 is above 'a' only as an unsigned unit; a surrogate (0xD800)
    // sorts below U+FF21 by unit even though its code point is higher.
    EXPECT_EQ(1, CNelStrW(L"\x8000").Compare(L"a"));
    EXPECT_EQ(-1, CNelStrW(L"\xD800\xDC00").Compare(L"\xFF21"));
    EXPECT_EQ(-1, CNelStrW(L"").Compare(L"\xFF21"));
}

TEST(StrCaseA, CaseMembersKeepALeadByteThatEndsTheText)
{
    // Under 932 the last byte of each text is a lead byte with nothing
    // after it: the letters before it change case, the byte stays and the
    // length still counts it.
    struct Case {
        const char* text;
        bool upper;
        const char* expected;
    };
    const Case cases[] = {
        {"ab\x81", true, "AB\x81"},
        {"\x82\xA0x\xE0", true, "\x82\xA0X\xE0"},
        {"\x81", false, "\x81"},
        {"XY\x9F", false, "xy\x9F"},
    };
    for (const Case& c : cases) {
        CNelStrA s(c.text);
        if (c.upper)
            s.MakeUpper();
        else
            s.MakeLower();
        // Under 1252 every byte is a character of its own: only the
        // length is checked there.
        if (Cp932()) {
            EXPECT_EQ(Hex(c.expected), Hex(Text(s))) << "from " << Hex(c.text);
        }
        EXPECT_EQ((int)std::strlen(c.text), s.GetLength()) << "from " << Hex(c.text);
        EXPECT_EQ(s.GetLength(), (int)std::strlen(s.t())) << "from " << Hex(c.text);
    }
}

TEST(StrCaseA, CaseMembersTreatDoubleByteCharactersWhole)
{
    // 0x83 is a lead byte under 932 ("\x83\x41" is one katakana), a plain
    // character under 1252, where the 'A' that follows is a letter.
    CNelStrA lower("\x83\x41" "B"), upper("\x83\x61" "x");
    lower.MakeLower();
    upper.MakeUpper();
    int nc = CNelStrA("\x83\x41").CompareNC("\x83\x61");
    if (Cp932()) {
        EXPECT_EQ(Hex("\x83\x41" "b"), Hex(Text(lower)));
        EXPECT_EQ(Hex("\x83\x61" "X"), Hex(Text(upper)));
        EXPECT_NE(0, nc) << "two different katakana";
    } else {
        EXPECT_EQ(Hex("\x83" "ab"), Hex(Text(lower)));
        EXPECT_EQ(Hex("\x83" "AX"), Hex(Text(upper)));
        EXPECT_EQ(0, nc) << "same letter in two cases";
    }
}
