// Rectangle helpers the installer's dialogs lay their controls out with.
// All coordinates are pixels in the dialog's client area.
#pragma once
#include <windows.h>
#include "WndUtil/NelWndUtil.h"

namespace TaviGeometry {

inline int Width(const RECT& rc) { return rc.right - rc.left; }
inline int Height(const RECT& rc) { return rc.bottom - rc.top; }

// A control's rectangle in its dialog's client area.
inline RECT ChildRect(HWND control)
{
    RECT rc = {0, 0, 0, 0};
    NelGetChildWndRect(control, &rc);
    return rc;
}

// Moves and sizes a control, keeping its place in the tab order.
inline void Place(HWND control, int x, int y, int cx, int cy)
{
    SetWindowPos(control, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace TaviGeometry
