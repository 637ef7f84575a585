// A classic install.inf that does what the installer does: copies the
// files into a folder under the Windows folder and writes the given
// registry values of the current user. Saved as UTF-16 (with its byte
// order mark) so that names outside the ANSI code page survive.
#pragma once
#include <string>
#include <vector>
#include "RegValues.h"

namespace NelBench {

// Writes infPath with a [DefaultInstall] section copying names (from the
// INF's own folder) to windowsSubFolder (relative to the Windows folder)
// and adding values. False with error set when a value's type has no INF
// form or the file cannot be written.
bool WriteInstallInf(const std::wstring& infPath, const std::wstring& windowsSubFolder,
                     const std::vector<std::wstring>& names, const std::vector<RegValue>& values,
                     std::wstring& error);

} // namespace NelBench
