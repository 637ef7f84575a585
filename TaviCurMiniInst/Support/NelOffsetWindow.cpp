// Moving a window by an offset through its placement.
#include "NelWndHelp.h"

BOOL NelOffsetWindow(HWND window, int dx, int dy, int showCmd)
{
    if (!IsWindow(window))
        return FALSE;
    if (dx == 0 && dy == 0)
        return TRUE;
    // The placement's normal position is in the parent's client
    // coordinates for a child, so the same code moves controls and
    // top-level windows, and the show command comes along in one call.
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(window, &placement))
        return FALSE;
    OffsetRect(&placement.rcNormalPosition, dx, dy);
    placement.showCmd = static_cast<UINT>(showCmd);
    return SetWindowPlacement(window, &placement);
}
