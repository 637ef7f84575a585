// Set-up of a popup at WM_INITDIALOG: owner watch, text control, text,
// font and colours; the size and the position come from
// NelHelpPopupPlace.inl. Compiled once per twin.

int NELHP_SELF::OnInit(HWND hWnd, LPARAM lParam)
{
    m_hWnd = hWnd;
    m_bClosing = 0;
    m_hPen = nullptr;
    m_hBrush = nullptr;
    NELHP_CALLS::SetLongPtr(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_bEndDialog = m_pData->bEndDialog;

    if (m_hWndOwner)
        SetTimer(hWnd, NEL_HP_OWNER_TIMER, NEL_HP_OWNER_PERIOD, nullptr);

    // A popup that cannot show its text closes before it is ever seen.
    if (!m_mes.Subclass(GetDlgItem(hWnd, IDC_NEL_HELPPOPUP_MES), hWnd) || !InitText()) {
        OnCloseDlg(2);
        return FALSE;
    }
    InitFont();
    InitColours();

    if (m_pData->lpPos)
        m_ptAnchor = *m_pData->lpPos;
    else
        GetCursorPos(&m_ptAnchor);

    RECT area;
    GetWorkArea(&area);
    FitToText(area);
    PlaceAtAnchor(area);

    // The click that asked for the popup may still be held over it.
    POINT cursor;
    RECT rc;
    m_bSkipButtonUp = GetKeyState(VK_LBUTTON) < 0 && GetCursorPos(&cursor) &&
                      GetWindowRect(hWnd, &rc) && PtInRect(&rc, cursor);
    return FALSE;
}

int NELHP_SELF::InitText()
{
    if (m_pData->lpszText) {
        m_mes.m_pszMes = m_pData->lpszText;
        return TRUE;
    }
    HINSTANCE module = m_pData->hInstance ? m_pData->hInstance : NELHP_CALLS::CallerModule();
    return m_mes.LoadText(module, m_pData->uTextID);
}

// The request's font, else the icon-title font made for this popup (kept
// for the object's life); without either the template's font stays.
void NELHP_SELF::InitFont()
{
    HFONT font = m_pData->hFont;
    if (!font) {
        if (!m_hCreatedFont)
            m_hCreatedFont = NelCreateIconTitleFont();
        font = m_hCreatedFont;
    }
    if (font)
        NELHP_CALLS::Send(m_mes.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Text and border share one colour; the body and the text control's
// background share the other.
void NELHP_SELF::InitColours()
{
    m_nShadow = NEL_HP_SHADOW;
    m_crText = m_pData->lpcrText ? (*m_pData->lpcrText & 0x00FFFFFF) : GetSysColor(COLOR_INFOTEXT);
    m_hPen = CreatePen(PS_SOLID, 0, m_crText);
    COLORREF background;
    if (m_pData->lpcrBk) {
        m_hBrush = CreateSolidBrush(*m_pData->lpcrBk);
        background = *m_pData->lpcrBk & 0x00FFFFFF;
    } else {
        background = GetSysColor(COLOR_INFOBK);
        m_hBrush = GetSysColorBrush(COLOR_INFOBK);
    }
    m_mes.m_crText = m_crText;
    m_mes.m_crBk = background;
}
