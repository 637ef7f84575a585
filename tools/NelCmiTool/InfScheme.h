// What a cursor install.inf installs: the scheme's name and fields from
// its HKCU "Control Panel\Cursors\Schemes" AddReg line, the files of its
// CopyFiles sections and the folder they are copied to.
#pragma once
#include <string>
#include <vector>
#include "InfFile.h"

struct InfScheme {
    std::wstring name;                 // the scheme's name (value name)
    std::vector<std::wstring> fields;  // the scheme string split at commas, substituted
    std::vector<std::wstring> files;   // source file names of the CopyFiles sections
    std::wstring destination;          // folder of the copied files, substituted
};

// False when the inf has no scheme line.
bool ReadInfScheme(const InfFile& inf, InfScheme& out);
