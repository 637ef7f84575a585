#include "RobustSnapshot.h"

namespace Robust {

namespace {

bool IsUnder(const std::wstring& path, const std::wstring& prefix)
{
    if (prefix.empty() || path.compare(0, prefix.size(), prefix) != 0)
        return false;
    return path.size() == prefix.size() || path[prefix.size()] == L'\\' || prefix.back() == L'\\';
}

bool IsSkipped(const std::wstring& upperPath, const std::vector<std::wstring>& skip)
{
    for (const std::wstring& s : skip)
        if (IsUnder(upperPath, Upper(s)))
            return true;
    return false;
}

// FNV-1a over the value's bytes: equal data, equal fingerprint.
std::wstring Fingerprint(DWORD type, const BYTE* data, DWORD size)
{
    unsigned long hash = 2166136261u;
    for (DWORD i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return std::to_wstring(type) + L":" + std::to_wstring(size) + L":" + std::to_wstring(hash);
}

void AddValues(Snapshot& snap, HKEY key, const std::wstring& name)
{
    std::vector<wchar_t> valueName(16384);
    std::vector<BYTE> data(64 * 1024);
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = (DWORD)valueName.size(), size = (DWORD)data.size(), type = 0;
        LONG r = RegEnumValueW(key, i, valueName.data(), &nameLen, nullptr, &type, data.data(), &size);
        if (r == ERROR_MORE_DATA) {
            data.resize(size + 2);
            --i;
            continue;
        }
        if (r != ERROR_SUCCESS)
            return;
        snap[Upper(name + L"\\[" + std::wstring(valueName.data(), nameLen) + L"]")] =
            Fingerprint(type, data.data(), size);
    }
}

} // namespace

std::wstring Upper(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(&text[0], (DWORD)text.size());
    return text;
}

void AddFiles(Snapshot& snap, const std::wstring& root, const std::vector<std::wstring>& skip)
{
    std::wstring base = root;
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((base + L"\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = base + L"\\" + name;
        const std::wstring upper = Upper(path);
        if (IsSkipped(upper, skip))
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snap[upper + L"\\"] = L"folder";
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                AddFiles(snap, path, skip);
        } else {
            snap[upper] = std::to_wstring(fd.nFileSizeLow) + L"@" + std::to_wstring(fd.ftLastWriteTime.dwLowDateTime) +
                          L"." + std::to_wstring(fd.ftLastWriteTime.dwHighDateTime);
        }
    } while (FindNextFileW(find, &fd));
    FindClose(find);
}

void AddRegistry(Snapshot& snap, HKEY root, const std::wstring& rootName, const std::wstring& subKey,
                 const std::vector<std::wstring>& skip)
{
    const std::wstring name = subKey.empty() ? rootName : rootName + L"\\" + subKey;
    if (IsSkipped(Upper(name), skip))
        return;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    snap[Upper(name) + L"\\"] = L"key";
    AddValues(snap, key, name);
    std::vector<std::wstring> children;
    wchar_t child[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = 256;
        if (RegEnumKeyExW(key, i, child, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.push_back(std::wstring(child, len));
    }
    RegCloseKey(key);
    for (const std::wstring& c : children)
        AddRegistry(snap, root, rootName, subKey.empty() ? c : subKey + L"\\" + c, skip);
}

Snapshot TakeSnapshot()
{
    Snapshot snap;
    AddFiles(snap, L"C:\\", {});
    // Wine keeps its own bookkeeping under Software\Wine (a message beep
    // records its sound parameters there); that is not the installer's.
    AddRegistry(snap, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"", {L"HKEY_CURRENT_USER\\Software\\Wine"});
    AddRegistry(snap, HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"Software",
                {L"HKEY_LOCAL_MACHINE\\Software\\Classes"});
    return snap;
}

std::vector<std::wstring> Changes(const Snapshot& before, const Snapshot& after,
                                  const std::vector<std::wstring>& allowed)
{
    std::vector<std::wstring> upperAllowed;
    for (const std::wstring& a : allowed)
        upperAllowed.push_back(Upper(a));
    std::vector<std::wstring> out;
    auto report = [&](const std::wstring& path, const wchar_t* what) {
        std::wstring bare = path;
        const bool container = !bare.empty() && bare.back() == L'\\';
        if (container)
            bare.pop_back();
        if (IsSkipped(bare, upperAllowed))
            return;
        // Making an allowed folder or key also makes its missing parents.
        if (container && what[0] == L'a')
            for (const std::wstring& a : upperAllowed)
                if (IsUnder(a, bare))
                    return;
        out.push_back(std::wstring(what) + L" " + path);
    };
    for (const auto& entry : after) {
        auto was = before.find(entry.first);
        if (was == before.end())
            report(entry.first, L"added");
        else if (was->second != entry.second)
            report(entry.first, L"changed");
    }
    for (const auto& entry : before)
        if (after.find(entry.first) == after.end())
            report(entry.first, L"removed");
    return out;
}

} // namespace Robust
