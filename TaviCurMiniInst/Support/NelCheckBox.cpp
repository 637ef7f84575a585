// Reading and setting check boxes, and the size of the system's check-box
// glyph.
#define OEMRESOURCE // OBM_CHECKBOXES
#include "NelWndHelp.h"

int NelGetCheck(HWND button)
{
    switch (SendMessageW(button, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return 1;
    case BST_UNCHECKED:
        return 0;
    case BST_INDETERMINATE:
        return 2;
    default:
        return -1;
    }
}

LRESULT NelSetCheck(HWND button, int state)
{
    WPARAM check = BST_UNCHECKED;
    if (state == 1)
        check = BST_CHECKED;
    else if (state == 2)
        check = BST_INDETERMINATE;
    return SendMessageW(button, BM_SETCHECK, check, 0);
}

BOOL NelGetCheckBoxSize(SIZE* out)
{
    if (!out)
        return FALSE;
    // The system's check-box bitmap holds 4 columns (states) by 3 rows
    // (check box, radio button, radio mask) of equal cells; one cell is
    // the glyph the system draws beside a check box's text.
    HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECKBOXES));
    if (!bitmap)
        return FALSE;
    BITMAP info = {};
    BOOL ok = GetObjectW(bitmap, sizeof(info), &info) == sizeof(info);
    DeleteObject(bitmap);
    if (!ok)
        return FALSE;
    out->cx = info.bmWidth / 4;
    out->cy = info.bmHeight / 3;
    return TRUE;
}
