// The form of the install folder: a folder that names no place of its own
// (one relative to the installer's current folder or drive) is refused like
// one that cannot be created, and a network folder keeps its leading "\\".
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

const wchar_t kCannotCreate[] = L"フォルダを作成できませんでした。";

// The installer runs with the test's folder as its current folder, where a
// relative folder would land.
class InstallFolderForm : public InstallFixture {
protected:
    InstallFolderForm()
    {
        GetCurrentDirectoryW(MAX_PATH, m_cwd);
        SetCurrentDirectoryW(Root().c_str());
    }
    ~InstallFolderForm() override { SetCurrentDirectoryW(m_cwd); }

private:
    wchar_t m_cwd[MAX_PATH + 1] = {};
};

// A share this test may write to. Under Wine, \\server\share is the folder
// dosdevices\unc\server\share of the prefix; the server is removed again
// with the object. Empty when the prefix is unknown.
class WineShare {
public:
    WineShare()
    {
        wchar_t prefix[MAX_PATH] = {};
        if (!GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH))
            return;
        m_unc = L"Z:" + std::wstring(prefix) + L"/dosdevices/unc";
        for (wchar_t& c : m_unc)
            c = c == L'/' ? L'\\' : c;
        const std::wstring server = L"nelsrv" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_unc.c_str(), nullptr);
        m_server = m_unc + L"\\" + server;
        if (CreateDirectoryW(m_server.c_str(), nullptr) &&
            CreateDirectoryW((m_server + L"\\share").c_str(), nullptr))
            m_share = L"\\\\" + server + L"\\share";
    }
    ~WineShare()
    {
        if (!m_server.empty())
            NelTest::RemoveTree(m_server);
        if (!m_unc.empty())
            RemoveDirectoryW(m_unc.c_str());  // only when no other server is left
    }
    const std::wstring& Path() const { return m_share; }

private:
    std::wstring m_unc, m_server, m_share;
};

TEST_F(InstallFolderForm, RelativeFolderShowsCannotCreateAndInstallsNothing)
{
    // "lc" exists in the current folder, so each case would find or make
    // its folder there if a relative folder were taken.
    const std::wstring lc = Root() + L"\\lc";
    ASSERT_TRUE(CreateDirectoryW(lc.c_str(), nullptr));
    const std::wstring drive = Root().substr(0, 2);
    const struct {
        const char* label;
        std::wstring folder;
    } cases[] = {
        {"a name", L"lc"},
        {"two levels", L"lc\\sub"},
        {"quoted with trailing backslash", L"\"lc\\sub\\\""},
        {"one leading backslash", L"\\lc\\sub"},
        {"drive without backslash", drive + L"lc"},
        {"server without share", L"\\\\lc"},
    };
    Prepare(StandardInfo());
    Dialog dlg;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EnsureDialog(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
        dlg.SetText(IDC_INSTALL_FOLDER, c.folder);
        dlg.Focus(IDC_BROWSE);
        dlg.PressOK();
        ExpectBox(kCannotCreate, kErrorCaption);
        HWND focus = WaitFocus(dlg, dlg.Item(IDC_INSTALL_FOLDER));
        EXPECT_EQ(dlg.Item(IDC_INSTALL_FOLDER), focus) << "focus on control " << GetDlgCtrlID(focus);
        EXPECT_TRUE(DestFiles(lc).empty()) << testing::PrintToString(DestFiles(lc));
        EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).present) << "a scheme was registered";
    }
}

TEST_F(InstallFolderForm, NetworkFolderKeepsItsLeadingPairAndIsInstalledInto)
{
    WineShare share;
    if (share.Path().empty())
        GTEST_SKIP() << "no Wine prefix to make a share in";
    const struct {
        const char* label;
        std::wstring typed, folder;
    } cases[] = {
        {"as it is", share.Path() + L"\\dest", share.Path() + L"\\dest"},
        {"quoted, trailing backslash", L" \"" + share.Path() + L"\\sub\\dest\\\" ",
         share.Path() + L"\\sub\\dest"},
        {"three leading backslashes", L"\\" + share.Path() + L"\\third", share.Path() + L"\\third"},
    };
    Prepare(StandardInfo());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Dialog dlg;
        Start(dlg);
        if (!dlg.hwnd)
            continue;
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1);
        dlg.SetText(IDC_INSTALL_FOLDER, c.typed);
        PressOKAndExpectSilentEnd(dlg);
        EXPECT_EQ((std::vector<std::wstring>{L"arrow.cur", L"busy.ani", L"hand.cur"}),
                  DestFiles(c.folder));
        const std::vector<std::wstring> fields =
            SplitFields(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).Str());
        ASSERT_FALSE(fields.empty());
        EXPECT_EQ(c.folder + L"\\arrow.cur", fields[0]);
    }
}

} // namespace
