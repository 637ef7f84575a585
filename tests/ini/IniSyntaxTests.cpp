// How the reader finds sections, keys and values in the text of a file:
// one table of small files, each queried for one key.
#include <gtest/gtest.h>
#include "IniTestUtil.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

struct SyntaxCase {
    const char* what;
    const wchar_t* text; // written as UTF-16LE after FF FE
    const wchar_t* section;
    const wchar_t* key;
    bool found;
    const wchar_t* value; // expected when found
};

const SyntaxCase kSyntaxCases[] = {
    // Section headers
    { "header opening the text", L"[S]\nk=v\n", L"S", L"k", true, L"v" },
    { "header after LF", L"[A]\na=1\n[S]\nk=v\n", L"S", L"k", true, L"v" },
    { "header not at a line start", L"x[S]\nk=v\n", L"S", L"k", false, nullptr },
    { "header text in a value, then a real header",
      L"[A]\nx=[S]\nk=wrong\n[S]\nk=right\n", L"S", L"k", true, L"right" },
    { "header text only inside a value", L"[A]\nx=[S]\nk=v\n", L"S", L"k", false, nullptr },
    { "header in other letter case", L"[s]\nk=v\n", L"S", L"k", false, nullptr },
    { "spaces inside the brackets", L"[ S ]\nk=v\n", L"S", L"k", false, nullptr },
    { "space before the header", L"[A]\n [S]\nk=v\n", L"S", L"k", false, nullptr },
    { "text after ] on the header line is ignored", L"[S] ; note\nk=v\n", L"S", L"k", true, L"v" },
    { "no sections at all", L"k=v\n", L"S", L"k", false, nullptr },
    { "section name that is a prefix of another", L"[SS]\nk=1\n[S]\nk=2\n", L"S", L"k", true,
      L"2" },

    // Keys
    { "key in other letter case", L"[S]\nK=v\n", L"S", L"k", false, nullptr },
    { "space between key and =", L"[S]\nk =v\n", L"S", L"k", false, nullptr },
    { "space before the key", L"[S]\n k=v\n", L"S", L"k", false, nullptr },
    { "key on the header line", L"[S]k=v\nx=1\n", L"S", L"k", false, nullptr },
    { "key only in a later section", L"[S]\na=1\n[T]\nk=v\n", L"S", L"k", false, nullptr },
    { "key of the later section", L"[S]\na=1\n[T]\nk=v\n", L"T", L"k", true, L"v" },
    { "any line starting with [ ends the section", L"[S]\na=1\n[junk\nk=v\n", L"S", L"k", false,
      nullptr },
    { "key in an earlier section only", L"[T]\nk=v\n[S]\na=1\n", L"S", L"k", false, nullptr },
    { "first duplicate wins", L"[S]\nk=first\nk=second\n", L"S", L"k", true, L"first" },
    { "longer key with the same start", L"[S]\nkey2=x\nkey=y\n", L"S", L"key", true, L"y" },
    { "key that is a suffix of another", L"[S]\nakey=x\nkey=y\n", L"S", L"key", true, L"y" },

    // Values
    { "empty value", L"[S]\nk=\nn=1\n", L"S", L"k", true, L"" },
    { "spaces, ; # and quotes stay", L"[S]\nk=  a b ; c # \"q\"\t\n", L"S", L"k", true,
      L"  a b ; c # \"q\"\t" },
    { "CR LF line ends", L"[S]\r\nk=v\r\nn=1\r\n", L"S", L"k", true, L"v" },
    { "only CRs at the two ends are stripped", L"[S]\nk=\r\r a\rb \r\r\n", L"S", L"k", true,
      L" a\rb " },
    { "= inside the value", L"[S]\nk=a=b\n", L"S", L"k", true, L"a=b" },
    { "last line without a line end", L"[S]\r\na=1\r\nk=tail", L"S", L"k", true, L"tail" },
    { "last line is the key with nothing after =", L"[S]\nk=", L"S", L"k", true, L"" },
    { "value of only CRs", L"[S]\nk=\r\r\n", L"S", L"k", true, L"" },
    { "Japanese names and value", L"[\x88C0\x54C1]\n\x540D\x524D=\x30AB\x30FC\x30BD\x30EB\n",
      L"\x88C0\x54C1", L"\x540D\x524D", true, L"\x30AB\x30FC\x30BD\x30EB" },
};

class IniSyntax : public ::testing::Test {
protected:
    NelTest::TempDir m_dir;
};

TEST_F(IniSyntax, FindsValuesByTheLiteralLineRules)
{
    int index = 0;
    for (const SyntaxCase& c : kSyntaxCases) {
        SCOPED_TRACE(::testing::Message() << "case " << index << ": " << c.what << " | text \""
                                          << Narrow(c.text) << "\"");
        std::wstring path = m_dir / (L"syntax" + std::to_wstring(index++) + L".ini");
        ASSERT_TRUE(NelTest::WriteUtf16(path, c.text));

        CNelStrW value(kSentinel);
        BOOL ok = NelIniGetStr(c.section, c.key, value, path.c_str());
        EXPECT_EQ(c.found ? TRUE : FALSE, ok) << "value: \"" << Narrow(Text(value)) << "\"";
        if (c.found)
            EXPECT_EQ(std::wstring(c.value), Text(value)) << "got \"" << Narrow(Text(value)) << "\"";
        else
            EXPECT_EQ(std::wstring(kSentinel), Text(value)) << "output changed on failure";
    }
}

// Names of sections and keys have no length limit of their own.
TEST_F(IniSyntax, VeryLongSectionAndKeyNames)
{
    std::wstring section(40000, L's');
    std::wstring key(70000, L'k');
    std::wstring path = m_dir / L"long.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, L"[" + section + L"]\r\n" + key + L"=long\r\n"));

    CNelStrW value(kSentinel);
    EXPECT_TRUE(NelIniGetStr(section.c_str(), key.c_str(), value, path.c_str()));
    EXPECT_EQ(L"long", Text(value)) << Narrow(Text(value));

    // One character more than in the file is another name.
    CNelStrW missing(kSentinel);
    EXPECT_FALSE(NelIniGetStr(section.c_str(), (key + L"k").c_str(), missing, path.c_str()));
    EXPECT_EQ(kSentinel, Text(missing));
    EXPECT_FALSE(NelIniGetStr((section + L"s").c_str(), key.c_str(), missing, path.c_str()));
    EXPECT_EQ(kSentinel, Text(missing));
}

// A file read once (CNelIniFile, for the thousands of lookups of a long
// macro text) answers every case of the table as a query of its own does,
// and keeps answering after a lookup, in any order.
TEST_F(IniSyntax, FileReadOnceAnswersAsSingleQueries)
{
    int index = 0;
    for (const SyntaxCase& c : kSyntaxCases) {
        SCOPED_TRACE(::testing::Message() << "case " << index << ": " << c.what);
        std::wstring path = m_dir / (L"once" + std::to_wstring(index++) + L".ini");
        ASSERT_TRUE(NelTest::WriteUtf16(path, c.text));
        CNelIniFile once(path.c_str());
        CNelStrW value(kSentinel);
        EXPECT_EQ(c.found ? TRUE : FALSE, once.GetStr(c.section, c.key, value));
        EXPECT_EQ(std::wstring(c.found ? c.value : kSentinel), Text(value)) << Narrow(Text(value));
    }

    std::wstring path = m_dir / L"many.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, L"[S]\r\na=1\r\nb=22\r\n[T]\r\nc=333\r\n"));
    CNelIniFile once(path.c_str());
    const struct { const wchar_t* section; const wchar_t* key; const wchar_t* value; } kAsks[] = {
        {L"S", L"a", L"1"}, {L"S", L"b", L"22"}, {L"T", L"c", L"333"}, {L"S", L"a", L"1"},
        {L"T", L"c", L"333"}, {L"S", L"b", L"22"}};
    for (const auto& ask : kAsks) {
        CNelStrW value;
        EXPECT_TRUE(once.GetStr(ask.section, ask.key, value)) << Narrow(ask.key);
        EXPECT_EQ(std::wstring(ask.value), Text(value)) << Narrow(ask.key) << ": " << Narrow(Text(value));
    }
    CNelStrW untouched(kSentinel);
    EXPECT_FALSE(CNelIniFile((m_dir / L"absent.ini").c_str()).GetStr(L"S", L"a", untouched));
    EXPECT_EQ(kSentinel, Text(untouched));
}

// A query replaces the whole earlier content of the output string.
TEST_F(IniSyntax, ValueReplacesLongerEarlierContent)
{
    std::wstring path = m_dir / L"replace.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, L"[S]\r\nk=ab\r\n"));
    CNelStrW value(L"a much longer earlier content");
    ASSERT_TRUE(NelIniGetStr(L"S", L"k", value, path.c_str()));
    EXPECT_EQ(L"ab", Text(value)) << Narrow(Text(value));
    EXPECT_EQ(2, value.GetLength());
}

} // namespace
