// OK with input the installation refuses: the message, the control that
// has the focus afterwards, the dialog still open, and nothing created,
// copied or registered.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

const wchar_t kNoFolder[] = L"フォルダを指定してください。";
const wchar_t kCannotCreate[] = L"フォルダを作成できませんでした。";
const wchar_t kNoName[] = L"登録名を指定してください。";
const wchar_t kSameNames[] = L"登録名が同じです。どちらかを変更してください。";
const wchar_t kNoFiles[] =
    L"[InstallFiles] セクションにインストールするファイルが 1 つも指定されていません。";

std::wstring NotFound(const std::wstring& n, const std::wstring& name, const std::wstring& path)
{
    return L"File" + n + L"=" + name + L"\n" + path +
           L"\nインストール指定されているファイルが見つかりません。\nインストールを中止します。";
}

std::wstring InvalidName(const std::wstring& n, const std::wstring& name)
{
    return L"File" + n + L"=" + name +
           L"\nインストール指定されているファイル名に無効な文字が含まれています。"
           L"\nインストールを中止します。";
}

class InstallInput : public InstallFixture {
protected:
    // After the message: the dialog is still open, the focus is on
    // focusId, and neither the folder nor a scheme exists.
    void ExpectStayedUntouched(const Dialog& dlg, int focusId, const std::wstring& name1)
    {
        EXPECT_TRUE(Running() && IsWindowVisible(dlg.hwnd)) << "the dialog closed";
        HWND focus = WaitFocus(dlg, dlg.Item(focusId));
        EXPECT_EQ(dlg.Item(focusId), focus)
            << "focus on control " << GetDlgCtrlID(focus) << ", expected " << focusId;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Dest().c_str()))
            << "the install folder was created";
        EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present)
            << "a scheme was registered";
    }
};

TEST_F(InstallInput, MissingFolderOrNamesShowMessageAndFocusTheEditToCorrect)
{
    const struct {
        const char* label;
        std::wstring folder, name1, name2;
        const wchar_t* message;
        int focus;
    } cases[] = {
        {"empty folder", L"", L"One", L"Two", kNoFolder, IDC_INSTALL_FOLDER},
        // Spaces pass the emptiness test; trimmed, nothing can be created.
        {"folder of spaces only", L"   ", L"One", L"Two", kCannotCreate, IDC_INSTALL_FOLDER},
        {"folder of quotes and backslashes", L"\"\\\\\"", L"One", L"Two", kCannotCreate,
         IDC_INSTALL_FOLDER},
        {"folder below a file", Root() + L"\\afile\\sub", L"One", L"Two", kCannotCreate,
         IDC_INSTALL_FOLDER},
        {"empty name 1", Dest(), L"", L"Two", kNoName, IDC_DESIGN_NAME1},
        {"empty folder reported before empty names", L"", L"", L"", kNoFolder,
         IDC_INSTALL_FOLDER},
        {"empty name 2", Dest(), L"One", L"", kNoName, IDC_DESIGN_NAME2},
        {"names equal ignoring case", Dest(), L"Cute", L"cUTE", kSameNames, IDC_DESIGN_NAME2},
    };
    ASSERT_TRUE(NelTest::WriteBytes(Root() + L"\\afile", "a file"));
    Prepare(StandardInfo());
    Dialog dlg;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EnsureDialog(dlg);
        if (!dlg.hwnd)
            continue;
        dlg.SetText(IDC_INSTALL_FOLDER, c.folder);
        dlg.SetText(IDC_DESIGN_NAME1, c.name1);
        dlg.SetText(IDC_DESIGN_NAME2, c.name2);
        dlg.Focus(IDC_BROWSE);
        dlg.PressOK();
        ExpectBox(c.message, kErrorCaption);
        ExpectStayedUntouched(dlg, c.focus, c.name1);
    }
}

// The info file deleted while the dialog is open: OK shows 1098 and
// closes the installer without installing.
TEST_F(InstallInput, VanishedInfoFileEndsTheInstallerAtOK)
{
    Prepare(StandardInfo());
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    ASSERT_TRUE(DeleteFileW((Pkg() + L"\\set.nelcmi").c_str()));
    dlg.PressOK();
    ExpectBox(L"いつの間にかインストール情報ファイルが消えています。\nインストールをやり直してください。",
              L"致命的なエラー");
    std::wstring box;
    EXPECT_TRUE(WaitEndWithoutBox(box)) << testing::PrintToString(box);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Dest().c_str()));
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present);
}

TEST_F(InstallInput, NamesDifferingOnlyInSpacesAreNotTrimmedAndBothRegister)
{
    Prepare(StandardInfo());
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name = Unique(L"");
    dlg.SetText(IDC_DESIGN_NAME1, name);
    dlg.SetText(IDC_DESIGN_NAME2, name + L" ");
    dlg.PressOK();
    ASSERT_TRUE(WaitEnd()) << "the installation did not finish";
    EXPECT_TRUE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name).present);
    EXPECT_TRUE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name + L" ").present);
}

// The whole list is checked before the folder is created or a file copied.
TEST_F(InstallInput, BadFileListShowsItsMessageBeforeAnythingIsTouched)
{
    // Present outside the package, so that only the name check stops the
    // names that would reach it.
    ASSERT_TRUE(NelTest::WriteBytes(Root() + L"\\outside.cur", "outside"));
    const std::wstring outsideAbs = Root() + L"\\outside.cur";
    const struct {
        const char* label;
        std::vector<std::wstring> files;  // File0, File1, ...; empty string = key with no value
        std::wstring message;
    } cases[] = {
        {"no File0", {}, kNoFiles},
        {"File0 empty, File1 given", {L"", L"arrow.cur"}, kNoFiles},
        {"star", {L"arrow.cur", L"a*.cur"}, InvalidName(L"1", L"a*.cur")},
        {"question mark", {L"a?.cur"}, InvalidName(L"0", L"a?.cur")},
        {"comma", {L"arrow.cur", L"hand.cur", L"a,b.cur"}, InvalidName(L"2", L"a,b.cur")},
        {"missing source names its full path",
         {L"arrow.cur", L"missing.cur"},
         NotFound(L"1", L"missing.cur", Pkg() + L"\\missing.cur")},
        {"missing source in a subfolder",
         {L"sub\\gone.ani"},
         NotFound(L"0", L"sub\\gone.ani", Pkg() + L"\\sub\\gone.ani")},
        {"parent folder", {L"arrow.cur", L"..\\outside.cur"}, InvalidName(L"1", L"..\\outside.cur")},
        {"two levels up", {L"..\\..\\x.cur"}, InvalidName(L"0", L"..\\..\\x.cur")},
        {"up from a subfolder", {L"sub\\..\\..\\outside.cur"},
         InvalidName(L"0", L"sub\\..\\..\\outside.cur")},
        {"slash form", {L"../outside.cur"}, InvalidName(L"0", L"../outside.cur")},
        {"absolute with drive", {L"arrow.cur", outsideAbs}, InvalidName(L"1", outsideAbs)},
        {"leading backslash", {L"\\x.cur"}, InvalidName(L"0", L"\\x.cur")},
        {"two leading backslashes", {L"\\\\server\\share\\x.cur"},
         InvalidName(L"0", L"\\\\server\\share\\x.cur")},
        {"colon", {L"arrow.cur:stream"}, InvalidName(L"0", L"arrow.cur:stream")},
        // Device names: the copy would go to the device, not into a file.
        {"device with an extension", {L"arrow.cur", L"sub\\nul.cur"}, InvalidName(L"1", L"sub\\nul.cur")},
        {"console", {L"Con"}, InvalidName(L"0", L"Con")},
        {"port", {L"com7 .ani"}, InvalidName(L"0", L"com7 .ani")},
        // The first fault in list order is the one reported.
        {"first fault wins", {L"missing.cur", L"a*.cur"},
         NotFound(L"0", L"missing.cur", Pkg() + L"\\missing.cur")},
    };
    Dialog dlg;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        InfoFile info = StandardInfo();
        for (int n = 0; n < 3; ++n)
            info.Remove(L"InstallFiles", L"File" + std::to_wstring(n));
        for (size_t n = 0; n < c.files.size(); ++n)
            info.Set(L"InstallFiles", L"File" + std::to_wstring(n), c.files[n]);
        if (c.files.empty())
            info.Set(L"InstallFiles", L"File1", L"busy.ani");
        // The installer reads its info file afresh at each OK.
        Prepare(info);
        EnsureDialog(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
        dlg.Focus(IDC_BROWSE);
        dlg.PressOK();
        ExpectBox(c.message, kErrorCaption);
        ExpectStayedUntouched(dlg, IDC_BROWSE, name1);
        EXPECT_EQ("outside", ReadFileBytes(Root() + L"\\outside.cur"));
    }
}

} // namespace
