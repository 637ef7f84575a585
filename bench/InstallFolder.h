// The cursor files of an installation: the list in the install-info file,
// checking that they landed, and removing them again between runs.
#pragma once
#include <string>
#include <vector>

namespace NelBench {

// Empty when every listed file is in folder with the same bytes as in
// sourceFolder; otherwise the first problem.
std::wstring CheckInstalledFiles(const std::wstring& sourceFolder, const std::wstring& folder,
                                 const std::vector<std::wstring>& names);

// Deletes the listed files from folder, then the folder when it is empty.
void RemoveInstalledFiles(const std::wstring& folder, const std::vector<std::wstring>& names);

} // namespace NelBench
