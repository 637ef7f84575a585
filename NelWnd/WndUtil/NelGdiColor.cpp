// Colour arithmetic.
#include "NelGdiUtil.h"

namespace {

BYTE HalfWay(BYTE a, BYTE b)
{
    return a < b ? static_cast<BYTE>(a + (b - a) / 2) : static_cast<BYTE>(b + (a - b) / 2);
}

} // namespace

NELWND_FUNC(COLORREF) NelHalfBlendRGB(COLORREF a, COLORREF b)
{
    return RGB(HalfWay(GetRValue(a), GetRValue(b)), HalfWay(GetGValue(a), GetGValue(b)),
               HalfWay(GetBValue(a), GetBValue(b)));
}

NELWND_FUNC(COLORREF) NelInvertRGB(COLORREF c)
{
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}
