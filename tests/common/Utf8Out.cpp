#include "Utf8Out.h"
#include <windows.h>
#include <cstdio>

namespace NelTest {

void PrintLine(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    std::fputs(out.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

} // namespace NelTest
