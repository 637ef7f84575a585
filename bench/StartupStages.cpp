// StartupStages <install-info file>
//
// Where the installer's own start-up time goes. The program carries the
// installer's code and resources and runs its start-up steps in-process,
// in the entry point's order, against the given install-info file: the
// steps before the dialog (file check, mutex, font, icons, class), the
// dialog and its controls made from the template, the dialog's
// initialisation, and showing it until its first paint is done; then it
// cancels the dialog and cleans up as the entry point does.
//
// Inside each stage the time spent in the system calls of three kinds is
// summed, by replacing this program's imports of them: install-info
// reading (find/open/size/read/close of the file; each open is one
// lookup), image loading, and text measuring. Prints the first run, which
// meets the system's first-use costs as a user's start does, and the
// medians of several more runs. Process creation and the loading of
// the system libraries are not in here: StartupBench times them as the
// floor program (StartupFloor).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstdio>
#include <vector>
#include "BenchFigures.h"
#include "InfoMacros.h"
#include "InstallerGlobals.h"
#include "NelIni.h"
#include "NelPath.h"
#include "StageTimer.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"

using namespace NelBench;

namespace {

const int kRuns = 9;

enum Stage { kBeforeDialog, kTemplate, kInit, kPaint, kStageCount };
enum Kind { kInfo, kImages, kMeasure, kKindCount };

std::vector<HANDLE> g_mutexes;  // released after each run

const wchar_t* InfoFile() { return g_strInfoFile.t(); }

// The replaced imports besides the install-info reading, in the order of
// the table below.
enum Slot {
    kCreateMutex, kLoadImage, kLoadBitmap, kExtractIconEx, kLoadCursorFromFile, kSHGetFileInfo,
    kDrawText, kGetTextExtentPoint32, kCreateIC, kSlotCount
};
const ImportPatches* g_patches;

HANDLE WINAPI HookCreateMutexW(LPSECURITY_ATTRIBUTES sa, BOOL owner, LPCWSTR name)
{
    HANDLE h = g_patches->Original<decltype(&CreateMutexW)>(kCreateMutex)(sa, owner, name);
    if (h)
        g_mutexes.push_back(h);
    return h;
}

HANDLE WINAPI HookLoadImageW(HINSTANCE inst, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    CTimed timed(kImages);
    return g_patches->Original<decltype(&LoadImageW)>(kLoadImage)(inst, name, type, cx, cy, flags);
}

HBITMAP WINAPI HookLoadBitmapW(HINSTANCE inst, LPCWSTR name)
{
    CTimed timed(kImages);
    return g_patches->Original<decltype(&LoadBitmapW)>(kLoadBitmap)(inst, name);
}

UINT WINAPI HookExtractIconExW(LPCWSTR file, int index, HICON* large, HICON* small, UINT count)
{
    CTimed timed(kImages);
    return g_patches->Original<decltype(&ExtractIconExW)>(kExtractIconEx)(file, index, large, small, count);
}

HCURSOR WINAPI HookLoadCursorFromFileW(LPCWSTR file)
{
    CTimed timed(kImages);
    return g_patches->Original<decltype(&LoadCursorFromFileW)>(kLoadCursorFromFile)(file);
}

DWORD_PTR WINAPI HookSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags)
{
    CTimed timed(kImages);
    return g_patches->Original<decltype(&SHGetFileInfoW)>(kSHGetFileInfo)(path, attributes, info, size, flags);
}

int WINAPI HookDrawTextW(HDC dc, LPCWSTR text, int len, LPRECT rect, UINT format)
{
    CTimed timed(kMeasure, (format & DT_CALCRECT) != 0);
    return g_patches->Original<decltype(&DrawTextW)>(kDrawText)(dc, text, len, rect, format);
}

BOOL WINAPI HookGetTextExtentPoint32W(HDC dc, LPCWSTR text, int len, LPSIZE size)
{
    CTimed timed(kMeasure);
    return g_patches->Original<decltype(&GetTextExtentPoint32W)>(kGetTextExtentPoint32)(dc, text, len, size);
}

HDC WINAPI HookCreateICW(LPCWSTR driver, LPCWSTR device, LPCWSTR port, const DEVMODEW* mode)
{
    CTimed timed(kMeasure);
    return g_patches->Original<decltype(&CreateICW)>(kCreateIC)(driver, device, port, mode);
}

const PatchEntry kPatchTable[kSlotCount] = {
    {"kernel32.dll", "CreateMutexW", reinterpret_cast<void*>(&HookCreateMutexW)},
    {"user32.dll", "LoadImageW", reinterpret_cast<void*>(&HookLoadImageW)},
    {"user32.dll", "LoadBitmapW", reinterpret_cast<void*>(&HookLoadBitmapW)},
    {"shell32.dll", "ExtractIconExW", reinterpret_cast<void*>(&HookExtractIconExW)},
    {"user32.dll", "LoadCursorFromFileW", reinterpret_cast<void*>(&HookLoadCursorFromFileW)},
    {"shell32.dll", "SHGetFileInfoW", reinterpret_cast<void*>(&HookSHGetFileInfoW)},
    {"user32.dll", "DrawTextW", reinterpret_cast<void*>(&HookDrawTextW)},
    {"gdi32.dll", "GetTextExtentPoint32W", reinterpret_cast<void*>(&HookGetTextExtentPoint32W)},
    {"gdi32.dll", "CreateICW", reinterpret_cast<void*>(&HookCreateICW)},
};

// The stage boundaries inside the dialog's modal loop, seen by thread
// hooks: WM_INITDIALOG sent and returned, then the messages taken from the
// queue until a timer set at the end of WM_INITDIALOG, which the loop
// hands out only when no paint is pending any more. The paint stage ends
// with the last paint before it, sent or taken from the queue.
const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const UINT_PTR kDoneTimer = 0x5374;
HWND g_dialog;
double g_paintEnd;  // when the last paint so far ended
bool g_painting;    // the message last taken was a paint
bool g_done;

bool IsMainDialog(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return lstrcmpiW(name, kMainClass) == 0;
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_INITDIALOG && CurrentStage() == kTemplate && IsMainDialog(m->hwnd)) {
        g_dialog = m->hwnd;
        EnterStage(kInit, NowMs());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ReturnedHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    // A paint sent straight to a window (UpdateWindow) ends when it returns.
    if (code == HC_ACTION && m->message == WM_PAINT && CurrentStage() == kPaint && !g_done)
        g_paintEnd = NowMs();
    if (code == HC_ACTION && m->message == WM_INITDIALOG && m->hwnd == g_dialog && CurrentStage() == kInit) {
        g_paintEnd = NowMs();
        EnterStage(kPaint, g_paintEnd);
        g_painting = false;
        SetTimer(g_dialog, kDoneTimer, USER_TIMER_MINIMUM, nullptr);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RetrievedHook(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* m = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && CurrentStage() == kPaint && !g_done) {
        const double now = NowMs();
        // A paint ends when the loop takes its next message.
        if (g_painting)
            g_paintEnd = now;
        g_painting = m->message == WM_PAINT;
        if (m->message == WM_TIMER && m->hwnd == g_dialog && m->wParam == kDoneTimer) {
            KillTimer(g_dialog, kDoneTimer);
            StopStages(g_paintEnd);
            g_done = true;
            PostMessageW(g_dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One start-up of the installer, as its entry point runs it. False when
// a step failed.
bool RunOnce(const CNelStrW& infoFile, StageFigures& figures)
{
    g_dialog = nullptr;
    g_done = false;
    StartStages(kStageCount, kKindCount, kBeforeDialog);

    g_strInfoFile = infoFile;
    bool ok = NelFileExists(g_strInfoFile.t()) != FALSE;
    CNelStrW mutexName;
    NelIniGetStr(L"CurInfo", L"MutexName", mutexName, g_strInfoFile.t());
    ExpandInfoMacros(mutexName);
    ok = ok && TakeInstanceMutex(mutexName) == kMutexTaken;
    {
        NelTest::InstallerGlobals globals;
        if (ok && globals.Ready()) {
            EnterStage(kTemplate, NowMs());
            CTaviCurMiniInstDlg dlg(nullptr);
            dlg.ShowDlg();
        }
    }
    for (HANDLE h : g_mutexes) {
        ReleaseMutex(h);
        CloseHandle(h);
    }
    g_mutexes.clear();
    figures = Figures();
    return ok && g_done;
}

const StageRow kRows[] = {
    {"before the dialog: file check, mutex, font, icons, class", kBeforeDialog, kWhole, 0, kInfo, "lookups"},
    {"  of which install-info reading", kBeforeDialog, kOfKind, kInfo, -1, ""},
    {"  of which image loading (icons)", kBeforeDialog, kOfKind, kImages, -1, ""},
    {"dialog and controls from the template", kTemplate, kWhole, 0, kInfo, "lookups"},
    {"dialog initialisation (WM_INITDIALOG)", kInit, kWhole, 0, kInfo, "lookups"},
    {"  of which install-info reading", kInit, kOfKind, kInfo, -1, ""},
    {"  of which image loading", kInit, kOfKind, kImages, -1, ""},
    {"  of which text measuring", kInit, kOfKind, kMeasure, -1, ""},
    {"  the rest: layout, control set-up, parsing", kInit, kRest, 0, -1, ""},
    {"show and first paint", kPaint, kWhole, 0, kInfo, "lookups"},
    {"all stages", kAllStages, kWhole, 0, kInfo, "lookups"},
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::puts("usage: StartupStages <install-info file>");
        return 2;
    }
    g_hInstance = GetModuleHandleW(nullptr);
    HMODULE self = GetModuleHandleW(nullptr);
    g_patches = new ImportPatches(self, kPatchTable, kSlotCount);
    if (!WatchInfoFileReading(self, InfoFile, kInfo) || !g_patches->Active(kCreateMutex)) {
        std::puts("StartupStages: FAILED: cannot replace the file and mutex imports");
        return 1;
    }
    HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    HHOOK returned = SetWindowsHookExW(WH_CALLWNDPROCRET, ReturnedHook, nullptr, GetCurrentThreadId());
    HHOOK retrieved = SetWindowsHookExW(WH_GETMESSAGE, RetrievedHook, nullptr, GetCurrentThreadId());

    const CNelStrW infoFile(argv[1]);
    std::vector<StageFigures> first, runs;
    for (int i = 0; i <= kRuns; ++i) {
        StageFigures figures;
        if (!RunOnce(infoFile, figures)) {
            std::puts("StartupStages: FAILED: a start-up step failed or the dialog did not show");
            return 1;
        }
        (i == 0 ? first : runs).push_back(figures);
    }
    UnhookWindowsHookEx(retrieved);
    UnhookWindowsHookEx(returned);
    UnhookWindowsHookEx(sent);

    // The first start in the process meets what a user's start meets: the
    // system's first font, shell, COM and image-list set-up. The later ones
    // show our own work alone.
    PrintStageRows("installer start-up in stages, in-process: the first start", kRows, sizeof kRows / sizeof kRows[0],
                   first);
    PrintStageRows("the same, started again in the same process", kRows, sizeof kRows / sizeof kRows[0], runs);
    return 0;
}
