// The scheme values: where, of which type, and their fifteen fields; the
// same fields as Wine's own setupapi writes for an equivalent install.inf.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

// The files of the standard info's designs, by role (15 fields each).
const wchar_t* const kDesign1[15] = {L"arrow.cur", nullptr, nullptr, L"busy.ani", nullptr,
                                     nullptr,      nullptr, nullptr, nullptr,     nullptr,
                                     nullptr,      nullptr, nullptr, nullptr,     L"hand.cur"};
const wchar_t* const kDesign2[15] = {L"busy.ani", L"hand.cur", L"busy.ani", nullptr, nullptr,
                                     nullptr,     nullptr,     nullptr,     nullptr, nullptr,
                                     nullptr,     nullptr,     nullptr,     L"arrow.cur", nullptr};

std::wstring Scheme(const std::wstring& folder, const wchar_t* const (&design)[15])
{
    std::wstring s;
    for (int i = 0; i < 15; ++i) {
        if (i)
            s += L",";
        if (design[i])
            s += folder + L"\\" + design[i];
    }
    return s;
}

std::wstring WindowsFolder()
{
    wchar_t buf[MAX_PATH] = {};
    GetWindowsDirectoryW(buf, MAX_PATH);
    return buf;
}

int CountValues(HKEY root, const std::wstring& key)
{
    HKEY h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    RegQueryInfoKeyW(h, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(h);
    return static_cast<int>(count);
}

// A folder under the Windows folder's Cursors folder, removed on scope
// exit together with Cursors itself when the test created that.
struct WindowsCursorsFolder {
    std::wstring cursors, path;
    bool cursorsExisted;
    explicit WindowsCursorsFolder(const std::wstring& name)
        : cursors(WindowsFolder() + L"\\Cursors"), path(cursors + L"\\" + name),
          cursorsExisted(GetFileAttributesW(cursors.c_str()) != INVALID_FILE_ATTRIBUTES)
    {
    }
    ~WindowsCursorsFolder()
    {
        NelTest::RemoveTree(path);
        if (!cursorsExisted)
            RemoveDirectoryW(cursors.c_str());
    }
};

using InstallScheme = InstallFixture;

// Two designs for the current user: expandable strings named exactly as
// typed (a backslash in the name does not make a subkey), design 1's
// missing Help role an empty second field.
TEST_F(InstallScheme, TwoDesignsForCurrentUserAreExpandableStringsNamedAsTyped)
{
    Prepare(StandardInfo());
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = Unique(L"\\Normal"), name2 = Unique(L" Anim");
    dlg.SetText(IDC_DESIGN_NAME1, name1);
    dlg.SetText(IDC_DESIGN_NAME2, name2);
    PressOKAndExpectSilentEnd(dlg);

    RegValue v1 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1);
    RegValue v2 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name2);
    ASSERT_TRUE(v1.present) << "no value " << testing::PrintToString(name1);
    ASSERT_TRUE(v2.present);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), v1.type);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), v2.type);
    EXPECT_EQ(Scheme(Dest(), kDesign1), v1.Str());
    EXPECT_EQ(Scheme(Dest(), kDesign2), v2.Str());
    std::vector<std::wstring> fields = SplitFields(v1.Str());
    ASSERT_EQ(15u, fields.size());
    EXPECT_EQ(L"", fields[1]) << "Help field of design 1";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::wstring(kUserSchemes) + L"\\" + Unique(L"")));
    EXPECT_FALSE(ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name1).present);
}

TEST_F(InstallScheme, OneDesignRowRegistersOneScheme)
{
    InfoFile info = StandardInfo();
    info.Remove(L"MainDlg", L"DN2CurName");
    Prepare(info);
    const int before = CountValues(HKEY_CURRENT_USER, kUserSchemes);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_DESIGN_NAME2)));
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    PressOKAndExpectSilentEnd(dlg);
    EXPECT_EQ(Scheme(Dest(), kDesign1), ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).Str());
    EXPECT_EQ(before + 1, CountValues(HKEY_CURRENT_USER, kUserSchemes));
}

// All users: plain strings under the machine's cursor key, nothing for the
// current user; applied, "Scheme Source" is 2.
TEST_F(InstallScheme, AllUsersWritesPlainStringsUnderMachineKey)
{
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use").Set(L"EndDlg", L"ChangeDN", L"1");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    ASSERT_TRUE(IsWindowVisible(dlg.Item(IDC_ALL_USERS)));
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1), name2 = dlg.Text(IDC_DESIGN_NAME2);
    dlg.SetCheck(true);
    ASSERT_TRUE(PressOKAndApply(dlg));

    for (const auto& [name, design] :
         {std::make_pair(name1, &kDesign1), std::make_pair(name2, &kDesign2)}) {
        RegValue v = ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name);
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), v.type) << testing::PrintToString(name);
        EXPECT_EQ(Scheme(Dest(), *design), v.Str());
        EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name).present);
    }
    RegValue source = ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Scheme Source");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), source.type);
    EXPECT_EQ(2u, source.Dword());
    EXPECT_EQ(name1, ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
}

// On the 9x family the all-users box is hidden (so a check sent to it does
// not count), schemes are plain strings for the current user, and no
// "Scheme Source" is written when applying.
TEST_F(InstallScheme, Windows9xWritesPlainStringsForCurrentUserWithoutSchemeSource)
{
    m_exeName = L"nel9x_" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    VersionOverride win98(m_exeName, L"win98");
    HKEY h;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserCursors, 0, KEY_SET_VALUE, &h) == ERROR_SUCCESS) {
        RegDeleteValueW(h, L"Scheme Source");
        RegCloseKey(h);
    }
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use").Set(L"EndDlg", L"ChangeDN", L"2");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_ALL_USERS)));
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1), name2 = dlg.Text(IDC_DESIGN_NAME2);
    dlg.SetCheck(true);
    ASSERT_TRUE(PressOKAndApply(dlg));

    RegValue v1 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1);
    RegValue v2 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name2);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), v1.type);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), v2.type);
    EXPECT_EQ(Scheme(Dest(), kDesign1), v1.Str());
    EXPECT_EQ(Scheme(Dest(), kDesign2), v2.Str());
    EXPECT_FALSE(ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name1).present);
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Scheme Source").present);
    EXPECT_EQ(name2, ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
    EXPECT_EQ(Dest() + L"\\busy.ani", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Arrow").Str());
}

// A folder under the Windows folder, typed in another case: the scheme
// names it "%SYSTEMROOT%", the applied role values keep the full path.
TEST_F(InstallScheme, FolderUnderWindowsFolderIsWrittenAsSystemRootInSchemeOnly)
{
    std::wstring windows = WindowsFolder();
    std::wstring typedWindows = windows;
    CharUpperW(&typedWindows[0]);
    const std::wstring leaf = L"NelTestRoot" + std::to_wstring(GetCurrentProcessId());
    const std::wstring sub = L"\\Cursors\\" + leaf;
    WindowsCursorsFolder cleanup(leaf);
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use").Set(L"EndDlg", L"ChangeDN", L"1");
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1), name2 = dlg.Text(IDC_DESIGN_NAME2);
    dlg.SetText(IDC_INSTALL_FOLDER, typedWindows + sub);
    ASSERT_TRUE(PressOKAndApply(dlg));

    RegValue v1 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), v1.type);
    EXPECT_EQ(Scheme(L"%SYSTEMROOT%" + sub, kDesign1), v1.Str());
    EXPECT_EQ(Scheme(L"%SYSTEMROOT%" + sub, kDesign2),
              ReadReg(HKEY_CURRENT_USER, kUserSchemes, name2).Str());
    RegValue arrow = ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Arrow");
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), arrow.type);
    EXPECT_EQ(typedWindows + sub + L"\\arrow.cur", arrow.Str());
    EXPECT_EQ("arrow cursor", ReadFileBytes(windows + sub + L"\\arrow.cur"));
}

// A scheme value the registry refuses (Wine has no rights to deny, but it
// refuses value names longer than 16383 characters): the files are
// copied, design 1's scheme stays, 1027 is shown and nothing is applied.
TEST_F(InstallScheme, RefusedSchemeWriteShowsRegistryMessageAndStops)
{
    InfoFile info = StandardInfo();
    info.Remove(L"EndDlg", L"Use");
    Prepare(info);
    WriteRegStr(HKEY_CURRENT_USER, kUserCursors, L"Arrow", L"marker", REG_EXPAND_SZ);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    const std::wstring tooLong(16400, L'n');
    dlg.SetText(IDC_DESIGN_NAME2, tooLong);
    DWORD_PTR length = 0;
    SendMessageTimeoutW(dlg.Item(IDC_DESIGN_NAME2), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &length);
    ASSERT_EQ(tooLong.size(), length) << "the edit did not take the whole name";
    dlg.Focus(IDC_BROWSE);
    dlg.PressOK();
    ExpectBox(L"レジストリに登録できませんでした。処理を中止します。", kErrorCaption);
    EXPECT_TRUE(Running() && IsWindowVisible(dlg.hwnd)) << "the dialog closed";
    EXPECT_EQ(dlg.Item(IDC_BROWSE), WaitFocus(dlg, dlg.Item(IDC_BROWSE)));
    EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani", L"hand.cur"}), DestFiles(Dest()));
    EXPECT_EQ(Scheme(Dest(), kDesign1), ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).Str());
    EXPECT_EQ(L"marker", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Arrow").Str());
    dlg.Cancel();
    EXPECT_TRUE(WaitEnd());
}

// Wine's setupapi, given an install.inf equivalent to the info file,
// registers the same fifteen paths (environment variables expanded).
TEST_F(InstallScheme, SchemeMatchesWhatSetupapiRegistersForEquivalentInf)
{
    const std::wstring leaf = L"NelTestPeer" + std::to_wstring(GetCurrentProcessId());
    const std::wstring sub = L"Cursors\\" + leaf;
    WindowsCursorsFolder cleanup(leaf);
    const std::wstring peerName = Unique(L" Peer");

    std::wstring fields;
    for (int i = 0; i < 15; ++i)
        fields += std::wstring(i ? L"," : L"") +
                  (kDesign1[i] ? L"%10%\\%CUR_DIR%\\" + std::wstring(kDesign1[i]) : L"");
    std::wstring inf = L"[Version]\r\nsignature=\"$CHICAGO$\"\r\n\r\n"
                       L"[DefaultInstall]\r\nCopyFiles=Scheme.Cur\r\nAddReg=Scheme.Reg\r\n\r\n"
                       L"[DestinationDirs]\r\nScheme.Cur=10,\"%CUR_DIR%\"\r\n\r\n"
                       L"[Scheme.Reg]\r\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\","
                       L"0x00020000,\"" + fields + L"\"\r\n\r\n"
                       L"[Scheme.Cur]\r\narrow.cur\r\nbusy.ani\r\nhand.cur\r\n\r\n"
                       L"[Strings]\r\nCUR_DIR=\"" + sub + L"\"\r\nSCHEME_NAME=\"" + peerName +
                       L"\"\r\n";
    const std::wstring infPath = Pkg() + L"\\install.inf";
    ASSERT_TRUE(NelTest::WriteUtf16(infPath, inf));
    std::wstring cmd =
        L"rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 " + infPath;
    std::vector<wchar_t> line(cmd.begin(), cmd.end());
    line.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               Pkg().c_str(), &si, &pi))
        << "error " << GetLastError();
    DWORD waited = WaitForSingleObject(pi.hProcess, 30000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    ASSERT_EQ(WAIT_OBJECT_0, waited) << "setupapi did not finish";
    RegValue peer = ReadReg(HKEY_CURRENT_USER, kUserSchemes, peerName);
    ASSERT_TRUE(peer.present) << "setupapi registered nothing";

    InfoFile info = StandardInfo();
    info.Remove(L"MainDlg", L"DN2CurName")
        .Set(L"MainDlg", L"DefInstallFolder", L"%WindowsFolder%\\" + sub);
    Prepare(info);
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
    PressOKAndExpectSilentEnd(dlg);
    RegValue ours = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1);
    ASSERT_TRUE(ours.present);
    EXPECT_EQ(peer.type, ours.type);
    EXPECT_EQ(SplitFields(ExpandEnv(peer.Str())), SplitFields(ExpandEnv(ours.Str())))
        << "setupapi: " << testing::PrintToString(peer.Str())
        << "\nours: " << testing::PrintToString(ours.Str());
}

} // namespace
