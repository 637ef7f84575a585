// The popup object's life: construction and copies, ShowDlg with its own
// message loop, the dialog procedure and the close requests. Compiled once
// per twin with NELHP_SELF, NELHP_MES, NELHP_DATA and NELHP_CALLS defined.

NELHP_SELF::NELHP_SELF(HWND hWndOwner)
    : m_hWnd(nullptr), m_hWndOwner(hWndOwner), m_hCreatedFont(nullptr), m_pData(nullptr),
      m_bEndDialog(0), m_hPen(nullptr), m_hBrush(nullptr), m_crText(0), m_ptAnchor(),
      m_nShadow(NEL_HP_SHADOW), m_bSkipButtonUp(0), m_bClosing(0), m_nResult(0)
{
}

NELHP_SELF::NELHP_SELF(const NELHP_SELF& src) : m_hCreatedFont(nullptr), m_mes(src.m_mes)
{
    CopyFrom(src);
    m_hCreatedFont = DuplicateFont(src.m_hCreatedFont);
}

NELHP_SELF& NELHP_SELF::operator=(const NELHP_SELF& src)
{
    if (this != &src) {
        // The new font is made before the old one goes, so the two never
        // share a handle value.
        HFONT font = DuplicateFont(src.m_hCreatedFont);
        if (m_hCreatedFont)
            DeleteObject(m_hCreatedFont);
        m_mes = src.m_mes;
        CopyFrom(src);
        m_hCreatedFont = font;
    }
    return *this;
}

// A new font like `font`, or NULL: a copy gets its own created font, so
// each object deletes only its own.
HFONT NELHP_SELF::DuplicateFont(HFONT font)
{
    NELHP_CALLS::LogFont desc;
    if (!font || !NELHP_CALLS::ObjectInfo(font, sizeof(desc), &desc))
        return nullptr;
    return NELHP_CALLS::FontIndirect(&desc);
}

// The window, its pen and its brush belong to the source's window (its
// user data names the source), so a copy starts without them. The created
// font is left to the caller (DuplicateFont).
void NELHP_SELF::CopyFrom(const NELHP_SELF& src)
{
    m_hWnd = nullptr;
    m_hWndOwner = src.m_hWndOwner;
    m_pData = src.m_pData;
    m_bEndDialog = src.m_bEndDialog;
    m_hPen = nullptr;
    m_hBrush = nullptr;
    m_crText = src.m_crText;
    m_ptAnchor = src.m_ptAnchor;
    m_nShadow = src.m_nShadow;
    m_bSkipButtonUp = src.m_bSkipButtonUp;
    m_bClosing = 0;
    m_nResult = src.m_nResult;
}

NELHP_SELF::~NELHP_SELF()
{
    // The window's procedure reaches this object through the user data; it
    // must not outlive it.
    if (m_hWnd && IsWindow(m_hWnd)) {
        m_bClosing = 1;
        DestroyWindow(m_hWnd);
    }
    if (m_hCreatedFont)
        DeleteObject(m_hCreatedFont);
}

int NELHP_SELF::GetResult()
{
    return m_nResult;
}

// The request's owner, else the foreground window when it is one of this
// process's (the window that most likely asked for help), else none.
HWND NELHP_SELF::ChooseOwner() const
{
    if (m_pData->hWndOwner)
        return m_pData->hWndOwner;
    HWND foreground = GetForegroundWindow();
    DWORD pid = 0;
    if (foreground)
        GetWindowThreadProcessId(foreground, &pid);
    return pid == GetCurrentProcessId() ? foreground : nullptr;
}

int NELHP_SELF::ShowDlg(NELHP_DATA* data)
{
    if (!data)
        return 0;
    m_pData = data;
    m_nResult = 0;
    m_bClosing = 0;
    if (!m_hWndOwner)
        m_hWndOwner = ChooseOwner();
    HWND hwnd = NELHP_CALLS::CreatePopup(m_hWndOwner, &NELHP_SELF::DlgProc, reinterpret_cast<LPARAM>(this));
    // A popup whose set-up failed destroyed itself inside WM_INITDIALOG, so
    // no dialog came of it either, whatever handle the system hands back
    // (Wine hands back the dead one). Its result (2) tells it from a window
    // that could not be made at all (0).
    if (!hwnd || !IsWindow(hwnd))
        return 0;
    NelHpCaptureUnder(m_hWnd);
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    RunLoop();
    // Closing the popup may leave no active window at all; give the
    // activation back to the window the help was asked for.
    if (m_hWndOwner && IsWindow(m_hWndOwner) && !GetForegroundWindow())
        SetForegroundWindow(m_hWndOwner);
    return 1;
}

// Dispatches every message of the thread, so the owner and the thread's
// other windows keep working, until the popup has gone.
void NELHP_SELF::RunLoop()
{
    MSG msg;
    // EndDialog only hides a modeless dialog; the loop then ends as well and
    // the window is destroyed below.
    while (m_hWnd && IsWindow(m_hWnd) && !(m_bEndDialog && m_bClosing)) {
        BOOL got = NELHP_CALLS::GetMsg(&msg);
        if (got == 0 || got == -1) {
            // The thread is quitting (or its queue is gone). The window must
            // not outlive this object, and the loop that waits for the quit
            // message must still see it. Taking the window down is no close
            // request, although destroying the active popup deactivates it.
            const int result = m_nResult;
            m_bClosing = 1;
            DestroyWindow(m_hWnd);
            m_nResult = result;
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!NELHP_CALLS::DialogMsg(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            NELHP_CALLS::Dispatch(&msg);
        }
    }
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

INT_PTR CALLBACK NELHP_SELF::DlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    NELHP_SELF* self = msg == WM_INITDIALOG
                           ? reinterpret_cast<NELHP_SELF*>(lParam)
                           : reinterpret_cast<NELHP_SELF*>(NELHP_CALLS::GetLongPtr(hWnd, GWLP_USERDATA));
    if (!self)
        return FALSE;
    switch (msg) {
    case WM_INITDIALOG:
        self->OnInit(hWnd, lParam);
        return FALSE;
    case WM_DESTROY:
        self->OnDestroy();
        return FALSE;
    case WM_ACTIVATE:
        self->OnActivate(LOWORD(wParam), lParam);
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        if (dc) {
            NelHpPaintUnder(hWnd, dc);
            self->OnPaint(dc);
        }
        EndPaint(hWnd, &ps);
        return FALSE;
    }
    case WM_ERASEBKGND:
        // Never erased: what lies under the rounded corners and around the
        // shadow stays as it was (see OnPaint).
        return TRUE;
    case WM_HELP:
        // A help request inside the popup would open another one.
        return TRUE;
    case WM_KEYUP:
        self->OnKeyUp(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam), lParam);
        return FALSE;
    case WM_TIMER:
        if (wParam == NEL_HP_OWNER_TIMER)
            self->OnOyaWndCheck();
        return FALSE;
    case WM_LBUTTONUP:
        self->OnLButtonUp(static_cast<UINT>(wParam), lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

void NELHP_SELF::OnActivate(UINT state, LPARAM lParam)
{
    if (state == WA_INACTIVE)
        OnCloseDlg(1);
}

void NELHP_SELF::OnCommand(UINT id, LPARAM lParam)
{
    if (id == IDOK || id == IDCANCEL || id == IDC_NEL_HELPPOPUP_MES)
        OnCloseDlg(1);
}

void NELHP_SELF::OnKeyUp(UINT vk, LPARAM lParam)
{
    if (vk == VK_SPACE || vk == VK_ESCAPE)
        OnCloseDlg(1);
}

// The release of a button that was already down over the spot where the
// popup opened belongs to the click that asked for it.
void NELHP_SELF::OnLButtonUp(UINT flags, LPARAM lParam)
{
    if (m_bSkipButtonUp)
        m_bSkipButtonUp = 0;
    else
        OnCloseDlg(1);
}

int NELHP_SELF::OnOyaWndCheck()
{
    if (!m_hWndOwner)
        return 0;
    // IsWindowVisible is FALSE for a destroyed window as well.
    if (!IsWindowVisible(m_hWndOwner))
        OnCloseDlg(1);
    return 1;
}

int NELHP_SELF::OnDestroy()
{
    // Destroyed by someone else: no close request came, so the result
    // stays what the requests made it; the window is gone either way.
    m_bClosing = 1;
    KillTimer(m_hWnd, NEL_HP_OWNER_TIMER);
    NelHpReleaseUnder(m_hWnd);
    if (m_hPen)
        DeleteObject(m_hPen);
    // The system's COLOR_INFOBK brush is shared and must not be deleted.
    if (m_hBrush && m_hBrush != GetSysColorBrush(COLOR_INFOBK))
        DeleteObject(m_hBrush);
    m_hPen = nullptr;
    m_hBrush = nullptr;
    NELHP_CALLS::SetLongPtr(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    return 0;
}

void NELHP_SELF::OnCloseDlg(int result)
{
    m_nResult = result;
    if (!m_hWnd || !IsWindow(m_hWnd) || m_bClosing)
        return;
    m_bClosing = 1;
    if (m_bEndDialog)
        EndDialog(m_hWnd, result);
    else
        DestroyWindow(m_hWnd);
}
