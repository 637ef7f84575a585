// IniBench <install-info file>
//
// Reads every key of the file's sections with the installer's own INI
// reader (NelIniGetStr) and with GetPrivateProfileStringW, the same keys
// in the same order, many rounds, and prints the median time per lookup of
// each side and their ratio. Both sides must return the same values.
#include <windows.h>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>
#include "BenchFigures.h"
#include "NelIni.h"

using namespace NelBench;

namespace {

const int kRuns = 7;
const int kRounds = 20;
const wchar_t* const kSections[] = {L"NelvoInfo", L"CurInfo", L"MainDlg", L"EndDlg",
                                    L"InstallFiles", L"DesignList", L"Strings"};

typedef std::vector<std::pair<std::wstring, std::wstring>> KeyList;

// Every (section, key) of the listed sections, as the system lists them.
KeyList ListKeys(const wchar_t* file)
{
    KeyList keys;
    std::vector<wchar_t> names(32768);
    for (const wchar_t* section : kSections) {
        DWORD n = GetPrivateProfileStringW(section, nullptr, L"", names.data(),
                                           static_cast<DWORD>(names.size()), file);
        for (const wchar_t* p = names.data(); p < names.data() + n && *p; p += wcslen(p) + 1)
            keys.emplace_back(section, p);
    }
    return keys;
}

// Lookups whose values differ between the two readers.
int CountDifferences(const KeyList& keys, const wchar_t* file)
{
    int differ = 0;
    wchar_t value[4096];
    for (const auto& k : keys) {
        CNelStrW ours;
        BOOL found = NelIniGetStr(k.first.c_str(), k.second.c_str(), ours, file);
        GetPrivateProfileStringW(k.first.c_str(), k.second.c_str(), L"", value, 4096, file);
        if (!found || std::wstring(ours.t() ? ours.t() : L"") != value)
            ++differ;
    }
    return differ;
}

// Microseconds per lookup of one run of kRounds rounds over every key.
template <typename Lookup>
double MicrosecondsPerLookup(const KeyList& keys, Lookup lookup)
{
    double start = NowMs();
    for (int r = 0; r < kRounds; ++r)
        for (const auto& k : keys)
            lookup(k.first.c_str(), k.second.c_str());
    return (NowMs() - start) * 1000.0 / (static_cast<double>(kRounds) * keys.size());
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::puts("usage: IniBench <install-info file>");
        return 2;
    }
    const wchar_t* file = argv[1];
    KeyList keys = ListKeys(file);
    if (keys.size() < 10) {
        PrintLine(L"IniBench: FAILED: the system lists only " + std::to_wstring(keys.size()) +
                  L" keys in " + file);
        return 1;
    }
    int differ = CountDifferences(keys, file);
    std::printf("%u keys of %u sections, %d rounds per run; values that differ: %d\n",
                static_cast<unsigned>(keys.size()),
                static_cast<unsigned>(sizeof(kSections) / sizeof(kSections[0])), kRounds, differ);

    auto ours = [file](const wchar_t* section, const wchar_t* key) {
        CNelStrW value;
        NelIniGetStr(section, key, value, file);
    };
    auto theirs = [file](const wchar_t* section, const wchar_t* key) {
        wchar_t value[4096];
        GetPrivateProfileStringW(section, key, L"", value, 4096, file);
    };
    std::vector<double> tOurs, tTheirs;
    for (int i = 0; i < kRuns; ++i) {
        tOurs.push_back(MicrosecondsPerLookup(keys, ours));
        tTheirs.push_back(MicrosecondsPerLookup(keys, theirs));
    }
    std::printf("%-34s %13s %13s %8s\n", "", "NelIniGetStr", "GetPrivate..", "ratio");
    PrintComparison("one lookup", "us", tOurs, tTheirs, 2);
    if (differ) {
        std::puts("IniBench: FAILED: the two readers return different values");
        return 1;
    }
    return 0;
}
