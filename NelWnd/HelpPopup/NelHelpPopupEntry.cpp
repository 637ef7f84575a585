// The help popup's exported entry points: each runs one popup object on its
// stack and returns 1 when the popup ran and recorded a close result.
#include "NelHelpPopupBody.h"

namespace {

// Fills the request, shows the popup and reports whether it recorded a
// close result: a popup whose set-up failed counts (result 2), one whose
// window could not be made does not. Entry points never name an owner:
// the popup chooses the foreground window when it is the calling
// process's.
template <class Popup, class Data, class Char>
int RunHelpPopup(const Char* text, UINT textID, HINSTANCE module, const POINT* pos,
                 const COLORREF* bk, const COLORREF* textColor, HFONT font)
{
    Data data = {text, textID, module, pos, bk, textColor, font, nullptr, 0};
    Popup popup(nullptr);
    popup.ShowDlg(&data);
    return popup.GetResult() != 0 ? 1 : 0;
}

} // namespace

NELWND_FUNC(int) NelHelpPopupWndW(const wchar_t* text, const POINT* pos, const COLORREF* bk,
                                  const COLORREF* textColor, HFONT font)
{
    if (!text || !*text)
        return 0;
    if (!NelIsWin9xPlatform())
        return RunHelpPopup<CNelHelpPopupWndW, tagNEL_HELPPOPUPWND_DATAW>(text, 0, nullptr, pos, bk,
                                                                        textColor, font);
    // The 9x family has no wide dialogs: run the ANSI twin on a converted
    // copy of the text. A text that cannot be converted reaches the popup
    // as no text at all, and its set-up fails like that of a missing string.
    char* ansi = NelWideToAnsiAlloc(text);
    int shown = RunHelpPopup<CNelHelpPopupWndA, tagNEL_HELPPOPUPWND_DATAA>(ansi, 0, nullptr, pos, bk,
                                                                          textColor, font);
    delete[] ansi;
    return shown;
}

NELWND_FUNC(int) NelHelpPopupWndA(const char* text, const POINT* pos, const COLORREF* bk,
                                  const COLORREF* textColor, HFONT font)
{
    if (!text || !*text)
        return 0;
    return RunHelpPopup<CNelHelpPopupWndA, tagNEL_HELPPOPUPWND_DATAA>(text, 0, nullptr, pos, bk,
                                                                      textColor, font);
}

NELWND_FUNC(int) NelHelpPopupWndRW(UINT textID, HINSTANCE hInst, const POINT* pos,
                                   const COLORREF* bk, const COLORREF* textColor, HFONT font)
{
    if (textID == 0)
        return 0;
    const char* none = nullptr;
    if (NelIsWin9xPlatform())
        return RunHelpPopup<CNelHelpPopupWndA, tagNEL_HELPPOPUPWND_DATAA>(none, textID, hInst, pos, bk,
                                                                          textColor, font);
    const wchar_t* noneW = nullptr;
    return RunHelpPopup<CNelHelpPopupWndW, tagNEL_HELPPOPUPWND_DATAW>(noneW, textID, hInst, pos, bk,
                                                                    textColor, font);
}

NELWND_FUNC(int) NelHelpPopupWndRA(UINT textID, HINSTANCE hInst, const POINT* pos,
                                   const COLORREF* bk, const COLORREF* textColor, HFONT font)
{
    if (textID == 0)
        return 0;
    const char* none = nullptr;
    return RunHelpPopup<CNelHelpPopupWndA, tagNEL_HELPPOPUPWND_DATAA>(none, textID, hInst, pos, bk,
                                                                      textColor, font);
}
