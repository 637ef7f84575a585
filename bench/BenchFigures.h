// Timing and printing shared by the benchmark programs: a millisecond
// clock, the median of a set of times, and the row that compares two
// sides measured in the same run.
#pragma once
#include <string>
#include <vector>
#include "Utf8Out.h"

namespace NelBench {

// Milliseconds from an arbitrary origin (performance counter).
double NowMs();

// Median of the times (the middle one; the mean of the two middle ones for
// an even count); 0 for none.
double Median(std::vector<double> times);

// "label   ours (unit)   theirs (unit)   ratio" with the run count; the ratio
// is ours / theirs (below 1: ours is faster).
void PrintComparison(const char* label, const char* unit, const std::vector<double>& ours,
                     const std::vector<double>& theirs, int decimals);

// "label   median (unit)   min .. max" of one side.
void PrintSingle(const char* label, const char* unit, const std::vector<double>& times,
                 int decimals);

// One UTF-8 line on standard output.
using NelTest::PrintLine;

} // namespace NelBench
