// What a cursor install.inf installs: the scheme's name and fields from
// its HKCU "Control Panel\Cursors\Schemes" AddReg line, the files of its
// CopyFiles sections and the folder they are copied to.
#pragma once
#include <string>
#include <vector>
#include "InfFile.h"

// Where the CopyFiles sections copy to.
enum class InfDestination {
    UnderWindows,  // a folder inside the Windows folder
    Elsewhere,     // a folder outside it, or one that cannot be known here
    Missing,       // no [DestinationDirs] entry: setupapi copies into the system folder
};

struct InfScheme {
    std::wstring name;                    // the scheme's name (value name)
    std::vector<std::wstring> fields;     // the scheme string split at commas, substituted
    std::vector<std::wstring> rawFields;  // the same before substitution
    const InfLine* line = nullptr;        // the scheme line
    bool brokenQuotes = false;            // its quoting is irregular or its value was split
    std::wstring flags;                   // the line's registry flags field, as written
    bool setsCurrent = false;             // another AddReg line writes HKCU "Control Panel\Cursors"
    std::vector<std::wstring> files;      // source paths of the CopyFiles entries, substituted
    std::wstring destination;             // folder of the copied files, substituted
    InfDestination destinationKind = InfDestination::Missing;
};

// False when the inf has no scheme line.
bool ReadInfScheme(const InfFile& inf, InfScheme& out);

// The folder with "/" turned into "\", doubled and trailing "\" removed.
std::wstring NormalFolder(const std::wstring& folder);

// True when folder (normalised) is the Windows folder or inside it.
bool IsUnderWindowsFolder(const std::wstring& folder);
