// Solid fills.
#include "NelGdiUtil.h"
#include "NelWndCalls.h"

// An empty opaque text run fills with the background colour without
// creating a brush.
NELWND_FUNC(BOOL) NelGDIFillSolidRect(HDC dc, const RECT* rect, COLORREF color)
{
    if (!rect)
        return FALSE;
    SetBkColor(dc, color);
    return NelBuildCalls::OpaqueRun(dc, rect);
}

NELWND_API BOOL NelGDIFillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF color)
{
    RECT rect = {x, y, x + cx, y + cy};
    return NelGDIFillSolidRect(dc, &rect, color);
}
