// Members shared by CNelMsgBoxW and CNelMsgBoxA, included inside each class
// body with NELMB_SELF (the class), NELMB_T (its character type), NELMB_STR
// (its string class) and NELMB_HELP (its text-form help record) defined.
// No include guard: it is meant to be read twice.

public:
    // Text form: the texts and the help record are used in place and must
    // stay valid until ShowWnd returns.
    NELMB_SELF(const NELMB_T* text, const NELMB_T* caption, UINT type, HWND owner, HFONT font,
               NELMB_HELP* help);
    // Resource-ID form: texts and help texts are loaded from hInst here.
    NELMB_SELF(UINT textID, UINT captionID, UINT type, HWND owner, HFONT font, HINSTANCE hInst,
               tagNEL_MSGBOX_HELPDATAR* help);
    // A copy shares the source's windows, bitmaps, caller's texts and fonts
    // but owns none of them: only the source deletes the font it created.
    NELMB_SELF(const NELMB_SELF& other);
    NELMB_SELF& operator=(const NELMB_SELF& other);
    virtual ~NELMB_SELF();

    // Empties every member except the strings, buttons and m_helpData.
    void Init();
    // Runs the box; the pressed button's ID, 0 when it could not be shown.
    int ShowWnd();

    // Handlers called by the dialog procedure.
    int OnInit(HWND hWnd, LPARAM lParam);
    int OnBtn(HWND hWnd, WORD id);
    int OnContextMenu(HWND hWnd, UINT hWndClicked, LPARAM pos);
    int OnDrawItem(HWND hWnd, UINT id, LPARAM lParam);
    int OnHelp(HWND hWnd, LPARAM lParam);
    int OnDestroy(HWND hWnd);
    int OnPaint(HWND hWnd, HDC hdc);

    HWND m_hWnd;
    HFONT m_hCreatedFont;
    CNelXPBtn m_btn1;
    CNelXPBtn m_btn2;
    CNelXPBtn m_btn3;
    int m_bStrLoaded;
    const NELMB_T* m_pszText;
    const NELMB_T* m_pszCaption;
    UINT m_uType;
    HWND m_hWndOwner;
    HFONT m_hFont;
    NELMB_STR m_strText;
    NELMB_STR m_strCaption;
    NELMB_STR m_strHelp[4];
    HBITMAP m_hBmp;
    HBITMAP m_hBmpMask;
    int m_nBmpWidth;
    int m_nBmpHeight;
    RECT m_rcIcon;
    NELMB_HELP* m_pHelpData;
    NELMB_HELP m_helpData;

private:
    void CopyFrom(const NELMB_SELF& other);
    void PointHelpAtOwnStrings();
    void SetUpButtons(HWND hWnd, int& count, int& defSlot, NELMB_STR* captions);
    void WrapText(HDC ic, RECT& text, const RECT& client);
    void SizeButtons(HWND hWnd, int count, NELMB_STR* captions, int contentWidth, int buttonTop,
                     int& clientWidth);
    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
