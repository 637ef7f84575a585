// LeakCycles: opens and closes, in one process, the installer's main
// dialog, its about dialog, a message box of every button set and the help
// popup, CYCLES times each (default 1000), and measures what the process
// holds (LeakCounts.h) after a warm-up and at checkpoints. Each window is
// closed by a message posted when it becomes active (a CBT hook), never
// after a sleep. First each dialog template runs the same number of times
// under a procedure that ends it at once, which shows what the system's
// own dialog code keeps for it; the dialogs' memory is judged beyond that. Exit code 0 when every count stayed flat after the
// warm-up, 1 when one grew, 2 when the counters themselves do not work.
//   LeakCycles [--cycles N]
// The install-info file is the demo set's (NEL_SOURCE_DIR, else the DemoSet
// folder beside the program); the dialogs read it as the installer does.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>
#include "InstallerGlobals.h"
#include "LeakCounts.h"
#include "NelWndBinding.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "TestFiles.h"
#include "resource.h"

namespace {

enum class Phase { Main, About, Box, Popup };

Phase g_phase = Phase::Main;
int g_aboutLeft = 0;       // about dialogs still to open in the About phase
int g_aboutDone = 0;
HWND g_lastAbout = nullptr;  // activated again while it closes: counted once
int g_checkEvery = 1;
HHOOK g_hook = nullptr;
std::vector<Leaks::Counts>* g_aboutCounts = nullptr;

bool IsMainDialog(HWND hwnd)
{
    wchar_t cls[100] = {}, mine[100] = {};
    GetClassNameW(hwnd, cls, 100);
    LoadStringW(g_hInstance, IDS_DLG_CLASS, mine, 100);
    return lstrcmpW(cls, mine) == 0;
}

// Every window that becomes active is answered at once by a posted
// message, so the modal loop that shows it ends it.
LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        switch (g_phase) {
        case Phase::Main:
            if (IsMainDialog(hwnd))
                PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
            break;
        case Phase::About:
            if (IsMainDialog(hwnd)) {
                // The main dialog is active again: the next about dialog,
                // or the end of the phase.
                if (g_aboutDone > 0 && g_aboutDone % g_checkEvery == 0 && g_aboutCounts &&
                    (int)g_aboutCounts->size() <= g_aboutDone / g_checkEvery)
                    g_aboutCounts->push_back(Leaks::Measure());
                if (g_aboutLeft > 0) {
                    --g_aboutLeft;
                    PostMessageW(hwnd, WM_SYSCOMMAND, ID_SYS_ABOUT, 0);
                } else {
                    PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
                }
            } else if (hwnd != g_lastAbout) {
                g_lastAbout = hwnd;
                ++g_aboutDone;
                PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
            }
            break;
        case Phase::Box:
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), 0);
            break;
        case Phase::Popup:
            PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
            break;
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

struct Series {
    const char* name;
    std::vector<Leaks::Counts> counts;  // after the warm-up, then at each checkpoint
    const Series* platform = nullptr;   // the same template without our code, if any
    bool ours = true;                   // false: the system's own, shown but not judged
};

// Growth of the private bytes from the warm-up to the end.
long long MemoryGrowth(const Series& s)
{
    if (s.counts.size() < 2)
        return 0;
    return (long long)s.counts.back().privateBytes - (long long)s.counts.front().privateBytes;
}

// Ends a dialog as soon as it exists: the system's dialog code alone, with
// none of ours, run over one of our templates.
INT_PTR CALLBACK EndAtOnce(HWND hwnd, UINT msg, WPARAM, LPARAM)
{
    if (msg != WM_INITDIALOG)
        return FALSE;
    EndDialog(hwnd, IDCANCEL);
    return TRUE;
}

void Print(const Series& s, int checkEvery, int warmUp)
{
    std::printf("%s:\n", s.name);
    for (size_t i = 0; i < s.counts.size(); ++i)
        std::printf("  after %5d  %s\n", warmUp + (int)i * checkEvery, Leaks::Describe(s.counts[i]).c_str());
    std::fflush(stdout);
}

// Flat: nothing counted grows from the warm-up to the end. Private bytes
// may move within a heap's growth step, beyond what the system's own
// dialog code keeps for the same template (Wine keeps 24 bytes for every
// static control a dialog template makes, and never frees them; a dialog
// with a template and a procedure of nothing shows it). The checked
// build's operator new never gives its pages back, and each load of
// NelWnd.dll starts a new set of them, so there only the handles are
// judged.
bool Flat(const Series& s)
{
    if (s.counts.size() < 2)
        return true;
    const Leaks::Counts& a = s.counts.front();
    const Leaks::Counts& b = s.counts.back();
    const long long platform = s.platform ? MemoryGrowth(*s.platform) : 0;
#ifdef NEL_CHECKED
    const bool memoryFlat = true;
#else
    const bool memoryFlat = MemoryGrowth(s) <= std::max(platform, 0LL) + 256 * 1024;
#endif
    const bool flat = b.gdi <= a.gdi && b.userHigh <= a.userHigh + 2 && b.userLive <= a.userLive &&
                      b.kernelHigh <= a.kernelHigh + 2 && b.kernelLive <= a.kernelLive && memoryFlat;
    if (s.platform)
        std::printf("  %s: private bytes %+lld KiB, the template alone %+lld KiB\n", s.name, MemoryGrowth(s) / 1024,
                    platform / 1024);
    std::printf("  %s: %s\n", s.name, flat ? "flat" : "GROWS");
    return flat;
}

template <class Fn>
Series Run(const char* name, int cycles, int warmUp, int checkEvery, Fn once)
{
    Series s = {name, {}};
    for (int i = 1; i <= warmUp + cycles; ++i) {
        once(i);
        if (i >= warmUp && (i - warmUp) % checkEvery == 0)
            s.counts.push_back(Leaks::Measure());
    }
    return s;
}

std::wstring FindInfoFile()
{
    const wchar_t* source = _wgetenv(L"NEL_SOURCE_DIR");
    std::wstring folder = source ? std::wstring(source) + L"\\samples\\DemoSet" : NelTest::ExeDir() + L"\\DemoSet";
    return folder + L"\\DemoSet.nelcmi";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int cycles = 1000;
    for (int i = 1; i + 1 < argc; i += 2)
        if (std::wstring(argv[i]) == L"--cycles")
            cycles = _wtoi(argv[i + 1]);
    if (cycles < 10) {
        std::printf("usage: LeakCycles [--cycles N]   (N at least 10)\n");
        return 2;
    }
    const int warmUp = cycles / 10;
    const int checkEvery = cycles / 4;
    g_checkEvery = checkEvery;

    if (!Leaks::CheckCounters())
        return 2;

    // The installer's start-up, as its entry point does it.
    g_hInstance = GetModuleHandleW(nullptr);
    const std::wstring info = FindInfoFile();
    g_strInfoFile = info.c_str();
    // Icon fields name files relative to the current folder: the set's own.
    SetCurrentDirectoryW(info.substr(0, info.rfind(L'\\')).c_str());
    NelTest::InstallerGlobals globals;
    g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());

    std::printf("LeakCycles: %d cycles each after %d to warm up; %ls\n", cycles, warmUp, info.c_str());
    std::fflush(stdout);
    std::vector<Series> all;
    all.reserve(16);  // the template series below are pointed to

    // What the system keeps for the two templates by itself, measured
    // first so that our dialogs are judged against it.
    all.push_back(Run("main template alone", cycles, warmUp, checkEvery, [](int) {
        DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, EndAtOnce, 0);
    }));
    all.back().ours = false;
    const Series* mainTemplate = &all.back();
    Print(all.back(), checkEvery, warmUp);
    all.push_back(Run("about template alone", cycles, warmUp, checkEvery, [](int) {
        DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, EndAtOnce, 0);
    }));
    all.back().ours = false;
    const Series* aboutTemplate = &all.back();
    Print(all.back(), checkEvery, warmUp);

    g_phase = Phase::Main;
    all.push_back(Run("main dialog", cycles, warmUp, checkEvery, [](int) {
        CTaviCurMiniInstDlg dlg(nullptr);
        dlg.ShowDlg();
    }));
    all.back().platform = mainTemplate;
    Print(all.back(), checkEvery, warmUp);

    // The about dialog opens from the main dialog's system menu, again and
    // again while the main dialog stays open.
    {
        g_phase = Phase::About;
        Series s = {"about dialog", {}};
        g_aboutLeft = warmUp + cycles;
        g_aboutDone = 0;
        std::vector<Leaks::Counts> counts;
        g_aboutCounts = &counts;
        g_checkEvery = checkEvery;
        CTaviCurMiniInstDlg dlg(nullptr);
        dlg.ShowDlg();
        g_aboutCounts = nullptr;
        // counts[k] was taken after (k + 1) * checkEvery about dialogs;
        // keep those from the warm-up on.
        for (size_t k = 0; k < counts.size(); ++k)
            if ((int)(k + 1) * checkEvery >= warmUp)
                s.counts.push_back(counts[k]);
        std::printf("(%d about dialogs opened)\n", g_aboutDone);
        s.platform = aboutTemplate;
        all.push_back(s);
        Print(all.back(), checkEvery, checkEvery);
    }

    g_phase = Phase::Box;
    static const char* const names[] = {"MB_OK", "MB_OKCANCEL", "MB_ABORTRETRYIGNORE", "MB_YESNOCANCEL",
                                        "MB_YESNO", "MB_RETRYCANCEL", "MB_CANCELTRYCONTINUE"};
    static const UINT pictures[] = {MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION, 0};
    for (UINT set = 0; set < 7; ++set) {
        all.push_back(Run(names[set], cycles, warmUp, checkEvery, [set](int i) {
            CallNelMsgBoxW(L"メッセージボックスの確認です。\nA check of the message box.", L"LeakCycles",
                       set | pictures[i % 5] | (UINT)(i % 3) * MB_DEFBUTTON2, nullptr, nullptr, nullptr);
        }));
        Print(all.back(), checkEvery, warmUp);
    }

    g_phase = Phase::Popup;
    all.push_back(Run("help popup", cycles, warmUp, checkEvery, [](int i) {
        POINT at = {100 + i % 500, 100 + i % 300};
        CallNelHelpPopupWndW(L"ヘルプの確認です。A check of the help popup.", &at, nullptr, nullptr, nullptr);
    }));
    Print(all.back(), checkEvery, warmUp);

    UnhookWindowsHookEx(g_hook);

    std::printf("from the warm-up to the end:\n");
    bool flat = true;
    for (const Series& s : all) {
        if (s.ours)
            flat = Flat(s) && flat;
        else
            std::printf("  %s (the system's own, not judged): private bytes %+lld KiB\n", s.name,
                        MemoryGrowth(s) / 1024);
    }
    std::printf("LeakCycles: %s\n", flat ? "every count flat" : "a count grows");
    return flat ? 0 : 1;
}
