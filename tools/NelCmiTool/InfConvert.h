// The "from-inf" command: turns a classic cursor install.inf and the
// files beside it into a package for the installer. Exit code 0 when the
// package was written without remarks, 1 when written with remarks (files
// left out, fields dropped), 2 when nothing usable could be written.
#pragma once
#include <string>

int RunFromInf(const std::wstring& infPath, const std::wstring& outFolder);
