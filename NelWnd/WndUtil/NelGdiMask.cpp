// Colour-key masks for transparent blits.
#include "NelGdiUtil.h"
#include "NelWndCalls.h"

namespace {

void PaintMask(HDC image, HDC mask, int cx, int cy, COLORREF transparent)
{
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            COLORREF pixel = GetPixel(image, x, y);
            SetPixelV(mask, x, y, pixel == transparent ? RGB(255, 255, 255) : RGB(0, 0, 0));
        }
    }
}

// Makes the mask with the image selected into imageDC.
HBITMAP MakeMask(HDC imageDC, HDC maskDC, const BITMAP& size, COLORREF transparent)
{
    // Compatible with the DC that holds the image, so of the image's format.
    HBITMAP mask = CreateCompatibleBitmap(imageDC, size.bmWidth, size.bmHeight);
    if (!mask)
        return nullptr;
    HGDIOBJ oldMask = SelectObject(maskDC, mask);
    if (!oldMask) {
        DeleteObject(mask);
        return nullptr;
    }
    PaintMask(imageDC, maskDC, size.bmWidth, size.bmHeight, transparent);
    SelectObject(maskDC, oldMask);
    return mask;
}

} // namespace

NELWND_FUNC(HBITMAP) NelGDICreateMaskBmp(HBITMAP image, COLORREF transparent)
{
    // A bitmap fills exactly a BITMAP; other objects answer other sizes.
    BITMAP size;
    if (NelBuildCalls::ObjectInfo(image, sizeof(size), &size) != sizeof(size))
        return nullptr;
    HDC imageDC = CreateCompatibleDC(nullptr);
    if (!imageDC)
        return nullptr;
    HBITMAP mask = nullptr;
    HDC maskDC = nullptr;
    if ((GetDeviceCaps(imageDC, RASTERCAPS) & RC_BITBLT) &&
        (maskDC = CreateCompatibleDC(nullptr)) != nullptr) {
        // Selection fails when the image is selected into another DC.
        HGDIOBJ oldImage = SelectObject(imageDC, image);
        if (oldImage) {
            mask = MakeMask(imageDC, maskDC, size, transparent);
            SelectObject(imageDC, oldImage);
        }
        DeleteDC(maskDC);
    }
    DeleteDC(imageDC);
    return mask;
}
