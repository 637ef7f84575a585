// The install-info file as the running installer reads it: macro expansion
// seen in the dialog's texts and in where the files land, the file-format
// version question, the required keys and the mutex name.
#include <shlobj.h>
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

std::wstring Folder(int csidl)
{
    wchar_t buf[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, buf);
    return buf;
}

std::wstring VersionQuestion(const std::wstring& version)
{
    return L"設定ファイルのバージョン (" + version +
           L") がこのぽるてくで処理できるものより高いです。\n"
           L"このままでは正しくインストール処理できないかもしれませんが、続けますか？";
}

class InstallInfoFile : public InstallFixture {
protected:
    // Runs the installer and returns the caption, the two names and the
    // folder its dialog shows, then cancels it.
    std::vector<std::wstring> ShownTexts(const InfoFile& info)
    {
        Prepare(info);
        Dialog dlg;
        Start(dlg);
        if (!dlg.hwnd)
            return {};
        std::vector<std::wstring> texts = {
            NelTest::WindowText(dlg.hwnd), dlg.Text(IDC_DESIGN_NAME1),
            dlg.Text(IDC_DESIGN_NAME2), dlg.Text(IDC_INSTALL_FOLDER)};
        dlg.Cancel();
        EXPECT_TRUE(WaitEnd());
        return texts;
    }
};

TEST_F(InstallInfoFile, MacrosExpandInCaptionNamesAndDefaultFolder)
{
    const std::wstring windows = Folder(CSIDL_WINDOWS);
    const struct {
        const char* label;
        std::vector<std::pair<std::wstring, std::wstring>> curInfo;  // [CurInfo] keys
        std::wstring title, name1, name2, folder;                      // as written
        std::vector<std::wstring> expected;  // caption, name 1, name 2, folder
    } cases[] = {
        {"product, version, unknown and short names, lone percent",
         {{L"CurName", L"Bar"}, {L"ProductName", L"Foo"}, {L"Version", L"120"}},
         L"%ProductName% %Version%",
         L"%Unknown% %ab% %% Save 50% now",
         L"%Mark%|%x%%Mark%|%CompanyName%",
         L"",
         {L"Foo 1.20", L"%Unknown% %ab% %% Save 50% now", L"%Other%|%x%%Other%|%CompanyName%",
          windows + L"\\Cursors\\Bar"}},
        {"user macros inside [CurInfo] values, folders, padded versions",
         {{L"CurName", L"%Brand%Cur"}, {L"ProductName", L"P"}, {L"Version", L"5"},
          {L"CompanyName", L"Co"}},
         L"%CurName% %Version% %CompanyName%",
         L"%SystemFolder%|%ProgramFilesFolder%",
         L"%WindowsFolder%%Brand%",
         L"%WindowsFolder%\\Cursors\\%CurName%",
         {L"AcmeCur 0.05 Co", Folder(CSIDL_SYSTEM) + L"|" + Folder(CSIDL_PROGRAM_FILES),
          windows + L"Acme", windows + L"\\Cursors\\AcmeCur"}},
        {"version missing",
         {{L"CurName", L"C"}, {L"ProductName", L"P"}},
         L"v%Version%", L"%Version%%Version%", L"x%Version%", L"",
         {L"v0.00", L"0.000.00", L"x0.00", windows + L"\\Cursors\\C"}},
        {"version of four digits",
         {{L"CurName", L"C"}, {L"ProductName", L"P"}, {L"Version", L"1000"}},
         L"%Version%", L"One", L"Two", L"",
         {L"10.00", L"One", L"Two", windows + L"\\Cursors\\C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        InfoFile info = StandardInfo();
        info.Remove(L"CurInfo", L"CurName").Remove(L"CurInfo", L"ProductName");
        for (const auto& kv : c.curInfo)
            info.Set(L"CurInfo", kv.first, kv.second);
        info.Set(L"MainDlg", L"DlgTitle", c.title)
            .Set(L"MainDlg", L"DN1CurName", c.name1)
            .Set(L"MainDlg", L"DN2CurName", c.name2)
            .Set(L"MainDlg", L"DefInstallFolder", c.folder)
            .Set(L"Strings", L"Mark", L"%Other%")
            .Set(L"Strings", L"Other", L"X")
            .Set(L"Strings", L"Brand", L"Acme")
            .Set(L"Strings", L"ab", L"AB");
        EXPECT_EQ(c.expected, ShownTexts(info));
    }
}

// The expanded default folder is where the files land.
TEST_F(InstallInfoFile, FilesLandInTheExpandedDefaultFolder)
{
    InfoFile info = StandardInfo();
    info.Set(L"CurInfo", L"Version", L"104")
        .Set(L"MainDlg", L"DefInstallFolder", Root() + L"\\%CurName%_%Version%_%Tail%")
        .Set(L"Strings", L"Tail", L"end");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring folder = Root() + L"\\NelSet_1.04_end";
    EXPECT_EQ(folder, dlg.Text(IDC_INSTALL_FOLDER));
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani", L"hand.cur"}), DestFiles(folder));
}

// Versions up to 100 pass silently; above, the user is asked, and any
// answer but Yes ends the installer before its dialog is shown.
TEST_F(InstallInfoFile, FileVersionAbove100AsksAndNoEndsTheInstaller)
{
    const struct {
        const wchar_t* value;  // nullptr: key absent
        const wchar_t* shown;  // version in the question; nullptr: no question
        int answer;
    } cases[] = {
        {L"100", nullptr, 0}, {nullptr, nullptr, 0}, {L"", nullptr, 0},
        {L"101", L"1.01", IDNO}, {L"101", L"1.01", IDYES}, {L"250", L"2.50", IDYES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.value ? c.value : L"<absent>")) +
                     (c.answer == IDNO ? " answered No" : ""));
        InfoFile info = StandardInfo();
        if (c.value)
            info.Set(L"NelvoInfo", L"NelCMIFileVer", c.value);
        Prepare(info);
        Launch();
        if (c.shown) {
            ExpectBox(VersionQuestion(c.shown), kErrorCaption, c.answer, IDI_QUESTION);
            EXPECT_TRUE(NelTest::TopWindows(m_proc->Pid(), L"Orvandel_TaviCurMiniInst").empty())
                << "the dialog was shown before the answer";
        }
        if (c.answer == IDNO) {
            std::wstring box;
            EXPECT_TRUE(WaitEndWithoutBox(box)) << testing::PrintToString(box);
            continue;
        }
        HWND dlg = NelTest::WaitForWindow(m_proc->Pid(), L"Orvandel_TaviCurMiniInst", 20000);
        ASSERT_NE(nullptr, dlg) << "the dialog did not open";
        EXPECT_TRUE(NelTest::TopWindows(m_proc->Pid(), L"#32770").empty()) << "unexpected box";
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitEnd());
    }
}

// The first missing required key, checked on the raw values, ends the
// installer with its message.
TEST_F(InstallInfoFile, MissingRequiredKeyEndsWithItsMessage)
{
    const wchar_t* const noCur = L"必須データ [カーソル名] が設定されていません。";
    const wchar_t* const noDN1 = L"必須データ [ノーマル カーソル登録名] が指定されていません。";
    const wchar_t* const noProduct = L"必須データ [ProductName=] が指定されていません。";
    const struct {
        std::vector<std::pair<std::wstring, std::wstring>> emptied;  // keys given with an empty value
        const wchar_t* message;
    } cases[] = {
        {{{L"CurInfo", L"CurName"}}, noCur},
        {{{L"MainDlg", L"DN1CurName"}}, noDN1},
        {{{L"CurInfo", L"ProductName"}}, noProduct},
        {{{L"CurInfo", L"ProductName"}, {L"MainDlg", L"DN1CurName"}, {L"CurInfo", L"CurName"}}, noCur},
        {{{L"CurInfo", L"ProductName"}, {L"MainDlg", L"DN1CurName"}}, noDN1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.message)));
        InfoFile info = StandardInfo();
        for (const auto& k : c.emptied)
            info.Set(k.first, k.second, L"");
        Prepare(info);
        Launch();
        ExpectBox(c.message, kErrorCaption);
        std::wstring box;
        EXPECT_TRUE(WaitEndWithoutBox(box)) << testing::PrintToString(box);
    }
}

// MutexName is macro-expanded: %ProductName%_setup with Foo is Foo_setup,
// held while the dialog is open and gone with the process.
TEST_F(InstallInfoFile, MutexNameIsMacroExpanded)
{
    HANDLE before = OpenMutexW(SYNCHRONIZE, FALSE, L"Foo_setup");
    ASSERT_EQ(nullptr, before) << "Foo_setup exists before the run";
    InfoFile info = StandardInfo();
    info.Set(L"CurInfo", L"ProductName", L"Foo").Set(L"CurInfo", L"MutexName", L"%ProductName%_setup");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Foo_setup");
    EXPECT_NE(nullptr, mutex) << "error " << GetLastError();
    HANDLE raw = OpenMutexW(SYNCHRONIZE, FALSE, L"%ProductName%_setup");
    EXPECT_EQ(nullptr, raw);
    if (mutex)
        CloseHandle(mutex);
    if (raw)
        CloseHandle(raw);
    dlg.Cancel();
    ASSERT_TRUE(WaitEnd());
    HANDLE after = OpenMutexW(SYNCHRONIZE, FALSE, L"Foo_setup");
    EXPECT_EQ(nullptr, after);
    if (after)
        CloseHandle(after);
}

} // namespace
