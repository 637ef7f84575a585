// Images named by icon fields: cursor files as cursors, anything else by
// the icon it holds.
#include "TaviCurMiniInstDlg.h"
#include <shellapi.h>

namespace {

// True when path ends in ext (".cur", ".ani"), ignoring case.
bool HasExtension(const wchar_t* path, const wchar_t* ext)
{
    const size_t len = wcslen(path);
    const size_t extLen = wcslen(ext);
    return len >= extLen && lstrcmpiW(path + len - extLen, ext) == 0;
}

} // namespace

bool CTaviCurMiniInstDlg::LoadIconOrCursor(CNelBmpCtl& image, const wchar_t* path, int index,
                                           HICON& outIcon, HCURSOR& outCursor)
{
    if (!path || !*path)
        return false;
    if (HasExtension(path, L".cur") || HasExtension(path, L".ani")) {
        // Animated cursors load too; the index picks the step shown.
        HCURSOR cursor = LoadCursorFromFileW(path);
        if (!cursor)
            return false;
        outCursor = cursor;
        image.SetIcon(cursor, index);
    } else {
        HICON icon = nullptr;
        if (ExtractIconExW(path, index, &icon, nullptr, 1) == 0 || !icon)
            return false;
        outIcon = icon;
        image.SetIcon(icon);
    }
    image.FitToImage();
    return true;
}
