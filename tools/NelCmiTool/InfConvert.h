// The "from-inf" command: turns a classic cursor install.inf and the
// files beside it into a package for the installer. Every line it prints
// is a warning (the package may differ from what the inf meant: files
// left out, fields dropped, broken quoting) or a note (the package
// installs what the inf meant in the installer's own way). Exit code 0
// when the package was written with notes at most, 1 when written with
// warnings, 2 when nothing usable could be written.
#pragma once
#include <string>

// codePage: the ANSI code page of an inf without a byte-order mark that
// is not UTF-8; 0 for the system's ANSI code page.
int RunFromInf(const std::wstring& infPath, const std::wstring& outFolder, unsigned codePage);
