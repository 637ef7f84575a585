// Choices saved by an earlier run come back from the registry paths the
// install-info file names; Default brings the author's folder back.
#include <gtest/gtest.h>
#include "DialogDriver.h"
#include "resource.h"

using namespace DlgTest;

namespace {

// Polls a control's text until it equals want or the time is up; returns
// the last text read.
std::wstring WaitText(const InstallerRun& run, int id, const std::wstring& want)
{
    DWORD start = GetTickCount();
    std::wstring text = run.Text(id);
    while (text != want && GetTickCount() - start < kWait) {
        Sleep(50);
        text = run.Text(id);
    }
    return text;
}

std::wstring SavedKeys()
{
    return L"InstallFolderKey=" + RegPath(L"Folder") + L"\r\n" +
           L"DesignName1Key=" + RegPath(L"Name1") + L"\r\n" +
           L"DesignName2Key=" + RegPath(L"Name2") + L"\r\n" +
           L"LocationKey=" + RegPath(L"Location") + L"\r\n";
}

} // namespace

TEST(MainDialogChoices, SavedFolderAndNamesAreRestoredAndDefaultBringsBackTheAuthorsFolder)
{
    DeleteTestRegKey();
    WriteRegString(L"Folder", L"D:\\Saved\\Folder");
    WriteRegString(L"Name1", L"Saved Normal");
    WriteRegString(L"Name2", L"Saved Animated");
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n"
                                   L"DefInstallFolder=C:\\Authors\\%CurName%\r\n" + SavedKeys())));
    EXPECT_EQ(L"D:\\Saved\\Folder", run.Text(IDC_INSTALL_FOLDER));
    EXPECT_EQ(L"Saved Normal", run.Text(IDC_DESIGN_NAME1));
    EXPECT_EQ(L"Saved Animated", run.Text(IDC_DESIGN_NAME2));

    PostMessageW(run.Dlg(), WM_COMMAND, MAKEWPARAM(IDC_DEFAULT_FOLDER, BN_CLICKED),
                 reinterpret_cast<LPARAM>(run.Item(IDC_DEFAULT_FOLDER)));
    EXPECT_EQ(L"C:\\Authors\\Test Set", WaitText(run, IDC_INSTALL_FOLDER, L"C:\\Authors\\Test Set"));
    DeleteTestRegKey();
}

TEST(MainDialogChoices, EmptySavedValuesFallBackToTheInstallInfoDefaults)
{
    DeleteTestRegKey();
    WriteRegString(L"Folder", L"");
    WriteRegString(L"Name1", L"");
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n"
                                   L"DefInstallFolder=C:\\Authors\\%CurName%\r\n" + SavedKeys())));
    EXPECT_EQ(L"C:\\Authors\\Test Set", run.Text(IDC_INSTALL_FOLDER));
    EXPECT_EQ(L"Test Normal", run.Text(IDC_DESIGN_NAME1));
    EXPECT_EQ(L"Test Animated", run.Text(IDC_DESIGN_NAME2)) << "no saved value at all";
    DeleteTestRegKey();
}

TEST(MainDialogChoices, SavedAllUsersChoiceOverridesLocationBothWays)
{
    DeleteTestRegKey();
    WriteRegDword(L"Location", 0);
    {
        InstallerRun run;
        ASSERT_TRUE(run.Start(InfoFile(L"Location=All\r\n" + SavedKeys())));
        EXPECT_EQ(BST_UNCHECKED, run.Check(IDC_ALL_USERS)) << "saved 0 beats Location=All";
    }
    WriteRegDword(L"Location", 1);
    {
        InstallerRun run;
        ASSERT_TRUE(run.Start(InfoFile(SavedKeys())));
        EXPECT_EQ(BST_CHECKED, run.Check(IDC_ALL_USERS)) << "saved 1 checks without Location";
    }
    DeleteTestRegKey();
    {
        InstallerRun run;
        ASSERT_TRUE(run.Start(InfoFile(L"Location=All\r\n" + SavedKeys())));
        EXPECT_EQ(BST_CHECKED, run.Check(IDC_ALL_USERS)) << "nothing saved: Location decides";
    }
}
