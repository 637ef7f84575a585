// Integer values: decimal conversion of the found text, and the default
// only when nothing was found.
#include <gtest/gtest.h>
#include <climits>
#include <string>
#include "IniTestUtil.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

struct IntCase {
    const wchar_t* text;
    int expected;
};

const IntCase kIntCases[] = {
    { L"42", 42 },
    { L"-17", -17 },
    { L"+8", 8 },
    { L"007", 7 },
    { L" \t12ab", 12 },
    { L"3 4", 3 },
    { L"", 0 }, // found but empty: 0, not the default
    { L"abc", 0 },
    { L"- 5", 0 },
    { L"0x1F", 0 },
    { L"\r 5\r", 5 }, // CRs stripped, then the space skipped
    { L"2147483647", INT_MAX },
    { L"-2147483648", INT_MIN },
    // Out of range: clamped, as the CRT's own conversion does.
    { L"99999999999", INT_MAX },
    { L"-99999999999", INT_MIN },
    { L"\xFF11", 0 }, // a full-width digit is not a digit
};

TEST(IniInt, ConvertsFoundTextAsDecimal)
{
    NelTest::TempDir dir;
    std::wstring text = L"[N]\r\n";
    for (size_t i = 0; i < sizeof(kIntCases) / sizeof(kIntCases[0]); ++i)
        text += L"k" + std::to_wstring(i) + L"=" + kIntCases[i].text + L"\r\n";
    std::wstring path = dir / L"int.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, text));

    for (size_t i = 0; i < sizeof(kIntCases) / sizeof(kIntCases[0]); ++i) {
        SCOPED_TRACE(::testing::Message() << "k" << i << "=\"" << Narrow(kIntCases[i].text) << "\"");
        std::wstring key = L"k" + std::to_wstring(i);
        EXPECT_EQ(kIntCases[i].expected, NelIniGetInt(L"N", key.c_str(), 555, path.c_str()));
    }
}

TEST(IniInt, DefaultOnlyWhenNotFound)
{
    NelTest::TempDir dir;
    std::wstring path = dir / L"def.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, L"[N]\r\nempty=\r\nzero=0\r\n"));

    EXPECT_EQ(0, NelIniGetInt(L"N", L"empty", 555, path.c_str()));
    EXPECT_EQ(0, NelIniGetInt(L"N", L"zero", 555, path.c_str()));
    EXPECT_EQ(555, NelIniGetInt(L"N", L"missing", 555, path.c_str()));
    EXPECT_EQ(-1, NelIniGetInt(L"X", L"zero", -1, path.c_str()));
    EXPECT_EQ(INT_MIN, NelIniGetInt(L"N", L"zero", INT_MIN, (dir / L"none.ini").c_str()));
}

} // namespace
