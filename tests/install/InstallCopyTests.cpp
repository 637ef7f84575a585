// Copying the [InstallFiles] list into the install folder.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;
using NelTest::WriteBytes;

namespace {

const wchar_t kCopyFailed[] =
    L"1 つ、または複数のファイルのコピーに失敗しました。処理を中止します。\n"
    L"(コントロール パネルに登録は行われません)";

using InstallCopy = InstallFixture;

// One destination that cannot be written: the other two files are still
// copied, then 1026 is shown, the dialog stays and nothing is registered.
TEST_F(InstallCopy, OneFailingCopyOfThreeCopiesTheOthersAndRegistersNothing)
{
    const struct {
        const char* label;
        bool folderInPlace;  // else: a file held open without sharing
    } cases[] = {{"destination held open", false}, {"folder in the file's place", true}};
    Prepare(StandardInfo());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        NelTest::RemoveTree(Dest());
        ASSERT_TRUE(CreateDirectoryW(Dest().c_str(), nullptr));
        const std::wstring blocked = Dest() + L"\\busy.ani";
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.folderInPlace) {
            ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
        } else {
            ASSERT_TRUE(WriteBytes(blocked, "old"));
            held = CreateFileW(blocked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, held);
        }
        Dialog dlg;
        Start(dlg);
        if (dlg.hwnd) {
            const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
            const std::wstring name2 = dlg.Text(IDC_DESIGN_NAME2);
            dlg.Focus(IDC_BROWSE);
            dlg.PressOK();
            ExpectBox(kCopyFailed, kErrorCaption);
            EXPECT_TRUE(Running() && IsWindowVisible(dlg.hwnd)) << "the dialog closed";
            EXPECT_EQ(dlg.Item(IDC_BROWSE), WaitFocus(dlg, dlg.Item(IDC_BROWSE)));
            EXPECT_EQ("arrow cursor", ReadFileBytes(Dest() + L"\\arrow.cur"));
            EXPECT_EQ("hand cursor", ReadFileBytes(Dest() + L"\\hand.cur"));
            EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present);
            EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name2).present);
            dlg.Cancel();
            EXPECT_TRUE(WaitEnd());
        }
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
            EXPECT_EQ("old", ReadFileBytes(blocked));
        }
    }
}

// A read-only, hidden copy left by an earlier run is replaced, and every
// copied file ends with the archive attribute alone.
TEST_F(InstallCopy, ReadOnlyHiddenCopiesOfAnEarlierRunAreReplaced)
{
    ASSERT_TRUE(CreateDirectoryW(Dest().c_str(), nullptr));
    for (const wchar_t* name : {L"arrow.cur", L"busy.ani"}) {
        std::wstring path = Dest() + L"\\" + name;
        ASSERT_TRUE(WriteBytes(path, "old"));
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    }
    Prepare(StandardInfo());
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    PressOKAndExpectSilentEnd(dlg);
    const struct {
        const wchar_t* name;
        const char* bytes;
    } files[] = {{L"arrow.cur", "arrow cursor"}, {L"busy.ani", "busy animation"},
                 {L"hand.cur", "hand cursor"}};
    for (const auto& f : files) {
        std::wstring path = Dest() + L"\\" + f.name;
        EXPECT_EQ(f.bytes, ReadFileBytes(path)) << testing::PrintToString(path);
        EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), GetFileAttributesW(path.c_str()))
            << testing::PrintToString(path);
    }
}

// The folder text is trimmed of spaces, quotes and backslashes at both ends.
TEST_F(InstallCopy, QuotedFolderWithTrailingBackslashIsUsedWithoutThem)
{
    Prepare(StandardInfo());
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    dlg.SetText(IDC_INSTALL_FOLDER, L" \"" + Dest() + L"\\\" ");
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani", L"hand.cur"}), DestFiles(Dest()));
    RegValue scheme = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1);
    std::vector<std::wstring> fields = SplitFields(scheme.Str());
    ASSERT_EQ(15u, fields.size()) << testing::PrintToString(scheme.Str());
    EXPECT_EQ(Dest() + L"\\arrow.cur", fields[0]);
}

// Names with subfolders stay inside the install folder; the subfolders
// are created and the scheme points into them.
TEST_F(InstallCopy, SubfolderNamesAreCreatedInsideTheInstallFolder)
{
    ASSERT_TRUE(CreateDirectoryW((Pkg() + L"\\sub").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((Pkg() + L"\\sub\\deep").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(Pkg() + L"\\sub\\deep\\pen.cur", "pen cursor"));
    InfoFile info = StandardInfo();
    info.Set(L"InstallFiles", L"File3", L"sub\\deep\\pen.cur")
        .Set(L"DesignList", L"DN1_Pen", L"sub\\deep\\pen.cur");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ("pen cursor", ReadFileBytes(Dest() + L"\\sub\\deep\\pen.cur"));
    std::vector<std::wstring> fields =
        SplitFields(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).Str());
    ASSERT_EQ(15u, fields.size());
    EXPECT_EQ(Dest() + L"\\sub\\deep\\pen.cur", fields[6]);
}

// The list ends at the first missing or empty number; a later entry is
// never read, not even to be checked.
TEST_F(InstallCopy, ListEndsAtFirstEmptyNumber)
{
    InfoFile info = StandardInfo();
    info.Set(L"InstallFiles", L"File2", L"")
        .Set(L"InstallFiles", L"File3", L"bad*.cur")
        .Set(L"InstallFiles", L"File4", L"hand.cur");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani"}), DestFiles(Dest()));
}

} // namespace
