// FuzzRun: the in-process fuzz run (scripts/fuzz.sh runs it long, the
// suite a short slice).
//   FuzzRun [--count N] [--seed S] [--only N]
// Prints the targets, a progress line every 10 seconds, every finding with
// the seed and number that reproduce it, and at the end the inputs, the
// inputs per second and the findings. --only runs one input number and
// keeps its files (printed) for a closer look. Exit code: 0 without
// findings, 1 with, 2 for a usage error; a fault that stops the program
// ends it with its own code after the finding is printed.
#include <windows.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>
#include "FuzzRun.h"
#include "TestFiles.h"

namespace Fuzz {

namespace {

const uint32_t kDefaultSeed = 20261208;
const int kDefaultCount = 100000;
// An input still running after this long counts as hanging (the slowest
// real inputs, huge files in the checked build on a busy machine, take
// under a minute).
const DWORD kHangMs = 180000;

struct Scheduled {
    const Target* target;
    double seconds = 0;
    long long inputs = 0;
};

std::vector<Scheduled> g_targets;
std::vector<int> g_slots;  // 1000 entries: index into g_targets

uint32_t g_seed = kDefaultSeed;
volatile long long g_number = -1;
volatile LONG g_findings = 0;
volatile DWORD g_inputStart = 0;
const char* volatile g_targetName = "";
std::wstring g_workDir;
std::wstring g_sourceDir;

void PrintRaw(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Context()
{
    char buffer[160];
    std::snprintf(buffer, sizeof(buffer), "input %lld of seed %u (%s)", (long long)g_number,
                  g_seed, g_targetName);
    return buffer;
}

std::string ReproduceHint()
{
    char buffer[160];
    std::snprintf(buffer, sizeof(buffer), "    reproduce: scripts/fuzz.sh 1 %u --only %lld", g_seed,
                  (long long)g_number);
    return buffer;
}

LONG WINAPI OnUnhandled(EXCEPTION_POINTERS* info)
{
    char buffer[200];
    std::snprintf(buffer, sizeof(buffer), "FINDING: %s stopped the program: exception 0x%08lX at %p",
                  Context().c_str(), (unsigned long)info->ExceptionRecord->ExceptionCode,
                  info->ExceptionRecord->ExceptionAddress);
    PrintRaw(buffer);
    PrintRaw(ReproduceHint());
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnAbort(int)
{
    PrintRaw("FINDING: " + Context() + " stopped the program: abort (a standard library check)");
    PrintRaw(ReproduceHint());
}

DWORD WINAPI Watchdog(void*)
{
    for (;;) {
        Sleep(1000);
        // Signed: the start is made odd (0 means no input runs), so it may
        // lie a millisecond ahead of the tick count read here.
        const DWORD start = g_inputStart;
        if (start && (LONG)(GetTickCount() - start) > (LONG)kHangMs) {
            PrintRaw("FINDING: " + Context() + " hangs (still running after 180 s)");
            PrintRaw(ReproduceHint());
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
}

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)frequency.QuadPart;
}

void ReportFromLibrary(const char* what)
{
    Finding(what);
}

void Schedule()
{
    static const LibraryHost host = {ReportFromLibrary, TargetOrdinal};
    for (const Target* list : {kInstallInfoTargets, kAuthorToolTargets, NelFuzzLibraryTargets(&host)})
        for (const Target* t = list; t->name; ++t)
            g_targets.push_back({t});
    for (size_t i = 0; i < g_targets.size(); ++i)
        for (int k = 0; k < g_targets[i].target->perMille; ++k)
            g_slots.push_back((int)i);
}

// Target of input n: each run of 1000 inputs visits every slot once, in an
// order that mixes the targets.
Scheduled& TargetOf(long long n)
{
    return g_targets[g_slots[(size_t)((n * 389) % (long long)g_slots.size())]];
}

void RunInput(long long n)
{
    Scheduled& s = TargetOf(n);
    g_targetName = s.target->name;
    g_number = n;
    Random r((uint32_t)(g_seed * 2654435761u) ^ (uint32_t)(n * 0x85EBCA6Bu + 1));
    const double t0 = Now();
    g_inputStart = GetTickCount() | 1;
    s.target->run(r);
    g_inputStart = 0;
    s.seconds += Now() - t0;
    ++s.inputs;
}

int Usage()
{
    std::printf("usage: FuzzRun [--count N] [--seed S] [--only N]\n");
    return 2;
}

} // namespace

void Finding(const std::string& what)
{
    InterlockedIncrement(&g_findings);
    PrintRaw("FINDING: " + Context() + ": " + what);
    PrintRaw(ReproduceHint());
}

long long TargetOrdinal()
{
    const long long n = g_number;
    const size_t slot = (size_t)((n * 389) % (long long)g_slots.size());
    size_t first = slot;
    while (first > 0 && g_slots[first - 1] == g_slots[slot])
        --first;
    return n / (long long)g_slots.size() * g_targets[g_slots[slot]].target->perMille +
           (long long)(slot - first);
}

const std::wstring& WorkDir()
{
    return g_workDir;
}

std::wstring SourceFile(const std::wstring& relative)
{
    return g_sourceDir.empty() ? std::wstring() : g_sourceDir + L"\\" + relative;
}

} // namespace Fuzz

int wmain(int argc, wchar_t** argv)
{
    using namespace Fuzz;
    long long count = kDefaultCount;
    long long only = -1;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (i + 1 >= argc)
            return Usage();
        const wchar_t* value = argv[++i];
        if (arg == L"--count")
            count = _wtoi64(value);
        else if (arg == L"--seed")
            g_seed = (uint32_t)_wtoi64(value);
        else if (arg == L"--only")
            only = _wtoi64(value);
        else
            return Usage();
    }
    if (count < 0 || (only < 0 && only != -1))
        return Usage();

    // Faults of the run itself must not wait for a person at a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(OnUnhandled);
    std::signal(SIGABRT, OnAbort);
    if (const wchar_t* source = _wgetenv(L"NEL_SOURCE_DIR"))
        g_sourceDir = source;

    NelTest::TempDir temp;
    if (only >= 0) {
        g_workDir = NelTest::ExeDir() + L"\\fuzz-input-" + std::to_wstring(only);
        NelTest::RemoveTree(g_workDir);
        CreateDirectoryW(g_workDir.c_str(), nullptr);
    } else {
        g_workDir = temp.Path();
    }
    Schedule();
    CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);

    std::printf("FuzzRun: seed %u, %lld inputs, ANSI code page %u, %s build\n", g_seed,
                only >= 0 ? 1LL : count, GetACP(),
#ifdef NEL_CHECKED
                "checked"
#else
                "plain"
#endif
    );
    std::printf("targets (share of every 1000 inputs):");
    for (const Scheduled& s : g_targets)
        std::printf(" %s %d,", s.target->name, s.target->perMille);
    std::printf("\n");
    std::fflush(stdout);

    const double start = Now();
    double lastReport = start;
    long long done = 0;
    if (only >= 0) {
        RunInput(only);
        done = 1;
        std::printf("input %lld was %s; its files are in %ls\n", only, TargetOf(only).target->name,
                    g_workDir.c_str());
    } else {
        for (long long n = 0; n < count; ++n) {
            RunInput(n);
            ++done;
            const double now = Now();
            if (now - lastReport >= 10.0) {
                lastReport = now;
                std::printf("  %lld/%lld inputs, %.0f inputs/s, %ld findings\n", done, count,
                            done / (now - start), (long)g_findings);
                std::fflush(stdout);
            }
        }
    }
    const double seconds = Now() - start;
    std::printf("per target: inputs, seconds\n");
    for (const Scheduled& s : g_targets)
        std::printf("  %-18s %8lld %8.1f\n", s.target->name, s.inputs, s.seconds);
    std::printf("FuzzRun: %lld inputs in %.1f s, %.0f inputs/s, seed %u, %ld findings\n", done,
                seconds, seconds > 0 ? done / seconds : 0.0, g_seed, (long)g_findings);
    std::fflush(stdout);
    return g_findings ? 1 : 0;
}
