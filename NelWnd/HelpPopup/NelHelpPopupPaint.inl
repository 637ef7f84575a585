// Painting of the balloon: a rounded body with a one-pixel border over a
// half-transparent rounded shadow, drawn off-screen over a copy of what the
// window shows now (the background is never erased) and copied to the
// window in one step. Compiled once per twin.

void NELHP_SELF::OnPaint(HDC hdc)
{
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int w = client.right;
    const int h = client.bottom;
    const int s = m_nShadow;

    tagNEL_TDC tdc;
    if (!NelGDICreateTDC(hdc, &tdc, &client, TRUE))
        return;
    HGDIOBJ oldPen = m_hPen ? SelectObject(tdc.hdcMem, m_hPen) : nullptr;
    HGDIOBJ oldBrush = m_hBrush ? SelectObject(tdc.hdcMem, m_hBrush) : nullptr;

    HRGN shadow = CreateRoundRectRgn(s, s, w + 1, h + 1, NEL_HP_CORNER, NEL_HP_CORNER);
    if (shadow) {
        SelectClipRgn(tdc.hdcMem, shadow);
        DrawShadow(tdc.hdcMem, w, h);
        SelectClipRgn(tdc.hdcMem, nullptr);
    }
    RoundRect(tdc.hdcMem, 0, 0, w - s, h - s, NEL_HP_CORNER, NEL_HP_CORNER);

    if (oldBrush)
        SelectObject(tdc.hdcMem, oldBrush);
    if (oldPen)
        SelectObject(tdc.hdcMem, oldPen);
    NelGDIBltTDC(&tdc, nullptr);
    NelGDIDeleteTDC(&tdc);
    if (shadow)
        DeleteObject(shadow);
}

// The shadow inside the clip region of dc: COLOR_3DDKSHADOW blended at 50 %
// where the system can blend, else hatched with diagonal lines two pixels
// apart.
void NELHP_SELF::DrawShadow(HDC dc, int w, int h)
{
    const int s = m_nShadow;
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    NELHP_CALLS::VersionInfo version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    const bool blend = (NELHP_CALLS::Version(&version) && version.dwMajorVersion >= 6 &&
                        version.dwPlatformId == VER_PLATFORM_WIN32_NT) ||
                       (GetDeviceCaps(dc, SHADEBLENDCAPS) & SB_CONST_ALPHA);
    if (blend) {
        RECT plate = {0, 0, w - s, h - s};
        tagNEL_TDC shade;
        if (NelGDICreateTDC(dc, &shade, &plate, FALSE)) {
            NelGDIFillSolidRect(shade.hdcMem, &plate, dark);
            BLENDFUNCTION half = {AC_SRC_OVER, 0, 128, 0};
            AlphaBlend(dc, s, s, w - s, h - s, shade.hdcMem, 0, 0, w - s, h - s, half);
            NelGDIDeleteTDC(&shade);
        }
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 0, dark);
    if (!pen)
        return;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    int x1 = s + 1, y1 = s, x2 = s, y2 = s + 1;
    while (y1 <= h) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
        if (x1 < w)
            x1 += 2;
        else
            y1 += 2;
        if (y2 < h)
            y2 += 2;
        else
            x2 += 2;
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}
