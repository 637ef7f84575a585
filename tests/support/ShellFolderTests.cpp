// Special folders and system icon indexes, answered by the system and the
// shell of the running installation.
#include <gtest/gtest.h>
#include <string>
#include "NelPath.h"
#include "SupportTestUtil.h"
#include "TestFiles.h"

using namespace SupportTest;

namespace {

std::wstring FromQuery(UINT (WINAPI* query)(LPWSTR, UINT))
{
    wchar_t buffer[MAX_PATH + 1] = {};
    query(buffer, MAX_PATH);
    return buffer;
}

TEST(SpecialFolder, WindowsSystemAndShellFolders)
{
    CNelStrW out;
    ASSERT_TRUE(NelGetSpecialFolder(out, 0x24));
    EXPECT_EQ(FromQuery(GetWindowsDirectoryW), Text(out));
    ASSERT_TRUE(NelGetSpecialFolder(out, 0x25));
    EXPECT_EQ(FromQuery(GetSystemDirectoryW), Text(out));
    const int shellFolders[] = { 0x26 /* Program Files */, 0x1A /* Application Data */ };
    for (int csidl : shellFolders) {
        SCOPED_TRACE("CSIDL " + std::to_string(csidl));
        CNelStrW folder;
        ASSERT_TRUE(NelGetSpecialFolder(folder, csidl));
        EXPECT_TRUE(NelIsDirectory(folder.t())) << Narrow(Text(folder));
    }
}

TEST(SpecialFolder, VirtualAndUnknownFoldersFailAndLeaveTheOutput)
{
    const int csidls[] = { 0x11 /* My Computer */, 0x03 /* Control Panel */, 0x7F };
    for (int csidl : csidls) {
        SCOPED_TRACE("CSIDL " + std::to_string(csidl));
        CNelStrW out(L"untouched");
        EXPECT_FALSE(NelGetSpecialFolder(out, csidl));
        EXPECT_EQ(std::wstring(L"untouched"), Text(out));
    }
}

TEST(SysIconIndex, ChosenByNameForFilesAndByTheFolderItself)
{
    NelTest::TempDir dir;
    int text = NelGetSysIconIndex((dir / L"not yet installed.txt").c_str());
    EXPECT_GE(text, 0);
    EXPECT_EQ(text, NelGetSysIconIndex(L"Z:\\no\\such\\folder\\other.TXT"));
    int folder = NelGetSysIconIndex(dir.Path().c_str());
    EXPECT_GE(folder, 0);
    EXPECT_NE(text, folder);
    EXPECT_EQ(-1, NelGetSysIconIndex(nullptr));
}

} // namespace
