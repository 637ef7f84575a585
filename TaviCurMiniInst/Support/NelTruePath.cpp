// The full path of a file with every component in its stored spelling.
#include "NelPath.h"
#include <string>
#include <vector>

namespace {

// Extra room beyond what the first search reports, in case the file's
// path grows between the two searches.
const DWORD kSearchSlack = 129;

std::wstring Lower(std::wstring s)
{
    if (!s.empty())
        CharLowerBuffW(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

// The found full path of name through the system's search order.
bool SearchFull(const wchar_t* name, std::wstring& full)
{
    DWORD needed = SearchPathW(nullptr, name, nullptr, 0, nullptr, nullptr);
    if (!needed)
        return false;
    std::vector<wchar_t> buffer(needed + kSearchSlack, L'\0');
    DWORD len = SearchPathW(nullptr, name, nullptr, static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (!len || len >= buffer.size())
        return false;
    full.assign(buffer.data(), len);
    return true;
}

// The stored (long, as-spelled) name of the last component of path.
bool StoredName(const std::wstring& path, std::wstring& name)
{
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(path.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    name = found.cFileName;
    return true;
}

bool IsDriveRoot(const std::wstring& p)
{
    return (p.size() == 2 && p[1] == L':') || (p.size() == 3 && p[1] == L':' && p[2] == L'\\');
}

// "x:\" for a drive that exists. DRIVE_NO_ROOT_DIR is the answer for a
// drive letter with nothing behind it, so it counts as missing too.
bool DriveRoot(const std::wstring& full, std::wstring& root)
{
    root = Lower(full);
    if (root.size() == 2)
        root += L'\\';
    return NelIsDirectory(root.c_str()) || GetDriveTypeW(root.c_str()) > DRIVE_NO_ROOT_DIR;
}

} // namespace

BOOL NelGetTruePath(const wchar_t* name, CNelStrW& out)
{
    if (!name || !*name)
        return FALSE;
    // A wildcard would make the searches below answer with whichever file
    // happens to match first.
    for (const wchar_t* p = name; *p; ++p)
        if (*p == L'*' || *p == L'?')
            return FALSE;

    std::wstring full;
    if (!SearchFull(name, full))
        return FALSE;
    if (full.compare(0, 2, L"\\\\") == 0) {
        out = full.c_str();
        return TRUE;
    }
    if (IsDriveRoot(full)) {
        std::wstring root;
        if (!DriveRoot(full, root))
            return FALSE;
        out = root.c_str();
        return TRUE;
    }

    // From the file up to the root, one component at a time.
    std::wstring stored;
    std::wstring result;
    if (!StoredName(full, stored))
        return FALSE;
    result = L"\\" + stored;
    std::wstring rest = full;
    for (size_t slash = rest.rfind(L'\\'); slash != std::wstring::npos && slash > 2;
         slash = rest.rfind(L'\\')) {
        rest.erase(slash);
        if (!StoredName(rest, stored))
            return FALSE;
        result.insert(0, L"\\" + stored);
    }
    out = (Lower(full.substr(0, 2)) + result).c_str();
    return TRUE;
}
