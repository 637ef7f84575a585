// The full path of a file with every component in its stored spelling.
#include "NelPath.h"

namespace {

// Extra room beyond what the first search reports, in case the file's
// path grows between the two searches.
const DWORD kSearchSlack = 129;

void Lower(CNelStrW& s)
{
    if (!s.IsEmpty())
        CharLowerBuffW(s.GetBuff(), static_cast<DWORD>(s.GetLength()));
}

// The found full path of name through the system's search order.
bool SearchFull(const wchar_t* name, CNelStrW& full)
{
    DWORD needed = SearchPathW(nullptr, name, nullptr, 0, nullptr, nullptr);
    if (!needed)
        return false;
    const DWORD size = needed + kSearchSlack;
    CNelStrW buffer(static_cast<int>(size));
    DWORD len = SearchPathW(nullptr, name, nullptr, size, buffer.GetBuff(), nullptr);
    if (!len || len >= size)
        return false;
    buffer.ResetLen();
    full = buffer;
    return true;
}

// The stored (long, as-spelled) name of the last component of path.
bool StoredName(const wchar_t* path, CNelStrW& name)
{
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(path, &found);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    name = found.cFileName;
    return true;
}

bool IsDriveRoot(const CNelStrW& p)
{
    const int n = p.GetLength();
    return (n == 2 && p[1] == L':') || (n == 3 && p[1] == L':' && p[2] == L'\\');
}

// "x:\" for a drive that exists. DRIVE_NO_ROOT_DIR is the answer for a
// drive letter with nothing behind it, so it counts as missing too.
bool DriveRoot(const CNelStrW& full, CNelStrW& root)
{
    root = full;
    Lower(root);
    if (root.GetLength() == 2)
        root += L"\\";
    return NelIsDirectory(root.t()) || GetDriveTypeW(root.t()) > DRIVE_NO_ROOT_DIR;
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

    CNelStrW full;
    if (!SearchFull(name, full))
        return FALSE;
    if (full.Find(L"\\\\") == 0) {
        out = full;
        return TRUE;
    }
    if (IsDriveRoot(full)) {
        CNelStrW root;
        if (!DriveRoot(full, root))
            return FALSE;
        out = root;
        return TRUE;
    }

    // From the file up to the root, one component at a time.
    CNelStrW stored;
    if (!StoredName(full.t(), stored))
        return FALSE;
    CNelStrW result(L"\\");
    result += stored;
    CNelStrW rest = full;
    for (int slash = rest.RFind(L'\\'); slash > 2; slash = rest.RFind(L'\\')) {
        rest = rest.Left(slash);
        if (!StoredName(rest.t(), stored))
            return FALSE;
        CNelStrW level(L"\\");
        level += stored;
        level += result;
        result = level;
    }
    CNelStrW drive = full.Left(2);
    Lower(drive);
    drive += result;
    out = drive;
    return TRUE;
}
