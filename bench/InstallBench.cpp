// InstallBench <package folder>
//
// A full installation of the demo set with the installer (from OK until
// the process has ended, Yes answered to the completion question; the
// driver's reaction to the question is not counted) against the system's
// setupapi installing an equivalent install.inf: the same files into the
// same folder and the same registry values. The INF is written from what
// a first, untimed installer run left in the registry, and every timed run
// of either side is checked to land exactly that. Between runs both sides
// start from the same clean state.
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchFigures.h"
#include "InfWriter.h"
#include "InstallFileList.h"
#include "InstallFolder.h"
#include "InstallerRun.h"
#include "NelIni.h"
#include "RegValues.h"
#include "SetupApiInstall.h"

using namespace NelBench;

namespace {

const int kRuns = 7;

// The key the install-info file names for saving the user's choices
// ([MainDlg] InstallFolderKey without its root and value name), or empty.
std::wstring SavedChoicesKey(const std::wstring& infoFile)
{
    CNelStrW path;
    if (!NelIniGetStr(L"MainDlg", L"InstallFolderKey", path, infoFile.c_str()))
        return L"";
    return UserKeyOfValuePath(path.t());
}

// The folder relative to the Windows folder, or empty when it is not in it.
std::wstring UnderWindowsFolder(const std::wstring& folder)
{
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring prefix = std::wstring(windows) + L"\\";
    if (folder.size() <= prefix.size() ||
        CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, folder.c_str(),
                       static_cast<int>(prefix.size()), prefix.c_str(),
                       static_cast<int>(prefix.size())) != CSTR_EQUAL)
        return L"";
    return folder.substr(prefix.size());
}

struct Package {
    std::wstring folder, exe, infoFile, inf;
    std::vector<std::wstring> names;  // the files it installs
    std::vector<std::wstring> keys;   // the keys an installation writes to
};

// Empty when the files and exactly the expected values are in place.
std::wstring CheckLanded(const Package& pkg, const std::wstring& folder,
                         const std::vector<RegValue>& expected)
{
    std::wstring problem = CheckInstalledFiles(pkg.folder, folder, pkg.names);
    return problem.empty() ? DescribeDifference(expected, ReadValues(pkg.keys)) : problem;
}

void Clean(const Package& pkg, const std::wstring& folder)
{
    DeleteValues(pkg.keys);
    RemoveInstalledFiles(folder, pkg.names);
}

int Fail(const std::wstring& side, const std::wstring& problem)
{
    PrintLine(L"InstallBench: FAILED (" + side + L"): " + problem);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::puts("usage: InstallBench <package folder>");
        return 2;
    }
    Package pkg;
    pkg.folder = argv[1];
    pkg.exe = pkg.folder + L"\\DemoSet.exe";
    pkg.infoFile = pkg.folder + L"\\DemoSet.nelcmi";
    pkg.inf = pkg.folder + L"\\DemoSet-setupapi.inf";
    pkg.names = NelTest::ReadInstallFileList(pkg.infoFile);
    std::wstring choicesKey = SavedChoicesKey(pkg.infoFile);
    pkg.keys = {L"Control Panel\\Cursors\\Schemes", L"Control Panel\\Cursors"};
    if (!choicesKey.empty())
        pkg.keys.push_back(choicesKey);
    if (pkg.names.empty())
        return Fail(L"package", L"no [InstallFiles] in " + pkg.infoFile);

    // An untimed first run gives what an installation writes.
    DeleteValues(pkg.keys);
    InstallerSpans spans;
    std::wstring problem;
    if (!RunInstallerOnce(pkg.exe, spans, problem))
        return Fail(L"installer", problem);
    const std::vector<RegValue> expected = ReadValues(pkg.keys);
    const std::wstring folder = spans.folder;
    problem = CheckInstalledFiles(pkg.folder, folder, pkg.names);
    if (!problem.empty() || expected.empty())
        return Fail(L"installer", problem.empty() ? L"no registry values written" : problem);
    PrintLine(std::to_wstring(pkg.names.size()) + L" files into " + folder + L", " +
              std::to_wstring(expected.size()) + L" registry values");

    std::wstring subFolder = UnderWindowsFolder(folder);
    if (subFolder.empty())
        return Fail(L"setupapi", L"the install folder is not in the Windows folder: " + folder);
    if (!WriteInstallInf(pkg.inf, subFolder, pkg.names, expected, problem))
        return Fail(L"setupapi", problem);
    SetupApiInstall setup;
    if (!setup.Loaded())
        return Fail(L"setupapi", L"setupapi.dll or its InstallHinfSectionW is missing");
    Clean(pkg, folder);
    setup.InstallDefault(pkg.inf);  // untimed first run, as for the installer
    problem = CheckLanded(pkg, folder, expected);
    if (!problem.empty())
        return Fail(L"setupapi", problem);

    std::vector<double> ours, theirs, toQuestion, toExit;
    for (int i = 0; i < kRuns; ++i) {
        Clean(pkg, folder);
        if (!RunInstallerOnce(pkg.exe, spans, problem))
            return Fail(L"installer", problem);
        problem = CheckLanded(pkg, folder, expected);
        if (!problem.empty())
            return Fail(L"installer", problem);
        toQuestion.push_back(spans.toQuestion);
        toExit.push_back(spans.toExit);
        ours.push_back(spans.toQuestion + spans.toExit);

        Clean(pkg, folder);
        double start = NowMs();
        setup.InstallDefault(pkg.inf);
        theirs.push_back(NowMs() - start);
        problem = CheckLanded(pkg, folder, expected);
        if (!problem.empty())
            return Fail(L"setupapi", problem);
    }
    Clean(pkg, folder);

    std::printf("%-34s %13s %13s %8s\n", "", "installer", "setupapi", "ratio");
    PrintComparison("full installation", "ms", ours, theirs, 1);
    PrintSingle("  installer: OK to question", "ms", toQuestion, 1);
    PrintSingle("  installer: Yes to process end", "ms", toExit, 1);
    return 0;
}
