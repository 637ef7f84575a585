// Size and position of a popup: as large as its text (wrapped at half the
// work area's width) plus margins and shadow, centred under the anchor and
// kept inside the work area. Compiled once per twin.

// Work area of the monitor nearest to the popup, else the desktop window,
// else a fixed 400 by 640. Both twins ask GetMonitorInfoA on purpose: the
// record holds no text, so the character set does not matter, and the one
// call serves every system that knows monitors.
void NELHP_SELF::GetWorkArea(RECT* area) const
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoA(monitor, &info)) {
        *area = info.rcWork;
        return;
    }
    HWND desktop = GetDesktopWindow();
    if (desktop && GetWindowRect(desktop, area))
        return;
    SetRect(area, 0, 0, 400, 640);
}

void NELHP_SELF::FitToText(const RECT& area)
{
    const int margin = NEL_HP_MARGIN;
    const UINT quiet = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
    HWND control = m_mes.m_hWnd;

    // The largest balloon: half the work area's width, its whole height.
    SetWindowPos(m_hWnd, nullptr, 0, 0, (area.right - area.left) / 2, area.bottom - area.top,
                 quiet | SWP_NOMOVE);
    RECT room;
    GetClientRect(m_hWnd, &room);
    room.left += margin;
    room.top += margin;
    room.right -= margin + m_nShadow;
    room.bottom -= margin + m_nShadow;
    SetWindowPos(control, nullptr, room.left, room.top, room.right - room.left,
                 room.bottom - room.top, quiet);

    RECT text = {0, 0, room.right - room.left, room.bottom - room.top};
    HDC ic = NELHP_CALLS::DisplayIC();
    if (ic) {
        HFONT font = reinterpret_cast<HFONT>(NELHP_CALLS::Send(control, WM_GETFONT, 0, 0));
        HGDIOBJ old = font ? SelectObject(ic, font) : nullptr;
        NELHP_CALLS::Draw(ic, m_mes.m_pszMes, &text, NEL_HP_MEASURE_FORMAT);
        if (old)
            SelectObject(ic, old);
        DeleteDC(ic);
    }
    SetWindowPos(control, nullptr, margin, margin, text.right - text.left, text.bottom - text.top,
                 quiet);

    RECT placed;
    GetWindowRect(control, &placed);
    NelScreenToClient(m_hWnd, &placed);
    SetWindowPos(m_hWnd, nullptr, 0, 0, placed.right + margin + m_nShadow,
                 placed.bottom + margin + m_nShadow, quiet | SWP_NOMOVE);
}

// Centred under the anchor, half a cursor height below it (clear of the
// pointer), flush with the work area's right or bottom edge where it would
// stick out.
void NELHP_SELF::PlaceAtAnchor(const RECT& area)
{
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    m_ptAnchor.y += GetSystemMetrics(SM_CYCURSOR) / 2;
    const int ax = m_ptAnchor.x;
    const int ay = m_ptAnchor.y;

    int x = ax - w / 2;
    if (ax + w / 2 > area.right)
        x = area.right - w;
    else if (x < area.left)
        x = area.left;
    int y = ay;
    if (y + h > area.bottom)
        y = area.bottom - h;
    else if (y < area.top)
        y = area.top;
    SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}
