// Centring a window on its owner or, without one, on the desktop.
#include "NelWndUtil.h"

namespace {

// Offset of a span of length inner centred in a span of length outer. The
// two halves are truncated separately (100 and 51 give 25, not 24); a
// span longer than its reference sticks out equally on both sides.
int CentreOffset(int outer, int inner)
{
    if (inner < outer)
        return outer / 2 - inner / 2;
    return -((inner - outer) / 2);
}

BOOL CentreOnOwner(HWND window)
{
    RECT rc;
    if (!GetWindowRect(window, &rc))
        return FALSE;
    // The owner, not the parent: dialogs and popups are placed over the
    // window that owns them, whatever their parent is.
    RECT ref;
    HWND owner = GetWindow(window, GW_OWNER);
    if (!owner || !GetWindowRect(owner, &ref)) {
        if (!GetWindowRect(GetDesktopWindow(), &ref))
            return FALSE;
    }
    int x = ref.left + CentreOffset(ref.right - ref.left, rc.right - rc.left);
    int y = ref.top + CentreOffset(ref.bottom - ref.top, rc.bottom - rc.top);
    return SetWindowPos(window, nullptr, x, y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

} // namespace

#ifdef NEL_INSTALLER_BUILD

NELWND_FUNC(BOOL) NelCenterWindowW(HWND window, BOOL clamp)
{
    BOOL moved = CentreOnOwner(window);
    if (clamp)
        NelWindowInDesktopW(window);
    return moved;
}

#else

NELWND_FUNC(BOOL) NelCenterWindowW(HWND window)
{
    BOOL moved = CentreOnOwner(window);
    NelWindowInDesktopW(window);
    return moved;
}

NELWND_FUNC(BOOL) NelCenterWindowA(HWND window)
{
    BOOL moved = CentreOnOwner(window);
    NelWindowInDesktopA(window);
    return moved;
}

#endif
