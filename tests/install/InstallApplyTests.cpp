// After the schemes: the completion prompt, applying one design as the
// current pointer set, and the choices saved for the next run.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

const wchar_t kDoneCaption[] = L"インストール完了";
const wchar_t kDoneQuestion[] =
    L"インストールできました！ 今すぐカーソルを変更しますか？\n"
    L"(コントロール パネル - マウスのポインタ タブからいつでも変更できます)";

// The role files of the standard info's designs, in role order.
const wchar_t* const kRoles[2][15] = {
    {L"arrow.cur", nullptr, nullptr, L"busy.ani", nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr, L"hand.cur"},
    {L"busy.ani", L"hand.cur", L"busy.ani", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, nullptr, L"arrow.cur", nullptr}};

class InstallApply : public InstallFixture {
protected:
    // Marks the current pointer set so that a change shows.
    void MarkCurrentSet()
    {
        for (const wchar_t* role : kRoleValueNames)
            WriteRegStr(HKEY_CURRENT_USER, kUserCursors, role, L"marker", REG_EXPAND_SZ);
        WriteRegStr(HKEY_CURRENT_USER, kUserCursors, L"", L"marker");
    }

    void ExpectCurrentSetUnchanged()
    {
        for (const wchar_t* role : kRoleValueNames)
            EXPECT_EQ(L"marker", ReadReg(HKEY_CURRENT_USER, kUserCursors, role).Str()) << role;
        EXPECT_EQ(L"marker", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
    }

    // The fifteen role values of design (1 or 2) under folder, the scheme
    // name and "Scheme Source" 1.
    void ExpectApplied(int design, const std::wstring& name)
    {
        for (int i = 0; i < 15; ++i) {
            RegValue v = ReadReg(HKEY_CURRENT_USER, kUserCursors, kRoleValueNames[i]);
            const wchar_t* file = kRoles[design - 1][i];
            EXPECT_TRUE(v.present) << kRoleValueNames[i];
            EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), v.type) << kRoleValueNames[i];
            EXPECT_EQ(file ? Dest() + L"\\" + file : L"", v.Str()) << kRoleValueNames[i];
        }
        RegValue current = ReadReg(HKEY_CURRENT_USER, kUserCursors, L"");
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), current.type);
        EXPECT_EQ(name, current.Str());
        RegValue source = ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Scheme Source");
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), source.type);
        EXPECT_EQ(1u, source.Dword());
    }
};

// "No" in any case, with spaces around, skips the prompt: the dialog
// closes at once, the schemes are registered and no cursor changes.
TEST_F(InstallApply, EndDlgUseNoClosesWithoutQuestion)
{
    for (const wchar_t* use : {L"No", L"  nO "}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(use)));
        MarkCurrentSet();
        InfoFile info = StandardInfo();
        info.Set(L"EndDlg", L"Use", use);
        Prepare(info);
        Dialog dlg;
        Start(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
        PressOKAndExpectSilentEnd(dlg);
        EXPECT_TRUE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present);
        ExpectCurrentSetUnchanged();
    }
}

// Without [EndDlg] (or with a Use other than No) the default prompt asks;
// No closes the dialog and leaves the current set alone.
TEST_F(InstallApply, DefaultPromptAnsweredNoChangesNoCursor)
{
    for (const wchar_t* use : {L"", L"Yes", L"None"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(use)));
        MarkCurrentSet();
        InfoFile info = StandardInfo();
        info.Set(L"EndDlg", L"Use", use);
        Prepare(info);
        Dialog dlg;
        Start(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
        dlg.PressOK();
        ExpectBox(kDoneQuestion, kDoneCaption, IDNO, IDI_QUESTION);
        EXPECT_TRUE(WaitEnd()) << "the dialog did not close after No";
        EXPECT_TRUE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present);
        ExpectCurrentSetUnchanged();
    }
}

TEST_F(InstallApply, PromptTextsFromEndDlgAreMacroExpandedWithLineBreaks)
{
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use")
        .Set(L"EndDlg", L"DlgTitle", L"%ProductName% %Mark%")
        .Set(L"EndDlg", L"Mes", L"%CurName% ok\\nApply %Version%?")
        .Set(L"CurInfo", L"Version", L"203")
        .Set(L"Strings", L"Mark", L"done");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    dlg.PressOK();
    ExpectBox(L"NelSet ok\nApply 2.03?", L"NelProduct done", IDNO, IDI_QUESTION);
    EXPECT_TRUE(WaitEnd());
}

// Yes applies design 1 when only one row is in use, else design 1 for
// ChangeDN 1 and design 2 for any other value (default 2).
TEST_F(InstallApply, ChangeDNChoosesTheAppliedDesign)
{
    const struct {
        bool twoRows;
        const wchar_t* changeDN;  // nullptr: key absent
        int design;
    } cases[] = {
        {true, L"1", 1},  {true, L"2", 2},     {true, L"7", 2}, {true, nullptr, 2},
        {true, L"", 2},   {false, nullptr, 1}, {false, L"2", 1}, {false, L"7", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.twoRows ? "two rows, ChangeDN " : "one row, ChangeDN ") +
                     (c.changeDN ? testing::PrintToString(std::wstring(c.changeDN)) : "absent"));
        InfoFile info = StandardInfo();
        info.Remove(L"EndDlg", L"Use");
        if (c.changeDN)
            info.Set(L"EndDlg", L"ChangeDN", c.changeDN);
        if (!c.twoRows)
            info.Remove(L"MainDlg", L"DN2CurName");
        Prepare(info);
        Dialog dlg;
        Start(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring names[2] = {dlg.Text(IDC_DESIGN_NAME1), dlg.Text(IDC_DESIGN_NAME2)};
        dlg.PressOK();
        ExpectBox(kDoneQuestion, kDoneCaption, IDYES, IDI_QUESTION);
        EXPECT_TRUE(WaitEnd());
        ExpectApplied(c.design, names[c.design - 1]);
    }
}

// SaveInstallData=Yes writes the four choices to the author's registry
// paths (macros expanded); the next run shows them.
TEST_F(InstallApply, SavedChoicesComeBackOnTheNextRun)
{
    const std::wstring key = L"Software\\NelTestInstall\\" + Unique(L"");
    struct Cleanup {
        std::wstring key;
        ~Cleanup() { DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\NelTestInstall"); }
    } cleanup{key};
    const std::wstring path = L"HKEY_CURRENT_USER\\" + key + L"\\%CurName%\\";
    InfoFile info = StandardInfo();
    info.Set(L"MainDlg", L"SaveInstallData", L"yES")
        .Set(L"MainDlg", L"InstallFolderKey", path + L"Folder")
        .Set(L"MainDlg", L"DesignName1Key", path + L"Name1")
        .Set(L"MainDlg", L"DesignName2Key", path + L"Name2")
        .Set(L"MainDlg", L"LocationKey", path + L"AllUsers");
    Prepare(info);
    const std::wstring name1 = Unique(L" Saved1"), name2 = Unique(L" Saved2");
    {
        Dialog dlg;
        Start(dlg);
        ASSERT_NE(nullptr, dlg.hwnd);
        dlg.SetText(IDC_INSTALL_FOLDER, L"\"" + Dest() + L"\\\"");
        dlg.SetText(IDC_DESIGN_NAME1, name1);
        dlg.SetText(IDC_DESIGN_NAME2, name2);
        dlg.SetCheck(true);
        PressOKAndExpectSilentEnd(dlg);
    }
    const std::wstring saved = key + L"\\NelSet";
    RegValue folder = ReadReg(HKEY_CURRENT_USER, saved, L"Folder");
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), folder.type);
    EXPECT_EQ(Dest(), folder.Str());
    EXPECT_EQ(name1, ReadReg(HKEY_CURRENT_USER, saved, L"Name1").Str());
    EXPECT_EQ(name2, ReadReg(HKEY_CURRENT_USER, saved, L"Name2").Str());
    RegValue location = ReadReg(HKEY_CURRENT_USER, saved, L"AllUsers");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), location.type);
    EXPECT_EQ(1u, location.Dword());
    {
        Dialog dlg;
        Start(dlg);
        ASSERT_NE(nullptr, dlg.hwnd);
        EXPECT_EQ(Dest(), dlg.Text(IDC_INSTALL_FOLDER));
        EXPECT_EQ(name1, dlg.Text(IDC_DESIGN_NAME1));
        EXPECT_EQ(name2, dlg.Text(IDC_DESIGN_NAME2));
        EXPECT_TRUE(dlg.Checked());
        dlg.Cancel();
        EXPECT_TRUE(WaitEnd());
    }
    // A saved 0 unchecks the box even when the file asks for all users.
    DWORD zero = 0;
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, saved.c_str(), 0, KEY_SET_VALUE, &h));
    RegSetValueExW(h, L"AllUsers", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegCloseKey(h);
    info.Set(L"MainDlg", L"Location", L"all");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    EXPECT_FALSE(dlg.Checked());
    dlg.Cancel();
    EXPECT_TRUE(WaitEnd());
}

// With the check box hidden and one row, only the folder and name 1 are
// saved, and a check sent to the hidden box does not count.
TEST_F(InstallApply, HiddenCheckBoxAndUnusedRowAreNeitherSavedNorCounted)
{
    const std::wstring key = L"Software\\NelTestInstall\\" + Unique(L" hidden");
    struct Cleanup {
        ~Cleanup() { DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\NelTestInstall"); }
    } cleanup;
    const std::wstring path = L"HKEY_CURRENT_USER\\" + key + L"\\";
    InfoFile info = StandardInfo();
    info.Remove(L"MainDlg", L"DN2CurName")
        .Set(L"MainDlg", L"HideLocation", L"YES")
        .Set(L"MainDlg", L"Location", L"All")
        .Set(L"MainDlg", L"SaveInstallData", L"Yes")
        .Set(L"MainDlg", L"InstallFolderKey", path + L"Folder")
        .Set(L"MainDlg", L"DesignName1Key", path + L"Name1")
        .Set(L"MainDlg", L"DesignName2Key", path + L"Name2")
        .Set(L"MainDlg", L"LocationKey", path + L"AllUsers");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_ALL_USERS)));
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    dlg.SetCheck(true);
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ(Dest(), ReadReg(HKEY_CURRENT_USER, key, L"Folder").Str());
    EXPECT_EQ(name1, ReadReg(HKEY_CURRENT_USER, key, L"Name1").Str());
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, key, L"Name2").present);
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, key, L"AllUsers").present);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ),
              ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).type);
    EXPECT_FALSE(ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name1).present);
}

// Without SaveInstallData=Yes nothing is written to the author's paths.
TEST_F(InstallApply, ChoicesAreNotSavedUnlessAsked)
{
    const std::wstring key = L"Software\\NelTestInstall\\" + Unique(L" unsaved");
    struct Cleanup {
        ~Cleanup() { DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\NelTestInstall"); }
    } cleanup;
    const std::wstring path = L"HKEY_CURRENT_USER\\" + key + L"\\";
    InfoFile info = StandardInfo();
    info.Set(L"MainDlg", L"SaveInstallData", L"Yes please")
        .Set(L"MainDlg", L"InstallFolderKey", path + L"Folder")
        .Set(L"MainDlg", L"DesignName1Key", path + L"Name1")
        .Set(L"MainDlg", L"LocationKey", path + L"AllUsers");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
}

} // namespace
