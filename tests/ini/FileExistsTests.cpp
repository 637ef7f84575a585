// NelFileExists: files, folders and wildcards through a find-first search;
// the short forms of a drive root through the drive-root rule.
#include <gtest/gtest.h>
#include <string>
#include "IniTestUtil.h"
#include "NelPath.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

// A drive letter with no drive behind it, or 0 when every letter is taken.
wchar_t MissingDriveLetter()
{
    DWORD drives = GetLogicalDrives();
    for (int i = 3; i < 26; ++i) // D: onwards
        if (!(drives & (1u << i)))
            return static_cast<wchar_t>(L'A' + i);
    return 0;
}

TEST(FileExists, FilesFoldersAndWildcards)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"file.txt", "x"));
    ASSERT_TRUE(CreateDirectoryW((dir / L"folder").c_str(), nullptr));

    const struct {
        std::wstring path;
        BOOL expected;
    } cases[] = {
        { dir / L"file.txt", TRUE },
        { dir / L"folder", TRUE },
        { dir.Path(), TRUE },
        { dir / L"missing.txt", FALSE },
        { dir / L"nofolder\\file.txt", FALSE },
        { dir / L"*.txt", TRUE },   // a wildcard matching a file
        { dir / L"f?le.txt", TRUE },
        { dir / L"*.none", FALSE }, // a wildcard matching nothing
        { L"C:\\windows", TRUE },   // longer than three: a real search
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.path));
        EXPECT_EQ(c.expected, NelFileExists(c.path.c_str()));
    }
}

// Paths of one to three characters count only as drive roots.
TEST(FileExists, ShortPathsFollowTheDriveRootRule)
{
    const wchar_t missing = MissingDriveLetter();
    ASSERT_NE(0, missing) << "every drive letter is in use";
    const std::wstring m(1, missing);

    const struct {
        std::wstring path;
        BOOL expected;
    } cases[] = {
        { L"C", TRUE },
        { L"C:", TRUE },
        { L"C:\\", TRUE },
        { L"c:\\", TRUE },
        { L"Z:", TRUE },
        { L"C:x", FALSE },
        { L"CC", FALSE },
        { L"C\\", FALSE },
        { L"C:/", FALSE },
        { L"\\", FALSE },
        { m, FALSE },
        { m + L":", FALSE },
        { m + L":\\", FALSE },
        { L"", FALSE },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + Narrow(c.path) + "\"");
        EXPECT_EQ(c.expected, NelFileExists(c.path.c_str()));
        EXPECT_EQ(c.expected, NelIsDriveRoot(c.path.c_str()));
    }
    EXPECT_FALSE(NelFileExists(nullptr));
    EXPECT_FALSE(NelIsDriveRoot(nullptr));
}

// A short name in the current folder is still judged as a drive root,
// never as a file.
TEST(FileExists, ShortFileNameIsNotSearched)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"ab", "x"));
    wchar_t cwd[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    ASSERT_TRUE(SetCurrentDirectoryW(dir.Path().c_str()));
    BOOL shortName = NelFileExists(L"ab");
    BOOL longName = NelFileExists(L".\\ab");
    SetCurrentDirectoryW(cwd);
    EXPECT_FALSE(shortName);
    EXPECT_TRUE(longName);
}

TEST(FileExists, IsDirectoryTellsFoldersFromFiles)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"file.txt", "x"));
    EXPECT_TRUE(NelIsDirectory(dir.Path().c_str()));
    EXPECT_FALSE(NelIsDirectory((dir / L"file.txt").c_str()));
    EXPECT_FALSE(NelIsDirectory((dir / L"missing").c_str()));
    EXPECT_FALSE(NelIsDirectory(nullptr));
}

} // namespace
