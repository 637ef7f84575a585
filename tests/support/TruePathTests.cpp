// NelGetTruePath: stored spelling and long form of every component, the
// search order for bare names, drive roots and refused names.
#include <gtest/gtest.h>
#include <string>
#include "NelPath.h"
#include "SupportTestUtil.h"
#include "TestFiles.h"

using namespace SupportTest;

namespace {

std::wstring Upper(std::wstring s)
{
    CharUpperBuffW(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b)
{
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

bool EndsWith(const std::wstring& s, const std::wstring& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(TruePath, RestoresStoredSpellingLongFormAndLowerCaseDrive)
{
    NelTest::TempDir dir;
    const std::wstring tail = L"\\MixedCase Folder\\Long File Name.TXT";
    ASSERT_TRUE(CreateDirectoryW((dir / L"MixedCase Folder").c_str(), nullptr));
    ASSERT_TRUE(NelTest::WriteBytes(dir.Path() + tail, "x"));

    std::vector<std::wstring> spellings = { Upper(dir.Path() + tail) };
    wchar_t shortPath[MAX_PATH + 1] = {};
    if (GetShortPathNameW((dir.Path() + tail).c_str(), shortPath, MAX_PATH))
        spellings.push_back(shortPath);
    for (const std::wstring& spelling : spellings) {
        SCOPED_TRACE(Narrow(spelling));
        CNelStrW out;
        ASSERT_TRUE(NelGetTruePath(spelling.c_str(), out));
        const std::wstring result = Text(out);
        EXPECT_TRUE(EndsWith(result, tail)) << Narrow(result);
        EXPECT_TRUE(EqualNoCase(dir.Path() + tail, result)) << Narrow(result);
        EXPECT_TRUE(result[0] >= L'a' && result[0] <= L'z') << Narrow(result);
    }
}

TEST(TruePath, BareNameIsFoundThroughTheSearchOrder)
{
    CNelStrW out;
    ASSERT_TRUE(NelGetTruePath(L"SUPPORTTESTS.EXE", out));
    const std::wstring result = Text(out);
    EXPECT_TRUE(EndsWith(result, L"\\SupportTests.exe")) << Narrow(result);
    EXPECT_TRUE(EqualNoCase(NelTest::ExeDir() + L"\\SupportTests.exe", result)) << Narrow(result);
}

TEST(TruePath, DriveRootsAreLowerCasedWithTheirBackslash)
{
    const struct {
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = { { L"C:", L"c:\\" }, { L"C:\\", L"c:\\" }, { L"c:\\", L"c:\\" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        CNelStrW out;
        EXPECT_TRUE(NelGetTruePath(c.name, out));
        EXPECT_EQ(std::wstring(c.expected), Text(out));
    }
}

TEST(TruePath, MissingNamesAndWildcardsFailAndLeaveTheOutput)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"present.txt", "x"));
    const std::wstring names[] = {
        L"", dir / L"absent.txt", dir / L"nofolder\\present.txt", dir / L"*.txt", dir / L"present.tx?",
    };
    for (const std::wstring& name : names) {
        SCOPED_TRACE(Narrow(name));
        CNelStrW out(L"untouched");
        EXPECT_FALSE(NelGetTruePath(name.c_str(), out));
        EXPECT_EQ(std::wstring(L"untouched"), Text(out));
    }
    CNelStrW out(L"untouched");
    EXPECT_FALSE(NelGetTruePath(nullptr, out));
}

} // namespace
