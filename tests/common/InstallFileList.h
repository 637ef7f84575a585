// The cursor files an install-info file lists: [InstallFiles] File0,
// File1, ... up to the first missing or empty one, read with the
// installer's own INI reader.
#pragma once
#include <string>
#include <vector>

namespace NelTest {

std::vector<std::wstring> ReadInstallFileList(const std::wstring& infoFile);

} // namespace NelTest
