// The one place where the string class converts between UTF-16 and the
// ANSI code page.
#include "NelStrPlatform.h"

wchar_t* NelStrMBToWide(const char* s, int& n)
{
    if (!s)
        return nullptr;
    int count = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    if (count <= 0)
        return nullptr;
    wchar_t* buf = new wchar_t[count]();
    if (MultiByteToWideChar(CP_ACP, 0, s, -1, buf, count) == 0) {
        delete[] buf;
        return nullptr;
    }
    n = count;
    return buf;
}

char* NelStrWideToMB(const wchar_t* s, int& n)
{
    if (!s)
        return nullptr;
    int count = WideCharToMultiByte(CP_ACP, 0, s, -1, nullptr, 0, nullptr, nullptr);
    if (count <= 0)
        return nullptr;
    char* buf = new char[count]();
    if (WideCharToMultiByte(CP_ACP, 0, s, -1, buf, count, nullptr, nullptr) == 0) {
        delete[] buf;
        return nullptr;
    }
    n = count;
    return buf;
}
