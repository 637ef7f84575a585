// Where the reader looks for its file, and the program-path helpers it
// builds on.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include "IniTestUtil.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

std::wstring DirOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

// Set when CTest runs a copy of this program from a path longer than the
// helper's first buffer (RunFromLongPath.cmake), so that the buffer must grow.
bool ExpectLongModulePath()
{
    const char* v = std::getenv("NEL_EXPECT_LONG_MODULE_PATH");
    return v && *v == '1';
}

TEST(ModulePath, MatchesTheSystemModuleName)
{
    std::wstring expected = SystemModulePath();
    ASSERT_FALSE(expected.empty());
    CNelStrW path(kSentinel);
    int length = NelGetModulePath(path);
    EXPECT_EQ(static_cast<int>(expected.size()), length);
    EXPECT_EQ(expected, Text(path)) << Narrow(Text(path));
    EXPECT_EQ(length, path.GetLength());
    if (ExpectLongModulePath()) {
        EXPECT_GT(length, 261) << "the copy was meant to run from a long path";
    }
}

TEST(ModulePath, DirIsTheFolderWithoutTrailingBackslash)
{
    std::wstring expected = DirOf(SystemModulePath());
    CNelStrW dir(kSentinel);
    int length = NelGetModuleDir(dir);
    EXPECT_EQ(static_cast<int>(expected.size()), length);
    EXPECT_EQ(expected, Text(dir)) << Narrow(Text(dir));
    if (ExpectLongModulePath()) {
        EXPECT_GT(length, 261 - 14);
    }
}

class IniPath : public ::testing::Test {
protected:
    NelTest::TempDir m_dir;

    void SetUp() override
    {
        wchar_t cwd[MAX_PATH + 1] = {};
        GetCurrentDirectoryW(MAX_PATH, cwd);
        m_oldCwd = cwd;
    }
    void TearDown() override { SetCurrentDirectoryW(m_oldCwd.c_str()); }

    std::wstring m_oldCwd;
};

// An empty or absent file argument means the program's own path with its
// extension replaced by ".ini".
TEST_F(IniPath, EmptyPathReadsProgramNameDotIni)
{
    std::wstring program = SystemModulePath();
    std::wstring expected = program.substr(0, program.find_last_of(L'.')) + L".ini";
    ScopedFileDelete file(expected);
    ASSERT_TRUE(NelTest::WriteUtf16(file.Path(), L"[S]\r\nk=beside the program\r\nn=12\r\n"));

    for (const wchar_t* arg : { L"", static_cast<const wchar_t*>(nullptr) }) {
        SCOPED_TRACE(arg ? "empty path" : "NULL path");
        CNelStrW value(kSentinel);
        EXPECT_TRUE(NelIniGetStr(L"S", L"k", value, arg)) << Narrow(expected);
        EXPECT_EQ(L"beside the program", Text(value)) << Narrow(Text(value));
        EXPECT_EQ(12, NelIniGetInt(L"S", L"n", -1, arg));
    }
}

// A bare file name is looked up in the program's folder, not in the
// current directory.
TEST_F(IniPath, BareNameIsInTheProgramFolder)
{
    std::wstring name = L"IniTests_bare_" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    ScopedFileDelete beside(NelTest::ExeDir() + L"\\" + name);
    ASSERT_TRUE(NelTest::WriteUtf16(beside.Path(), L"[S]\r\nk=program folder\r\nn=3\r\n"));
    ASSERT_TRUE(NelTest::WriteUtf16(m_dir / name, L"[S]\r\nk=current folder\r\nn=4\r\n"));
    ASSERT_TRUE(SetCurrentDirectoryW(m_dir.Path().c_str()));

    CNelStrW value(kSentinel);
    EXPECT_TRUE(NelIniGetStr(L"S", L"k", value, name.c_str()));
    EXPECT_EQ(L"program folder", Text(value)) << Narrow(Text(value));
    EXPECT_EQ(3, NelIniGetInt(L"S", L"n", -1, name.c_str()));
}

// A path with a backslash is used as given; a relative one follows the
// current directory.
TEST_F(IniPath, PathWithBackslashIsUsedAsGiven)
{
    ASSERT_TRUE(CreateDirectoryW((m_dir / L"sub").c_str(), nullptr));
    ASSERT_TRUE(NelTest::WriteUtf16(m_dir / L"sub\\x.ini", L"[S]\r\nk=relative\r\n"));
    ASSERT_TRUE(SetCurrentDirectoryW(m_dir.Path().c_str()));

    CNelStrW value(kSentinel);
    EXPECT_TRUE(NelIniGetStr(L"S", L"k", value, L"sub\\x.ini"));
    EXPECT_EQ(L"relative", Text(value)) << Narrow(Text(value));

    CNelStrW full(kSentinel);
    EXPECT_TRUE(NelIniGetStr(L"S", L"k", full, (m_dir / L"sub\\x.ini").c_str()));
    EXPECT_EQ(L"relative", Text(full)) << Narrow(Text(full));
}

// Paths that do not lead to a readable file fail without touching the
// output, and NelIniGetInt gives its default.
TEST_F(IniPath, UnreadablePathsFail)
{
    ASSERT_TRUE(CreateDirectoryW((m_dir / L"folder.ini").c_str(), nullptr));
    ASSERT_TRUE(NelTest::WriteUtf16(m_dir / L"real.ini", L"[S]\r\nk=v\r\n"));
    const struct {
        const char* what;
        std::wstring path;
    } cases[] = {
        { "missing file", m_dir / L"missing.ini" },
        { "missing folder", m_dir / L"nofolder\\x.ini" },
        { "missing bare name", L"IniTests_no_such_file.ini" },
        { "a folder", m_dir / L"folder.ini" },
        // Found by the existence test, but not a file that can be opened.
        { "wildcard", m_dir / L"*.ini" },
        { "drive root", L"C:\\" },
        { "short non-root", L"C:x" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.what << ": " << Narrow(c.path));
        CNelStrW value(kSentinel);
        EXPECT_FALSE(NelIniGetStr(L"S", L"k", value, c.path.c_str()));
        EXPECT_EQ(kSentinel, Text(value));
        EXPECT_EQ(-3, NelIniGetInt(L"S", L"k", -3, c.path.c_str()));
    }
}

// Absent names fail instead of crashing.
TEST_F(IniPath, NullNamesFail)
{
    std::wstring path = m_dir / L"n.ini";
    ASSERT_TRUE(NelTest::WriteUtf16(path, L"[S]\r\nk=v\r\n"));
    CNelStrW value(kSentinel);
    EXPECT_FALSE(NelIniGetStr(nullptr, L"k", value, path.c_str()));
    EXPECT_FALSE(NelIniGetStr(L"S", nullptr, value, path.c_str()));
    EXPECT_EQ(kSentinel, Text(value));
    EXPECT_EQ(8, NelIniGetInt(nullptr, L"k", 8, path.c_str()));
}

} // namespace
