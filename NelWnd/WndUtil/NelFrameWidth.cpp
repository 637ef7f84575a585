// Width of a window's frame.
#include "NelWndUtilInternal.h"

int NelGetFrameWidth(HWND window)
{
    RECT outer, client;
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return -1;
    // Half of what the frame adds to the width: the client rectangle's
    // left is 0, so this is (window width - client width) / 2.
    int width = (client.left + outer.right - client.right - outer.left) / 2;
    return width < 0 ? -1 : width;
}
