// Window helpers of the installer's dialogs: check boxes, text measurement
// and wrapping in a control's font, sizing a window by its client area,
// moving controls, and sending one message to a whole window tree.
// Stateless; results only, no messages. Text is measured in an information
// context for the display with the font concerned selected into it; every
// GDI object made here is released before returning.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// Text-measuring flags. DT_NOFULLWIDTHCHARBREAK keeps runs of full-width
// (Japanese) characters together; only spaces break them.
enum : UINT {
    NEL_DT_SINGLELINE = DT_CALCRECT | DT_SINGLELINE,
    NEL_DT_SINGLELINE_NOPREFIX = DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX,
    NEL_DT_WRAPPED = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK,
    NEL_DT_WRAPPED_NOPREFIX = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK,
};

// --- Check boxes ----------------------------------------------------------

// 1 checked, 0 unchecked, 2 indeterminate, -1 for any other answer.
int NelGetCheck(HWND button);
// State 1 checks, 2 sets the indeterminate state, anything else unchecks.
// Returns the button's answer to BM_SETCHECK.
LRESULT NelSetCheck(HWND button, int state);
// Size of one check box glyph: a twelfth of the system's check-box bitmap
// (4 columns by 3 rows). FALSE when the bitmap cannot be had.
BOOL NelGetCheckBoxSize(SIZE* out);

// --- Text -----------------------------------------------------------------

// Height of text in font, measured as one line (singleLine non-zero) or
// wrapped at every break point (the width found is that of the widest
// unbreakable run). The measured rectangle goes to out when given. 0 on
// failure.
int NelMeasureText(HFONT font, const wchar_t* text, RECT* out, BOOL singleLine);
// The same, one line, with "&" taken as it is: what a static control with
// SS_NOPREFIX draws.
int NelMeasureTextNoPrefix(HFONT font, const wchar_t* text, RECT* out);

// The window's whole text. FALSE when window is not a window; an empty
// text empties out.
BOOL NelGetWindowText(HWND window, CNelStrW& out);

// Breaks text into lines that fit the control's client width in the
// control's font. Lines that word-wrap by themselves stay as they are; a
// run that cannot be broken at a space is broken between characters, each
// line as full as possible, by inserting "\n". Stores the result in out and
// its measured rectangle (right edge at least the client's) in outRect when
// given; returns the height of the result, or -1 with out untouched.
int NelWrapText(HWND control, const wchar_t* text, CNelStrW& out, RECT* outRect);

// --- Window size and position ---------------------------------------------

// (window height - client height) - (window width - client width): the
// caption height when the frame is the same on all sides. -1 when a
// rectangle cannot be read or the result is negative.
int NelGetCaptionHeight(HWND window);

// TRUE when pt (screen) is not below the window's caption bar.
BOOL NelIsInCaption(HWND window, const POINT* pt);

// Moves the window's normal position by (dx, dy) and applies showCmd
// through its placement. TRUE at once when both offsets are 0.
BOOL NelOffsetWindow(HWND window, int dx, int dy, int showCmd);

// Gives the window the client rectangle client (its top-left is the
// window's new position) through SetWindowPos with flags; add SWP_NOMOVE
// to keep the window where it is. Does nothing when the frame cannot be
// measured.
void NelSetClientRect(HWND window, const RECT* client, UINT flags);
void NelSetClientSize(HWND window, int cx, int cy, UINT flags);

// --- Window trees ---------------------------------------------------------

// Sends the message to window and then to every descendant, depth first in
// Z order (top child first); each window receives it once.
void NelSendMessageToTree(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Gives the whole tree font (NULL: the stock DEFAULT_GUI_FONT) without
// redrawing. Returns the font used, or NULL when there is none.
HFONT NelSetFontToTree(HWND window, HFONT font);
