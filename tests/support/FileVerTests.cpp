// NelGetFileVerStr on two small modules built for it (VerProbe*.rc): the
// first translation's table, the fallback order, missing keys and files.
#include <gtest/gtest.h>
#include <string>
#include "NelPath.h"
#include "SupportTestUtil.h"
#include "TestFiles.h"

using namespace SupportTest;

namespace {

TEST(FileVerStr, FirstTranslationsTableComesFirst)
{
    CNelStrW out;
    ASSERT_TRUE(NelGetFileVerStr(out, L"SupportVerDirect.dll", L"FileVersion"));
    EXPECT_EQ(std::wstring(L"first translation"), Text(out));
}

TEST(FileVerStr, FallbackTriesCodePagesOuterAndLanguagesInner)
{
    const struct {
        const wchar_t* key;
        const wchar_t* expected;
    } cases[] = {
        // Code page 1200 comes before 1252, though 0411 leads the languages.
        { L"FileVersion", L"1.2.3.4 (us, unicode)" },
        { L"ProductName", L"found in 0411/1252" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.key));
        CNelStrW out;
        // A full path works as well as the bare name.
        const std::wstring full = NelTest::ExeDir() + L"\\SupportVerFallback.dll";
        ASSERT_TRUE(NelGetFileVerStr(out, full.c_str(), c.key));
        EXPECT_EQ(std::wstring(c.expected), Text(out));
    }
}

TEST(FileVerStr, MissingKeyFileOrResourceFailsAndLeavesTheOutput)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"plain.txt", "no resources"));
    const struct {
        std::wstring file;
        const wchar_t* key;
    } cases[] = {
        { L"SupportVerFallback.dll", L"Comments" },
        { L"SupportVerFallback.dll", nullptr },
        { dir / L"plain.txt", L"FileVersion" },
        { dir / L"absent.dll", L"FileVersion" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.file));
        CNelStrW out(L"untouched");
        EXPECT_FALSE(NelGetFileVerStr(out, c.file.c_str(), c.key));
        EXPECT_EQ(std::wstring(L"untouched"), Text(out));
    }
}

} // namespace
