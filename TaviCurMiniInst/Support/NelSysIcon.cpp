// A file's icon index in the system image list, and the list itself.
#include "NelPath.h"
#include "NelComScope.h"

DWORD_PTR NelQuerySysIcon(const wchar_t* path, UINT extraFlags, int& index)
{
    index = -1;
    if (!path)
        return 0;
    // By name alone, so that a file still to be installed shows the icon
    // of its type; an existing folder is asked for its own icon instead,
    // which may be a customised one.
    UINT flags = SHGFI_SYSICONINDEX | extraFlags;
    if (!NelIsDirectory(path))
        flags |= SHGFI_USEFILEATTRIBUTES;
    CNelComScope com;
    SHFILEINFOW info = {};
    const DWORD_PTR result = SHGetFileInfoW(path, 0, &info, sizeof(info), flags);
    if (result)
        index = info.iIcon;
    return result;
}

int NelGetSysIconIndex(const wchar_t* path)
{
    int index = -1;
    NelQuerySysIcon(path, 0, index);
    return index;
}
