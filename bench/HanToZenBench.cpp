// HanToZen of CNelStrW against the straightforward conversion: a
// std::wstring and a loop over the same tables, one replace-all pass per
// pair in table order. Both convert every category of a 64 KiB mixed text;
// the row gives the median of 5 runs of each and their ratio.
#include "HanToZenBench.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "Str/NelStr.h"
#include "Str/NelStrWidthTables.h"

namespace {

const int kRuns = 5;
const size_t kUnits = 64 * 1024 / sizeof(wchar_t);

// Words of every kind the tables know and some they do not (kanji,
// hiragana, spaces), in a fixed pseudo-random order.
std::wstring MixedText()
{
    const wchar_t* words[] = {
        L"Hello", L"World", L"2024", L"(x+y)*z=42;", L"\xFF76\xFF9E\xFF77\xFF9E", L"\xFF8A\xFF9F\xFF9D",
        L"\xFF83\xFF9E\xFF7D\xFF78\xFF84\xFF6F\xFF8C\xFF9F", L"\x30AB\x30FC\x30BD\x30EB", L"\x6F22\x5B57",
        L"\x3072\x3089\x304C\x306A", L"\xFF21\xFF22\xFF23", L" ", L"\x3000", L"C:\\Windows\\Cursors",
        L"\xFF62\xFF71\xFF72\xFF73\xFF63", L"mixed_Case-123"};
    const size_t count = sizeof(words) / sizeof(words[0]);
    std::wstring text;
    unsigned seed = 2024;
    while (text.size() < kUnits) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % count];
    }
    text.resize(kUnits);
    return text;
}

double Ms(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER freq)
{
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(freq.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int PlainHanToZen(std::wstring& text)
{
    int count = 0;
    for (const NelWidthTable& table : g_nelWidthTables) {
        for (int i = 0; i < table.count; ++i) {
            const std::wstring from = table.pairs[i].halfW, to = table.pairs[i].fullW;
            size_t p = text.find(from);
            if (p == std::wstring::npos)
                continue;
            std::wstring out;
            out.reserve(text.size());
            size_t q = 0;
            while (p != std::wstring::npos) {
                out.append(text, q, p - q);
                out += to;
                ++count;
                q = p + from.size();
                p = text.find(from, q);
            }
            out.append(text, q, std::wstring::npos);
            text.swap(out);
        }
    }
    return count;
}

} // namespace

void RunHanToZenBench()
{
    const std::wstring text = MixedText();
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    std::vector<double> ours, plain;
    std::wstring oursText, plainText;
    int oursCount = 0, plainCount = 0;
    for (int run = 0; run < kRuns; ++run) {
        CNelStrW s(text.c_str());
        QueryPerformanceCounter(&t0);
        oursCount = s.HanToZen(0);
        QueryPerformanceCounter(&t1);
        ours.push_back(Ms(t0, t1, freq));
        oursText = s.t();

        std::wstring w = text;
        QueryPerformanceCounter(&t0);
        plainCount = PlainHanToZen(w);
        QueryPerformanceCounter(&t1);
        plain.push_back(Ms(t0, t1, freq));
        plainText.swap(w);
    }
    bool same = oursText == plainText && oursCount == plainCount;
    double a = Median(ours), b = Median(plain);
    std::printf("HanToZen, all categories, 64 KiB mixed text (%u units, %d conversions), median of %d runs:\n",
                static_cast<unsigned>(text.size()), oursCount, kRuns);
    std::printf("  CNelStrW::HanToZen %.3f ms | std::wstring + table loop %.3f ms | ratio %.3f | results %s\n",
                a, b, b > 0 ? a / b : 0.0, same ? "equal" : "DIFFER");
}
