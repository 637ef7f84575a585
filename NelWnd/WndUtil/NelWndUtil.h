// Window placement: centring, keeping a window inside the work area, the
// desktop rectangle without the taskbar, rectangles in client coordinates
// and style changes. Stateless; rectangles are in screen coordinates unless
// a function says otherwise, and output rectangles are written only on
// success.
//
// The library exports a wide (W) and a multibyte (A) form where the system
// calls differ. The installer's own build (NEL_INSTALLER_BUILD) has the
// wide forms only, a centring function with a clamp argument, the
// extended-style twin NelModifyStyleEx, and takes a child's parent as its
// real parent window (GA_PARENT) rather than GetParent, which answers the
// owner for a popup.
#pragma once
#include <windows.h>
#include "../NelWndApi.h"

#ifdef NEL_INSTALLER_BUILD
// Centres the window on its owner (or on the desktop when it has none),
// then, when clamp is non-zero, pulls it into the work area. Returns the
// result of the centring move.
NELWND_FUNC(BOOL) NelCenterWindowW(HWND window, BOOL clamp);
#else
// Centres the window on its owner (or on the desktop when it has none) and
// pulls it into the work area. Returns the result of the centring move.
NELWND_FUNC(BOOL) NelCenterWindowW(HWND window);
NELWND_FUNC(BOOL) NelCenterWindowA(HWND window);
#endif

// The desktop window's rectangle; with excludeTaskbar 1 (only that value)
// the part the taskbar ("Shell_TrayWnd") leaves when it covers a whole edge.
// FALSE when there is no taskbar or nothing is left.
NELWND_FUNC(BOOL) NelGetDesktopRectW(RECT* out, int excludeTaskbar);

// Moves the window, size unchanged, so that it lies inside the work area of
// its nearest monitor; a window larger than the work area is aligned with
// its left or top edge. Non-zero only when the window was moved.
NELWND_FUNC(BOOL) NelWindowInDesktopW(HWND window);

#ifndef NEL_INSTALLER_BUILD
NELWND_FUNC(BOOL) NelGetDesktopRectA(RECT* out, int excludeTaskbar);
NELWND_FUNC(BOOL) NelWindowInDesktopA(HWND window);
#endif

// Converts a screen rectangle to the window's client coordinates; on
// failure the rectangle is left as it was.
NELWND_FUNC(BOOL) NelScreenToClient(HWND window, RECT* rect);

// The child's window rectangle in its parent's client coordinates.
NELWND_FUNC(BOOL) NelGetChildWndRect(HWND child, RECT* out);

// Clears the remove bits and sets the add bits of the window's style;
// TRUE only when the style changed. frameChanged makes the system
// recalculate the non-client area at once.
NELWND_FUNC(BOOL) NelModifyStyle(HWND window, DWORD remove, DWORD add, BOOL frameChanged);

#ifdef NEL_INSTALLER_BUILD
// The same for the extended style.
NELWND_FUNC(BOOL) NelModifyStyleEx(HWND window, DWORD remove, DWORD add, BOOL frameChanged);
#endif
