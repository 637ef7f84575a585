// Japanese character-width conversion (HanToZen / ZenToHan) of both twins.
// The wide twin converts the same under every code page; the ANSI twin's
// tables are Shift-JIS, so it converts under code page 932 and leaves the
// text alone under any other (where those bytes are other characters).
#include <vector>
#include "StrTextTestUtil.h"

namespace {

const unsigned kAlpha = CNelStrW::HZ_ALPHA, kDigit = CNelStrW::HZ_DIGIT, kSymbol = CNelStrW::HZ_SYMBOL,
               kKana = CNelStrW::HZ_KANA, kSep = CNelStrW::HZ_SEPARATE_MARK;

// The conversion tables as parallel lists, written independently of the
// library's own tables: entry i of half pairs with entry i of full.
struct RefTable {
    const char* name;
    unsigned flag;
    std::vector<std::wstring> half, full, fullSeparate;
};

std::vector<std::wstring> Split(const std::wstring& s, size_t per)
{
    std::vector<std::wstring> out;
    for (size_t i = 0; i < s.size(); i += per)
        out.push_back(s.substr(i, per));
    return out;
}

std::wstring Range(wchar_t first, wchar_t last)
{
    std::wstring s;
    for (wchar_t c = first; c <= last; ++c)
        s += c;
    return s;
}

std::wstring Join(const std::vector<std::wstring>& parts)
{
    std::wstring s;
    for (const auto& p : parts)
        s += p;
    return s;
}

const std::vector<RefTable>& RefTables()
{
    static const std::vector<RefTable> tables = [] {
        std::vector<RefTable> t;
        t.push_back({"letters", kAlpha, Split(L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 1),
                     Split(Range(0xFF41, 0xFF5A) + Range(0xFF21, 0xFF3A), 1), {}});
        t.push_back({"digits", kDigit, Split(L"0123456789", 1), Split(Range(0xFF10, 0xFF19), 1), {}});
        // ! " # $ % & ' ( ) - ^ \ @ ; : , . / [ ] { } = ~ | ` + * < > ? _ ｢ ｣
        t.push_back({"symbols", kSymbol, Split(L"!\"#$%&'()-^\\@;:,./[]{}=~|`+*<>?_\xFF62\xFF63", 1),
                     Split(L"\xFF01\x201D\xFF03\xFF04\xFF05\xFF06\x2019\xFF08\xFF09\xFF0D\xFF3E\xFFE5\xFF20"
                           L"\xFF1B\xFF1A\xFF0C\xFF0E\xFF0F\xFF3B\xFF3D\xFF5B\xFF5D\xFF1D\xFFE3\xFF5C\xFF40"
                           L"\xFF0B\xFF0A\xFF1C\xFF1E\xFF1F\xFF3F\x300C\x300D",
                           1),
                     {}});
        // ｳﾞｶﾞ...ﾎﾞﾊﾟ...ﾎﾟ and ヴガ...ボパ...ポ; separate: ウ...ホ + ゛, ハ...ホ + ゜
        RefTable voiced{"voiced kana", kKana,
                        Split(L"\xFF73\xFF9E\xFF76\xFF9E\xFF77\xFF9E\xFF78\xFF9E\xFF79\xFF9E\xFF7A\xFF9E\xFF7B\xFF9E"
                              L"\xFF7C\xFF9E\xFF7D\xFF9E\xFF7E\xFF9E\xFF7F\xFF9E\xFF80\xFF9E\xFF81\xFF9E\xFF82\xFF9E"
                              L"\xFF83\xFF9E\xFF84\xFF9E\xFF8A\xFF9E\xFF8B\xFF9E\xFF8C\xFF9E\xFF8D\xFF9E\xFF8E\xFF9E"
                              L"\xFF8A\xFF9F\xFF8B\xFF9F\xFF8C\xFF9F\xFF8D\xFF9F\xFF8E\xFF9F",
                              2),
                        Split(L"\x30F4\x30AC\x30AE\x30B0\x30B2\x30B4\x30B6\x30B8\x30BA\x30BC\x30BE\x30C0\x30C2"
                              L"\x30C5\x30C7\x30C9\x30D0\x30D3\x30D6\x30D9\x30DC\x30D1\x30D4\x30D7\x30DA\x30DD",
                              1),
                        {}};
        std::wstring bases = L"\x30A6\x30AB\x30AD\x30AF\x30B1\x30B3\x30B5\x30B7\x30B9\x30BB\x30BD\x30BF\x30C1"
                             L"\x30C4\x30C6\x30C8\x30CF\x30D2\x30D5\x30D8\x30DB\x30CF\x30D2\x30D5\x30D8\x30DB";
        for (size_t i = 0; i < bases.size(); ++i)
            voiced.fullSeparate.push_back(std::wstring(1, bases[i]) + (i < 21 ? L'\x309B' : L'\x309C'));
        t.push_back(voiced);
        // ｱｲｳ...ﾜｦﾝｧｨｩｪｫｯｬｭｮﾞﾟ､｡ｰ and アイウ...ワヲンァィゥェォッャュョ゛゜、。ー
        t.push_back({"single kana", kKana,
                     Split(Range(0xFF71, 0xFF9C) + L"\xFF66\xFF9D\xFF67\xFF68\xFF69\xFF6A\xFF6B\xFF6F\xFF6C\xFF6D"
                                                   L"\xFF6E\xFF9E\xFF9F\xFF64\xFF61\xFF70",
                           1),
                     Split(L"\x30A2\x30A4\x30A6\x30A8\x30AA\x30AB\x30AD\x30AF\x30B1\x30B3\x30B5\x30B7\x30B9\x30BB"
                           L"\x30BD\x30BF\x30C1\x30C4\x30C6\x30C8\x30CA\x30CB\x30CC\x30CD\x30CE\x30CF\x30D2\x30D5"
                           L"\x30D8\x30DB\x30DE\x30DF\x30E0\x30E1\x30E2\x30E4\x30E6\x30E8\x30E9\x30EA\x30EB\x30EC"
                           L"\x30ED\x30EF\x30F2\x30F3\x30A1\x30A3\x30A5\x30A7\x30A9\x30C3\x30E3\x30E5\x30E7\x309B"
                           L"\x309C\x3001\x3002\x30FC",
                           1),
                     {}});
        return t;
    }();
    return tables;
}

// The conversion done the slow, obvious way: one replace-all pass per
// pair, in table order, each pass over the text the previous one left.
int ReferenceConvert(std::wstring& text, unsigned flags, bool toFull)
{
    unsigned categories = (flags & 0x0F) ? (flags & 0x0F) : 0x0F;
    bool separate = toFull && (flags & kSep);
    int count = 0;
    for (const RefTable& t : RefTables()) {
        if (!(t.flag & categories))
            continue;
        for (size_t i = 0; i < t.half.size(); ++i) {
            const std::wstring& from = toFull ? t.half[i] : t.full[i];
            const std::wstring& to =
                toFull ? ((separate && !t.fullSeparate.empty()) ? t.fullSeparate[i] : t.full[i]) : t.half[i];
            std::wstring out;
            size_t p = 0, m;
            while ((m = text.find(from, p)) != std::wstring::npos) {
                out += text.substr(p, m - p) + to;
                p = m + from.size();
                ++count;
            }
            text = out + text.substr(p);
        }
    }
    return count;
}

} // namespace

template <class S> class Width : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Units<S>::kWide && !Cp932())
            GTEST_SKIP() << "the ANSI twin converts only under code page 932 (see AnsiTwinOutside932)";
    }

    // Converts input (given as wide text, handed to the twin in its own
    // units) and checks text, length and count.
    void Check(const std::wstring& input, bool toFull, unsigned flags, const std::wstring& expected, int count)
    {
        S s(In<S>(input).c_str());
        int n = toFull ? s.HanToZen(flags) : s.ZenToHan(flags);
        auto want = In<S>(expected);
        EXPECT_EQ(want, Text(s)) << (toFull ? "HanToZen" : "ZenToHan") << "(0x" << std::hex << flags << std::dec
                                 << ") of " << Shown(In<S>(input)) << "gave " << Shown(Text(s));
        EXPECT_EQ(static_cast<int>(want.size()), s.GetLength());
        EXPECT_EQ(count, n) << "replacement count";
    }
};
using WidthTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(Width, WidthTwins, NelStrTypeNames);

TYPED_TEST(Width, EveryPairOfEachTableConvertsBothWays)
{
    for (const RefTable& t : RefTables()) {
        SCOPED_TRACE(t.name);
        std::wstring half = Join(t.half), full = Join(t.full);
        int n = static_cast<int>(t.half.size());
        this->Check(half, true, t.flag, full, n);
        this->Check(full, false, t.flag, half, n);
        if (!t.fullSeparate.empty()) {
            std::wstring separate = Join(t.fullSeparate);
            this->Check(half, true, t.flag | kSep, separate, n);
            // Back through the single kana: each kana and each mark.
            this->Check(separate, false, t.flag | kSep, half, 2 * n);
        }
        for (unsigned other : {kAlpha, kDigit, kSymbol, kKana}) {
            if (other == t.flag)
                continue;
            this->Check(half, true, other, half, 0);
            this->Check(full, false, other, full, 0);
        }
    }
}

TYPED_TEST(Width, CategoriesSeparateMarksAndUnlistedCharacters)
{
    struct Case {
        bool toFull;
        unsigned flags;
        const wchar_t* input;
        const wchar_t* expected;
        int count;
    };
    const Case cases[] = {
        {true, 0, L"ab1!", L"\xFF41\xFF42\xFF11\xFF01", 4},                    // ａｂ１！
        {true, kDigit, L"ab1!", L"ab\xFF11!", 1},                              // ab１!
        {true, 0, L"\xFF76\xFF9E\xFF77", L"\x30AC\x30AD", 2},                  // ｶﾞｷ -> ガキ
        {true, kKana | kSep, L"\xFF76\xFF9E\xFF77", L"\x30AB\x309B\x30AD", 2}, // -> カ゛キ
        {true, kSep, L"\xFF8A\xFF9F", L"\x30CF\x309C", 1},                     // ﾊﾟ -> ハ゜ (0x20 alone: all)
        {true, kSep, L"a1", L"\xFF41\xFF11", 2},
        {false, 0, L"\x30AC\x30AD", L"\xFF76\xFF9E\xFF77", 2},                 // ガキ -> ｶﾞｷ
        {false, 0, L"\x30AB\x309B", L"\xFF76\xFF9E", 2},                       // カ゛ -> ｶﾞ
        {false, kSep, L"\x30AC\xFF41", L"\xFF76\xFF9E" L"a", 2},              // no separate form back
        {false, kAlpha, L"\xFF41\xFF11\x30A2", L"a\xFF11\x30A2", 1},           // digits and kana stay
        {true, 0, L"\\~", L"\xFFE5\xFFE3", 2},
        {false, 0, L"\xFFE5\xFFE3", L"\\~", 2},
        {true, 0, L"a b", L"\xFF41 \xFF42", 2},                                // spaces of either width stay
        {false, 0, L"\xFF41\x3000\xFF42", L"a\x3000" L"b", 2},
        {true, 0, L" \x3000", L" \x3000", 0},
        {false, 0, L" \x3000", L" \x3000", 0},
        {true, 0, L"\x3042\x6F22\xFF41", L"\x3042\x6F22\xFF41", 0},            // あ漢ａ: nothing half-width
        {true, 0, L"\xFF9E\xFF76\xFF9E\xFF9E", L"\x309B\x30AC\x309B", 3},      // ﾞｶﾞﾞ: pair first, lone marks
        {true, 0x10 | 0x40 | 0x80000000u, L"a1", L"\xFF41\xFF11", 2},          // other bits: still "all"
        {true, 0x10 | kDigit, L"a1", L"a\xFF11", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        this->Check(c.input, c.toFull, c.flags, c.expected, c.count);
    }
}

// The single scan must give exactly what one replace-all pass per pair in
// table order gives: random texts over every table character of both
// widths plus characters of no table, under every flag combination.
TYPED_TEST(Width, SameResultAsOnePassPerPairInTableOrder)
{
    std::wstring alphabet = L" \x3000\x3042\x6F22\x8868\x30BD";  // space, あ, 漢, 表, ソ
    for (const RefTable& t : RefTables())
        alphabet += Join(t.half) + Join(t.full) + Join(t.fullSeparate);
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 400; ++round) {
        std::wstring text;
        int len = static_cast<int>(next() % 24);
        for (int i = 0; i < len; ++i)
            text += alphabet[next() % alphabet.size()];
        unsigned flags = next() % 0x40;
        bool toFull = (round % 2) == 0;
        std::wstring expected = text;
        int count = ReferenceConvert(expected, flags, toFull);
        SCOPED_TRACE(testing::Message() << "round " << round << ", text " << Units16(text));
        if (text.empty()) {
            TypeParam s(In<TypeParam>(text).c_str());
            EXPECT_EQ(0, toFull ? s.HanToZen(flags) : s.ZenToHan(flags));
            continue;
        }
        this->Check(text, toFull, flags, expected, count);
    }
}

TYPED_TEST(Width, ResultIsAssignedByTheAssignmentRule)
{
    using T = typename Units<TypeParam>::T;
    TypeParam none;
    EXPECT_EQ(0, none.HanToZen(0));
    EXPECT_EQ(0, none.ZenToHan(0));
    EXPECT_EQ(nullptr, none.t()) << "a string without a buffer stays without one";

    TypeParam empty(TX(""));
    EXPECT_EQ(0, empty.HanToZen(0));
    EXPECT_EQ(1, empty.GetBuffSize());

    // Nothing to convert: the very same buffer, untouched.
    TypeParam plain(In<TypeParam>(L"\x3042 \x6F22").c_str());
    const T* before = plain.t();
    int size = plain.GetBuffSize();
    EXPECT_EQ(0, plain.HanToZen(0));
    EXPECT_EQ(0, plain.ZenToHan(0));
    EXPECT_EQ(before, plain.t());
    EXPECT_EQ(size, plain.GetBuffSize());

    // A result that fits stays in the buffer; one that does not gets
    // exactly its length + 1.
    TypeParam shrink(In<TypeParam>(L"\xFF76\xFF9E\xFF76\xFF9E").c_str());  // ｶﾞｶﾞ -> ガガ
    int shrinkSize = shrink.GetBuffSize();
    before = shrink.t();
    EXPECT_EQ(2, shrink.HanToZen(kKana));
    EXPECT_EQ(before, shrink.t());
    EXPECT_EQ(shrinkSize, shrink.GetBuffSize());

    TypeParam grow(In<TypeParam>(L"\x30AC").c_str());  // ガ -> ｶﾞ: 1 -> 2 wide units, 2 -> 2 bytes
    EXPECT_EQ(1, grow.ZenToHan(0));
    EXPECT_EQ(In<TypeParam>(L"\xFF76\xFF9E"), Text(grow));
    EXPECT_EQ(3, grow.GetBuffSize());

    TypeParam widen(TX("ab"));  // ab -> ａｂ: 2 -> 2 wide units, 2 -> 4 bytes
    EXPECT_EQ(2, widen.HanToZen(kAlpha));
    EXPECT_EQ(Units<TypeParam>::kWide ? 3 : 5, widen.GetBuffSize());
}

// Under code page 932 the ANSI twin walks characters: a trail byte that
// equals a half-width needle ('\' in ソ and 表, 'A' in ア) is not a match,
// and a full-width needle is not found across two characters.
TEST(WidthAnsi, DoubleByteCharactersAreNeverSplit)
{
    if (!Cp932())
        GTEST_SKIP() << "code page 932 only";
    struct Case {
        bool toFull;
        std::string input, expected;
        int count;
    };
    const Case cases[] = {
        {true, "\x83\x5C" "A\x95\x5C\\", "\x83\x5C\x82\x60\x95\x5C\x81\x8F", 2},  // ソA表\ -> ソＡ表￥
        {true, "\x83\x41", "\x83\x41", 0},                                      // ア alone: no 'A'
        {false, "\x82\x82`", "b`", 1},                                          // ｂ` : no Ａ (82 60) inside
        {true, "a\x83", "\x82\x81\x83", 1},                                     // a lone lead byte at the end
        {false, "\x81\x4A\x83\x4A\x81\x4A", "\xDE\xB6\xDE", 3},                 // ゛カ゛ -> ﾞｶﾞ
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        CNelStrA s(c.input.c_str());
        int n = c.toFull ? s.HanToZen(0) : s.ZenToHan(0);
        EXPECT_EQ(c.expected, Text(s)) << Hex(Text(s));
        EXPECT_EQ(c.count, n);
    }
}

// Under another ANSI code page the Shift-JIS tables would turn letters
// into stray bytes and Latin-1 letters (0xC0 and up) into kana: the ANSI
// twin leaves every text as it is and reports no conversion.
TEST(WidthAnsi, AnsiTwinOutside932LeavesTextAlone)
{
    if (Cp932())
        GTEST_SKIP() << "code pages other than 932 only";
    const std::string texts[] = {"ab1!", "\xB6\xDE\xC0\xE9", "\x82\x81\x81\x8F"};
    for (const std::string& text : texts) {
        for (unsigned flags : {0u, kAlpha, kKana | kSep}) {
            CNelStrA s(text.c_str());
            EXPECT_EQ(0, s.HanToZen(flags)) << Hex(text);
            EXPECT_EQ(0, s.ZenToHan(flags)) << Hex(text);
            EXPECT_EQ(text, Text(s)) << Hex(Text(s));
        }
    }
}
