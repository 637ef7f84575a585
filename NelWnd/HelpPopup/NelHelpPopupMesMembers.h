// Member list of the popup's text control class, included into
// CNelHelpPopupMesCtlW and CNelHelpPopupMesCtlA with NELHP_MES (the class)
// and NELHP_T (the character type) defined. No include guard on purpose.
public:
    NELHP_MES();
    // A copy carries the text (its own copy of a loaded buffer) and the
    // colours, but is bound to no control: the control's user data names
    // the original object.
    NELHP_MES(const NELHP_MES& src);
    NELHP_MES& operator=(const NELHP_MES& src);
    // Frees the loaded text buffer.
    virtual ~NELHP_MES();

    // Subclasses control `control` of `parent` with WndProc and stores this
    // object in the control's user data. FALSE when the control cannot be
    // subclassed.
    int Subclass(HWND control, HWND parent);
    // Loads string `id` of `module` into a buffer of its own, grown in steps
    // of 256 characters until the whole string fits. FALSE, with no buffer
    // kept, when the string is missing or empty or memory runs out.
    int LoadText(HINSTANCE module, UINT id);
    // Draws the text on its background through an off-screen surface.
    int OnPaint();

    // Window procedure of the subclassed control.
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;            // the text control
    HWND m_hWndParent;      // the popup window
    WNDPROC m_pfnOldProc;   // the control's procedure before subclassing
    const NELHP_T* m_pszMes; // the text drawn: the caller's or m_pBuff
    NELHP_T* m_pBuff;       // text loaded from a string resource, owned
    COLORREF m_crText;      // text colour
    COLORREF m_crBk;        // background colour

private:
    void FreeBuff();
    void CopyFrom(const NELHP_MES& src);
