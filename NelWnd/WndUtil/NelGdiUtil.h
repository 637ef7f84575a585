// Drawing helpers: off-screen drawing through a TDC, solid fills, colour-key
// masks and transparent blits, a two-colour gradient with dithered band
// edges, and two colour operations. Stateless; every function leaves the
// caller's DC as it found it unless it says otherwise, and frees every GDI
// object it creates. Colours are COLORREF values (0x00BBGGRR).
#pragma once
#include <windows.h>
#include "../NelWndApi.h"

// An off-screen copy of part of a DC: a memory DC with a target-compatible
// bitmap of the rectangle's size and the target's font, pen, brush,
// colours, background and ROP2 modes and mapping mode. Filled by
// NelGDICreateTDC, owned by the caller (usually on the stack), released by
// NelGDIDeleteTDC.
//
// hdcMem is drawn in with the target's own coordinates: its logical origin
// is moved to the rectangle's top-left, so the rectangle's pixels are the
// bitmap's pixels whatever the rectangle's origin.
struct tagNEL_TDC {
    HDC hdcMem;        // draw into this
    HDC hdcTarget;     // where NelGDIBltTDC copies the result
    HBITMAP hbmMem;    // off-screen bitmap, selected into hdcMem
    HGDIOBJ hbmOld;    // hdcMem's previous bitmap
    HGDIOBJ hfontOld;  // hdcMem's previous font
    HGDIOBJ hpenOld;   // hdcMem's previous pen
    HGDIOBJ hbrOld;    // hdcMem's previous brush
    int x, y;          // rectangle's top-left in target coordinates
    int cx, cy;        // rectangle's size
};

// Fills tdc for the rectangle of target; with copyBackground the target's
// pixels of the rectangle are copied in. On failure nothing is left to
// release.
NELWND_FUNC(BOOL) NelGDICreateTDC(HDC target, tagNEL_TDC* tdc, const RECT* rect, BOOL copyBackground);
// Copies the off-screen bitmap to the target: to rect's position and size
// when given, else back to the rectangle it was made for.
NELWND_FUNC(BOOL) NelGDIBltTDC(tagNEL_TDC* tdc, const RECT* rect);
// Restores hdcMem's objects and deletes the bitmap and the DC; the record
// is cleared. TRUE only when every step succeeded.
NELWND_FUNC(BOOL) NelGDIDeleteTDC(tagNEL_TDC* tdc);

// Fills the rectangle with color. The DC keeps color as its background
// colour.
NELWND_FUNC(BOOL) NelGDIFillSolidRect(HDC dc, const RECT* rect, COLORREF color);
// The same for the rectangle (x, y, x + cx, y + cy); a C++ overload,
// exported under its decorated name with the compiler's default calling
// convention (a stdcall name would lose its @24 suffix to the export list's
// --kill-at and no longer match what callers import).
NELWND_API BOOL NelGDIFillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF color);

// Colour key of the library's image buttons.
#define NEL_TRANSPARENT_COLOR RGB(0, 128, 128)

// A new monochrome-valued mask of the image's size: white where the image
// has the colour transparent, black elsewhere. NULL on failure. Reads and
// sets every pixel, so it is meant for small images, once per image.
NELWND_FUNC(HBITMAP) NelGDICreateMaskBmp(HBITMAP image, COLORREF transparent);

// Results of NelGDITransBlt.
enum {
    NEL_TRANSBLT_OK = 0,
    NEL_TRANSBLT_NOTHING = 1,       // image or mask is NULL
    NEL_TRANSBLT_NOSIZE = 2,        // the image's size cannot be read
    NEL_TRANSBLT_BLTFAILED = 3,     // no bit blits on the device, or a blit failed
    NEL_TRANSBLT_STRETCHFAILED = 4, // no stretching for a mirrored draw, or it failed
    NEL_TRANSBLT_ERROR = 99,        // no DC, no memory DC, or mirror 4 or 5
};

// Mirror values of NelGDITransBlt.
enum {
    NEL_MIRROR_NONE = 0,
    NEL_MIRROR_LEFTRIGHT = 1,
    NEL_MIRROR_TOPBOTTOM = 2,
    NEL_MIRROR_BOTH = 3,
};

// Draws the image's part from (xSrc, ySrc) to (srcRight, srcBottom) -- to
// the image's right and bottom edges unless both are non-zero -- at
// (xDest, yDest), leaving out every pixel whose mask pixel is white,
// optionally mirrored. The image's masked pixels are set to black on the
// way (repeating that is harmless).
NELWND_FUNC(int) NelGDITransBlt(HDC dc, HBITMAP image, HBITMAP mask, int xDest, int yDest,
                                int xSrc, int ySrc, int srcRight, int srcBottom, int mirror);

// flatColor values of NelGDIGradationRect.
enum {
    NEL_GRAD_FLAT_FROM = 10,
    NEL_GRAD_FLAT_TO = 11,
};

// Fills rect with a gradient from `from` (left or top) to `to` (right or
// bottom) in bands, dithering the edges between bands when a side is at
// least 10 pixels. On palette devices, or when the two colours are equal,
// a flat fill with `to` when flatColor is 11, else with `from`. Returns 1.
NELWND_FUNC(int) NelGDIGradationRect(HDC dc, const RECT* rect, COLORREF from, COLORREF to,
                                     BOOL vertical, int flatColor);

// Per channel the floor of the average.
NELWND_FUNC(COLORREF) NelHalfBlendRGB(COLORREF a, COLORREF b);
// Per channel 255 - value.
NELWND_FUNC(COLORREF) NelInvertRGB(COLORREF c);
