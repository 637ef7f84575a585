// The popup's text control: a push button whose drawing is replaced by the
// help text on the balloon's background. Compiled once per twin with
// NELHP_MES, NELHP_T and NELHP_CALLS defined (see NelHelpPopupW.cpp).

NELHP_MES::NELHP_MES()
    : m_hWnd(nullptr), m_hWndParent(nullptr), m_pfnOldProc(nullptr), m_pszMes(nullptr),
      m_pBuff(nullptr), m_crText(0), m_crBk(0)
{
}

NELHP_MES::NELHP_MES(const NELHP_MES& src) : m_pBuff(nullptr)
{
    CopyFrom(src);
}

NELHP_MES& NELHP_MES::operator=(const NELHP_MES& src)
{
    if (this != &src) {
        FreeBuff();
        CopyFrom(src);
    }
    return *this;
}

NELHP_MES::~NELHP_MES()
{
    FreeBuff();
}

void NELHP_MES::FreeBuff()
{
    if (m_pszMes == m_pBuff)
        m_pszMes = nullptr;
    delete[] m_pBuff;
    m_pBuff = nullptr;
}

// The control's user data names the source object, so the copy is bound to
// no control. A loaded text is duplicated: each object frees its own.
void NELHP_MES::CopyFrom(const NELHP_MES& src)
{
    m_hWnd = nullptr;
    m_hWndParent = nullptr;
    m_pfnOldProc = nullptr;
    m_crText = src.m_crText;
    m_crBk = src.m_crBk;
    m_pBuff = nullptr;
    m_pszMes = src.m_pszMes;
    if (src.m_pBuff) {
        int n = NELHP_CALLS::Len(src.m_pBuff) + 1;
        m_pBuff = new NELHP_T[n];
        CopyMemory(m_pBuff, src.m_pBuff, n * sizeof(NELHP_T));
        if (src.m_pszMes == src.m_pBuff)
            m_pszMes = m_pBuff;
    }
}

int NELHP_MES::Subclass(HWND control, HWND parent)
{
    m_hWnd = control;
    m_hWndParent = parent;
    if (!control)
        return FALSE;
    // The user data must name the object before the first message reaches
    // the new procedure.
    NELHP_CALLS::SetLongPtr(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnOldProc = reinterpret_cast<WNDPROC>(NELHP_CALLS::SetLongPtr(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NELHP_MES::WndProc)));
    if (!m_pfnOldProc) {
        NELHP_CALLS::SetLongPtr(control, GWLP_USERDATA, 0);
        return FALSE;
    }
    return TRUE;
}

int NELHP_MES::LoadText(HINSTANCE module, UINT id)
{
    FreeBuff();
    int capacity = NEL_HP_TEXT_STEP;
    for (;;) {
        NELHP_T* buffer = new (std::nothrow) NELHP_T[capacity];
        if (!buffer)
            return FALSE;
        int length = NELHP_CALLS::LoadStr(module, id, buffer, capacity);
        if (length <= 0) {
            delete[] buffer;
            return FALSE;
        }
        // LoadString cuts a string that does not fit without saying so; a
        // string this close to the capacity may have been cut.
        if (length > capacity - 3) {
            delete[] buffer;
            capacity += NEL_HP_TEXT_STEP;
            continue;
        }
        m_pBuff = buffer;
        m_pszMes = buffer;
        return TRUE;
    }
}

int NELHP_MES::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    tagNEL_TDC tdc;
    if (dc && NelGDICreateTDC(dc, &tdc, &rc, FALSE)) {
        HFONT font = reinterpret_cast<HFONT>(NELHP_CALLS::Send(m_hWnd, WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = font ? SelectObject(tdc.hdcMem, font) : nullptr;
        SetBkColor(tdc.hdcMem, m_crBk);
        NELHP_CALLS::OpaqueRun(tdc.hdcMem, &rc);
        SetTextColor(tdc.hdcMem, m_crText);
        SetBkMode(tdc.hdcMem, TRANSPARENT);
        if (m_pszMes) {
            RECT text = rc;
            NELHP_CALLS::Draw(tdc.hdcMem, m_pszMes, &text, NEL_HP_DRAW_FORMAT);
        }
        if (oldFont)
            SelectObject(tdc.hdcMem, oldFont);
        NelGDIBltTDC(&tdc, nullptr);
        NelGDIDeleteTDC(&tdc);
    }
    EndPaint(m_hWnd, &ps);
    return 1;
}

LRESULT CALLBACK NELHP_MES::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    NELHP_MES* self = reinterpret_cast<NELHP_MES*>(NELHP_CALLS::GetLongPtr(hWnd, GWLP_USERDATA));
    if (!self)
        return 0;
    switch (msg) {
    case WM_PAINT:
        return self->OnPaint();
    case WM_ERASEBKGND:
        // Painting covers every pixel; erasing first would only flicker.
        return 1;
    default:
        // Everything else keeps the button's behaviour, so a click on the
        // text still reports BN_CLICKED to the popup.
        return NELHP_CALLS::CallProc(self->m_pfnOldProc, hWnd, msg, wParam, lParam);
    }
}
