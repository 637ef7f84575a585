// Drawing of a message box's picture and text, and the release of the
// pictures. Compiled once per class (see NelMsgBoxW.cpp / NelMsgBoxA.cpp).
// No include guard.

int NELMB_SELF::OnDrawItem(HWND, UINT id, LPARAM lParam)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || NelMsgBoxControlSlot(id))
        return 1; // the buttons draw themselves
    if (id == IDC_NEL_MSGBOX_ICON && !m_hBmp)
        return 1;

    // Drawn off-screen and copied in one step, so nothing flickers.
    tagNEL_TDC tdc;
    if (!NelGDICreateTDC(item->hDC, &tdc, &item->rcItem, FALSE))
        return 1;
    NelGDIFillSolidRect(tdc.hdcMem, &item->rcItem, GetSysColor(COLOR_BTNFACE));
    if (id == IDC_NEL_MSGBOX_ICON) {
        NelGDITransBlt(tdc.hdcMem, m_hBmp, m_hBmpMask, 0, 0, 0, 0, m_nBmpWidth, m_nBmpHeight,
                       NEL_MIRROR_NONE);
        NelGDIBltTDC(&tdc, nullptr);
    } else if (id == IDC_NEL_MSGBOX_TEXT) {
        // Same flags as the layout measured with, so the lines break where
        // the layout expected them.
        SetTextColor(tdc.hdcMem, GetSysColor(COLOR_BTNTEXT));
        SetBkMode(tdc.hdcMem, TRANSPARENT);
        RECT r = item->rcItem;
        MsgBoxCalls::Draw(tdc.hdcMem, TextOf(m_strText), &r,
                              DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK);
        NelGDIBltTDC(&tdc, nullptr);
    }
    NelGDIDeleteTDC(&tdc);
    return 1;
}

int NELMB_SELF::OnDestroy(HWND)
{
    if (m_hBmp)
        DeleteObject(m_hBmp);
    if (m_hBmpMask)
        DeleteObject(m_hBmpMask);
    m_hBmp = nullptr;
    m_hBmpMask = nullptr;
    return 1;
}

int NELMB_SELF::OnPaint(HWND, HDC) { return 1; }
