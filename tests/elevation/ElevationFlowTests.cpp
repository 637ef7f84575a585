// The installer run by a user who may not write to the Windows folder's
// Cursors folder, as a program without administrator permission on
// Windows: OK asks for permission, and every answer ends clearly with
// nothing half-registered. Run by run-unprivileged.sh, which gives the
// program a user whom file permissions bind.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

const wchar_t kQuestionCaption[] = L"管理者の許可";
const wchar_t kFailed[] =
    L"管理者の権限でもインストールできませんでした。処理を中止します。\n"
    L"(コントロール パネルに登録は行われません)\nほかのフォルダを指定してください。";

std::wstring Question(const std::wstring& folder)
{
    return L"インストールを続けるには、管理者の許可が必要です。\nインストール先: " + folder +
           L"\n管理者の許可を得て続けますか？\n(「いいえ」の場合は、ご自分で書き込みできるフォルダを指定してください)";
}

std::wstring WindowsCursors()
{
    wchar_t buf[MAX_PATH] = {};
    GetWindowsDirectoryW(buf, MAX_PATH);
    return std::wstring(buf) + L"\\Cursors";
}

bool CanCreateIn(const std::wstring& folder)
{
    const std::wstring probe = folder + L"\\probe";
    if (!CreateDirectoryW(probe.c_str(), nullptr))
        return false;
    RemoveDirectoryW(probe.c_str());
    return true;
}

std::wstring UnixPath(const std::wstring& path)
{
    typedef char*(CDECL * UnixNameFn)(LPCWSTR);
    UnixNameFn unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(path.c_str()) : nullptr;
    std::wstring result = name ? std::wstring(name, name + strlen(name)) : L"";
    if (name)
        HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Sets the Unix permission bits of a folder (Wine maps them to what a
// program may do there) with the system's chmod. The Unix program may
// still run when its process handle signals, so it leaves a mark when done
// and the wait is for the mark.
void Chmod(const std::wstring& folder, const wchar_t* mode)
{
    NelTest::TempDir marks;
    const std::wstring done = marks / L"done";
    const std::wstring target = UnixPath(folder), mark = UnixPath(marks.Path()) + L"/done";
    ASSERT_FALSE(target.empty()) << "not running under Wine";
    NelTest::ChildProcess shell;
    ASSERT_TRUE(shell.Start(L"Z:\\bin\\sh", L"-c \"chmod " + std::wstring(mode) + L" '" + target +
                                                 L"' && touch '" + mark + L"'\""));
    for (DWORD start = GetTickCount();
         GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 10000;)
        Sleep(20);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(done.c_str())) << "chmod " << mode << " did not finish";
}

class ElevationFlow : public InstallFixture {
protected:
    void SetUp() override
    {
        CreateDirectoryW(m_cursors.c_str(), nullptr);
        Chmod(m_cursors, L"555");
        if (CanCreateIn(m_cursors)) {
            // run-unprivileged.sh promises a user whom they bind.
            if (GetEnvironmentVariableW(L"NEL_UNPRIVILEGED", nullptr, 0))
                FAIL() << "file permissions do not bind this user";
            GTEST_SKIP() << "file permissions do not bind this user; run through run-unprivileged.sh";
        }
        InfoFile info = StandardInfo();
        info.Remove(L"EndDlg", L"Use").Set(L"MainDlg", L"DefInstallFolder", m_dest);
        Prepare(info);
        WriteRegStr(HKEY_CURRENT_USER, kUserCursors, L"", L"marker");
    }
    void TearDown() override
    {
        Chmod(m_cursors, L"755");
        if (GetFileAttributesW(m_dest.c_str()) != INVALID_FILE_ATTRIBUTES)
            Chmod(m_dest, L"755");
        NelTest::RemoveTree(m_dest);
    }

    // The folder exists but may not be written to: the copies are refused.
    void MakeReadOnlyDestination()
    {
        Chmod(m_cursors, L"755");
        ASSERT_TRUE(CreateDirectoryW(m_dest.c_str(), nullptr));
        Chmod(m_dest, L"555");
    }

    // The dialog with the all-users box checked, OK pressed, and the
    // question checked and left open.
    Box AskWithAllUsers(Dialog& dlg)
    {
        Start(dlg);
        if (!dlg.hwnd)
            return Box();
        m_name1 = dlg.Text(IDC_DESIGN_NAME1);
        m_name2 = dlg.Text(IDC_DESIGN_NAME2);
        dlg.SetCheck(true);
        dlg.PressOK();
        Box box = WaitBox();
        EXPECT_EQ(Question(m_dest), box.text);
        EXPECT_EQ(kQuestionCaption, box.caption);
        return box;
    }

    // The question asked as above, the permission given as it is answered
    // (as the elevated helper would have it), and the completion question
    // answered with answer.
    void InstallWithPermission(Dialog& dlg, int answer)
    {
        Box box = AskWithAllUsers(dlg);
        ASSERT_NE(nullptr, box.hwnd);
        Chmod(m_cursors, L"755");
        Answer(box, IDYES);
        Box done = WaitBox();
        ASSERT_NE(nullptr, done.hwnd) << "no completion prompt";
        EXPECT_EQ(L"インストール完了", done.caption);
        Answer(done, answer);
        ASSERT_TRUE(WaitEnd());
    }

    void ExpectNothingWritten(const Dialog& dlg)
    {
        EXPECT_TRUE(IsWindow(dlg.hwnd)) << "the dialog closed";
        EXPECT_EQ(dlg.Item(IDC_INSTALL_FOLDER), WaitFocus(dlg, dlg.Item(IDC_INSTALL_FOLDER)));
        EXPECT_EQ(std::vector<std::wstring>(), DestFiles(m_dest));
        for (const std::wstring& name : {m_name1, m_name2}) {
            EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name).present);
            EXPECT_FALSE(ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name).present);
        }
        EXPECT_EQ(L"marker", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
    }

    std::wstring m_cursors = WindowsCursors();
    std::wstring m_dest = m_cursors + L"\\" + Unique(L"");
    std::wstring m_name1, m_name2;
};

// The folder cannot be created, then (second round) it exists but cannot
// be copied into: both ask, and No leaves everything as it was.
TEST_F(ElevationFlow, NoLeavesTheDialogWithNothingWritten)
{
    for (bool folderExists : {false, true}) {
        SCOPED_TRACE(folderExists ? "copies refused" : "folder refused");
        if (folderExists)
            MakeReadOnlyDestination();
        Dialog dlg;
        Box box = AskWithAllUsers(dlg);
        ASSERT_NE(nullptr, box.hwnd);
        Answer(box, IDNO);
        ExpectNothingWritten(dlg);
        dlg.Cancel();
        EXPECT_TRUE(WaitEnd());
    }
}

// Yes, but the helper has no more permission than the first process.
TEST_F(ElevationFlow, HelperThatCannotWriteEitherEndsInAClearMessage)
{
    Dialog dlg;
    Box box = AskWithAllUsers(dlg);
    ASSERT_NE(nullptr, box.hwnd);
    Answer(box, IDYES);
    ExpectBox(kFailed, kErrorCaption, IDOK, IDI_ERROR);
    ExpectNothingWritten(dlg);
    dlg.Cancel();
    EXPECT_TRUE(WaitEnd());
}

// The permission is given as the question is answered (as the elevated
// helper would have it): the helper makes the folder, copies the files and
// writes the all-users schemes; the pointers, their source and the current
// name are the user's own, written by the first process.
TEST_F(ElevationFlow, PermissionGivenTheHelperInstallsAndTheUsersValuesStayTheUsers)
{
    Dialog dlg;
    ASSERT_NO_FATAL_FAILURE(InstallWithPermission(dlg, IDYES));

    EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani", L"hand.cur"}), DestFiles(m_dest));
    for (const std::wstring& name : {m_name1, m_name2}) {
        RegValue machine = ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name);
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), machine.type) << testing::PrintToString(name);
        EXPECT_EQ(15u, SplitFields(machine.Str()).size()) << testing::PrintToString(machine.Str());
        EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name).present);
    }
    EXPECT_EQ(m_dest + L"\\busy.ani", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Arrow").Str());
    EXPECT_EQ(2u, ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Scheme Source").Dword());
    EXPECT_EQ(m_name2, ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
}

// With [Uninstall], the helper places the uninstaller too and writes the
// machine's record. Removing the set from the folder the user may not
// write to asks for permission the same way: No leaves the files and the
// record and lists the files; with the permission given, a helper removes
// the files and the uninstaller's own copies, and the record goes.
TEST_F(ElevationFlow, UninstallAsksForPermissionToRemoveTheProtectedFolder)
{
    const std::wstring record = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaviCurMiniInst_" + Unique(L"");
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use")
        .Set(L"MainDlg", L"DefInstallFolder", m_dest)
        .Set(L"CurInfo", L"CurName", Unique(L""))
        .Set(L"Uninstall", L"Use", L"Yes");
    Prepare(info);
    Dialog dlg;
    ASSERT_NO_FATAL_FAILURE(InstallWithPermission(dlg, IDNO));
    const std::vector<std::wstring> installed = {L"Uninstall.exe", L"Uninstall.nelcmi", L"arrow.cur",
                                                 L"busy.ani", L"hand.cur"};
    EXPECT_EQ(installed, DestFiles(m_dest));
    const std::wstring command = ReadReg(HKEY_LOCAL_MACHINE, record, L"UninstallString").Str();
    ASSERT_EQ(L"\"" + m_dest + L"\\Uninstall.exe\" /uninstall", command);

    const std::wstring caption = L"NelProduct のアンインストール";
    for (bool permit : {false, true}) {
        SCOPED_TRACE(permit ? "permission given" : "permission refused");
        Chmod(m_dest, L"555");
        m_proc.reset(new NelTest::ChildProcess);
        ASSERT_TRUE(m_proc->Start(m_dest + L"\\Uninstall.exe", L"/uninstall"));
        ExpectBox(L"NelProduct をアンインストールします。\nカーソル ファイルと、コントロール パネルへの登録を削除します。\n"
                  L"よろしいですか？",
                  caption, IDYES, IDI_QUESTION);
        Box ask = WaitBox();
        ASSERT_NE(nullptr, ask.hwnd) << "no question for permission";
        EXPECT_EQ(kQuestionCaption, ask.caption);
        EXPECT_EQ(L"アンインストールを続けるには、管理者の許可が必要です。\n削除するフォルダ: " + m_dest +
                      L"\n管理者の許可を得て続けますか？\n(「いいえ」の場合は、削除できないファイルが残ります)",
                  ask.text);
        if (permit)
            Chmod(m_dest, L"755");
        Answer(ask, permit ? IDYES : IDNO);
        if (permit) {
            ExpectBox(L"NelProduct をアンインストールしました。", caption, IDOK, IDI_INFORMATION);
        } else {
            std::wstring left;
            for (const wchar_t* file : {L"arrow.cur", L"busy.ani", L"hand.cur"})
                left += m_dest + L"\\" + file + L"\n";
            ExpectBox(L"次のものを削除できなかったため、アンインストールを完了できませんでした。\n" + left +
                          L"使用中のファイルを閉じてから、もう一度アンインストールしてください。",
                      caption, IDOK, IDI_WARNING);
        }
        EXPECT_TRUE(WaitEnd());
        for (DWORD start = GetTickCount(); permit && GetFileAttributesW(m_dest.c_str()) != INVALID_FILE_ATTRIBUTES &&
                                           GetTickCount() - start < 20000;)
            Sleep(100);
        EXPECT_EQ(permit ? std::vector<std::wstring>() : installed, DestFiles(m_dest));
        EXPECT_EQ(permit, GetFileAttributesW(m_dest.c_str()) == INVALID_FILE_ATTRIBUTES) << "the folder";
        EXPECT_EQ(!permit, KeyExists(HKEY_LOCAL_MACHINE, record)) << "the record";
        EXPECT_FALSE(ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, m_name1).present);
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, record);
}

} // namespace
