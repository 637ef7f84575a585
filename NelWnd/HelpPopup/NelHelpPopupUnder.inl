// The screen under the popup, kept for painting. Compiled once per twin.

// What lies under the popup. The painting below relies on the window
// still showing the screen under it (its background is never erased), but
// a composited desktop (and Wine) starts a new window's surface black, so
// the rounded corners and the shadow would show black. The popup therefore
// keeps a snapshot of the screen taken just before it is shown and lays it
// into the window before each paint.
static void NelHpCaptureUnder(HWND hwnd)
{
    RECT rc;
    if (!GetWindowRect(hwnd, &rc))
        return;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, rc.right - rc.left, rc.bottom - rc.top);
    if (mem && bmp) {
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, rc.right - rc.left, rc.bottom - rc.top, screen, rc.left, rc.top, SRCCOPY);
        SelectObject(mem, old);
        if (NELHP_CALLS::SetUnder(hwnd, bmp))
            bmp = nullptr;
    }
    if (bmp)
        DeleteObject(bmp);
    if (mem)
        DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

static void NelHpPaintUnder(HWND hwnd, HDC hdc)
{
    HBITMAP bmp = NELHP_CALLS::GetUnder(hwnd);
    BITMAP bm;
    if (!bmp || !GetObject(bmp, sizeof(bm), &bm))
        return;
    HDC mem = CreateCompatibleDC(hdc);
    if (!mem)
        return;
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(hdc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

static void NelHpReleaseUnder(HWND hwnd)
{
    if (HBITMAP bmp = NELHP_CALLS::TakeUnder(hwnd))
        DeleteObject(bmp);
}
