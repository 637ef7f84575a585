// The desktop rectangle without the taskbar, and keeping a window inside
// the work area.
#include "NelWndUtil.h"
#include "NelWndCalls.h"

namespace {

// Work area used when neither the monitor nor the taskbar can be asked.
const RECT kFallbackWorkArea = {0, 0, 400, 640};

template <class Calls>
BOOL GetDesktopRectT(RECT* out, int excludeTaskbar)
{
    HWND desktop = GetDesktopWindow();
    RECT whole;
    if (!out || !desktop || !GetWindowRect(desktop, &whole))
        return FALSE;
    if (excludeTaskbar != 1) {
        *out = whole;
        return TRUE;
    }
    HWND taskbar = Calls::FindTaskbar();
    RECT bar;
    if (!taskbar || !GetWindowRect(taskbar, &bar))
        return FALSE;
    // SubtractRect only shrinks the desktop when the taskbar spans a whole
    // edge; it reports an empty remainder as failure.
    RECT rest;
    if (!SubtractRect(&rest, &whole, &bar))
        return FALSE;
    *out = rest;
    return TRUE;
}

template <class Calls>
void GetWorkAreaT(HWND window, RECT* work)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && Calls::MonitorInfo(monitor, &info))
        *work = info.rcWork;
    else if (!GetDesktopRectT<Calls>(work, 1))
        *work = kFallbackWorkArea;
}

// Far edges are pulled in first and near edges win, so a window larger
// than the work area ends up at its left or top edge.
int PullInside(int low, int high, int size, int workLow, int workHigh)
{
    int pos = high > workHigh ? workHigh - size : low;
    return pos < workLow ? workLow : pos;
}

template <class Calls>
BOOL WindowInDesktopT(HWND window)
{
    if (!IsWindow(window))
        return FALSE;
    RECT work, rc;
    GetWorkAreaT<Calls>(window, &work);
    if (!GetWindowRect(window, &rc))
        return FALSE;
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    int x = PullInside(rc.left, rc.right, cx, work.left, work.right);
    int y = PullInside(rc.top, rc.bottom, cy, work.top, work.bottom);
    if (x == rc.left && y == rc.top)
        return FALSE;
    return MoveWindow(window, x, y, cx, cy, TRUE);
}

} // namespace

NELWND_FUNC(BOOL) NelGetDesktopRectW(RECT* out, int excludeTaskbar)
{
    return GetDesktopRectT<NelWideCalls>(out, excludeTaskbar);
}

NELWND_FUNC(BOOL) NelWindowInDesktopW(HWND window)
{
    return WindowInDesktopT<NelWideCalls>(window);
}

#ifndef NEL_INSTALLER_BUILD

NELWND_FUNC(BOOL) NelGetDesktopRectA(RECT* out, int excludeTaskbar)
{
    return GetDesktopRectT<NelAnsiCalls>(out, excludeTaskbar);
}

NELWND_FUNC(BOOL) NelWindowInDesktopA(HWND window)
{
    return WindowInDesktopT<NelAnsiCalls>(window);
}

#endif
