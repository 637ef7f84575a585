// A window's whole text into a string.
#include "NelWndHelp.h"

BOOL NelGetWindowText(HWND window, CNelStrW& out)
{
    if (!IsWindow(window))
        return FALSE;
    int len = GetWindowTextLengthW(window);
    if (len <= 0) {
        out = L"";
        return TRUE;
    }
    // A zeroed buffer of length + 1: whatever the read leaves is terminated.
    CNelStrW text(len + 1);
    if (GetWindowTextW(window, text.GetBuff(), len + 1) > 0) {
        text.ResetLen();
        out = text;
    } else {
        out = L"";
    }
    return TRUE;
}
