// How the bytes of a file become the text the reader searches: byte-order
// marks, odd lengths, zero units, and files in other encodings.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "IniTestUtil.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

struct EncodingCase {
    const char* what;
    std::string bytes;
    bool found;
    const wchar_t* value; // of [S] k, expected when found
};

std::vector<EncodingCase> EncodingCases()
{
    const std::wstring text = L"[S]\r\nk=v\r\n";
    return {
        { "FF FE then little-endian", kBomLe + Le(text), true, L"v" },
        { "FE FF then little-endian (read as little-endian anyway)", kBomBe + Le(text), true, L"v" },
        { "no byte-order mark", Le(text), true, L"v" },
        { "FE FF then big-endian", kBomBe + Be(text), false, nullptr },
        { "big-endian without a mark", Be(text), false, nullptr },
        { "UTF-8", "[S]\r\nk=v\r\n", false, nullptr },
        { "UTF-8 with its mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", false, nullptr },
        // The last byte of an odd-sized file is the low byte of a final unit.
        { "odd length", kBomLe + Le(L"[S]\nk=ab") + "c", true, L"abc" },
        { "odd length, no mark", Le(L"[S]\nk=ab") + "c", true, L"abc" },
        // Text ends at the first zero unit.
        { "zero unit before the key", kBomLe + Le(WithZeros(L"[S]\na=1\n\0\nk=v\n")), false,
          nullptr },
        { "zero unit right after the value", kBomLe + Le(WithZeros(L"[S]\nk=ab\0cd\n")),
          true, L"ab" },
        { "byte-order mark only", kBomLe, false, nullptr },
        { "one byte", "[", false, nullptr },
        { "three bytes", std::string(kBomLe) + "[", false, nullptr },
        { "a mark inside the text is a character",
          kBomLe + Le(L"[S]\nk=") + kBomLe + Le(L"x\n"), true, L"\xFEFFx" },
    };
}

class IniEncoding : public ::testing::Test {
protected:
    NelTest::TempDir m_dir;
};

TEST_F(IniEncoding, ReadsUtf16LittleEndianWhateverTheMark)
{
    int index = 0;
    for (const EncodingCase& c : EncodingCases()) {
        SCOPED_TRACE(::testing::Message() << "case " << index << ": " << c.what << " | bytes "
                                          << Hex(c.bytes));
        std::wstring path = m_dir / (L"enc" + std::to_wstring(index++) + L".ini");
        ASSERT_TRUE(NelTest::WriteBytes(path, c.bytes));

        CNelStrW value(kSentinel);
        BOOL ok = NelIniGetStr(L"S", L"k", value, path.c_str());
        EXPECT_EQ(c.found ? TRUE : FALSE, ok) << "value: \"" << Narrow(Text(value)) << "\"";
        if (c.found)
            EXPECT_EQ(std::wstring(c.value), Text(value)) << "got \"" << Narrow(Text(value)) << "\"";
        else
            EXPECT_EQ(std::wstring(kSentinel), Text(value)) << "output changed on failure";
    }
}

// A zero unit hides everything after it, but what comes before is read.
TEST_F(IniEncoding, ZeroUnitHidesOnlyTheRest)
{
    std::wstring path = m_dir / L"zero.ini";
    ASSERT_TRUE(NelTest::WriteBytes(path, kBomLe + Le(WithZeros(L"[S]\na=1\n\0\nk=v\n"))));
    CNelStrW value(kSentinel);
    EXPECT_TRUE(NelIniGetStr(L"S", L"a", value, path.c_str()));
    EXPECT_EQ(L"1", Text(value)) << Narrow(Text(value));
}

TEST_F(IniEncoding, EmptyFileIsNotFound)
{
    std::wstring path = m_dir / L"empty.ini";
    ASSERT_TRUE(NelTest::WriteBytes(path, ""));
    CNelStrW value(kSentinel);
    EXPECT_FALSE(NelIniGetStr(L"S", L"k", value, path.c_str()));
    EXPECT_EQ(kSentinel, Text(value));
    EXPECT_EQ(-5, NelIniGetInt(L"S", L"k", -5, path.c_str()));
}

} // namespace
