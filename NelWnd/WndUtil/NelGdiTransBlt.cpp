// Transparent blits: an image drawn through a colour-key mask, optionally
// mirrored.
#include "NelGdiUtil.h"
#include "NelWndCalls.h"

namespace {

// Destination AND NOT source: black wherever the mask is white.
const DWORD kClearUnderMask = 0x00220326;

struct BltSource {
    HDC image;
    HDC mask;
    int x, y, cx, cy;
};

// Mask with SRCAND (keeps the destination under white mask pixels, blackens
// the rest), then the image with SRCINVERT (its masked pixels are black,
// so they leave the destination as it is).
BOOL DrawStraight(HDC dc, int x, int y, const BltSource& src)
{
    return BitBlt(dc, x, y, src.cx, src.cy, src.mask, src.x, src.y, SRCAND) &&
           BitBlt(dc, x, y, src.cx, src.cy, src.image, src.x, src.y, SRCINVERT);
}

// The same with a negative destination extent. A negative extent counts
// from its starting pixel backwards, so the start is the last pixel of the
// destination rectangle, not one beyond it: the mirrored image covers
// exactly the pixels the straight one would.
BOOL DrawMirrored(HDC dc, int xDest, int yDest, bool flipX, bool flipY, const BltSource& src)
{
    int x = flipX ? xDest + src.cx - 1 : xDest;
    int y = flipY ? yDest + src.cy - 1 : yDest;
    int cx = flipX ? -src.cx : src.cx;
    int cy = flipY ? -src.cy : src.cy;
    return StretchBlt(dc, x, y, cx, cy, src.mask, src.x, src.y, src.cx, src.cy, SRCAND) &&
           StretchBlt(dc, x, y, cx, cy, src.image, src.x, src.y, src.cx, src.cy, SRCINVERT);
}

int Draw(HDC dc, int xDest, int yDest, const BltSource& src, int mirror)
{
    // The image's transparent pixels become black so that SRCINVERT leaves
    // the destination alone there. This changes the caller's bitmap.
    if (!BitBlt(src.image, src.x, src.y, src.cx, src.cy, src.mask, src.x, src.y, kClearUnderMask))
        return NEL_TRANSBLT_BLTFAILED;
    switch (mirror) {
    case NEL_MIRROR_LEFTRIGHT:
    case NEL_MIRROR_TOPBOTTOM:
    case NEL_MIRROR_BOTH:
        return DrawMirrored(dc, xDest, yDest, mirror != NEL_MIRROR_TOPBOTTOM,
                            mirror != NEL_MIRROR_LEFTRIGHT, src)
                   ? NEL_TRANSBLT_OK
                   : NEL_TRANSBLT_STRETCHFAILED;
    case 4:
    case 5:
        return NEL_TRANSBLT_ERROR;
    default:
        return DrawStraight(dc, xDest, yDest, src) ? NEL_TRANSBLT_OK : NEL_TRANSBLT_BLTFAILED;
    }
}

// Monochrome-to-colour and colour-to-monochrome blits map through the text
// and background colours; black on white makes the mask's white pixels
// white and its black pixels black on every DC involved.
void SetMaskColours(HDC dc)
{
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
}

int DrawWithMemoryDCs(HDC dc, HBITMAP image, HBITMAP mask, int xDest, int yDest,
                      BltSource src, int mirror)
{
    src.image = CreateCompatibleDC(dc);
    src.mask = CreateCompatibleDC(dc);
    HGDIOBJ oldImage = src.image ? SelectObject(src.image, image) : nullptr;
    HGDIOBJ oldMask = src.mask ? SelectObject(src.mask, mask) : nullptr;
    int status = NEL_TRANSBLT_ERROR;
    if (oldImage && oldMask) {
        COLORREF oldBk = GetBkColor(dc);
        COLORREF oldText = GetTextColor(dc);
        SetMaskColours(dc);
        SetMaskColours(src.image);
        SetMaskColours(src.mask);
        status = Draw(dc, xDest, yDest, src, mirror);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
    if (oldImage)
        SelectObject(src.image, oldImage);
    if (oldMask)
        SelectObject(src.mask, oldMask);
    if (src.image)
        DeleteDC(src.image);
    if (src.mask)
        DeleteDC(src.mask);
    return status;
}

} // namespace

NELWND_FUNC(int) NelGDITransBlt(HDC dc, HBITMAP image, HBITMAP mask, int xDest, int yDest,
                                int xSrc, int ySrc, int srcRight, int srcBottom, int mirror)
{
    if (!image)
        return NEL_TRANSBLT_NOTHING;
    if (!dc)
        return NEL_TRANSBLT_ERROR;
    int caps = GetDeviceCaps(dc, RASTERCAPS);
    if (!(caps & RC_BITBLT))
        return NEL_TRANSBLT_BLTFAILED;
    if (mirror != NEL_MIRROR_NONE && !(caps & RC_STRETCHBLT))
        return NEL_TRANSBLT_STRETCHFAILED;

    BltSource src = {nullptr, nullptr, xSrc, ySrc, srcRight - xSrc, srcBottom - ySrc};
    if (srcRight == 0 || srcBottom == 0) {
        BITMAP size;
        if (NelBuildCalls::ObjectInfo(image, sizeof(size), &size) != sizeof(size))
            return NEL_TRANSBLT_NOSIZE;
        src.cx = size.bmWidth - xSrc;
        src.cy = size.bmHeight - ySrc;
    }
    if (!mask)
        return NEL_TRANSBLT_NOTHING;
    return DrawWithMemoryDCs(dc, image, mask, xDest, yDest, src, mirror);
}
