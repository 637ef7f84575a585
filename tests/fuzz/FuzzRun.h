// The in-process fuzz run: generated and mutated inputs fed straight into
// every reader of outside data, one input after another in one process.
// Input number n of seed s always gets the same target and the same bytes,
// so a finding is reproduced by running that one number again.
#pragma once
#include <cstdint>
#include <string>
#include "FuzzText.h"

#ifdef NEL_FUZZ_LIBRARY_EXPORTS
#define NEL_FUZZ_LIBRARY_API __declspec(dllexport)
#else
#define NEL_FUZZ_LIBRARY_API __declspec(dllimport)
#endif

namespace Fuzz {

// One kind of input: its name, its share of every 1000 inputs, and the
// function that makes and feeds one input.
struct Target {
    const char* name;
    int perMille;
    void (*run)(Random& r);
};

// The targets of each area, each list ending in an empty entry: the
// install-info pipeline and the author tool in the program
// (FuzzInstallInfo.cpp, FuzzAuthorTool.cpp), NelWnd's string class and
// boxes in FuzzLibrary.dll (FuzzStr.cpp, FuzzBoxes.cpp).
extern const Target kInstallInfoTargets[];
extern const Target kAuthorToolTargets[];
extern const Target kStrTargets[];
extern const Target kBoxTargets[];

// FuzzLibrary.dll uses the classes NelWnd.dll exports; the program uses the
// installer's own build of the string class, which cannot be linked into
// one module with them. The program hands the library how to report.
struct LibraryHost {
    void (*finding)(const char* what);
    long long (*ordinal)();
};

// Reports something wrong that did not stop the program: printed with the
// seed and number of the input that showed it, and counted.
void Finding(const std::string& what);

// The place of the running input among the inputs of its target (0, 1,
// 2, ...), a function of its number alone: lets a target sweep a fixed set
// of cases over a run.
long long TargetOrdinal();

// The folder the run may write its files in (a temporary one).
const std::wstring& WorkDir();

// A file of the repository (seed inputs); empty when the run does not know
// where the repository is (NEL_SOURCE_DIR).
std::wstring SourceFile(const std::wstring& relative);

} // namespace Fuzz

// The library's targets, string class first, then the boxes.
extern "C" NEL_FUZZ_LIBRARY_API const Fuzz::Target* NelFuzzLibraryTargets(const Fuzz::LibraryHost* host);
