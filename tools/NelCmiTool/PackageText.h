// The install-info file as text lines, for reporting line numbers. The
// installer itself is asked what it sees (NelIniGetStr); this only finds
// the encoding and the lines an author wrote.
#pragma once
#include <string>
#include <vector>

enum class InfoEncoding { Utf16LeBom, Utf16LeNoBom, Utf16BeBom, Utf8Bom, Utf8, Ansi, Empty };

// One line of the file (CR removed) and what it looks like.
struct InfoLine {
    int number = 0;           // 1-based
    std::wstring text;
    bool isHeader = false;    // "[Name]" after optional white space
    bool headerIndented = false;
    std::wstring section;     // header: the name between the brackets
    std::wstring afterHeader; // header: the rest of the line after "]"
    bool isKey = false;       // "key=value" (a header line never is)
    std::wstring keyRaw;      // everything before the first "="
    std::wstring key;         // keyRaw without surrounding white space
    std::wstring value;
    std::wstring owner;       // section of the nearest header above (as written)
    bool hasOwner = false;
};

struct InfoText {
    InfoEncoding encoding = InfoEncoding::Empty;
    std::vector<InfoLine> lines;
};

// False when the file cannot be opened or read.
bool ReadInfoText(const std::wstring& path, InfoText& out);

std::wstring TrimSpaces(const std::wstring& s);
