// Helpers the library's message box and help popup share with the window
// utilities; not exported. Fonts are the caller's (DeleteObject), the
// converted text is the caller's (delete[]).
#pragma once
#include <windows.h>

// Kinds of NelCreateSysFont; any other value gives the icon-title font.
enum {
    NEL_SYSFONT_CAPTION = 1,
    NEL_SYSFONT_MENU = 2,
    NEL_SYSFONT_MESSAGE = 3,
    NEL_SYSFONT_STATUS = 4,
    NEL_SYSFONT_SMCAPTION = 5,
};

// A new font from the system's non-client metrics, or NULL.
HFONT NelCreateSysFont(UINT kind);
// A new font like the desktop's icon titles, or NULL.
HFONT NelCreateIconTitleFont();

// Width of one side of the window's frame in pixels, -1 when unknown.
int NelGetFrameWidth(HWND window);

// TRUE on the Windows 9x family, FALSE on NT or when the version is unknown.
BOOL NelIsWin9xPlatform();

#ifndef NEL_INSTALLER_BUILD
// A new zero-terminated copy of text in the ANSI code page, or NULL.
char* NelWideToAnsiAlloc(const wchar_t* text);
#endif
