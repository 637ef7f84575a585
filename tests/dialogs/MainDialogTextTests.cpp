// The main dialog's texts: every control's text from the install-info
// file when the file gives one, else the template's, macros expanded.
#include <gtest/gtest.h>
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "resource.h"

using namespace DlgTest;

namespace {

// The Windows folder as the installer expands %WindowsFolder%.
std::wstring WindowsFolder()
{
    wchar_t buf[MAX_PATH] = {};
    GetWindowsDirectoryW(buf, MAX_PATH);
    return buf;
}

} // namespace

TEST(MainDialogTexts, WithoutTextKeysEveryControlShowsItsTemplateTextWithMacrosExpanded)
{
    DeleteTestRegKey();
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    const MainTexts t = TemplateTexts(L"Foo");
    TemplateDialog tmpl(IDD_MAIN);
    wchar_t caption[256] = {};
    GetWindowTextW(tmpl.Hwnd(), caption, 256);
    EXPECT_EQ(std::wstring(caption), NelTest::WindowText(run.Dlg()));
    EXPECT_EQ(t.message, run.Text(IDC_MESSAGE));
    EXPECT_EQ(t.folderLabel, run.Text(IDC_INSTALL_FOLDER_LABEL));
    EXPECT_EQ(t.browse, run.Text(IDC_BROWSE));
    EXPECT_EQ(t.def, run.Text(IDC_DEFAULT_FOLDER));
    EXPECT_EQ(t.label1, run.Text(IDC_DESIGN_NAME1_LABEL));
    EXPECT_EQ(t.label2, run.Text(IDC_DESIGN_NAME2_LABEL));
    EXPECT_EQ(t.allUsers, run.Text(IDC_ALL_USERS));
    EXPECT_EQ(t.ok, run.Text(IDOK));
    EXPECT_EQ(t.cancel, run.Text(IDCANCEL));
    EXPECT_EQ(tmpl.Text(IDC_DESIGN_GROUP), run.Text(IDC_DESIGN_GROUP));
    EXPECT_EQ(L"Test Normal", run.Text(IDC_DESIGN_NAME1));
    EXPECT_EQ(L"Test Animated", run.Text(IDC_DESIGN_NAME2));
    // String 2001 "%WindowsFolder%\Cursors\%CurName%".
    EXPECT_EQ(WindowsFolder() + L"\\Cursors\\Test Set", run.Text(IDC_INSTALL_FOLDER));
    EXPECT_EQ(BST_UNCHECKED, run.Check(IDC_ALL_USERS));
}

TEST(MainDialogTexts, TextKeysReplaceEveryCaptionAndAreMacroExpanded)
{
    DeleteTestRegKey();
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(
        L"DlgTitle=%ProductName% Setup\r\n"
        L"Mes=Install %ProductName% %Version%\\nSecond line\r\n"
        L"InstallFolderStc=Folder of %CurName%:\r\n"
        L"BrowseBtn=Look (&L)\r\n"
        L"DefBtn=Reset\r\n"
        L"DefInstallFolder=C:\\Sets\\%CurName%\r\n"
        L"DesignNameStc=Names of %ProductName%\r\n"
        L"DN1CurStc=First:\r\n"
        L"DN2CurName=%CurName% anim\r\n"
        L"DN2CurStc=Second:\r\n"
        L"LocationStc=Everyone\r\n"
        L"Location=all\r\n"
        L"OKBtn=Go\r\n"
        L"CancelBtn=Stop\r\n")));
    EXPECT_EQ(L"Foo Setup", NelTest::WindowText(run.Dlg()));
    EXPECT_EQ(L"Install Foo 1.50\nSecond line", run.Text(IDC_MESSAGE));
    EXPECT_EQ(L"Folder of Test Set:", run.Text(IDC_INSTALL_FOLDER_LABEL));
    EXPECT_EQ(L"Look (&L)", run.Text(IDC_BROWSE));
    EXPECT_EQ(L"Reset", run.Text(IDC_DEFAULT_FOLDER));
    EXPECT_EQ(L"C:\\Sets\\Test Set", run.Text(IDC_INSTALL_FOLDER));
    EXPECT_EQ(L"Names of Foo", run.Text(IDC_DESIGN_GROUP));
    EXPECT_EQ(L"First:", run.Text(IDC_DESIGN_NAME1_LABEL));
    EXPECT_EQ(L"Second:", run.Text(IDC_DESIGN_NAME2_LABEL));
    EXPECT_EQ(L"Test Set anim", run.Text(IDC_DESIGN_NAME2));
    EXPECT_EQ(L"Everyone", run.Text(IDC_ALL_USERS));
    EXPECT_EQ(BST_CHECKED, run.Check(IDC_ALL_USERS)) << "Location=all checks the box";
    EXPECT_EQ(L"Go", run.Text(IDOK));
    EXPECT_EQ(L"Stop", run.Text(IDCANCEL));
}
