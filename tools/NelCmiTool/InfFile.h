// A classic setup information file (.inf) as far as a cursor scheme
// needs it: sections of lines split into comma-separated fields, the
// [Strings] table and the %name% substitution.
#pragma once
#include <string>
#include <vector>

struct InfLine {
    int number = 0;                   // 1-based line of the file
    std::wstring text;                // the line as written (white space trimmed)
    std::wstring key;                 // text before "=" (trimmed), empty when none
    std::vector<std::wstring> fields; // comma-separated fields after "=" (or of the whole line)
    bool irregularQuotes = false;     // a quote left open, or text glued to a quoted part
};

// How the bytes of the file were turned into text.
struct InfDecoding {
    unsigned codePage = 0;  // 1200 UTF-16LE, 1201 UTF-16BE, 65001 UTF-8, else an ANSI code page
    bool guessed = false;   // ANSI by assumption: no mark, not UTF-8, no code page named
};

class InfFile {
public:
    // Reads UTF-16 with a byte-order mark, UTF-8 with or without one, or
    // ANSI text in codePage (0: the system's ANSI code page, as setupapi
    // does); CRLF or LF. False when unreadable.
    bool Load(const std::wstring& path, unsigned codePage = 0);

    const InfDecoding& Decoding() const { return m_decoding; }

    // The lines of a section (name compared ignoring case, every section
    // of that name in file order); null when absent.
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
    InfDecoding m_decoding;
};

// The fields of one line as setupapi reads them: commas outside double
// quotes separate them, quotes are removed ("" inside quotes is one
// quote), a quote left open runs to the end of the line, white space
// outside quotes is trimmed, ";" outside quotes starts a remark.
// irregular (when given) tells whether the quoting was broken.
std::vector<std::wstring> SplitInfFields(const std::wstring& text, bool* irregular = nullptr);

std::wstring WindowsFolder();
std::wstring SystemFolder();
bool EqualNoCase(const std::wstring& a, const std::wstring& b);
