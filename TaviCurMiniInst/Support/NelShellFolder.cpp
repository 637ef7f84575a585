// Paths of shell special folders.
#include "NelPath.h"
#include "NelComScope.h"
#include "NelShellAlloc.h"

namespace {

// The system's Windows or System folder query, into out.
BOOL FromSystemQuery(CNelStrW& out, UINT (WINAPI* query)(LPWSTR, UINT))
{
    wchar_t buffer[MAX_PATH + 1] = {};
    UINT len = query(buffer, MAX_PATH);
    // A result above the buffer size is the size it would need.
    if (len == 0 || len > MAX_PATH)
        return FALSE;
    out = buffer;
    return TRUE;
}

} // namespace

BOOL NelGetSpecialFolder(CNelStrW& out, int csidl)
{
    // These two are answered without the shell, which the 9x family may
    // lack in the version that knows them.
    if (csidl == CSIDL_WINDOWS)
        return FromSystemQuery(out, GetWindowsDirectoryW);
    if (csidl == CSIDL_SYSTEM)
        return FromSystemQuery(out, GetSystemDirectoryW);

    CNelComScope com;
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list)
        return FALSE;
    wchar_t buffer[MAX_PATH + 1] = {};
    // Virtual folders (My Computer, Control Panel) have no path.
    BOOL ok = SHGetPathFromIDListW(list, buffer) && buffer[0];
    NelFreeIdList(list);
    if (ok)
        out = buffer;
    return ok;
}
