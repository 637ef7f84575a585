// Measuring a text in a given font.
#include "NelWndHelp.h"
#include "NelTextContext.h"

namespace {

int MeasureWith(HFONT font, const wchar_t* text, RECT* out, UINT flags)
{
    CNelTextContext context(font);
    if (!context.Valid())
        return 0;
    // A 1-pixel-wide start makes a wrapped measurement break at every
    // break point, so its width is that of the widest unbreakable run.
    RECT rect = { 0, 0, 1, 1 };
    int height = context.Measure(text, -1, &rect, flags);
    if (height && out)
        *out = rect;
    return height;
}

} // namespace

int NelMeasureText(HFONT font, const wchar_t* text, RECT* out, BOOL singleLine)
{
    return MeasureWith(font, text, out, singleLine ? NEL_DT_SINGLELINE : NEL_DT_WRAPPED);
}

int NelMeasureTextNoPrefix(HFONT font, const wchar_t* text, RECT* out)
{
    return MeasureWith(font, text, out, NEL_DT_SINGLELINE_NOPREFIX);
}
