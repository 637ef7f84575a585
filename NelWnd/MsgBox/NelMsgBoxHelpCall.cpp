#include "NelMsgBoxCalls.h"
#include "../HelpPopup/NelHelpPopup.h"

// The wide class shows its help through the wide popup, the ANSI class
// through the ANSI one (its texts are in the ANSI code page).
int NelMsgBoxShowHelpPopup(const wchar_t* text, const POINT* pos, const COLORREF* bk,
                           const COLORREF* textColor, HFONT font)
{
    return NelHelpPopupWndW(text, pos, bk, textColor, font);
}

int NelMsgBoxShowHelpPopup(const char* text, const POINT* pos, const COLORREF* bk,
                           const COLORREF* textColor, HFONT font)
{
    return NelHelpPopupWndA(text, pos, bk, textColor, font);
}
