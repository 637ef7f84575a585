// A classic setup information file (.inf) as far as a cursor scheme
// needs it: sections of lines split into comma-separated fields, the
// [Strings] table and the %name% substitution.
#pragma once
#include <string>
#include <vector>

struct InfLine {
    std::wstring key;                 // text before "=" (trimmed), empty when none
    std::vector<std::wstring> fields; // comma-separated fields after "=" (or of the whole line)
};

class InfFile {
public:
    // Reads UTF-16 (with a byte-order mark), UTF-8 with a mark, or text in
    // the process's ANSI code page; CRLF or LF. False when unreadable.
    bool Load(const std::wstring& path);

    // The lines of a section (name compared ignoring case); null when absent.
    const std::vector<InfLine>* Section(const std::wstring& name) const;

    // The value of key in section (first field), empty when absent.
    std::wstring Value(const std::wstring& section, const std::wstring& key) const;

    // Replaces %name% with the [Strings] value, %10% with the Windows
    // folder, %11% with the system folder and %% with %; unknown names stay.
    std::wstring Substitute(const std::wstring& text) const;

private:
    struct Sec {
        std::wstring name;
        std::vector<InfLine> lines;
    };
    std::vector<Sec> m_sections;
};

// The fields of one line: commas outside double quotes separate them,
// quotes are removed ("" inside quotes is one quote), spaces outside
// quotes trimmed; ";" outside quotes starts a remark.
std::vector<std::wstring> SplitInfFields(const std::wstring& text);

std::wstring WindowsFolder();
bool EqualNoCase(const std::wstring& a, const std::wstring& b);
