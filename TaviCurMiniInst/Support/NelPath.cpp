// Existence and directory tests shared by the installer's start-up, the
// INI reader and the main dialog, so that every caller agrees on what
// "exists" means.
#include "NelPath.h"
#include <wchar.h>

BOOL NelIsDirectory(const wchar_t* path)
{
    if (!path)
        return FALSE;
    DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL NelIsDriveRoot(const wchar_t* path)
{
    if (!path)
        return FALSE;
    // Complete the three short spellings of a drive to "X:\". The first
    // character is not checked to be a letter: the attribute query decides.
    wchar_t root[4] = { path[0], L':', L'\\', 0 };
    switch (lstrlenW(path)) {
    case 1:
        break;
    case 2:
        if (path[1] != L':')
            return FALSE;
        break;
    case 3:
        if (path[1] != L':' || path[2] != L'\\')
            return FALSE;
        break;
    default:
        return FALSE;
    }
    return NelIsDirectory(root);
}

BOOL NelIsAbsolutePath(const wchar_t* path)
{
    if (!path)
        return FALSE;
    const wchar_t c = path[0];
    if (((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) && path[1] == L':')
        return path[2] == 0 || path[2] == L'\\';
    if (path[0] != L'\\' || path[1] != L'\\')
        return FALSE;
    // "\\server\share": both names present.
    const wchar_t* server = path + 2;
    const wchar_t* slash = wcschr(server, L'\\');
    return slash && slash > server && slash[1] != 0 && slash[1] != L'\\';
}

BOOL NelFileExists(const wchar_t* path)
{
    if (!path)
        return FALSE;
    // A find-first search cannot answer for a bare drive root ("C:\" finds
    // nothing), so the short forms are judged as drive roots instead.
    if (lstrlenW(path) <= 3)
        return NelIsDriveRoot(path);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(path, &fd);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(h);
    return TRUE;
}
