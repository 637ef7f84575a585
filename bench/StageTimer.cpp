#include "StageTimer.h"
#include <cstdio>
#include "BenchFigures.h"

namespace NelBench {

namespace {

StageFigures g_figures;
int g_stage = -1;
double g_stageStart;

} // namespace

void StartStages(int stageCount, int kindCount, int first)
{
    g_figures.total.assign(stageCount, 0.0);
    g_figures.time.assign(stageCount, std::vector<double>(kindCount, 0.0));
    g_figures.calls.assign(stageCount, std::vector<int>(kindCount, 0));
    g_stage = first;
    g_stageStart = NowMs();
}

void EnterStage(int stage, double now)
{
    if (g_stage >= 0)
        g_figures.total[g_stage] += now - g_stageStart;
    g_stage = stage;
    g_stageStart = now;
}

void StopStages(double now)
{
    EnterStage(-1, now);
}

int CurrentStage()
{
    return g_stage;
}

void CountCall(int kind)
{
    if (g_stage >= 0)
        ++g_figures.calls[g_stage][kind];
}

const StageFigures& Figures()
{
    return g_figures;
}

CTimed::CTimed(int kind, bool counts) : m_kind(kind), m_counts(counts), m_start(NowMs()) {}

CTimed::~CTimed()
{
    if (m_counts && g_stage >= 0)
        g_figures.time[g_stage][m_kind] += NowMs() - m_start;
}

ImportPatches::ImportPatches(HMODULE module, const PatchEntry* table, int count)
{
    for (int i = 0; i < count; ++i)
        m_patches.push_back(new ImportPatch(module, table[i].dll, table[i].name, table[i].hook));
}

namespace {

// The install-info file's reading.
enum InfoSlot { kCreateFile, kGetFileSize, kReadFile, kCloseHandle, kFindFirstFile, kFindClose };
const ImportPatches* g_infoPatches;
const wchar_t* (*g_infoFile)();
int g_infoKind;
HANDLE g_infoHandle = INVALID_HANDLE_VALUE;  // the install-info file while it is open
HANDLE g_infoFind = INVALID_HANDLE_VALUE;    // a search that named it

bool IsInfoFile(const wchar_t* path)
{
    return path && lstrcmpiW(path, g_infoFile()) == 0;
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

HANDLE WINAPI HookCreateFileW(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa,
                              DWORD disposition, DWORD flags, HANDLE templ)
{
    const bool info = IsInfoFile(path);
    CTimed timed(g_infoKind, info);
    HANDLE h = g_infoPatches->Original<decltype(&CreateFileW)>(kCreateFile)(
        path, access, share, sa, disposition, flags, templ);
    if (info) {
        CountCall(g_infoKind);
        g_infoHandle = h;
    }
    return h;
}

DWORD WINAPI HookGetFileSize(HANDLE h, LPDWORD high)
{
    CTimed timed(g_infoKind, h == g_infoHandle);
    return g_infoPatches->Original<decltype(&GetFileSize)>(kGetFileSize)(h, high);
}

BOOL WINAPI HookReadFile(HANDLE h, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED overlapped)
{
    CTimed timed(g_infoKind, h == g_infoHandle);
    return g_infoPatches->Original<decltype(&ReadFile)>(kReadFile)(h, buffer, size, read, overlapped);
}

BOOL WINAPI HookCloseHandle(HANDLE h)
{
    CTimed timed(g_infoKind, Forget(g_infoHandle, h));
    return g_infoPatches->Original<decltype(&CloseHandle)>(kCloseHandle)(h);
}

HANDLE WINAPI HookFindFirstFileW(LPCWSTR path, LPWIN32_FIND_DATAW data)
{
    const bool info = IsInfoFile(path);
    CTimed timed(g_infoKind, info);
    HANDLE h = g_infoPatches->Original<decltype(&FindFirstFileW)>(kFindFirstFile)(path, data);
    if (info)
        g_infoFind = h;
    return h;
}

BOOL WINAPI HookFindClose(HANDLE h)
{
    CTimed timed(g_infoKind, Forget(g_infoFind, h));
    return g_infoPatches->Original<decltype(&FindClose)>(kFindClose)(h);
}

const PatchEntry kInfoPatches[] = {
    {"kernel32.dll", "CreateFileW", reinterpret_cast<void*>(&HookCreateFileW)},
    {"kernel32.dll", "GetFileSize", reinterpret_cast<void*>(&HookGetFileSize)},
    {"kernel32.dll", "ReadFile", reinterpret_cast<void*>(&HookReadFile)},
    {"kernel32.dll", "CloseHandle", reinterpret_cast<void*>(&HookCloseHandle)},
    {"kernel32.dll", "FindFirstFileW", reinterpret_cast<void*>(&HookFindFirstFileW)},
    {"kernel32.dll", "FindClose", reinterpret_cast<void*>(&HookFindClose)},
};

} // namespace

bool WatchInfoFileReading(HMODULE module, const wchar_t* (*infoFile)(), int kind)
{
    g_infoFile = infoFile;
    g_infoKind = kind;
    g_infoPatches = new ImportPatches(module, kInfoPatches, sizeof kInfoPatches / sizeof kInfoPatches[0]);
    return g_infoPatches->Active(kCreateFile);
}

namespace {

double RowTime(const StageRow& row, const StageFigures& r, int stage)
{
    if (row.part == kOfKind)
        return r.time[stage][row.kind];
    double time = r.total[stage];
    if (row.part == kRest)
        for (double inKind : r.time[stage])
            time -= inKind;
    return time;
}

// The row's time and count in one run, all stages summed for kAllStages.
void RowFigures(const StageRow& row, const StageFigures& r, double& time, double& count)
{
    time = count = 0;
    for (int stage = 0; stage < static_cast<int>(r.total.size()); ++stage) {
        if (row.stage != kAllStages && row.stage != stage)
            continue;
        time += RowTime(row, r, stage);
        if (row.countKind >= 0)
            count += r.calls[stage][row.countKind];
    }
}

} // namespace

void PrintStageRows(const char* title, const StageRow* rows, int rowCount,
                    const std::vector<StageFigures>& runs)
{
    if (runs.size() == 1)
        std::printf("%s (one run)\n", title);
    else
        std::printf("%s (medians of %d runs)\n", title, static_cast<int>(runs.size()));
    for (int i = 0; i < rowCount; ++i) {
        const StageRow& row = rows[i];
        std::vector<double> times, counts;
        for (const StageFigures& r : runs) {
            double time, count;
            RowFigures(row, r, time, count);
            times.push_back(time);
            counts.push_back(count);
        }
        std::printf("  %-58s %8.2f ms", row.label, Median(times));
        if (row.countKind >= 0)
            std::printf("  %4.0f %s", Median(counts), row.countUnit);
        std::printf("\n");
    }
    std::fflush(stdout);
}

} // namespace NelBench
