// CNelXPBtn: colours derived from the system colours.
#include "NelXPBtn.h"
#include "NelXPBtnColors.h"
#include "WndUtil/NelGdiUtil.h"

namespace {

BYTE LightChannel(BYTE c)
{
    // Two thirds of the way to white, truncated, in double precision.
    int value = c + static_cast<int>((255 - c) / 1.5);
    return static_cast<BYTE>(value > 255 ? 255 : value);
}

COLORREF Blend(COLORREF a, COLORREF b) { return NelHalfBlendRGB(a, b); }

} // namespace

COLORREF CNelXPBtn::GetFaceLightColor()
{
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    return RGB(LightChannel(GetRValue(face)), LightChannel(GetGValue(face)), LightChannel(GetBValue(face)));
}

COLORREF CNelXPBtn::GetCaptionDarkColor()
{
    COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    return RGB(GetRValue(caption) / 2, GetGValue(caption) / 2, GetBValue(caption) / 2);
}

NelXPBtnColors NelXPBtnStateColors(int state, COLORREF faceLight, COLORREF captionDark)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF faceShadow = Blend(face, shadow);
    NelXPBtnColors c;
    switch (state) {
    case 0:
    case 5:
    case 6:
        c.outerTL = faceShadow;
        c.outerBR = highlight;
        c.inner = faceLight;
        c.innerTL = highlight;
        c.innerBR = Blend(faceShadow, face);
        c.outline = captionDark;
        c.corner1 = Blend(c.outline, face);
        c.corner2 = Blend(c.corner1, c.inner);
        c.text = GetSysColor(COLOR_BTNTEXT);
        break;
    case 1:
        c.outerTL = faceShadow;
        c.outerBR = highlight;
        c.inner = Blend(face, RGB(222, 222, 222));
        c.innerTL = faceShadow;
        c.innerBR = highlight;
        c.outline = captionDark;
        c.corner1 = Blend(c.outline, face);
        c.corner2 = Blend(c.corner1, c.inner);
        c.text = GetSysColor(COLOR_BTNTEXT);
        break;
    case 9:
        c.outerTL = face;
        c.outerBR = face;
        c.inner = Blend(face, highlight);
        c.innerTL = c.inner;
        c.innerBR = c.inner;
        c.outline = faceShadow;
        c.corner1 = Blend(c.outline, c.inner);
        c.corner2 = c.corner1;
        c.text = GetSysColor(COLOR_GRAYTEXT);
        break;
    default:
        c.outerTL = c.outerBR = c.inner = c.innerTL = c.innerBR = 0;
        c.outline = c.corner1 = c.corner2 = c.text = 0;
        break;
    }
    return c;
}
