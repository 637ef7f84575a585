// Measuring a text in a given font.
#include "NelWndHelp.h"
#include "NelTextContext.h"

int NelMeasureText(HFONT font, const wchar_t* text, RECT* out, BOOL singleLine)
{
    CNelTextContext context(font);
    if (!context.Valid())
        return 0;
    // A 1-pixel-wide start makes a wrapped measurement break at every
    // break point, so its width is that of the widest unbreakable run.
    RECT rect = { 0, 0, 1, 1 };
    int height = context.Measure(text, -1, &rect, singleLine ? NEL_DT_SINGLELINE : NEL_DT_WRAPPED);
    if (height && out)
        *out = rect;
    return height;
}
