// The exported message-box entry points. Each runs one box object on its
// own stack; the wide ones fall back to the ANSI class on the 9x family,
// whose window manager has no wide dialogs.
#include "NelMsgBox.h"
#include "../WndUtil/NelWndUtilInternal.h"

namespace {

// Converted copies of the wide texts and help texts for the ANSI class;
// frees them when the call is over.
struct AnsiCopies {
    char* text = nullptr;
    char* caption = nullptr;
    char* help[3] = {nullptr, nullptr, nullptr};
    tagNEL_MSGBOX_HELPDATAA record = {};

    ~AnsiCopies()
    {
        delete[] text;
        delete[] caption;
        for (char* h : help)
            delete[] h;
    }

    // The ANSI form of a used help record; the colour and font members keep
    // their meaning (background stays background). NULL when there is
    // none or the record is switched off.
    tagNEL_MSGBOX_HELPDATAA* Convert(const tagNEL_MSGBOX_HELPDATAW* wide)
    {
        if (!wide || (wide->uFlags & 0xF) != NEL_MSGBOX_HELP_USE)
            return nullptr;
        record.uFlags = wide->uFlags;
        help[0] = NelWideToAnsiAlloc(wide->lpszHelp1);
        help[1] = NelWideToAnsiAlloc(wide->lpszHelp2);
        help[2] = NelWideToAnsiAlloc(wide->lpszHelp3);
        record.lpszHelp1 = help[0];
        record.lpszHelp2 = help[1];
        record.lpszHelp3 = help[2];
        record.lpszHelp4 = nullptr;
        record.crPopupBk = wide->crPopupBk;
        record.crPopupText = wide->crPopupText;
        record.hPopupFont = wide->hPopupFont;
        return &record;
    }
};

} // namespace

NELWND_FUNC(int) NelMsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner,
                            HFONT font, tagNEL_MSGBOX_HELPDATAW* help)
{
    if (NelIsWin9xPlatform()) {
        AnsiCopies copies;
        copies.text = NelWideToAnsiAlloc(text);
        copies.caption = NelWideToAnsiAlloc(caption);
        tagNEL_MSGBOX_HELPDATAA* helpA = copies.Convert(help);
        CNelMsgBoxA box(copies.text, copies.caption, type, owner, font, helpA);
        return box.ShowWnd();
    }
    CNelMsgBoxW box(text, caption, type, owner, font, help);
    return box.ShowWnd();
}

NELWND_FUNC(int) NelMsgBoxA(const char* text, const char* caption, UINT type, HWND owner, HFONT font,
                            tagNEL_MSGBOX_HELPDATAA* help)
{
    CNelMsgBoxA box(text, caption, type, owner, font, help);
    return box.ShowWnd();
}

NELWND_FUNC(int) NelMsgBoxRW(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font,
                             HINSTANCE hInst, tagNEL_MSGBOX_HELPDATAR* help)
{
    if (NelIsWin9xPlatform()) {
        CNelMsgBoxA box(textID, captionID, type, owner, font, hInst, help);
        return box.ShowWnd();
    }
    CNelMsgBoxW box(textID, captionID, type, owner, font, hInst, help);
    return box.ShowWnd();
}

NELWND_FUNC(int) NelMsgBoxRA(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font,
                             HINSTANCE hInst, tagNEL_MSGBOX_HELPDATAR* help)
{
    CNelMsgBoxA box(textID, captionID, type, owner, font, hInst, help);
    return box.ShowWnd();
}
