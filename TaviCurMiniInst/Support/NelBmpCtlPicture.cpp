// CNelBmpCtl: choosing the picture and sizing the control to it.
#include "NelBmpCtl.h"
#include "NelComScope.h"
#include "NelPath.h"
#include <shellapi.h>

namespace {

bool BitmapSize(HBITMAP bitmap, int* cx, int* cy)
{
    BITMAP bm = {};
    if (!bitmap || GetObjectW(bitmap, sizeof(bm), &bm) != sizeof(bm))
        return false;
    *cx = bm.bmWidth;
    *cy = bm.bmHeight;
    return true;
}

} // namespace

BOOL CNelBmpCtl::SetBitmap(HBITMAP bitmap, HBITMAP mask)
{
    if (!bitmap || !mask)
        return FALSE;
    m_hBitmap = bitmap;
    m_hMask = mask;
    int cx, cy;
    if (BitmapSize(bitmap, &cx, &cy)) {
        m_cx = cx;
        m_cy = cy;
    }
    return TRUE;
}

// The picture size from the icon's colour bitmap. A monochrome icon or
// cursor has none; its mask holds the AND and XOR halves one above the
// other, so its size is the mask's width and half its height.
BOOL CNelBmpCtl::SizeFromIcon(HICON icon)
{
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return FALSE;
    int cx = 0, cy = 0;
    bool known = false;
    if (info.hbmColor) {
        known = BitmapSize(info.hbmColor, &cx, &cy);
    } else if (BitmapSize(info.hbmMask, &cx, &cy)) {
        cy /= 2;
        known = true;
    }
    // GetIconInfo hands out copies that are ours to delete.
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (!known)
        return FALSE;
    m_cx = cx;
    m_cy = cy;
    return TRUE;
}

BOOL CNelBmpCtl::SetIcon(HICON icon, int frame)
{
    if (!icon)
        return FALSE;
    m_nIndex = frame;
    return SetIcon(icon);
}

BOOL CNelBmpCtl::SetIcon(HICON icon)
{
    if (!icon)
        return FALSE;
    m_hIcon = icon;
    return SizeFromIcon(icon);
}

BOOL CNelBmpCtl::SetFileIcon(const wchar_t* path, BOOL smallIcon)
{
    // One shell query gives both the icon's index and the system image
    // list of the size asked for (the same list whatever the path): a
    // second query on an empty path for the list alone, with COM set up
    // and torn down again around it, cost more than the first one.
    int index = -1;
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(
        NelQuerySysIcon(path, smallIcon ? SHGFI_SMALLICON : 0, index));
    if (index == -1 || !list)
        return FALSE;
    m_hImageList = list;
    int cx, cy;
    if (!ImageList_GetIconSize(list, &cx, &cy)) {
        bool useSmall = smallIcon == 1;
        cx = GetSystemMetrics(useSmall ? SM_CXSMICON : SM_CXICON);
        cy = GetSystemMetrics(useSmall ? SM_CYSMICON : SM_CYICON);
    }
    m_cx = cx;
    m_cy = cy;
    m_nIndex = index;
    return TRUE;
}

BOOL CNelBmpCtl::FitToImage()
{
    if (m_cx <= 0 || m_cy <= 0 || !m_hWnd)
        return FALSE;
    return SetWindowPos(m_hWnd, nullptr, 0, 0, m_cx, m_cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
