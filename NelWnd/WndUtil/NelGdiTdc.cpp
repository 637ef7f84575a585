// Off-screen drawing through a memory DC that mirrors a target DC.
#include "NelGdiUtil.h"

namespace {

// The objects a TDC selects into its memory DC, in selection order; the
// previous ones are kept in the record's fields of the same order.
const UINT kMirroredObjects[] = {OBJ_FONT, OBJ_PEN, OBJ_BRUSH};

HGDIOBJ* PreviousSlots(tagNEL_TDC* tdc, int index)
{
    HGDIOBJ* slots[] = {&tdc->hbmOld, &tdc->hfontOld, &tdc->hpenOld, &tdc->hbrOld};
    return slots[index];
}

// Puts back the first count previous objects, last selected first.
BOOL RestoreSelections(tagNEL_TDC* tdc, int count)
{
    BOOL ok = TRUE;
    for (int i = count - 1; i >= 0; --i) {
        if (!SelectObject(tdc->hdcMem, *PreviousSlots(tdc, i)))
            ok = FALSE;
    }
    return ok;
}

// Undoes a partly built record: the selections made so far, the bitmap, the DC.
BOOL Unwind(tagNEL_TDC* tdc, int selections)
{
    BOOL ok = RestoreSelections(tdc, selections);
    if (!DeleteObject(tdc->hbmMem))
        ok = FALSE;
    if (!DeleteDC(tdc->hdcMem))
        ok = FALSE;
    HDC target = tdc->hdcTarget;
    ZeroMemory(tdc, sizeof(*tdc));
    tdc->hdcTarget = target;
    return ok;
}

// Selects the bitmap, then the target's current font, pen and brush.
// Returns how many selections succeeded (4 when all did).
int SelectMirroredObjects(tagNEL_TDC* tdc)
{
    *PreviousSlots(tdc, 0) = SelectObject(tdc->hdcMem, tdc->hbmMem);
    if (!tdc->hbmOld)
        return 0;
    for (int i = 0; i < 3; ++i) {
        HGDIOBJ current = GetCurrentObject(tdc->hdcTarget, kMirroredObjects[i]);
        HGDIOBJ* slot = PreviousSlots(tdc, i + 1);
        *slot = current ? SelectObject(tdc->hdcMem, current) : nullptr;
        if (!*slot)
            return i + 1;
    }
    return 4;
}

void CopyDrawingState(HDC from, HDC to)
{
    SetTextColor(to, GetTextColor(from));
    SetBkColor(to, GetBkColor(from));
    SetBkMode(to, GetBkMode(from));
    SetROP2(to, GetROP2(from));
    SetMapMode(to, GetMapMode(from));
}

} // namespace

NELWND_FUNC(BOOL) NelGDICreateTDC(HDC target, tagNEL_TDC* tdc, const RECT* rect, BOOL copyBackground)
{
    if (!tdc)
        return FALSE;
    ZeroMemory(tdc, sizeof(*tdc));
    tdc->hdcTarget = target;
    if (!rect)
        return FALSE;
    tdc->hdcMem = CreateCompatibleDC(target);
    if (!tdc->hdcMem)
        return FALSE;
    int cx = rect->right - rect->left;
    int cy = rect->bottom - rect->top;
    tdc->hbmMem = CreateCompatibleBitmap(target, cx, cy);
    if (!tdc->hbmMem) {
        DeleteDC(tdc->hdcMem);
        tdc->hdcMem = nullptr;
        return FALSE;
    }
    tdc->x = rect->left;
    tdc->y = rect->top;
    tdc->cx = cx;
    tdc->cy = cy;

    int selected = SelectMirroredObjects(tdc);
    if (selected < 4) {
        Unwind(tdc, selected);
        return FALSE;
    }
    CopyDrawingState(target, tdc->hdcMem);
    // Logical (x, y) of the memory DC is the bitmap's first pixel, so the
    // caller draws with the target's coordinates for any rectangle.
    SetWindowOrgEx(tdc->hdcMem, tdc->x, tdc->y, nullptr);

    if (copyBackground &&
        !BitBlt(tdc->hdcMem, tdc->x, tdc->y, cx, cy, target, tdc->x, tdc->y, SRCCOPY)) {
        Unwind(tdc, 4);
        return FALSE;
    }
    return TRUE;
}

NELWND_FUNC(BOOL) NelGDIBltTDC(tagNEL_TDC* tdc, const RECT* rect)
{
    if (!tdc || !tdc->hdcMem)
        return FALSE;
    if (rect) {
        return BitBlt(tdc->hdcTarget, rect->left, rect->top, rect->right - rect->left,
                      rect->bottom - rect->top, tdc->hdcMem, tdc->x, tdc->y, SRCCOPY);
    }
    return BitBlt(tdc->hdcTarget, tdc->x, tdc->y, tdc->cx, tdc->cy, tdc->hdcMem, tdc->x, tdc->y,
                  SRCCOPY);
}

NELWND_FUNC(BOOL) NelGDIDeleteTDC(tagNEL_TDC* tdc)
{
    if (!tdc || !tdc->hdcMem)
        return FALSE;
    BOOL ok = Unwind(tdc, 4);
    tdc->hdcTarget = nullptr;
    return ok;
}
