#include "ToolOutput.h"
#include <windows.h>

std::string ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &out[0], size, nullptr,
                        nullptr);
    return out;
}

void WriteLine(const std::wstring& text)
{
    // Raw bytes through the handle: the C runtime's text mode would
    // translate them through the console code page.
    std::string bytes = ToUtf8(text) + "\r\n";
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE)
        WriteFile(out, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
}
