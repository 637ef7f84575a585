// FuzzLibrary.dll: the fuzz targets of NelWnd's exported string class,
// message box and help popup, reporting through the program that loads it.
#include <vector>
#include "FuzzRun.h"

namespace Fuzz {

LibraryHost g_host = {};

void Finding(const std::string& what)
{
    g_host.finding(what.c_str());
}

long long TargetOrdinal()
{
    return g_host.ordinal();
}

} // namespace Fuzz

extern "C" NEL_FUZZ_LIBRARY_API const Fuzz::Target* NelFuzzLibraryTargets(const Fuzz::LibraryHost* host)
{
    static std::vector<Fuzz::Target> targets;
    Fuzz::g_host = *host;
    if (targets.empty()) {
        for (const Fuzz::Target* list : {Fuzz::kStrTargets, Fuzz::kBoxTargets})
            for (const Fuzz::Target* t = list; t->name; ++t)
                targets.push_back(*t);
        targets.push_back({nullptr, 0, nullptr});
    }
    return targets.data();
}
