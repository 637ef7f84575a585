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
// lookup), image loading, and text measuring. Prints the medians of
// several runs after one untimed run. Process creation and the loading of
// the system libraries are not in here: StartupBench times them as the
// floor program (StartupFloor).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstdio>
#include <vector>
#include "BenchFigures.h"
#include "DialogClass.h"
#include "ImportPatch.h"
#include "InfoMacros.h"
#include "NelIni.h"
#include "NelPath.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"

using namespace NelBench;

namespace {

const int kRuns = 9;

enum Stage { kBeforeDialog, kTemplate, kInit, kPaint, kStageCount };
enum Kind { kInfo, kImages, kMeasure, kKindCount };

// One run's figures.
struct RunFigures {
    double total[kStageCount];
    double inKind[kStageCount][kKindCount];
    int lookups[kStageCount];
};

RunFigures g_run;
Stage g_stage = kBeforeDialog;
HANDLE g_infoFile = INVALID_HANDLE_VALUE;  // the install-info file while it is open
HANDLE g_infoFind = INVALID_HANDLE_VALUE;  // a search that named it
std::vector<HANDLE> g_mutexes;             // released after each run

// Adds the time of its scope to a kind of the current stage.
class CTimed {
public:
    explicit CTimed(Kind kind, bool counts = true) : m_kind(kind), m_counts(counts), m_start(NowMs()) {}
    ~CTimed()
    {
        if (m_counts)
            g_run.inKind[g_stage][m_kind] += NowMs() - m_start;
    }

private:
    Kind m_kind;
    bool m_counts;
    double m_start;
};

bool IsInfoFile(const wchar_t* path) { return path && lstrcmpiW(path, g_strInfoFile.t()) == 0; }

// The replaced imports, in the order of the table below.
enum Slot {
    kCreateFile, kGetFileSize, kReadFile, kCloseHandle, kFindFirstFile, kFindClose, kCreateMutex,
    kLoadImage, kLoadBitmap, kExtractIconEx, kLoadCursorFromFile, kSHGetFileInfo,
    kDrawText, kGetTextExtentPoint32, kCreateIC, kSlotCount
};
ImportPatch* g_patches[kSlotCount];

template <class F>
F Original(Slot slot)
{
    return reinterpret_cast<F>(g_patches[slot]->Original());
}

HANDLE WINAPI HookCreateFileW(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa, DWORD disposition,
                              DWORD flags, HANDLE templ)
{
    const bool info = IsInfoFile(path);
    CTimed timed(kInfo, info);
    HANDLE h = Original<decltype(&CreateFileW)>(kCreateFile)(path, access, share, sa, disposition, flags, templ);
    if (info) {
        ++g_run.lookups[g_stage];
        g_infoFile = h;
    }
    return h;
}

DWORD WINAPI HookGetFileSize(HANDLE h, LPDWORD high)
{
    CTimed timed(kInfo, h == g_infoFile);
    return Original<decltype(&GetFileSize)>(kGetFileSize)(h, high);
}

BOOL WINAPI HookReadFile(HANDLE h, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED overlapped)
{
    CTimed timed(kInfo, h == g_infoFile);
    return Original<decltype(&ReadFile)>(kReadFile)(h, buffer, size, read, overlapped);
}

// True when h is the watched handle, which is then forgotten (it is being
// closed).
bool Forget(HANDLE& watched, HANDLE h)
{
    if (h != watched)
        return false;
    watched = INVALID_HANDLE_VALUE;
    return true;
}

BOOL WINAPI HookCloseHandle(HANDLE h)
{
    CTimed timed(kInfo, Forget(g_infoFile, h));
    return Original<decltype(&CloseHandle)>(kCloseHandle)(h);
}

HANDLE WINAPI HookFindFirstFileW(LPCWSTR path, LPWIN32_FIND_DATAW data)
{
    const bool info = IsInfoFile(path);
    CTimed timed(kInfo, info);
    HANDLE h = Original<decltype(&FindFirstFileW)>(kFindFirstFile)(path, data);
    if (info)
        g_infoFind = h;
    return h;
}

BOOL WINAPI HookFindClose(HANDLE h)
{
    CTimed timed(kInfo, Forget(g_infoFind, h));
    return Original<decltype(&FindClose)>(kFindClose)(h);
}

HANDLE WINAPI HookCreateMutexW(LPSECURITY_ATTRIBUTES sa, BOOL owner, LPCWSTR name)
{
    HANDLE h = Original<decltype(&CreateMutexW)>(kCreateMutex)(sa, owner, name);
    if (h)
        g_mutexes.push_back(h);
    return h;
}

HANDLE WINAPI HookLoadImageW(HINSTANCE inst, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    CTimed timed(kImages);
    return Original<decltype(&LoadImageW)>(kLoadImage)(inst, name, type, cx, cy, flags);
}

HBITMAP WINAPI HookLoadBitmapW(HINSTANCE inst, LPCWSTR name)
{
    CTimed timed(kImages);
    return Original<decltype(&LoadBitmapW)>(kLoadBitmap)(inst, name);
}

UINT WINAPI HookExtractIconExW(LPCWSTR file, int index, HICON* large, HICON* small, UINT count)
{
    CTimed timed(kImages);
    return Original<decltype(&ExtractIconExW)>(kExtractIconEx)(file, index, large, small, count);
}

HCURSOR WINAPI HookLoadCursorFromFileW(LPCWSTR file)
{
    CTimed timed(kImages);
    return Original<decltype(&LoadCursorFromFileW)>(kLoadCursorFromFile)(file);
}

DWORD_PTR WINAPI HookSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags)
{
    CTimed timed(kImages);
    return Original<decltype(&SHGetFileInfoW)>(kSHGetFileInfo)(path, attributes, info, size, flags);
}

int WINAPI HookDrawTextW(HDC dc, LPCWSTR text, int len, LPRECT rect, UINT format)
{
    CTimed timed(kMeasure, (format & DT_CALCRECT) != 0);
    return Original<decltype(&DrawTextW)>(kDrawText)(dc, text, len, rect, format);
}

BOOL WINAPI HookGetTextExtentPoint32W(HDC dc, LPCWSTR text, int len, LPSIZE size)
{
    CTimed timed(kMeasure);
    return Original<decltype(&GetTextExtentPoint32W)>(kGetTextExtentPoint32)(dc, text, len, size);
}

HDC WINAPI HookCreateICW(LPCWSTR driver, LPCWSTR device, LPCWSTR port, const DEVMODEW* mode)
{
    CTimed timed(kMeasure);
    return Original<decltype(&CreateICW)>(kCreateIC)(driver, device, port, mode);
}

struct PatchEntry {
    const char* dll;
    const char* name;
    void* hook;
};
const PatchEntry kPatchTable[kSlotCount] = {
    {"kernel32.dll", "CreateFileW", reinterpret_cast<void*>(&HookCreateFileW)},
    {"kernel32.dll", "GetFileSize", reinterpret_cast<void*>(&HookGetFileSize)},
    {"kernel32.dll", "ReadFile", reinterpret_cast<void*>(&HookReadFile)},
    {"kernel32.dll", "CloseHandle", reinterpret_cast<void*>(&HookCloseHandle)},
    {"kernel32.dll", "FindFirstFileW", reinterpret_cast<void*>(&HookFindFirstFileW)},
    {"kernel32.dll", "FindClose", reinterpret_cast<void*>(&HookFindClose)},
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
double g_stageStart;
double g_paintEnd;  // when the last paint so far ended
bool g_painting;    // the message last taken was a paint
bool g_done;

void EnterStage(Stage stage, double now)
{
    g_run.total[g_stage] += now - g_stageStart;
    g_stage = stage;
    g_stageStart = now;
}

bool IsMainDialog(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return lstrcmpiW(name, kMainClass) == 0;
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_INITDIALOG && g_stage == kTemplate && IsMainDialog(m->hwnd)) {
        g_dialog = m->hwnd;
        EnterStage(kInit, NowMs());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ReturnedHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    // A paint sent straight to a window (UpdateWindow) ends when it returns.
    if (code == HC_ACTION && m->message == WM_PAINT && g_stage == kPaint && !g_done)
        g_paintEnd = NowMs();
    if (code == HC_ACTION && m->message == WM_INITDIALOG && m->hwnd == g_dialog && g_stage == kInit) {
        EnterStage(kPaint, NowMs());
        g_paintEnd = g_stageStart;
        g_painting = false;
        SetTimer(g_dialog, kDoneTimer, USER_TIMER_MINIMUM, nullptr);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RetrievedHook(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* m = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && g_stage == kPaint && !g_done) {
        const double now = NowMs();
        // A paint ends when the loop takes its next message.
        if (g_painting)
            g_paintEnd = now;
        g_painting = m->message == WM_PAINT;
        if (m->message == WM_TIMER && m->hwnd == g_dialog && m->wParam == kDoneTimer) {
            KillTimer(g_dialog, kDoneTimer);
            g_run.total[kPaint] += g_paintEnd - g_stageStart;
            g_done = true;
            PostMessageW(g_dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One start-up of the installer, as its entry point runs it. False when
// a step failed.
bool RunOnce(const CNelStrW& infoFile, RunFigures& figures)
{
    g_run = RunFigures();
    g_dialog = nullptr;
    g_done = false;
    g_stage = kBeforeDialog;
    g_stageStart = NowMs();

    g_strInfoFile = infoFile;
    bool ok = NelFileExists(g_strInfoFile.t()) != FALSE;
    CNelStrW mutexName;
    NelIniGetStr(L"CurInfo", L"MutexName", mutexName, g_strInfoFile.t());
    ExpandInfoMacros(mutexName);
    ok = ok && TakeInstanceMutex(mutexName) == kMutexTaken;
    g_hDlgFont = CreateDialogFont();
    LoadAppIcons(g_hIconSmall, g_hIconLarge);
    ATOM dlgClass = RegisterDialogClass(g_hInstance);
    ok = ok && dlgClass;

    if (ok) {
        EnterStage(kTemplate, NowMs());
        CTaviCurMiniInstDlg dlg(nullptr);
        dlg.ShowDlg();
    }

    if (dlgClass)
        UnregisterClassW(MAKEINTATOM(dlgClass), g_hInstance);
    DeleteObject(g_hDlgFont);
    if (g_hIconSmall)
        DestroyIcon(g_hIconSmall);
    if (g_hIconLarge)
        DestroyIcon(g_hIconLarge);
    g_hDlgFont = nullptr;
    g_hIconSmall = g_hIconLarge = nullptr;
    for (HANDLE h : g_mutexes) {
        ReleaseMutex(h);
        CloseHandle(h);
    }
    g_mutexes.clear();
    figures = g_run;
    return ok && g_done;
}

// One printed row: a stage's whole time, or the time of one kind of call
// inside it, or what is left of the stage besides the three kinds; the
// stage kStageCount stands for all stages together.
enum Part { kWhole, kOfKind, kRest };
struct Row {
    const char* label;
    Stage stage;
    Part part;
    Kind kind;
};
const Row kRows[] = {
    {"before the dialog: file check, mutex, font, icons, class", kBeforeDialog, kWhole, kInfo},
    {"  of which install-info reading", kBeforeDialog, kOfKind, kInfo},
    {"  of which image loading (icons)", kBeforeDialog, kOfKind, kImages},
    {"dialog and controls from the template", kTemplate, kWhole, kInfo},
    {"dialog initialisation (WM_INITDIALOG)", kInit, kWhole, kInfo},
    {"  of which install-info reading", kInit, kOfKind, kInfo},
    {"  of which image loading", kInit, kOfKind, kImages},
    {"  of which text measuring", kInit, kOfKind, kMeasure},
    {"  the rest: layout, control set-up, parsing", kInit, kRest, kInfo},
    {"show and first paint", kPaint, kWhole, kInfo},
    {"all stages", kStageCount, kWhole, kInfo},
};

double RowTime(const Row& row, const RunFigures& r)
{
    if (row.stage == kStageCount)
        return r.total[kBeforeDialog] + r.total[kTemplate] + r.total[kInit] + r.total[kPaint];
    if (row.part == kOfKind)
        return r.inKind[row.stage][row.kind];
    double time = r.total[row.stage];
    if (row.part == kRest)
        for (int k = 0; k < kKindCount; ++k)
            time -= r.inKind[row.stage][k];
    return time;
}

int RowLookups(const Row& row, const RunFigures& r)
{
    if (row.stage != kStageCount)
        return r.lookups[row.stage];
    return r.lookups[kBeforeDialog] + r.lookups[kTemplate] + r.lookups[kInit] + r.lookups[kPaint];
}

void PrintRows(const std::vector<RunFigures>& runs)
{
    std::printf("installer start-up in stages, in-process (medians of %d runs after one untimed run)\n",
                static_cast<int>(runs.size()));
    for (const Row& row : kRows) {
        std::vector<double> times, lookups;
        for (const RunFigures& r : runs) {
            times.push_back(RowTime(row, r));
            lookups.push_back(RowLookups(row, r));
        }
        std::printf("  %-56s %8.2f ms", row.label, Median(times));
        if (row.part == kWhole)
            std::printf("  %3.0f lookups", Median(lookups));
        std::printf("\n");
    }
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::puts("usage: StartupStages <install-info file>");
        return 2;
    }
    g_hInstance = GetModuleHandleW(nullptr);
    HMODULE self = GetModuleHandleW(nullptr);
    for (int i = 0; i < kSlotCount; ++i) {
        // A function the installer's code does not call is no import
        // here: its patch stays inactive and its hook is never called.
        g_patches[i] = new ImportPatch(self, kPatchTable[i].dll, kPatchTable[i].name, kPatchTable[i].hook);
    }
    if (!g_patches[kCreateFile]->Active() || !g_patches[kCreateMutex]->Active()) {
        std::puts("StartupStages: FAILED: cannot replace the file and mutex imports");
        return 1;
    }
    HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    HHOOK returned = SetWindowsHookExW(WH_CALLWNDPROCRET, ReturnedHook, nullptr, GetCurrentThreadId());
    HHOOK retrieved = SetWindowsHookExW(WH_GETMESSAGE, RetrievedHook, nullptr, GetCurrentThreadId());

    const CNelStrW infoFile(argv[1]);
    std::vector<RunFigures> runs;
    for (int i = 0; i <= kRuns; ++i) {
        RunFigures figures;
        if (!RunOnce(infoFile, figures)) {
            std::puts("StartupStages: FAILED: a start-up step failed or the dialog did not show");
            return 1;
        }
        if (i > 0)
            runs.push_back(figures);
    }
    UnhookWindowsHookEx(retrieved);
    UnhookWindowsHookEx(returned);
    UnhookWindowsHookEx(sent);

    PrintRows(runs);
    return 0;
}
