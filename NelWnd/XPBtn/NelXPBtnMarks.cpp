// CNelXPBtn: the hot/focus accent over the inner strips and the dotted
// focus mark round the face area.
#include "NelXPBtn.h"
#include "NelXPBtnColors.h"
#include "WndUtil/NelGdiUtil.h"

namespace {

void Fill(HDC dc, int l, int t, int r, int b, COLORREF color)
{
    RECT rc = {l, t, r, b};
    NelGDIFillSolidRect(dc, &rc, color);
}

BYTE Lower(BYTE value, int by) { return static_cast<BYTE>(value > by ? value - by : 0); }

void Darken(HDC dc, int x, int y, int by)
{
    COLORREF c = GetPixel(dc, x, y);
    if (c == CLR_INVALID)
        return;
    SetPixel(dc, x, y, RGB(Lower(GetRValue(c), by), Lower(GetGValue(c), by), Lower(GetBValue(c), by)));
}

} // namespace

void NelXPBtnDrawAccent(HDC dc, const RECT& rc, int state, const NelXPBtnColors& c)
{
    if (state != NEL_XPBTN_FOCUSED && state != NEL_XPBTN_HOT)
        return;
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    COLORREF e, g;
    if (state == NEL_XPBTN_FOCUSED) {
        e = NelHalfBlendRGB(caption, c.innerTL);
        g = caption;
    } else {
        e = g = NelInvertRGB(caption);
    }
    COLORREF top = NelHalfBlendRGB(e, c.innerTL);
    COLORREF bottom = NelHalfBlendRGB(g, c.innerBR);
    COLORREF mid = NelHalfBlendRGB(top, bottom);
    Fill(dc, l + 3, b - 4, r - 3, b - 2, bottom);
    Fill(dc, l + 3, t + 2, r - 3, t + 4, top);
    Fill(dc, l + 2, b - 4, r - 2, b - 3, mid);
    RECT left = {l + 2, t + 3, l + 4, b - 3};
    NelGDIGradationRect(dc, &left, top, bottom, TRUE, NEL_GRAD_FLAT_FROM);
    RECT right = {r - 4, t + 3, r - 2, b - 3};
    NelGDIGradationRect(dc, &right, top, bottom, TRUE, NEL_GRAD_FLAT_FROM);
}

// Every second pixel of the face area's border, walking clockwise from the
// pixel right of its top-left corner so that the dots alternate evenly
// round the corners. The top edge is darkened a little more (126) than
// the other three (124).
void CNelXPBtn::DrawFocusMark(HDC dc, const RECT* rect)
{
    const int l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    RECT face = {l + 3, t + 3, r - 3, b - 3};
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT)) {
        DrawFocusRect(dc, &face);
        return;
    }
    const int x0 = face.left, x1 = face.right - 1, y0 = face.top, y1 = face.bottom - 1;
    if (x1 <= x0 || y1 <= y0)
        return;
    const int width = x1 - x0, height = y1 - y0;
    const int perimeter = 2 * (width + height);
    for (int i = 0; i < perimeter; i += 2) {
        int x, y;
        if (i < width) {
            x = x0 + 1 + i;
            y = y0;
        } else if (i < width + height) {
            x = x1;
            y = y0 + 1 + (i - width);
        } else if (i < 2 * width + height) {
            x = x1 - 1 - (i - width - height);
            y = y1;
        } else {
            x = x0;
            y = y1 - 1 - (i - 2 * width - height);
        }
        Darken(dc, x, y, y == y0 ? 126 : 124);
    }
}
