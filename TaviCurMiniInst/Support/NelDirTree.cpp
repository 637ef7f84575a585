// Creating a whole folder path, with roll-back when a level fails.
#include "NelPath.h"
#include <string>
#include <vector>

namespace {

// Characters Windows never allows in a folder name, and the parent-folder
// step, which would let a path climb out of the folder it seems to name.
const wchar_t kForbidden[] = L"\"|<>?*";

bool IsAcceptable(const std::wstring& path)
{
    return path.find_first_of(kForbidden) == std::wstring::npos &&
           path.find(L"\\..") == std::wstring::npos;
}

// Splits path into an existing base folder and the missing names below it,
// walking up one level at a time. False when some level exists as a file.
// The walk stops at a backslash at index 0 or 1, which belongs to a root
// ("\" or the "\\" of a network path), not to a folder name.
bool SplitExisting(const std::wstring& path, std::wstring& base, std::vector<std::wstring>& missing)
{
    base = path;
    std::vector<std::wstring> names; // deepest first
    for (;;) {
        size_t slash = base.rfind(L'\\');
        if (slash == std::wstring::npos || slash <= 1)
            break;
        names.push_back(base.substr(slash + 1));
        base.erase(slash);
        DWORD attr = GetFileAttributesW(base.c_str());
        if (attr != INVALID_FILE_ATTRIBUTES) {
            if (!(attr & FILE_ATTRIBUTE_DIRECTORY))
                return false;
            break;
        }
    }
    // Doubled or trailing backslashes leave empty names, which are no level.
    missing.clear();
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        if (!it->empty())
            missing.push_back(*it);
    return true;
}

// Removes the folders made so far, deepest first. Only empty folders go,
// so nothing that someone else put there meanwhile is lost.
void RollBack(const std::vector<std::wstring>& created)
{
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        RemoveDirectoryW(it->c_str());
}

} // namespace

BOOL NelCreateDirTree(const wchar_t* path)
{
    if (!path || !*path)
        return FALSE;
    const std::wstring full(path);
    if (!IsAcceptable(full))
        return FALSE;
    // An existing folder needs nothing; an existing file cannot become one.
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
        return FALSE;

    std::wstring base;
    std::vector<std::wstring> missing;
    if (!SplitExisting(full, base, missing) || missing.empty())
        return FALSE;
    // Only trailing backslashes are stripped from the base: the leading
    // ones make it absolute ("\\server\share", "\folder"), and without them
    // the levels would be created relative to the current folder.
    while (base.size() > 2 && base.back() == L'\\')
        base.pop_back();

    std::vector<std::wstring> created;
    std::wstring current = base;
    for (const std::wstring& name : missing) {
        current += L'\\';
        current += name;
        if (!CreateDirectoryW(current.c_str(), nullptr)) {
            RollBack(created);
            return FALSE;
        }
        created.push_back(current);
    }
    return TRUE;
}
