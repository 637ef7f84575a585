#include "InstallFolder.h"
#include <windows.h>

namespace NelBench {

namespace {

bool ReadWholeFile(const std::wstring& path, std::vector<char>& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(f, nullptr), got = 0;
    bool ok = size != INVALID_FILE_SIZE;
    if (ok) {
        bytes.resize(size);
        ok = size == 0 || (ReadFile(f, bytes.data(), size, &got, nullptr) && got == size);
    }
    CloseHandle(f);
    return ok;
}

} // namespace

std::wstring CheckInstalledFiles(const std::wstring& sourceFolder, const std::wstring& folder,
                                 const std::vector<std::wstring>& names)
{
    for (const std::wstring& name : names) {
        std::vector<char> source, copy;
        if (!ReadWholeFile(sourceFolder + L"\\" + name, source))
            return L"cannot read the source " + name;
        if (!ReadWholeFile(folder + L"\\" + name, copy))
            return name + L" is not in " + folder;
        if (copy != source)
            return name + L" in " + folder + L" differs from its source";
    }
    return L"";
}

void RemoveInstalledFiles(const std::wstring& folder, const std::vector<std::wstring>& names)
{
    for (const std::wstring& name : names) {
        std::wstring path = folder + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace NelBench
