// Running a message box: ShowWnd, the dialog procedure, the buttons and the
// help requests. Compiled once per class (see NelMsgBoxW.cpp /
// NelMsgBoxA.cpp). No include guard.

namespace {

// The foreground window when it belongs to this process, else NULL.
HWND OwnForegroundWindow()
{
    HWND fg = GetForegroundWindow();
    DWORD pid = 0;
    if (fg)
        GetWindowThreadProcessId(fg, &pid);
    return (fg && pid == GetCurrentProcessId()) ? fg : nullptr;
}

// The program file's name without folder and extension ("setup" for
// C:\any\setup.exe); empty when the path cannot be read.
NELMB_STR ProgramName()
{
    NELMB_T path[MAX_PATH] = {0};
    NELMB_STR name;
    if (!MsgBoxCalls::ModulePath(path, MAX_PATH))
        return name;
    name = path;
    int slash = name.RFindMB('\\');
    if (slash >= 0)
        name = name.MidMB(slash + 1);
    int dot = name.RFindMB('.');
    if (dot >= 0)
        name = name.LeftMB(dot);
    return name;
}

} // namespace

int NELMB_SELF::ShowWnd()
{
    HWND owner = m_hWndOwner ? m_hWndOwner : OwnForegroundWindow();

    m_hBmp = (HBITMAP)MsgBoxCalls::LoadPicture(g_hModule, NelMsgBoxBitmapID(m_uType));
    if (m_hBmp) {
        m_hBmpMask = NelGDICreateMaskBmp(m_hBmp, NEL_TRANSPARENT_COLOR);
        BITMAP bm;
        if (GetObjectA(m_hBmp, sizeof(bm), &bm)) {
            m_nBmpWidth = bm.bmWidth;
            m_nBmpHeight = bm.bmHeight;
        }
    }

    if (!m_bStrLoaded) {
        m_strText = m_pszText ? m_pszText : TextOf(NELMB_STR());
        m_strCaption = m_pszCaption ? m_pszCaption : TextOf(NELMB_STR());
    }
    if (m_strCaption.IsEmpty())
        m_strCaption = ProgramName();

    INT_PTR result = MsgBoxCalls::RunDialog(g_hModule, IDD_NEL_MSGBOX, owner, DlgProc, (LPARAM)this);
    // When the dialog never opened, WM_DESTROY did not free the pictures.
    OnDestroy(nullptr);
    return result == -1 ? 0 : (int)result;
}

INT_PTR CALLBACK NELMB_SELF::DlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        NELMB_SELF* self = reinterpret_cast<NELMB_SELF*>(lParam);
        if (!self || !self->OnInit(hWnd, lParam))
            EndDialog(hWnd, -1);
        return FALSE; // the focus is already on the default button
    }
    NELMB_SELF* self = reinterpret_cast<NELMB_SELF*>(MsgBoxCalls::UserData(hWnd));
    if (!self)
        return FALSE;
    switch (msg) {
    case WM_COMMAND:
        return self->OnBtn(hWnd, LOWORD(wParam));
    case WM_DESTROY:
        self->OnDestroy(hWnd);
        break;
    case WM_PAINT: {
        // The background is the system's; the statics draw themselves.
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        break;
    }
    case WM_DRAWITEM:
        self->OnDrawItem(hWnd, (UINT)wParam, lParam);
        break;
    case WM_HELP:
        self->OnHelp(hWnd, lParam);
        break;
    case WM_CONTEXTMENU:
        self->OnContextMenu(hWnd, (UINT)wParam, lParam);
        break;
    }
    return FALSE;
}

int NELMB_SELF::OnBtn(HWND, WORD id)
{
    const UINT set = m_uType & MB_TYPEMASK;
    if (const int slot = NelMsgBoxControlSlot(id)) {
        EndDialog(m_hWnd, NelMsgBoxSlotResult(set, slot));
    } else if (id == IDCANCEL) {
        // Escape and the close box; sets without a cancel answer ignore them.
        if (const int result = NelMsgBoxCancelResult(set))
            EndDialog(m_hWnd, result);
    }
    return 1;
}

int NELMB_SELF::OnHelp(HWND hWnd, LPARAM lParam)
{
    if (!m_pHelpData)
        return 1;
    const HELPINFO* info = reinterpret_cast<const HELPINFO*>(lParam);
    if (!info)
        return 0;
    int id = info->iCtrlId;
    if ((HWND)info->hItemHandle == hWnd) {
        POINT pt = info->MousePos;
        ScreenToClient(hWnd, &pt);
        HWND child = ChildWindowFromPoint(hWnd, pt);
        if (!child)
            return 0;
        if (child == hWnd)
            return 1;
        id = GetDlgCtrlID(child);
    }

    // Help asked for from the keyboard appears at the control, not at the
    // mouse.
    POINT anchor = info->MousePos;
    if (GetKeyState(VK_F1) < 0) {
        RECT item;
        if (GetWindowRect((HWND)info->hItemHandle, &item)) {
            anchor.x = item.left;
            anchor.y = item.top;
        }
    }

    const NELMB_HELP& help = *m_pHelpData;
    if ((help.uFlags & 0xF) != NEL_MSGBOX_HELP_USE)
        return 0;
    const bool colours = ((help.uFlags >> 4) & 0xF) == 1;
    const bool font = ((help.uFlags >> 8) & 0xF) == 1;
    const NELMB_T* texts[3] = {help.lpszHelp1, help.lpszHelp2, help.lpszHelp3};
    const int slot = NelMsgBoxControlSlot(id);
    if (!slot || !texts[slot - 1])
        return 0;
    NelMsgBoxShowHelpPopup(texts[slot - 1], &anchor, colours ? &help.crPopupBk : nullptr,
                           colours ? &help.crPopupText : nullptr, font ? help.hPopupFont : nullptr);
    return 1;
}

int NELMB_SELF::OnContextMenu(HWND hWnd, UINT hWndClicked, LPARAM pos)
{
    if (!m_pHelpData)
        return 1;
    const int x = (short)LOWORD(pos);
    const int y = (short)HIWORD(pos);
    // No help for the caption bar and the frame's top edge, nor for the
    // keyboard's context-menu request (-1, -1).
    RECT wnd;
    GetWindowRect(hWnd, &wnd);
    if (y <= wnd.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION))
        return 0;
    HWND clicked = (HWND)(UINT_PTR)hWndClicked;
    HELPINFO request;
    request.cbSize = 28;
    request.iContextType = HELPINFO_WINDOW;
    request.iCtrlId = GetDlgCtrlID(clicked);
    request.hItemHandle = clicked;
    request.dwContextId = 0;
    request.MousePos.x = x;
    request.MousePos.y = y;
    return OnHelp(hWnd, (LPARAM)&request);
}
