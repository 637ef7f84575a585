// The "check" command: reads a package the way the installer does and
// prints one line per problem. Returns the exit code: 0 when the
// installer would install the package as meant, 1 with problems, 2 when
// the package cannot be read.
#pragma once
#include <string>

int RunCheck(const std::wstring& target);
