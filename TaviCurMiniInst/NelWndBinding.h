// The installer's message boxes and help popups, shown by NelWnd.dll.
//
// The library is not linked: each call loads "NelWnd.dll", looks the entry
// point up by name, calls it and unloads the library again. Without the
// library (or the entry point) message boxes fall back to the system
// message box and help popups show nothing, so the program stays usable.
#pragma once
#include <windows.h>

struct tagNEL_MSGBOX_HELPDATAW;

// Returns the identifier of the button that closed the box (IDYES is 6).
int CallNelMsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner,
                   HFONT font, tagNEL_MSGBOX_HELPDATAW* help);

// Shows a help popup at a screen point; non-zero when a popup was shown.
// NULL colours and font select the popup's defaults.
int CallNelHelpPopupWndW(const wchar_t* text, const POINT* pt, const COLORREF* bk,
                         const COLORREF* textColor, HFONT font);

// The same with the text taken from string resource id of module inst.
int CallNelHelpPopupWndRW(UINT id, HINSTANCE inst, const POINT* pt, const COLORREF* bk,
                          const COLORREF* textColor, HFONT font);
