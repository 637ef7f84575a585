// Caption height and sizing a window by its client area.
#include "NelWndHelp.h"
#include "WndUtil/NelWndUtilInternal.h"

int NelGetCaptionHeight(HWND window)
{
    RECT outer, client;
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return -1;
    // What the frame adds to the height beyond what it adds to the width:
    // the caption (and menu bar) when the frame is the same on all sides.
    int extraHeight = (outer.bottom - outer.top) - (client.bottom - client.top);
    int extraWidth = (outer.right - outer.left) - (client.right - client.left);
    int caption = extraHeight - extraWidth;
    return caption < 0 ? -1 : caption;
}

BOOL NelIsInCaption(HWND window, const POINT* pt)
{
    RECT outer;
    if (!pt || !GetWindowRect(window, &outer))
        return FALSE;
    int captionBottom = outer.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    return pt->y <= captionBottom;
}

void NelSetClientRect(HWND window, const RECT* client, UINT flags)
{
    if (!client)
        return;
    int frame = NelGetFrameWidth(window);
    int caption = NelGetCaptionHeight(window);
    // Without both measures the size would be off by an unknown amount;
    // leaving the window alone is the lesser harm.
    if (frame < 0 || caption < 0)
        return;
    int width = client->right + 2 * frame - client->left;
    int height = client->bottom + 2 * frame + caption - client->top;
    SetWindowPos(window, nullptr, client->left, client->top, width, height, flags);
}

void NelSetClientSize(HWND window, int cx, int cy, UINT flags)
{
    RECT client = { 0, 0, cx, cy };
    NelSetClientRect(window, &client, flags);
}
