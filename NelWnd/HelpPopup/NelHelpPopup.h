// CNelHelpPopupWndW / CNelHelpPopupWndA: a short help text in a borderless,
// rounded balloon with a soft shadow, shown near a point on the screen and
// closed by the next click, Space, Escape or Enter, by activating another
// window, or when the owner window goes away.
//
// A call to ShowDlg shows one popup and returns when it has closed. The
// popup is a modeless dialog (template IDD_NEL_HELPPOPUP) run by a message
// loop of its own on the calling thread, so the owner and the thread's
// other windows keep working meanwhile.
//
// Both twins are declared from one member list (NelHelpPopupMembers.h) and
// implemented from one body (the .inl files of this folder) compiled once
// for wide and once for ANSI text, so they cannot drift apart.
#pragma once
#include <windows.h>
#include "../NelWndApi.h"

// Request record of a popup: nine 32-bit members. A NULL pointer or a zero
// value selects the default named in the comment.
struct tagNEL_HELPPOPUPWND_DATAW {
    const wchar_t* lpszText;  // the text; NULL: string uTextID of hInstance
    UINT uTextID;             // string resource ID, used when lpszText is NULL
    HINSTANCE hInstance;      // module holding the string; NULL: the calling program
    const POINT* lpPos;       // anchor in screen coordinates; NULL: the mouse pointer
    const COLORREF* lpcrBk;   // background; NULL: COLOR_INFOBK
    const COLORREF* lpcrText; // text and border; NULL: COLOR_INFOTEXT
    HFONT hFont;              // font; NULL: the icon-title font, made for this popup
    HWND hWndOwner;           // owner when the object was built without one
    int bEndDialog;           // non-zero: closing ends the dialog with EndDialog
};

struct tagNEL_HELPPOPUPWND_DATAA {
    const char* lpszText;
    UINT uTextID;
    HINSTANCE hInstance;
    const POINT* lpPos;
    const COLORREF* lpcrBk;
    const COLORREF* lpcrText;
    HFONT hFont;
    HWND hWndOwner;
    int bEndDialog;
};

typedef tagNEL_HELPPOPUPWND_DATAW NEL_HELPPOPUPWND_DATAW;
typedef tagNEL_HELPPOPUPWND_DATAA NEL_HELPPOPUPWND_DATAA;

class CNelHelpPopupWndW;
class CNelHelpPopupWndA;

// The popup's text control (control IDC_NEL_HELPPOPUP_MES, a push button so
// that a click on the text reports BN_CLICKED) with its drawing replaced.
class NELWND_API CNelHelpPopupMesCtlW {
#define NELHP_MES CNelHelpPopupMesCtlW
#define NELHP_T wchar_t
#include "NelHelpPopupMesMembers.h"
#undef NELHP_MES
#undef NELHP_T
};

class NELWND_API CNelHelpPopupMesCtlA {
#define NELHP_MES CNelHelpPopupMesCtlA
#define NELHP_T char
#include "NelHelpPopupMesMembers.h"
#undef NELHP_MES
#undef NELHP_T
};

class NELWND_API CNelHelpPopupWndW {
#define NELHP_SELF CNelHelpPopupWndW
#define NELHP_MES CNelHelpPopupMesCtlW
#define NELHP_DATA tagNEL_HELPPOPUPWND_DATAW
#include "NelHelpPopupMembers.h"
#undef NELHP_SELF
#undef NELHP_MES
#undef NELHP_DATA
};

class NELWND_API CNelHelpPopupWndA {
#define NELHP_SELF CNelHelpPopupWndA
#define NELHP_MES CNelHelpPopupMesCtlA
#define NELHP_DATA tagNEL_HELPPOPUPWND_DATAA
#include "NelHelpPopupMembers.h"
#undef NELHP_SELF
#undef NELHP_MES
#undef NELHP_DATA
};

// Entry points: show one popup and return when it has closed. 1 when the
// popup ran and recorded a close result (a failed set-up included), 0
// when nothing was shown (NULL or empty text, string ID 0, no window). On
// the 9x family the wide forms run the ANSI twin.
NELWND_FUNC(int) NelHelpPopupWndW(const wchar_t* text, const POINT* pos, const COLORREF* bk,
                                  const COLORREF* textColor, HFONT font);
NELWND_FUNC(int) NelHelpPopupWndA(const char* text, const POINT* pos, const COLORREF* bk,
                                  const COLORREF* textColor, HFONT font);
NELWND_FUNC(int) NelHelpPopupWndRW(UINT textID, HINSTANCE hInst, const POINT* pos,
                                   const COLORREF* bk, const COLORREF* textColor, HFONT font);
NELWND_FUNC(int) NelHelpPopupWndRA(UINT textID, HINSTANCE hInst, const POINT* pos,
                                   const COLORREF* bk, const COLORREF* textColor, HFONT font);
