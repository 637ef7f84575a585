// Rectangles in a window's client coordinates.
#include "NelWndUtil.h"

NELWND_FUNC(BOOL) NelScreenToClient(HWND window, RECT* rect)
{
    if (!rect)
        return FALSE;
    POINT topLeft = {rect->left, rect->top};
    POINT bottomRight = {rect->right, rect->bottom};
    if (!ScreenToClient(window, &topLeft) || !ScreenToClient(window, &bottomRight))
        return FALSE;
    rect->left = topLeft.x;
    rect->top = topLeft.y;
    rect->right = bottomRight.x;
    rect->bottom = bottomRight.y;
    return TRUE;
}

NELWND_FUNC(BOOL) NelGetChildWndRect(HWND child, RECT* out)
{
#ifdef NEL_INSTALLER_BUILD
    // The window it is drawn in: GetParent would answer the owner of a
    // popup, whose client coordinates mean nothing for it.
    HWND parent = GetAncestor(child, GA_PARENT);
#else
    HWND parent = GetParent(child);
#endif
    RECT rc;
    if (!out || !parent || !GetWindowRect(child, &rc) || !NelScreenToClient(parent, &rc))
        return FALSE;
    *out = rc;
    return TRUE;
}
