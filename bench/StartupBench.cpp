// StartupBench <installer.exe> <StartupFloor.exe>
//
// Time from CreateProcess of the laid-out installer until its main dialog
// is visible (polled every millisecond); the dialog is then closed with
// Cancel and the process waited for. The floor program (same system
// libraries, manifest and window class, nothing of the installer's own
// work) is timed the same way, runs of the two taking turns. Prints both
// medians and their ratio after one untimed run of each.
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchFigures.h"
#include "ProcessDriver.h"

using namespace NelBench;
using namespace NelTest;

namespace {

const int kRuns = 9;
const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";

// Milliseconds until the dialog showed, or a negative value on failure.
double StartOnce(const std::wstring& exe)
{
    ChildProcess installer;
    double start = NowMs();
    if (!installer.Start(exe))
        return -1;
    HWND dlg = nullptr;
    for (DWORD t = GetTickCount(); !dlg && GetTickCount() - t < 20000; Sleep(1)) {
        std::vector<HWND> found = TopWindows(installer.Pid(), kMainClass);
        dlg = found.empty() ? nullptr : found.front();
    }
    double shown = NowMs() - start;
    if (!dlg)
        return -1;
    PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    DWORD code = 0;
    return installer.WaitExit(20000, &code) ? shown : -1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::puts("usage: StartupBench <installer.exe> <StartupFloor.exe>");
        return 2;
    }
    std::vector<double> ours, floor;
    for (int i = 0; i <= kRuns; ++i) {
        for (int side = 1; side <= 2; ++side) {
            double ms = StartOnce(argv[side]);
            if (ms < 0) {
                PrintLine(L"StartupBench: FAILED: the main dialog did not show, or Cancel did not end " +
                          std::wstring(argv[side]));
                return 1;
            }
            if (i > 0)
                (side == 1 ? ours : floor).push_back(ms);
        }
    }
    PrintComparison("process start to main dialog", "ms", ours, floor, 1);
    return 0;
}
