#include "BenchFigures.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>

namespace NelBench {

double NowMs()
{
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

double Median(std::vector<double> times)
{
    if (times.empty())
        return 0.0;
    std::sort(times.begin(), times.end());
    size_t mid = times.size() / 2;
    return times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2.0;
}

void PrintComparison(const char* label, const char* unit, const std::vector<double>& ours,
                     const std::vector<double>& theirs, int decimals)
{
    double a = Median(ours), b = Median(theirs);
    std::printf("%-34s %10.*f %s %10.*f %s %7.2fx  (medians of %u and %u runs)\n", label,
                decimals, a, unit, decimals, b, unit, b > 0 ? a / b : 0.0,
                static_cast<unsigned>(ours.size()), static_cast<unsigned>(theirs.size()));
    std::fflush(stdout);
}

void PrintSingle(const char* label, const char* unit, const std::vector<double>& times,
                 int decimals)
{
    double low = times.empty() ? 0 : *std::min_element(times.begin(), times.end());
    double high = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
    std::printf("%-34s %10.*f %s  (median of %u runs, %.*f .. %.*f)\n", label, decimals,
                Median(times), unit, static_cast<unsigned>(times.size()), decimals, low,
                decimals, high);
    std::fflush(stdout);
}

} // namespace NelBench
