// RobustRun [--count N] [--seed S] [--timeout MS] [--only I] [--verbose]
//
// Feeds mutated install-info files to the real installer, one process per
// file, through start-up, the main dialog's initialisation and OK's
// checks (and the installation itself where the file still allows it).
// Around every run it compares the whole C: drive and the registry (the
// current user's hive and the machine's Software key) and reports any
// change outside the install folder the dialog showed and the registry
// paths the file names. Prints how many inputs it tried and what it found;
// exits 1 when anything crashed, hung or wrote where it must not.
#include <windows.h>
#include <shlwapi.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "Installation.h"
#include "InstallInfo.h"
#include "TaviGlobals.h"
#include "UninstallRecord.h"
#include "ProcessDriver.h"
#include "Utf8Out.h"
#include "TestFiles.h"
#include "RobustDriver.h"
#include "RobustMutator.h"
#include "RobustSnapshot.h"

using namespace Robust;
using namespace NelTest;

namespace {

void Print(const std::wstring& text) { PrintLine(text); }

std::wstring Widen(const char* text) { return std::wstring(text, text + std::strlen(text)); }

struct Options {
    int count = 24;
    unsigned long seed = 20261208;
    DWORD timeoutMs = 30000;
    int only = -1;  // run just this input (to look at a finding again)
    bool verbose = false;
};

bool ParseOptions(int argc, wchar_t** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--verbose")
            o.verbose = true;
        else if (i + 1 < argc && arg == L"--count")
            o.count = _wtoi(argv[++i]);
        else if (i + 1 < argc && arg == L"--seed")
            o.seed = wcstoul(argv[++i], nullptr, 10);
        else if (i + 1 < argc && arg == L"--only")
            o.only = _wtoi(argv[++i]);
        else if (i + 1 < argc && arg == L"--timeout")
            o.timeoutMs = wcstoul(argv[++i], nullptr, 10);
        else
            return false;
    }
    return o.count > 0;
}

bool ReadFile(const std::wstring& path, std::string& out)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(f, nullptr), got = 0;
    out.assign(size, '\0');
    const bool ok = size == 0 || (::ReadFile(f, &out[0], size, &got, nullptr) && got == size);
    CloseHandle(f);
    return ok;
}

// The package an author ships: the installer under the name R.exe, the
// library, and the demo set's cursor files; R.nelcmi is written per input.
bool LayOutPackage(const std::wstring& pkg)
{
    CreateDirectoryW(pkg.c_str(), nullptr);
    if (!CopyFileW(BinFile(L"TaviCurMiniInst.exe").c_str(), (pkg + L"\\R.exe").c_str(), FALSE) ||
        !CopyFileW(BinFile(L"NelWnd.dll").c_str(), (pkg + L"\\NelWnd.dll").c_str(), FALSE))
        return false;
    const std::wstring demo = BinFile(L"DemoSet");
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((demo + L"\\*.*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileW((demo + L"\\" + fd.cFileName).c_str(), (pkg + L"\\" + fd.cFileName).c_str(), FALSE);
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return true;
}

// Where this input may write: the folder the dialog showed (as the system
// resolves it), the cursor keys, the set's uninstall record in either key,
// and the keys the file names for the saved choices (their values live in
// the key before the last backslash).
std::vector<std::wstring> AllowedPlaces(const std::wstring& infoFile, const Outcome& run)
{
    g_strInfoFile = infoFile.c_str();
    std::vector<std::wstring> allowed = {kUserCursorsKey, kAllUsersCursorsKey,
                                         UninstallRecordKey(false).t(), UninstallRecordKey(true).t()};
    if (!run.folder.empty()) {
        wchar_t expanded[4096] = {}, full[4096] = {};
        ExpandEnvironmentStringsW(run.folder.c_str(), expanded, 4096);
        if (GetFullPathNameW(expanded, 4096, full, nullptr))
            allowed.push_back(full);
    }
    for (const wchar_t* key : {L"InstallFolderKey", L"DesignName1Key", L"DesignName2Key", L"LocationKey"}) {
        CNelStrW path;
        if (!ReadInfoText(L"MainDlg", key, path) || !path.t())
            continue;
        std::wstring p = path.t();
        const size_t cut = p.rfind(L'\\');
        allowed.push_back(cut == std::wstring::npos ? p : p.substr(0, cut));
    }
    return allowed;
}

const wchar_t kOwnKeyName[] = L"NelRobustRun";

void ReplaceAll(std::string& bytes, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = bytes.find(from, at)) != std::string::npos; at += to.size())
        bytes.replace(at, from.size(), to);
}

struct Tally {
    int tried = 0, dialogs = 0, helps = 0, stoppedByBox = 0, crashes = 0, hangs = 0, strayWrites = 0;
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        Print(L"usage: RobustRun [--count N] [--seed S] [--timeout MS] [--only I] [--verbose]");
        return 2;
    }
    TempDir work;
    const std::wstring pkg = work / L"pkg";
    std::string base;
    if (!LayOutPackage(pkg) || !ReadFile(BinFile(L"DemoSet\\DemoSet.nelcmi"), base)) {
        Print(L"robust: could not lay out the package in " + pkg);
        return 2;
    }
    // Only this run's failing inputs are kept.
    // The saved choices of the damaged files go under a key of the run's
    // own, removed at the end, so that the demo's saved choices in the same
    // Wine prefix stay as they were.
    ReplaceAll(base, Utf16Bytes(L"KurumiCursorWorks"), Utf16Bytes(kOwnKeyName));
    const std::wstring findings = ExeDir() + L"\\robust-findings";
    RemoveTree(findings);
    Tally tally;
    for (int i = o.only < 0 ? 0 : o.only; i < (o.only < 0 ? o.count : o.only + 1); ++i) {
        const Mutation m = Mutate(base, (uint32_t)o.seed, i);
        const std::wstring info = pkg + L"\\R.nelcmi";
        WriteBytes(info, m.bytes);
        const Snapshot before = TakeSnapshot();
        const Outcome run = RunInstaller(pkg + L"\\R.exe", o.timeoutMs);
        const std::vector<std::wstring> stray = Changes(before, TakeSnapshot(), AllowedPlaces(info, run));

        ++tally.tried;
        tally.dialogs += run.dialog;
        tally.helps += run.helpShown;
        tally.stoppedByBox += !run.boxes.empty();
        tally.crashes += run.Crashed();
        tally.hangs += run.hung;
        tally.strayWrites += !stray.empty();
        const bool bad = !run.started || run.Crashed() || run.hung || !stray.empty();
        if (o.verbose || bad) {
            wchar_t code[16];
            wsprintfW(code, L"%08X", run.exitCode);
            Print(L"#" + std::to_wstring(i) + L" " + Widen(m.kind) + L" (" + std::to_wstring(m.bytes.size()) +
                  L" bytes): " + (run.dialog ? L"dialog, " : L"") + (run.helpShown ? L"help, " : L"") + std::to_wstring(run.boxes.size()) +
                  L" box(es), " + (run.hung ? L"HUNG" : run.Crashed() ? L"CRASHED " + std::wstring(code)
                                                                       : L"exit " + std::wstring(code)));
            for (const std::wstring& b : run.boxes)
                if (o.verbose)
                    Print(L"    box " + b.substr(0, 160));
            for (const std::wstring& s : stray)
                Print(L"    outside: " + s);
        }
        if (bad) {
            CreateDirectoryW(findings.c_str(), nullptr);
            WriteBytes(findings + L"\\input-" + std::to_wstring(i) + L".nelcmi", m.bytes);
        }
    }
    SHDeleteKeyW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kOwnKeyName).c_str());
    const int found = tally.crashes + tally.hangs + tally.strayWrites;
    Print(L"robust: " + std::to_wstring(tally.tried) + L" inputs (seed " + std::to_wstring(o.seed) + L", " +
          std::to_wstring(Kinds()) + L" kinds of damage): " + std::to_wstring(tally.dialogs) +
          L" reached the dialog (" + std::to_wstring(tally.helps) + L" showed OK's help), " +
          std::to_wstring(tally.stoppedByBox) + L" showed a message; " +
          std::to_wstring(tally.crashes) + L" crashed, " + std::to_wstring(tally.hangs) + L" hung, " +
          std::to_wstring(tally.strayWrites) + L" wrote outside their places");
    if (found)
        Print(L"robust: the inputs that failed are in " + findings);
    return found ? 1 : 0;
}
