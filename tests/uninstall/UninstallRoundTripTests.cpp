// Install, then remove as Programs and Features would: afterwards the
// whole drive and registry are as they were before the installation, but
// for the pointers the user chose to apply (they go back to the system's
// standard ones). And a real client of the record: Wine's own uninstaller.
#include <memory>
#include "UninstallHarness.h"

using namespace UninstallTest;

namespace {

struct RoundTrip {
    const char* name;
    bool twoDesigns, allUsers, apply, quiet, saveChoices;
    bool subfolder;  // a file in sub\deep, which goes with its folders
    bool ownTexts;   // the package replaces the boxes' texts
    bool win9x;      // the 9x family: the record goes to the machine's key
};

const RoundTrip kRoundTrips[] = {
    {"one design for the user, removed quietly", false, false, false, true, false, false, false, false},
    {"two designs for the user, applied, choices saved, a subfolder, removed after asking", true, false,
     true, false, true, true, false, false},
    {"one design for all users, applied, choices saved, removed quietly", false, true, true, true, true,
     false, false, false},
    {"two designs for all users, a subfolder, the package's own texts", true, true, false, false, false,
     true, true, false},
    {"one design on the 9x family, removed after asking", false, false, false, false, false, false, false,
     true},
};

// The package's own texts and what the boxes show of them.
const wchar_t kOwnCaption[] = L"%ProductName% を外す";
const wchar_t kOwnQuestion[] = L"%ProductName% を外しますか？\\n(%ProductName% のファイルを消します)";
const wchar_t kOwnDone[] = L"%ProductName% を外しました。";

class UninstallRoundTrip : public UninstallFixture {};

TEST_F(UninstallRoundTrip, LeavesDriveAndRegistryAsBeforeTheInstallation)
{
    ASSERT_TRUE(CreateDirectoryW((Pkg() + L"\\sub").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((Pkg() + L"\\sub\\deep").c_str(), nullptr));
    ASSERT_TRUE(NelTest::WriteBytes(Pkg() + L"\\sub\\deep\\pen.cur", "pen cursor"));
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        BeginCase(L" " + std::to_wstring(&c - kRoundTrips));
        // Quiet runs show no box, so they may use the library's.
        UseLibrary(c.quiet);
        InfoFile info = UninstallInfo(c.twoDesigns);
        if (c.saveChoices) {
            // Keys of the set's own, which the installation creates.
            const std::wstring key = L"HKEY_CURRENT_USER\\Software\\" + SetName() + L"\\Choices\\";
            info.Set(L"MainDlg", L"SaveInstallData", L"Yes")
                .Set(L"MainDlg", L"InstallFolderKey", key + L"Folder")
                .Set(L"MainDlg", L"DesignName1Key", key + L"Name1")
                .Set(L"MainDlg", L"DesignName2Key", key + L"Name2")
                .Set(L"MainDlg", L"LocationKey", key + L"%NULL%");
        }
        if (c.subfolder)
            info.Set(L"InstallFiles", L"File3", L"sub\\deep\\pen.cur").Set(L"DesignList", L"DN1_Pen", L"sub\\deep\\pen.cur");
        if (c.ownTexts)
            info.Set(L"Uninstall", L"DlgTitle", kOwnCaption).Set(L"Uninstall", L"Mes", kOwnQuestion).Set(L"Uninstall", L"DoneMes", kOwnDone);
        std::unique_ptr<VersionOverride> setOn9x, uninstallerOn9x;
        if (c.win9x) {
            setOn9x.reset(new VersionOverride(L"set.exe", L"win98"));
            uninstallerOn9x.reset(new VersionOverride(L"Uninstall.exe", L"win98"));
        }
        Prepare(info);
        const Robust::Snapshot before = Robust::TakeSnapshot();
        Install(c.allUsers, c.apply);
        const bool machine = c.allUsers || c.win9x;
        ASSERT_TRUE(KeyExists(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, RecordKey()))
            << "no record in the expected key";
        EXPECT_EQ(c.saveChoices, KeyExists(HKEY_CURRENT_USER, L"Software\\" + SetName() + L"\\Choices"));
        EXPECT_FALSE(KeyExists(machine ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, RecordKey()));
        if (c.subfolder) {
            EXPECT_EQ("pen cursor", ReadFileBytes(Dest() + L"\\sub\\deep\\pen.cur"));
        }

        StartUninstall(machine, c.quiet);
        if (c.quiet)
            EXPECT_TRUE(m_proc->WaitExit(20000, nullptr));
        else if (c.ownTexts)
            AnswerUninstall(L"NelProduct を外しました。", IDI_INFORMATION,
                            L"NelProduct を外しますか？\n(NelProduct のファイルを消します)", L"NelProduct を外す");
        else
            AnswerUninstall(kDone);

        // Applying replaced every role value of the other set (roles the
        // design lacks became empty); the removal empties the rest.
        std::vector<std::wstring> expected;
        const std::wstring cursors = std::wstring(L"HKEY_CURRENT_USER\\") + kUserCursors;
        if (c.apply) {
            for (const wchar_t* role : kRoleNames)
                expected.push_back(Change(L"changed", cursors + L"\\[" + role + L"]"));
            expected.push_back(Change(L"changed", cursors + L"\\[]"));
            expected.push_back(Change(L"changed", cursors + L"\\[Scheme Source]"));
        }
        const std::vector<std::wstring> changes = WaitForChanges(before, expected);
        EXPECT_EQ(expected, changes);
        if (c.apply) {
            for (const wchar_t* role : kRoleNames)
                EXPECT_EQ(L"", ReadReg(HKEY_CURRENT_USER, kUserCursors, role).Str()) << role;
            EXPECT_EQ(L"", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
        }
    }
}

std::wstring SystemProgram(const wchar_t* name)
{
    wchar_t system[MAX_PATH + 1] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return std::wstring(system) + L"\\" + name;
}

// Wine's uninstaller lists the programs of both Uninstall keys as
// "key|||name", and --remove starts the UninstallString.
TEST_F(UninstallRoundTrip, WinesUninstallerListsTheSetAndRemovesItThroughOurUninstaller)
{
    BeginCase(L"");
    UseLibrary(false);
    Prepare(UninstallInfo(false));
    Install(false, false);
    const std::wstring key = L"TaviCurMiniInst_" + SetName();
    std::string list;
    ASSERT_TRUE(NelTest::RunAndReadOutput(SystemProgram(L"uninstaller.exe"), L"--list", 20000, list));
    const std::string line = std::string(key.begin(), key.end()) + "|||NelProduct";
    EXPECT_NE(std::string::npos, list.find(line)) << "no " << line << " in:\n" << list;

    NelTest::ChildProcess wine;
    ASSERT_TRUE(wine.Start(SystemProgram(L"uninstaller.exe"), L"--remove \"" + key + L"\""));
    // Our uninstaller is the Wine uninstaller's child: its boxes are found
    // by caption among every process's windows.
    for (const wchar_t* answer : {L"question", L"done"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(answer)));
        HWND box = nullptr;
        for (DWORD start = GetTickCount(); !box && GetTickCount() - start < 20000; Sleep(50))
            for (HWND w : NelTest::TopWindows(0, L"#32770"))
                if (NelTest::WindowText(w) == kCaption)
                    box = w;
        ASSERT_NE(nullptr, box) << "no box of the uninstaller";
        EXPECT_EQ(answer == std::wstring(L"question") ? kQuestion : kDone, NelTest::MessageBoxText(box));
        Answer(Box{box, L"", L""}, answer == std::wstring(L"question") ? IDYES : IDOK);
    }
    EXPECT_TRUE(wine.WaitExit(20000, nullptr));
    for (DWORD start = GetTickCount(); GetFileAttributesW(Dest().c_str()) != INVALID_FILE_ATTRIBUTES &&
                                       GetTickCount() - start < 20000;)
        Sleep(100);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Dest().c_str())) << "the folder stayed";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, RecordKey()));
    EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, m_name1).present);
}

} // namespace
