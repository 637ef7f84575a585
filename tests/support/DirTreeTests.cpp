// NelCreateDirTree on real folders: creation of every missing level, the
// refused paths, existing targets, roll-back, and network paths.
#include <gtest/gtest.h>
#include <string>
#include "NelPath.h"
#include "SupportTestUtil.h"
#include "TestFiles.h"

using namespace SupportTest;

namespace {

bool IsDir(const std::wstring& path)
{
    return NelIsDirectory(path.c_str()) != FALSE;
}

TEST(CreateDirTree, CreatesEveryMissingLevel)
{
    NelTest::TempDir dir;
    EXPECT_TRUE(NelCreateDirTree((dir / L"a\\b\\c").c_str()));
    EXPECT_TRUE(IsDir(dir / L"a"));
    EXPECT_TRUE(IsDir(dir / L"a\\b"));
    EXPECT_TRUE(IsDir(dir / L"a\\b\\c"));
    // Building on a folder that exists part of the way.
    EXPECT_TRUE(NelCreateDirTree((dir / L"a\\b\\d\\e").c_str()));
    EXPECT_TRUE(IsDir(dir / L"a\\b\\d\\e"));
    // Doubled and trailing backslashes name no extra level.
    EXPECT_TRUE(NelCreateDirTree((dir / L"x\\\\y\\").c_str()));
    EXPECT_TRUE(IsDir(dir / L"x\\y"));
    // Dots are fine where they do not step to a parent.
    EXPECT_TRUE(NelCreateDirTree((dir / L"v1..2\\.hidden").c_str()));
    EXPECT_TRUE(IsDir(dir / L"v1..2\\.hidden"));
}

TEST(CreateDirTree, RefusesForbiddenCharactersAndParentStepsWithoutTouchingTheDisk)
{
    NelTest::TempDir dir;
    const wchar_t* tails[] = {
        L"new\\a\"b", L"new\\a|b", L"new\\a<b", L"new\\a>b", L"new\\a?b", L"new\\a*b",
        L"new\\..\\b", L"new\\b\\..", L"new\\..hidden",
    };
    for (const wchar_t* tail : tails) {
        SCOPED_TRACE(Narrow(tail));
        EXPECT_FALSE(NelCreateDirTree((dir / tail).c_str()));
        EXPECT_FALSE(NelFileExists((dir / L"new").c_str()));
    }
    EXPECT_FALSE(NelCreateDirTree(nullptr));
    EXPECT_FALSE(NelCreateDirTree(L""));
}

TEST(CreateDirTree, ExistingFolderOrFileInTheWayGivesFalse)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(NelTest::WriteBytes(dir / L"file", "x"));
    EXPECT_FALSE(NelCreateDirTree(dir.Path().c_str()));
    EXPECT_TRUE(IsDir(dir.Path()));
    EXPECT_FALSE(NelCreateDirTree((dir / L"file").c_str()));
    EXPECT_FALSE(NelCreateDirTree((dir / L"file\\sub\\deeper").c_str()));
    EXPECT_FALSE(IsDir(dir / L"file"));
}

// The third level's name is longer than any file system takes, so its
// creation fails after the first two levels were made.
TEST(CreateDirTree, RemovesTheLevelsItMadeWhenALaterLevelFails)
{
    NelTest::TempDir dir;
    const std::wstring tooLong(300, L'n');
    EXPECT_FALSE(NelCreateDirTree((dir / (L"one\\two\\" + tooLong)).c_str()));
    EXPECT_FALSE(NelFileExists((dir / L"one\\two").c_str()));
    EXPECT_FALSE(NelFileExists((dir / L"one").c_str()));
    // A level that existed before stays.
    ASSERT_TRUE(CreateDirectoryW((dir / L"kept").c_str(), nullptr));
    EXPECT_FALSE(NelCreateDirTree((dir / (L"kept\\two\\" + tooLong)).c_str()));
    EXPECT_TRUE(IsDir(dir / L"kept"));
    EXPECT_FALSE(NelFileExists((dir / L"kept\\two").c_str()));
}

// A network base keeps its leading "\\": with them stripped, a server name
// that happens to be a folder in the current folder would receive the
// levels instead.
TEST(CreateDirTree, NetworkPathIsNeverTurnedIntoARelativeOne)
{
    NelTest::TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"nelnoserver").c_str(), nullptr));
    wchar_t previous[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(dir.Path().c_str()));
    BOOL deep = NelCreateDirTree(L"\\\\nelnoserver\\share\\a\\b");
    BOOL share = NelCreateDirTree(L"\\\\nelnoserver\\share");
    SetCurrentDirectoryW(previous);
    EXPECT_FALSE(deep);
    EXPECT_FALSE(share);
    EXPECT_FALSE(NelFileExists((dir / L"nelnoserver\\share").c_str()));
}

} // namespace
