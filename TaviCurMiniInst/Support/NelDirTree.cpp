// Creating a whole folder path, with roll-back when a level fails.
#include "NelPath.h"
#include <cwchar>

namespace {

// Characters Windows never allows in a folder name, and the parent-folder
// step, which would let a path climb out of the folder it seems to name.
const wchar_t kForbidden[] = L"\"|<>?*";

bool IsAcceptable(const wchar_t* path)
{
    return !wcspbrk(path, kForbidden) && !wcsstr(path, L"\\..");
}

// The length of the existing base folder of path: the walk goes up one
// level at a time until a level exists. -1 when some level exists as a
// file. The walk stops at a backslash at index 0 or 1, which belongs to a
// root ("\" or the "\\" of a network path), not to a folder name; the
// base is then what is left.
int ExistingBase(const CNelStrW& path)
{
    CNelStrW base = path;
    for (;;) {
        int slash = base.RFind(L'\\');
        if (slash <= 1)
            break;
        base = base.Left(slash);
        DWORD attr = GetFileAttributesW(base.t());
        if (attr != INVALID_FILE_ATTRIBUTES) {
            if (!(attr & FILE_ATTRIBUTE_DIRECTORY))
                return -1;
            break;
        }
    }
    return base.GetLength();
}

// Removes the folders made so far, deepest first, down to the base. Each
// level was made as base + "\" + one name, so one backslash back is one
// level up. Only empty folders go, so nothing that someone else put there
// meanwhile is lost.
void RollBack(CNelStrW made, int baseLength)
{
    while (made.GetLength() > baseLength) {
        RemoveDirectoryW(made.t());
        made = made.Left(made.RFind(L'\\'));
    }
}

} // namespace

BOOL NelCreateDirTree(const wchar_t* path)
{
    if (!path || !*path)
        return FALSE;
    if (!IsAcceptable(path))
        return FALSE;
    // An existing folder needs nothing; an existing file cannot become one.
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
        return FALSE;

    const CNelStrW full(path);
    const int split = ExistingBase(full);
    if (split < 0)
        return FALSE;
    // Only trailing backslashes are stripped from the base: the leading
    // ones make it absolute ("\\server\share", "\folder"), and without them
    // the levels would be created relative to the current folder.
    int baseLength = split;
    while (baseLength > 2 && full[baseLength - 1] == L'\\')
        --baseLength;
    CNelStrW made = full.Left(baseLength);

    // The missing names are the rest after the base, one per backslash;
    // doubled or trailing backslashes leave empty names, which are no level.
    bool any = false;
    int pos = split;
    while (pos < full.GetLength()) {
        while (full[pos] == L'\\')
            ++pos;
        int end = pos;
        while (end < full.GetLength() && full[end] != L'\\')
            ++end;
        if (end == pos)
            break;
        CNelStrW next = made;
        next += L"\\";
        next += full.Mid(pos, end - pos);
        if (!CreateDirectoryW(next.t(), nullptr)) {
            RollBack(made, baseLength);
            return FALSE;
        }
        made = next;
        any = true;
        pos = end;
    }
    return any ? TRUE : FALSE;
}
