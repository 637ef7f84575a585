// The character-counting (MB) members of CNelStrA on Japanese Shift-JIS
// text whose trail bytes look like ASCII: 0x83 0x5C is "so" and
// 0x95 0x5C is "hyo", both ending in the byte of a backslash. Under code
// page 932 those pairs are one character each and their 0x5C is never a
// backslash; under 1252 every byte is a character. Each case states both.
#include "StrSearchTestUtil.h"

namespace {

// so, 'a', hyo, backslash, 'b': 7 bytes, 5 characters under 932.
const char kText[] = "\x83\x5C" "a" "\x95\x5C" "\\" "b";
const char kSo[] = "\x83\x5C";
const char kHyo[] = "\x95\x5C";

template <class V> V ByCodePage(V cp932, V cp1252)
{
    return Cp932() ? cp932 : cp1252;
}

struct FindCase {
    const char* find;
    int start;
    int cp932;
    int cp1252;
};

} // namespace

TEST(StrDbcs, FindSkipsTrailBytesThatLookLikeABackslash)
{
    const CNelStrA s(kText);
    const FindCase cases[] = {
        {"\\", 0, 5, 1}, {"\\", 2, 5, 4}, {"b", 0, 6, 6}, {kHyo, 0, 3, 3},
        {"\\\\", 0, -1, 4},  // 0x5C 0x5C straddles the end of hyo
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Find(" << Show(c.find) << ", " << c.start << ")");
        EXPECT_EQ(ByCodePage(c.cp932, c.cp1252), s.Find(c.find, c.start));
    }
}

TEST(StrDbcs, FindMBCountsStartAndResultInCharacters)
{
    const CNelStrA s(kText);
    const FindCase cases[] = {
        {"\\", 0, 3, 1}, {"\\", 2, 3, 4}, {"a", 1, 1, 2}, {kHyo, 0, 2, 3},
        {"b", 4, 4, 6},  {"b", 5, -1, 6},  // start 5 is past the last of 5 characters
        {"", 4, 4, 4},   {"a", -1, -1, -1}, {"\\\\", 0, -1, 4},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "FindMB(" << Show(c.find) << ", " << c.start << ")");
        EXPECT_EQ(ByCodePage(c.cp932, c.cp1252), s.FindMB(c.find, c.start));
    }
}

TEST(StrDbcs, ReverseSearchesAndCountsSeeCharacters)
{
    const CNelStrA s(kText);
    EXPECT_EQ(5, s.RFind('\\'));
    EXPECT_EQ(5, s.RFind("\\"));
    EXPECT_EQ(3, s.RFind(kHyo));
    EXPECT_EQ(ByCodePage(-1, 4), s.RFind("\\\\"));
    EXPECT_EQ(ByCodePage(3, 5), s.RFindMB('\\'));
    EXPECT_EQ(ByCodePage(3, 5), s.RFindMB("\\"));
    EXPECT_EQ(ByCodePage(2, 3), s.RFindMB(kHyo));
    EXPECT_EQ(ByCodePage(1, 3), s.InStrCount("\\"));
    EXPECT_EQ(ByCodePage(5, 7), s.GetStrCount());

    const CNelStrA hyo(kHyo);
    EXPECT_EQ(ByCodePage(-1, 1), hyo.RFind('\\')) << "the trail byte is not a backslash";
    EXPECT_EQ(ByCodePage(-1, 1), hyo.Find("\\"));
    EXPECT_EQ(ByCodePage(0, 1), hyo.InStrCount("\\"));
}

struct SliceCase {
    const char* name;
    CNelStrA (*slice)(const CNelStrA&);
    const char* cp932;
    const char* cp1252;
};

TEST(StrDbcs, SlicesKeepDoubleByteCharactersWhole)
{
    const SliceCase cases[] = {
        {"Left(1)", [](const CNelStrA& s) { return s.Left(1); }, "\x83", "\x83"},
        {"LeftMB(1)", [](const CNelStrA& s) { return s.LeftMB(1); }, kSo, "\x83"},
        {"LeftMB(3)", [](const CNelStrA& s) { return s.LeftMB(3); }, "\x83\x5C" "a" "\x95\x5C", "\x83\x5C" "a"},
        {"LeftMB(5)", [](const CNelStrA& s) { return s.LeftMB(5); }, kText, "\x83\x5C" "a" "\x95\x5C"},
        {"MidMB(1, 2)", [](const CNelStrA& s) { return s.MidMB(1, 2); }, "a" "\x95\x5C", "\x5C" "a"},
        {"MidMB(2)", [](const CNelStrA& s) { return s.MidMB(2); }, "\x95\x5C" "\\" "b", "a" "\x95\x5C" "\\" "b"},
        {"MidMB(5)", [](const CNelStrA& s) { return s.MidMB(5); }, "", "\\" "b"},
        {"MidMB(7)", [](const CNelStrA& s) { return s.MidMB(7); }, "", ""},
        {"MidMB(-1, 2)", [](const CNelStrA& s) { return s.MidMB(-1, 2); }, "", ""},
        {"Right(3)", [](const CNelStrA& s) { return s.Right(3); }, "\x5C" "\\" "b", "\x5C" "\\" "b"},
        {"RightMB(2)", [](const CNelStrA& s) { return s.RightMB(2); }, "\\" "b", "\\" "b"},
        {"RightMB(3)", [](const CNelStrA& s) { return s.RightMB(3); }, "\x95\x5C" "\\" "b", "\x5C" "\\" "b"},
        {"RightMB(4)", [](const CNelStrA& s) { return s.RightMB(4); }, "a" "\x95\x5C" "\\" "b", "\x95\x5C" "\\" "b"},
        {"RightMB(6)", [](const CNelStrA& s) { return s.RightMB(6); }, kText, "\x5C" "a" "\x95\x5C" "\\" "b"},
    };
    const CNelStrA s(kText);
    for (const SliceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const char* expected = ByCodePage(c.cp932, c.cp1252);
        CNelStrA slice = c.slice(s);
        EXPECT_EQ(std::string(expected), Text(slice)) << Hex(Text(slice));
        EXPECT_EQ(lstrlenA(expected) + 1, slice.GetBuffSize());
    }
}

// A lead byte right before the terminator is one cut character: no member
// steps over the terminator, whatever bytes lie behind it in the buffer
// (here 'x' up to the buffer's end).
TEST(StrDbcs, ACutLeadByteAtTheEndIsOneCharacterWhateverFollowsTheTerminator)
{
    CNelStrA s;
    s.SetBuffSize(16);
    char* p = s.GetBuff();
    memset(p, 'x', 15);
    memcpy(p, "a" "\x83\x5C" "b" "\x83", 6);
    ASSERT_EQ(5, s.ResetLen());
    // Four characters under 932 (the last one cut), five bytes under 1252.
    const CNelStrA left = s.LeftMB(4);
    EXPECT_EQ(ByCodePage(std::string("a" "\x83\x5C" "b" "\x83"), std::string("a" "\x83\x5C" "b")), Text(left));
    EXPECT_EQ(ByCodePage(5, 4), left.GetLength());
    const CNelStrA mid = s.MidMB(1, 3);
    EXPECT_EQ(ByCodePage(std::string("\x83\x5C" "b" "\x83"), std::string("\x83\x5C" "b")), Text(mid));
    EXPECT_EQ(ByCodePage(4, 3), mid.GetLength());
}

// RightMB looks at the byte in front of the last uncounted byte, without
// walking from the start: the trail byte 0x83 of small ya (0x83 0x83) has
// a lead-byte value, so under 932 it is taken as the lead of the last
// character.
TEST(StrDbcs, RightMBScansBackwardsAndTakesALeadValuedTrailByteForALead)
{
    const CNelStrA s("x" "\x83\x83" "a");
    EXPECT_EQ(std::string(ByCodePage("\x83" "a", "a")), Text(s.RightMB(1))) << Hex(Text(s.RightMB(1)));
    EXPECT_EQ(std::string(ByCodePage("\x83\x83" "a", "\x83" "a")), Text(s.RightMB(2)));
}

TEST(StrDbcs, InsertMBCountsCharactersFromEitherEnd)
{
    struct Case {
        bool fromRight;
        int index;
        const char* cp932;
        const char* cp1252;
    } cases[] = {
        {false, 1, "\x83\x5C" "x" "\x95\x5C", "\x83" "x" "\x5C\x95\x5C"},
        {false, 2, "\x83\x5C\x95\x5C" "x", "\x83\x5C" "x" "\x95\x5C"},
        {true, 1, "\x83\x5C" "x" "\x95\x5C", "\x83\x5C\x95" "x" "\x5C"},
        {true, 2, "x" "\x83\x5C\x95\x5C", "\x83\x5C" "x" "\x95\x5C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.fromRight ? "InsertRMB(" : "InsertMB(") << c.index << ")");
        CNelStrA s("\x83\x5C\x95\x5C");
        EXPECT_EQ(1, c.fromRight ? s.InsertRMB(c.index, "x") : s.InsertMB(c.index, "x"));
        EXPECT_EQ(std::string(ByCodePage(c.cp932, c.cp1252)), Text(s)) << Hex(Text(s));
        EXPECT_EQ(7, s.GetBuffSize());
    }
}

TEST(StrDbcs, PermStrReplacesOnlyRealBackslashes)
{
    CNelStrA s(kText);
    EXPECT_EQ(ByCodePage(1, 3), s.PermStr("\\", "/"));
    const char* expected = ByCodePage("\x83\x5C" "a" "\x95\x5C" "/" "b", "\x83/a\x95//b");
    EXPECT_EQ(std::string(expected), Text(s)) << Hex(Text(s));
}

TEST(StrDbcs, TrimComparesWholeCharacters)
{
    struct Case {
        const char* text;
        int ends;  // 3 both, 2 end only
        const char* set;
        const char* cp932;
        const char* cp1252;
    } cases[] = {
        {"\\" "\x83\x5C" "\\", 3, "\\", kSo, "\x83"},
        {kHyo, 2, "\\", kHyo, "\x95"},
        {"\x95\x5C" "a" "\x95\x5C" "\\", 3, kHyo, "a" "\x95\x5C" "\\", "a"},
        {"\x83\x5C\x83\x5C" "a", 3, kSo, "a", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << " set " << Show(c.set));
        CNelStrA s(c.text);
        if (c.ends == 3)
            s.Trim(c.set);
        else
            s.TrimR(c.set);
        EXPECT_EQ(std::string(ByCodePage(c.cp932, c.cp1252)), Text(s)) << Hex(Text(s));
    }
}

TEST(StrDbcs, InsertCommaGroupsCharacters)
{
    // Kanji one to four, then so-hyo-so-hyo.
    const char kDigits[] = "\x88\xEA\x93\xF1\x8E\x4F\x8E\x6C";
    struct Case {
        const char* text;
        int group;
        int fromRight;
        const char* cp932;
        int count932;
        const char* cp1252;
        int count1252;
    } cases[] = {
        {kDigits, 3, 1, "\x88\xEA" "," "\x93\xF1\x8E\x4F\x8E\x6C", 1,
         "\x88\xEA" "," "\x93\xF1\x8E" "," "\x4F\x8E\x6C", 2},
        {kDigits, 3, 0, "\x88\xEA\x93\xF1\x8E\x4F" "," "\x8E\x6C", 1,
         "\x88\xEA\x93" "," "\xF1\x8E\x4F" "," "\x8E\x6C", 2},
        {"\x83\x5C\x95\x5C\x83\x5C\x95\x5C", 1, 1, "\x83\x5C" "," "\x95\x5C" "," "\x83\x5C" "," "\x95\x5C", 3,
         "\x83,\x5C,\x95,\x5C,\x83,\x5C,\x95,\x5C", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << " group " << c.group << " fromRight " << c.fromRight);
        CNelStrA s(c.text);
        EXPECT_EQ(ByCodePage(c.count932, c.count1252), s.InsertComma(",", c.group, c.fromRight));
        EXPECT_EQ(std::string(ByCodePage(c.cp932, c.cp1252)), Text(s)) << Hex(Text(s));
    }
}

// The wide twin holds the same text as UTF-16: one unit per character
// under any code page, a surrogate pair counting two.
TEST(StrDbcsWide, WideMBMembersCountUnits)
{
    const CNelStrW s(L"\x30BD" L"a\x8868\\b");
    EXPECT_EQ(3, s.FindMB(L"\\", 0));
    EXPECT_EQ(3, s.RFindMB(L'\\'));
    EXPECT_EQ(5, s.GetStrCount());
    EXPECT_EQ(std::wstring(L"\x8868\\b"), Text(s.RightMB(3)));
    EXPECT_EQ(std::wstring(L"\x30BD"), Text(s.LeftMB(1)));
    const CNelStrW pair(L"\xD840\xDC0B" L"x");
    EXPECT_EQ(3, pair.GetStrCount());
    EXPECT_EQ(std::wstring(L"\xDC0B" L"x"), Text(pair.MidMB(1)));
}
