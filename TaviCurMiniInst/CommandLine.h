// The program's own command lines: building them so that the system's
// parser gives every argument back unchanged, and splitting them again.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// Appends a space and arg as the system's parser (CommandLineToArgvW and
// the C runtime) reads it back: in double quotes, a quote as \", and the
// backslashes before a quote or the closing quote doubled.
void AppendQuotedArg(CNelStrW& out, const wchar_t* arg);

// A number argument: decimal digits only, at most 4294967295.
bool ParseDecimalArg(const wchar_t* text, DWORD& value);

// A whole command line (program name first) split as the system does.
class CommandLineArgs {
public:
    explicit CommandLineArgs(const wchar_t* commandLine);
    ~CommandLineArgs();
    CommandLineArgs(const CommandLineArgs&) = delete;
    CommandLineArgs& operator=(const CommandLineArgs&) = delete;

    int Count() const { return m_count; }
    // Argument i (0 = the program), "" beyond the end.
    const wchar_t* operator[](int i) const;
    // Whether argument i equals text ignoring case.
    bool Is(int i, const wchar_t* text) const;

private:
    LPWSTR* m_args;
    int m_count;
};
