// Times CNelStrW against std::wstring doing the same work in the same run
// and prints the median of five runs of each, with their ratio.
// scripts/bench.sh runs it under Wine.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include "HanToZenBench.h"
#include "Str/NelStr.h"

namespace {

const int kRuns = 5;

double NowMs()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// Median time of kRuns runs of work; prepare runs untimed before each.
double MedianMs(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        double start = NowMs();
        work();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

void PrintRow(const char* name, double ours, double std, bool same)
{
    std::printf("%-44s %10.2f ms %10.2f ms %8.2fx  %s\n", name, ours, std, std > 0 ? ours / std : 0.0,
                same ? "same result" : "RESULTS DIFFER");
}

// 100 000 appends of short pieces (1 to 4 units).
void BenchAppend()
{
    static const wchar_t* const pieces[] = {L"ab", L"cde", L"f", L"ghij"};
    const int count = 100000;
    CNelStrW ours;
    std::wstring std;
    double tOurs = MedianMs([&] { ours.Delete(); }, [&] {
        for (int i = 0; i < count; ++i)
            ours += pieces[i & 3];
    });
    double tStd = MedianMs([&] { std = std::wstring(); }, [&] {
        for (int i = 0; i < count; ++i)
            std += pieces[i & 3];
    });
    PrintRow("100 000 appends of 1-4 units", tOurs, tStd, std == ours.t());
}

// Replace-all over a text of 1 Mi units (2 MiB of UTF-16) holding 10 000
// matches of a 6-unit word, each replaced by a 14-unit one.
void BenchReplace()
{
    const int matches = 10000;
    const size_t size = 1024 * 1024;
    const wchar_t find[] = L"needle";
    const wchar_t repl[] = L"pin-and-thread";
    std::wstring text;
    text.reserve(size);
    size_t gap = size / matches - 6;
    for (int i = 0; i < matches; ++i) {
        text.append(gap, L"abcdefghijklm"[i % 13]);
        text += find;
    }
    text.append(size - text.size(), L'z');

    CNelStrW ours;
    int oursCount = 0;
    double tOurs = MedianMs([&] { ours = text.c_str(); }, [&] { oursCount = ours.PermStr(find, repl); });

    std::wstring std;
    int stdCount = 0;
    double tStd = MedianMs([&] { std = text; }, [&] {
        std::wstring out;
        out.reserve(std.size());
        size_t pos = 0, hit;
        stdCount = 0;
        while ((hit = std.find(find, pos)) != std::wstring::npos) {
            out.append(std, pos, hit - pos);
            out += repl;
            pos = hit + 6;
            ++stdCount;
        }
        out.append(std, pos, std::wstring::npos);
        std.swap(out);
    });
    PrintRow("replace-all, 1 Mi units, 10 000 matches", tOurs, tStd,
             std == ours.t() && oursCount == matches && stdCount == matches);
}

} // namespace

int main()
{
    std::printf("median of %d runs          %22s %13s %9s\n", kRuns, "CNelStrW", "std::wstring", "ratio");
    BenchAppend();
    BenchReplace();
    RunHanToZenBench();
    return 0;
}
