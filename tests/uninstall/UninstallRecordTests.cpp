// What an installation prepares for its removal: the record's values as
// Windows and the removal read them, only for packages that ask for it, a
// reinstallation replacing it, and a message when it cannot be made. And
// the two rules the removal decides by: the command line, and whether a
// scheme is still the set's.
#include <windows.h>
#include "Uninstall.h"
#include "UninstallHarness.h"
#include "UninstallRemoval.h"
#include "resource.h"

using namespace UninstallTest;

namespace {

class UninstallRecordFixture : public UninstallFixture {
protected:
    ~UninstallRecordFixture() override { DeleteKeyTree(HKEY_CURRENT_USER, ChoicesKey()); }
    std::wstring ChoicesKey() const { return L"Software\\" + SetName(); }
    std::wstring Choice(const wchar_t* name) const { return L"HKEY_CURRENT_USER\\" + ChoicesKey() + L"\\" + name; }

    ULONGLONG Size(const std::wstring& path) const
    {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
        return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
};

struct Expected {
    const wchar_t* name;
    DWORD type;
    std::wstring text;
    DWORD number;
};

TEST_F(UninstallRecordFixture, HoldsWhatWindowsAndTheRemovalReadAndIsReplacedByAReinstallation)
{
    BeginCase(L"");
    UseLibrary(true);
    InfoFile info = UninstallInfo(true);
    info.Set(L"Uninstall", L"Use", L"yES")
        .Set(L"CurInfo", L"Version", L"120")
        .Set(L"CurInfo", L"CompanyName", L"Nel Works")
        .Set(L"MainDlg", L"SaveInstallData", L"Yes")
        .Set(L"MainDlg", L"InstallFolderKey", Choice(L"Folder"))
        .Set(L"MainDlg", L"DesignName1Key", Choice(L"Name1"))
        .Set(L"MainDlg", L"DesignName2Key", Choice(L"Name2"))
        .Set(L"MainDlg", L"LocationKey", Choice(L"Location"));
    Prepare(info);
    Install(true, false);

    const std::wstring program = Dest() + L"\\Uninstall.exe";
    const std::wstring command = L"\"" + program + L"\" /uninstall";
    ULONGLONG bytes = Size(Pkg() + L"\\set.exe") + Size(Pkg() + L"\\NelWnd.dll") + Size(Pkg() + L"\\set.nelcmi");
    for (const wchar_t* file : {L"arrow.cur", L"busy.ani", L"hand.cur"})
        bytes += Size(Pkg() + L"\\" + file);
    const Expected expected[] = {
        {L"DisplayName", REG_SZ, L"NelProduct", 0},
        {L"DisplayVersion", REG_SZ, L"1.20", 0},
        {L"Publisher", REG_SZ, L"Nel Works", 0},
        {L"DisplayIcon", REG_SZ, program, 0},
        {L"InstallLocation", REG_SZ, Dest(), 0},
        {L"UninstallString", REG_SZ, command, 0},
        {L"QuietUninstallString", REG_SZ, command + L" /quiet", 0},
        {L"NoModify", REG_DWORD, L"", 1},
        {L"NoRepair", REG_DWORD, L"", 1},
        {L"EstimatedSize", REG_DWORD, L"", static_cast<DWORD>((bytes + 1023) / 1024)},
        {L"SchemeKey", REG_SZ, std::wstring(L"HKEY_LOCAL_MACHINE\\") + kMachineSchemes, 0},
        {L"Scheme1", REG_SZ, m_name1, 0},
        {L"Scheme2", REG_SZ, m_name2, 0},
        {L"SavedChoice1", REG_SZ, Choice(L"Folder"), 0},
        {L"SavedChoice2", REG_SZ, Choice(L"Name1"), 0},
        {L"SavedChoice3", REG_SZ, Choice(L"Name2"), 0},
        {L"SavedChoice4", REG_SZ, Choice(L"Location"), 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(e.name)));
        RegValue v = ReadReg(HKEY_LOCAL_MACHINE, RecordKey(), e.name);
        EXPECT_EQ(e.type, v.type);
        if (e.type == REG_DWORD)
            EXPECT_EQ(e.number, v.Dword());
        else
            EXPECT_EQ(e.text, v.Str());
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, RecordKey()));
    for (const wchar_t* copy : {L"set.exe|Uninstall.exe", L"set.nelcmi|Uninstall.nelcmi", L"NelWnd.dll|NelWnd.dll"}) {
        const std::wstring pair = copy;
        const size_t bar = pair.find(L'|');
        EXPECT_EQ(ReadFileBytes(Pkg() + L"\\" + pair.substr(0, bar)), ReadFileBytes(Dest() + L"\\" + pair.substr(bar + 1)))
            << testing::PrintToString(pair);
    }

    // The same set again, for the user and with one design: one record,
    // the user's, without the second scheme.
    info.Remove(L"MainDlg", L"DN2CurName");
    Prepare(info);
    Install(false, false);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, RecordKey())) << "listed twice";
    EXPECT_EQ(m_name1, ReadReg(HKEY_CURRENT_USER, RecordKey(), L"Scheme1").Str());
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, RecordKey(), L"Scheme2").present);
    EXPECT_EQ(std::wstring(L"HKEY_CURRENT_USER\\") + kUserSchemes,
              ReadReg(HKEY_CURRENT_USER, RecordKey(), L"SchemeKey").Str());
}

// Only "Yes", in any case, prepares the removal; otherwise the folder
// holds the listed files alone, no record is written, and "/uninstall"
// shows the dialog as any other command line does.
TEST_F(UninstallRecordFixture, OnlyUseYesPreparesTheRemoval)
{
    const std::pair<const wchar_t*, bool> cases[] = {{L"No", false}, {nullptr, false}, {L"YES", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.first ? c.first : L"<absent>")));
        BeginCase(L" " + std::to_wstring(&c - cases));
        UseLibrary(false);
        InfoFile info = UninstallInfo(false);
        if (c.first)
            info.Set(L"Uninstall", L"Use", c.first);
        else
            info.Remove(L"Uninstall", L"Use");
        Prepare(info);
        Install(false, false);
        std::vector<std::wstring> files = {L"arrow.cur", L"busy.ani", L"hand.cur"};
        if (c.second)
            files = {L"Uninstall.exe", L"Uninstall.nelcmi", L"arrow.cur", L"busy.ani", L"hand.cur"};
        EXPECT_EQ(files, DestFiles(Dest()));
        EXPECT_EQ(c.second, KeyExists(HKEY_CURRENT_USER, RecordKey()));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, RecordKey()));
        if (!c.second) {
            Dialog dlg;
            Start(dlg, L"/uninstall /quiet");
            ASSERT_NE(nullptr, dlg.hwnd) << "no dialog for /uninstall without [Uninstall] Use=Yes";
            dlg.Cancel();
            EXPECT_TRUE(WaitEnd());
            EXPECT_EQ(files, DestFiles(Dest()));
        }
        DeleteKeyTree(HKEY_CURRENT_USER, RecordKey());
        NelTest::RemoveTree(Dest());
    }
}

// The copies cannot be placed (a folder stands where Uninstall.exe goes):
// the set is installed all the same, a message says it cannot be removed
// automatically, and no record points at a missing uninstaller.
TEST_F(UninstallRecordFixture, FailureToPrepareTheRemovalOnlyWarns)
{
    BeginCase(L"");
    UseLibrary(false);
    Prepare(UninstallInfo(false));
    ASSERT_TRUE(CreateDirectoryW(Dest().c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((Dest() + L"\\Uninstall.exe").c_str(), nullptr));
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    dlg.PressOK();
    ExpectBox(L"NelProduct はインストールできましたが、\nアンインストール情報を登録できませんでした。\n"
              L"このカーソル セットは、自動では削除できません。",
              kCaption, IDOK, IDI_WARNING);
    Box question = WaitBox();
    ASSERT_NE(nullptr, question.hwnd) << "no completion question after the warning";
    EXPECT_EQ(L"インストール完了", question.caption);
    Answer(question, IDNO);
    EXPECT_TRUE(WaitEnd());
    EXPECT_TRUE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, RecordKey()));
}

TEST(UninstallCommandLine, OnlyUninstallAloneOrWithQuietAsksForRemoval)
{
    const struct {
        const wchar_t* line;
        bool requested, quiet;
    } cases[] = {
        {L"x.exe /uninstall", true, false},
        {L"x.exe /UNINSTALL", true, false},
        {L"\"C:\\a b\\Uninstall.exe\" /uninstall /quiet", true, true},
        {L"x.exe /Quiet /Uninstall", true, true},
        {L"x.exe", false, false},
        {L"x.exe /quiet", false, false},
        {L"x.exe /uninstall /q", false, false},
        {L"x.exe /uninstallx", false, false},
        {L"x.exe /uninstall /quiet /quiet", false, false},
        {L"x.exe \"/uninstall /quiet\"", false, false},
        {L"x.exe /NelElevatedUninstall 12", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.line)));
        const UninstallCommand command = ParseUninstallCommandLine(c.line);
        EXPECT_EQ(c.requested, command.requested);
        EXPECT_EQ(c.quiet, command.quiet);
    }
}

// A scheme is the set's while it names files, all inside the folder:
// "%SYSTEMROOT%" as the installer writes it, any letter case.
TEST(UninstallSchemeRule, SchemeIsTheSetsOnlyWhileEveryFileIsInTheFolder)
{
    wchar_t windows[MAX_PATH + 1] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring underWindows = std::wstring(windows) + L"\\Cursors\\Set";
    const struct {
        const wchar_t* scheme;
        std::wstring folder;
        bool ours;
    } cases[] = {
        {L"C:\\Set\\a.cur,,C:\\Set\\sub\\b.ani", L"C:\\Set", true},
        {L"c:\\set\\A.CUR", L"C:\\Set", true},
        {L"%SYSTEMROOT%\\Cursors\\Set\\a.cur,%SYSTEMROOT%\\Cursors\\Set\\b.ani", underWindows, true},
        {L"C:\\Set2\\a.cur", L"C:\\Set", false},
        {L"C:\\Set\\a.cur,C:\\Other\\b.cur", L"C:\\Set", false},
        {L"C:\\Set", L"C:\\Set", false},
        {L",,,", L"C:\\Set", false},
        {L"", L"C:\\Set", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.scheme)) + " in " + testing::PrintToString(c.folder));
        EXPECT_EQ(c.ours, SchemeIsInFolder(c.scheme, c.folder.c_str()));
    }
}

} // namespace
