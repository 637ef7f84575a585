// A file's icon index in the system image list.
#include "NelPath.h"
#include "NelComScope.h"

int NelGetSysIconIndex(const wchar_t* path)
{
    if (!path)
        return -1;
    // By name alone, so that a file still to be installed shows the icon
    // of its type; an existing folder is asked for its own icon instead,
    // which may be a customised one.
    UINT flags = SHGFI_SYSICONINDEX;
    if (!NelIsDirectory(path))
        flags |= SHGFI_USEFILEATTRIBUTES;
    CNelComScope com;
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path, 0, &info, sizeof(info), flags))
        return -1;
    return info.iIcon;
}
