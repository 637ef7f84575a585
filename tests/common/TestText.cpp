#include "TestText.h"
#include <windows.h>

namespace NelTest {

std::vector<std::wstring> SplitFields(const std::wstring& text)
{
    std::vector<std::wstring> fields;
    for (size_t start = 0;;) {
        size_t comma = text.find(L',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::wstring::npos)
            return fields;
        start = comma + 1;
    }
}

std::wstring ExpandEnv(const std::wstring& text)
{
    wchar_t buffer[32768];
    DWORD n = ExpandEnvironmentStringsW(text.c_str(), buffer, 32768);
    return n > 0 && n <= 32768 ? buffer : text;
}

} // namespace NelTest
