#include "CommandLine.h"
#include <shellapi.h>

void AppendQuotedArg(CNelStrW& out, const wchar_t* arg)
{
    out += L" \"";
    int backslashes = 0;
    for (const wchar_t* p = arg ? arg : L""; *p; ++p) {
        if (*p == L'\\') {
            ++backslashes;
            continue;
        }
        for (int i = 0; i < backslashes * (*p == L'"' ? 2 : 1); ++i)
            out += L"\\";
        backslashes = 0;
        if (*p == L'"')
            out += L"\\";
        wchar_t one[2] = {*p, 0};
        out += one;
    }
    for (int i = 0; i < backslashes * 2; ++i)
        out += L"\\";
    out += L"\"";
}

bool ParseDecimalArg(const wchar_t* text, DWORD& value)
{
    ULONGLONG number = 0;
    const wchar_t* p = text ? text : L"";
    for (; *p >= L'0' && *p <= L'9' && number <= 0xFFFFFFFFull; ++p)
        number = number * 10 + static_cast<ULONGLONG>(*p - L'0');
    if (*p || p == text || !text || number > 0xFFFFFFFFull)
        return false;
    value = static_cast<DWORD>(number);
    return true;
}

CommandLineArgs::CommandLineArgs(const wchar_t* commandLine) : m_args(nullptr), m_count(0)
{
    if (commandLine)
        m_args = CommandLineToArgvW(commandLine, &m_count);
    if (!m_args)
        m_count = 0;
}

CommandLineArgs::~CommandLineArgs()
{
    LocalFree(m_args);
}

const wchar_t* CommandLineArgs::operator[](int i) const
{
    return i >= 0 && i < m_count ? m_args[i] : L"";
}

bool CommandLineArgs::Is(int i, const wchar_t* text) const
{
    return i >= 0 && i < m_count && lstrcmpiW(m_args[i], text) == 0;
}
