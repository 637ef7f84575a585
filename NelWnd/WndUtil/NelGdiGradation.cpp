// Two-colour gradients drawn in bands, with a dithered edge between bands.
#include "NelGdiUtil.h"

namespace {

// One colour channel walking from its start towards its end value.
struct Channel {
    int start;
    int end;
    float step;
    int value;

    Channel(int from, int to, int bands)
        : start(from), end(to), step(from == to ? 0.0f : static_cast<float>(to - from) / bands),
          value(from)
    {
    }

    // The value of band i: start + truncate(i * step), held at the end
    // value (and the step dropped) once it gets there.
    void MoveTo(int band)
    {
        if (step == 0.0f)
            return;
        value = static_cast<int>(band * step) + start;
        if ((step > 0 && value >= end) || (step < 0 && value <= end)) {
            value = end;
            step = 0.0f;
        }
    }
};

// Offsets along the gradient: rows when vertical, columns otherwise.
struct Axis {
    bool vertical;

    LONG& Near(RECT& r) const { return vertical ? r.top : r.left; }
    LONG& Far(RECT& r) const { return vertical ? r.bottom : r.right; }
    LONG Far(const RECT& r) const { return vertical ? r.bottom : r.right; }
};

// Bands of `step` lines, band k in from + truncate(k * (to - from) / bands);
// lines after the last whole band keep what is there.
void FillBands(HDC dc, const RECT& rect, COLORREF from, COLORREF to, Axis axis, int step, int bands)
{
    Channel red(GetRValue(from), GetRValue(to), bands);
    Channel green(GetGValue(from), GetGValue(to), bands);
    Channel blue(GetBValue(from), GetBValue(to), bands);
    RECT band = rect;
    axis.Far(band) = axis.Near(band) + step;
    for (int i = 1; i - 1 < bands; ++i) {
        bool last = axis.Far(band) >= axis.Far(rect);
        if (last)
            axis.Far(band) = axis.Far(rect);
        NelGDIFillSolidRect(dc, &band, RGB(red.value, green.value, blue.value));
        if (last)
            break;
        axis.Near(band) += step;
        axis.Far(band) += step;
        red.MoveTo(i);
        green.MoveTo(i);
        blue.MoveTo(i);
    }
}

// An 8 x 8 checkerboard, one 16-bit word per row as monochrome bitmaps
// require (bytes 55 00 AA 00 ...).
HBITMAP CreateDitherPattern()
{
    static const WORD kRows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    return CreateBitmap(8, 8, 1, 1, kRows);
}

COLORREF PixelBeyond(HDC dc, const RECT& rect, const RECT& strip, Axis axis)
{
    return axis.vertical ? GetPixel(dc, rect.left, strip.bottom) : GetPixel(dc, strip.right, rect.top);
}

// Walks the drawn bands one line at a time. Where the colour changes, the
// far half of the strip before the change is covered with the checkerboard
// in the new colour (0 bits, the text colour) and the previous colour (1
// bits, the background colour), which softens the step between bands.
void DitherBandEdges(HDC dc, const RECT& rect, COLORREF from, Axis axis, HBRUSH pattern)
{
    RECT strip = rect;
    axis.Far(strip) = axis.Near(strip) + 1;
    COLORREF previous = from;
    while (axis.Far(strip) < axis.Far(rect)) {
        COLORREF next = PixelBeyond(dc, rect, strip, axis);
        if (next == CLR_INVALID || next == previous) {
            ++axis.Far(strip);
            continue;
        }
        int length = axis.Far(strip) - axis.Near(strip);
        if (length > 1) {
            RECT half = strip;
            axis.Near(half) += length / 2;
            SetTextColor(dc, next);
            SetBkColor(dc, previous);
            FillRect(dc, &half, pattern);
        }
        previous = next;
        // The line where the colour changed belongs to no strip.
        LONG boundary = axis.Far(strip);
        axis.Near(strip) = boundary + 1;
        axis.Far(strip) = boundary + 2;
    }
}

void DitherWithPattern(HDC dc, const RECT& rect, COLORREF from, Axis axis)
{
    HBITMAP bits = CreateDitherPattern();
    if (!bits)
        return;
    HBRUSH pattern = CreatePatternBrush(bits);
    if (pattern) {
        DitherBandEdges(dc, rect, from, axis, pattern);
        DeleteObject(pattern);
    }
    DeleteObject(bits);
}

void DrawGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, BOOL vertical)
{
    NelGDIFillSolidRect(dc, &rect, to);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    // 4-line bands once a side reaches 10 pixels, single lines below.
    int stepX = width / 10 > 0 ? 4 : 1;
    int stepY = height / 10 > 0 ? 4 : 1;
    Axis axis = {vertical != FALSE};
    int step = vertical ? stepY : stepX;
    int bands = (vertical ? height : width) / step;
    if (bands <= 0)
        return;
    FillBands(dc, rect, from, to, axis, step, bands);
    if ((stepX > 3 || stepY > 3) && (GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT))
        DitherWithPattern(dc, rect, from, axis);
}

} // namespace

NELWND_FUNC(int) NelGDIGradationRect(HDC dc, const RECT* rect, COLORREF from, COLORREF to,
                                     BOOL vertical, int flatColor)
{
    if (!rect)
        return 1;
    COLORREF oldText = GetTextColor(dc);
    COLORREF oldBk = GetBkColor(dc);
    // A palette device cannot show the in-between colours.
    if (GetDeviceCaps(dc, NUMCOLORS) != -1 || from == to)
        NelGDIFillSolidRect(dc, rect, flatColor == NEL_GRAD_FLAT_TO ? to : from);
    else
        DrawGradient(dc, *rect, from, to, vertical);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    return 1;
}
