// CNelMsgBoxW / CNelMsgBoxA: the library's own message box, and the
// NelMsgBox entry points.
//
// The box takes the system message box's style word (button set, picture,
// default button) and returns the same button identifiers, but it is a
// dialog of the library (template IDD_NEL_MSGBOX) with its own pictures,
// Japanese or English captions chosen by keyboard layout, a character-level
// wrap for Japanese text and a help popup per button.
//
// One class written for two text types, like the string class: the member
// list lives in NelMsgBoxMembers.h and is included into each class with
// NELMB_SELF / NELMB_T / NELMB_STR / NELMB_HELP set.
#pragma once
#include <windows.h>
#include "../NelWndApi.h"
#include "../Str/NelStr.h"
#include "../XPBtn/NelXPBtn.h"

// Help texts for the box's three buttons. uFlags is read as three nibbles:
//   bits 0-3 == 1    the record is used at all;
//   bits 4-7 == 1    crPopupBk / crPopupText colour the help popup;
//   bits 8-11 == 1   hPopupFont is the help popup's font.
// crPopupBk is the popup's background and crPopupText its text and border
// colour in every record form and in every conversion between them.
#define NEL_MSGBOX_HELP_USE    0x001
#define NEL_MSGBOX_HELP_COLOR  0x010
#define NEL_MSGBOX_HELP_FONT   0x100

struct tagNEL_MSGBOX_HELPDATAW {
    UINT uFlags;
    const wchar_t* lpszHelp1;   // button 1
    const wchar_t* lpszHelp2;   // button 2
    const wchar_t* lpszHelp3;   // button 3
    const wchar_t* lpszHelp4;   // carried, never shown
    COLORREF crPopupBk;
    COLORREF crPopupText;
    HFONT hPopupFont;
};

struct tagNEL_MSGBOX_HELPDATAA {
    UINT uFlags;
    const char* lpszHelp1;
    const char* lpszHelp2;
    const char* lpszHelp3;
    const char* lpszHelp4;
    COLORREF crPopupBk;
    COLORREF crPopupText;
    HFONT hPopupFont;
};

// The same with string resource IDs of the caller's module.
struct tagNEL_MSGBOX_HELPDATAR {
    UINT uFlags;
    UINT uHelp1ID;
    UINT uHelp2ID;
    UINT uHelp3ID;
    UINT uHelp4ID;
    COLORREF crPopupBk;
    COLORREF crPopupText;
    HFONT hPopupFont;
};

class NELWND_API CNelMsgBoxW {
#define NELMB_SELF CNelMsgBoxW
#define NELMB_T wchar_t
#define NELMB_STR CNelStrW
#define NELMB_HELP tagNEL_MSGBOX_HELPDATAW
#include "NelMsgBoxMembers.h"
#undef NELMB_SELF
#undef NELMB_T
#undef NELMB_STR
#undef NELMB_HELP
};

class NELWND_API CNelMsgBoxA {
#define NELMB_SELF CNelMsgBoxA
#define NELMB_T char
#define NELMB_STR CNelStrA
#define NELMB_HELP tagNEL_MSGBOX_HELPDATAA
#include "NelMsgBoxMembers.h"
#undef NELMB_SELF
#undef NELMB_T
#undef NELMB_STR
#undef NELMB_HELP
};

// Each shows one box and returns the pressed button's ID (IDOK, IDCANCEL,
// IDYES ...), or 0 when the box could not be shown. owner, font and help
// may be NULL. The R forms take string resource IDs of hInst.
NELWND_FUNC(int) NelMsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner,
                            HFONT font, tagNEL_MSGBOX_HELPDATAW* help);
NELWND_FUNC(int) NelMsgBoxA(const char* text, const char* caption, UINT type, HWND owner,
                            HFONT font, tagNEL_MSGBOX_HELPDATAA* help);
NELWND_FUNC(int) NelMsgBoxRW(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font,
                             HINSTANCE hInst, tagNEL_MSGBOX_HELPDATAR* help);
NELWND_FUNC(int) NelMsgBoxRA(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font,
                             HINSTANCE hInst, tagNEL_MSGBOX_HELPDATAR* help);
