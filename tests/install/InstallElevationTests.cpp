// Where the folder needs administrator permission, the installer starts a
// copy of itself with the "runas" verb in a helper mode. Here the request
// goes out from this process (the installer's own code, linked in) and the
// real program does the helper's work; the shell's ShellExecuteExW is
// replaced to see the verb and to start the package's copy of the program.
#include <windows.h>
#include <shellapi.h>
#include "ElevatedInstall.h"
#include "ImportPatch.h"
#include "InstallHarness.h"

using namespace InstallTest;

namespace {

struct ShellLaunch {
    std::wstring verb, parameters;
};
ShellLaunch g_launch;
std::wstring g_program;
ImportPatch* g_shellPatch = nullptr;

BOOL WINAPI RecordingShellExecute(SHELLEXECUTEINFOW* info)
{
    g_launch = {info->lpVerb ? info->lpVerb : L"", info->lpParameters ? info->lpParameters : L""};
    SHELLEXECUTEINFOW copy = *info;
    copy.lpFile = g_program.c_str();
    typedef BOOL(WINAPI * ShellExecuteFn)(SHELLEXECUTEINFOW*);
    BOOL ok = reinterpret_cast<ShellExecuteFn>(g_shellPatch->Original())(&copy);
    info->hProcess = copy.hProcess;
    return ok;
}

struct HelperCase {
    const char* name;
    std::wstring folder;  // "" = the fixture's destination
    std::wstring name1, name2;
    int expected;
};

class InstallElevation : public InstallFixture {};

// The names travel on a command line: quotes, backslashes before quotes
// and at the end, spaces and Japanese text must come back exactly, as the
// value names the helper writes show. A request the package does not fit
// is refused before anything is touched.
TEST_F(InstallElevation, HelperStartedWithRunasWritesExactlyWhatWasAskedOrNothing)
{
    Prepare(StandardInfo());
    ImportPatch patch(GetModuleHandleW(nullptr), "shell32.dll", "ShellExecuteExW",
                      reinterpret_cast<void*>(&RecordingShellExecute));
    ASSERT_TRUE(patch.Active());
    g_shellPatch = &patch;
    g_program = Pkg() + L"\\" + m_exeName;
    const HelperCase cases[] = {
        {"quoted names", L"", Unique(L" \"Q\" \\\\\" a\\"), Unique(L" 猫 \\end\\\\"), kElevatedDone},
        {"relative folder", L"dest", Unique(L" 1"), Unique(L" 2"), kElevatedRefused},
        {"one name for two designs", L"", Unique(L" 1"), L"", kElevatedRefused},
        {"names equal ignoring case", L"", Unique(L" same"), Unique(L" SAME"), kElevatedRefused},
    };
    for (const HelperCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ElevatedRequest request = {c.folder.empty() ? Dest().c_str() : c.folder.c_str(), 1,
                                         c.name1.c_str(), c.name2.c_str()};
        g_launch = ShellLaunch();
        DWORD launchError = 0;
        const int result = RunElevatedHelper(request, nullptr, &launchError);
        EXPECT_EQ(L"runas", g_launch.verb);
        EXPECT_EQ(c.expected, result) << "launch error " << launchError << ", parameters "
                                      << testing::PrintToString(g_launch.parameters);
        const bool done = c.expected == kElevatedDone;
        std::vector<std::wstring> files;
        if (done)
            files = {L"arrow.cur", L"busy.ani", L"hand.cur"};
        EXPECT_EQ(files, DestFiles(Dest()));
        for (const std::wstring& name : {c.name1, c.name2}) {
            RegValue machine = ReadReg(HKEY_LOCAL_MACHINE, kMachineSchemes, name);
            EXPECT_EQ(done, machine.present) << testing::PrintToString(name);
            if (done) {
                EXPECT_EQ(static_cast<DWORD>(REG_SZ), machine.type);
                EXPECT_EQ(15u, SplitFields(machine.Str()).size()) << testing::PrintToString(machine.Str());
            }
            // The user's own schemes are the first process's business.
            EXPECT_FALSE(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name).present);
        }
        NelTest::RemoveTree(Dest());
    }
    g_shellPatch = nullptr;
}

} // namespace
