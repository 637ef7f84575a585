// Member list of the popup class, included into CNelHelpPopupWndW and
// CNelHelpPopupWndA with NELHP_SELF (the class), NELHP_MES (its text
// control class) and NELHP_DATA (its request record) defined. No include
// guard on purpose.
public:
    explicit NELHP_SELF(HWND hWndOwner = NULL);
    // A copy is a popup that has not been shown: it takes the owner, the
    // request, the colours, the anchor and the result, its own copy of a
    // loaded text and its own copy of a created font, but no window, pen or
    // brush, which belong to the source's window.
    NELHP_SELF(const NELHP_SELF& src);
    NELHP_SELF& operator=(const NELHP_SELF& src);
    // Destroys a window still up, deletes the created font.
    virtual ~NELHP_SELF();

    // Shows the popup for `data` (valid until the call returns) and returns
    // when it has closed: 1, or 0 when the window could not be created
    // (also when its set-up failed and it destroyed itself at once).
    int ShowDlg(NELHP_DATA* data);
    // 1: closed by the user or the owner; 2: set-up failed; 0: no close
    // request came (a window destroyed without one stays at 0).
    int GetResult();

protected:
    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int OnInit(HWND hWnd, LPARAM lParam);
    void OnPaint(HDC hdc);
    void OnActivate(UINT state, LPARAM lParam);
    void OnCommand(UINT id, LPARAM lParam);
    void OnKeyUp(UINT vk, LPARAM lParam);
    void OnLButtonUp(UINT flags, LPARAM lParam);
    int OnOyaWndCheck();
    int OnDestroy();
    void OnCloseDlg(int result);

    HWND m_hWnd;             // the popup window
    HWND m_hWndOwner;        // owner window
    HFONT m_hCreatedFont;    // icon-title font made when the request names none
    NELHP_MES m_mes;         // the text control
    NELHP_DATA* m_pData;     // the caller's request, valid during ShowDlg
    int m_bEndDialog;        // copy of the request's bEndDialog
    HPEN m_hPen;             // one-pixel border pen in the text colour
    HBRUSH m_hBrush;         // body brush: the caller's colour or COLOR_INFOBK's
    COLORREF m_crText;       // text and border colour
    POINT m_ptAnchor;        // anchor; y moved down by half a cursor height
    int m_nShadow;           // shadow offset in pixels
    int m_bSkipButtonUp;     // ignore the next left-button release
    int m_bClosing;          // a close is under way; close only once
    int m_nResult;           // value of the last close request

private:
    HWND ChooseOwner() const;
    void RunLoop();
    int InitText();
    void InitFont();
    void InitColours();
    void GetWorkArea(RECT* area) const;
    void FitToText(const RECT& area);
    void PlaceAtAnchor(const RECT& area);
    void DrawShadow(HDC dc, int w, int h);
    void CopyFrom(const NELHP_SELF& src);
    static HFONT DuplicateFont(HFONT font);
