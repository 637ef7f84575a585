// Changing a window's style bits.
#include "NelWndUtil.h"
#include "NelWndCalls.h"

namespace {

// SetWindowPos flags that make the system recalculate the frame in place.
const UINT kFrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

BOOL ModifyLong(HWND window, int index, DWORD remove, DWORD add, BOOL frameChanged)
{
    if (!window)
        return FALSE;
    DWORD oldStyle = static_cast<DWORD>(NelBuildCalls::WndLong(window, index));
    DWORD newStyle = (oldStyle & ~remove) | add;
    if (newStyle == oldStyle)
        return FALSE;
    // SetWindowLong answers the previous value, which may be 0; only the
    // last error tells a failure (a destroyed window, another process's
    // window) from success.
    SetLastError(ERROR_SUCCESS);
    if (NelBuildCalls::SetWndLong(window, index, static_cast<LONG>(newStyle)) == 0 &&
        GetLastError() != ERROR_SUCCESS)
        return FALSE;
    if (frameChanged)
        SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
    return TRUE;
}

} // namespace

NELWND_FUNC(BOOL) NelModifyStyle(HWND window, DWORD remove, DWORD add, BOOL frameChanged)
{
    return ModifyLong(window, GWL_STYLE, remove, add, frameChanged);
}

#ifdef NEL_INSTALLER_BUILD
NELWND_FUNC(BOOL) NelModifyStyleEx(HWND window, DWORD remove, DWORD add, BOOL frameChanged)
{
    return ModifyLong(window, GWL_EXSTYLE, remove, add, frameChanged);
}
#endif
