// Install, then remove as Programs and Features would: afterwards the
// whole drive and registry are as they were before the installation, but
// for the pointers the user chose to apply (they go back to the system's
// standard ones). And a real client of the record: Wine's own uninstaller.
#include "UninstallHarness.h"

using namespace UninstallTest;

namespace {

struct RoundTrip {
    const char* name;
    bool twoDesigns, allUsers, apply, quiet, saveChoices;
};

const RoundTrip kRoundTrips[] = {
    {"one design for the user, removed quietly", false, false, false, true, false},
    {"two designs for the user, applied, choices saved, removed after asking", true, false, true, false, true},
    {"one design for all users, applied, choices saved, removed quietly", false, true, true, true, true},
    {"two designs for all users, removed after asking", true, true, false, false, false},
};

class UninstallRoundTrip : public UninstallFixture {};

TEST_F(UninstallRoundTrip, LeavesDriveAndRegistryAsBeforeTheInstallation)
{
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
        Prepare(info);
        const Robust::Snapshot before = Robust::TakeSnapshot();
        Install(c.allUsers, c.apply);
        HKEY recordRoot = c.allUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        ASSERT_TRUE(KeyExists(recordRoot, RecordKey())) << "no record in the expected key";
        EXPECT_EQ(c.saveChoices, KeyExists(HKEY_CURRENT_USER, L"Software\\" + SetName() + L"\\Choices"));
        EXPECT_FALSE(KeyExists(c.allUsers ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, RecordKey()));

        StartUninstall(c.allUsers, c.quiet);
        if (c.quiet)
            EXPECT_TRUE(m_proc->WaitExit(20000, nullptr));
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
