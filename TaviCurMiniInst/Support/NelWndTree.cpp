// Sending one message to a window and all its descendants.
#include "NelWndHelp.h"

void NelSendMessageToTree(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!window)
        return;
    SendMessageW(window, msg, wParam, lParam);
    // Depth first: each child's own children before its next sibling.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        NelSendMessageToTree(child, msg, wParam, lParam);
}

HFONT NelSetFontToTree(HWND window, HFONT font)
{
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font)
        return nullptr;
    // No redraw: callers set the font before the window is shown or lay
    // it out anew afterwards.
    NelSendMessageToTree(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    return font;
}
