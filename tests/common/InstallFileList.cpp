#include "InstallFileList.h"
#include "NelIni.h"

namespace NelTest {

std::vector<std::wstring> ReadInstallFileList(const std::wstring& infoFile)
{
    std::vector<std::wstring> files;
    for (int n = 0;; ++n) {
        CNelStrW value;
        std::wstring key = L"File" + std::to_wstring(n);
        if (!NelIniGetStr(L"InstallFiles", key.c_str(), value, infoFile.c_str()) || value.IsEmpty())
            break;
        files.push_back(value.t());
    }
    return files;
}

} // namespace NelTest
