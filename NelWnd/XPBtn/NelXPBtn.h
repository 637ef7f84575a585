// CNelXPBtn: gives an ordinary push button of a dialog the rounded,
// gradient look of the XP theme on systems that do not draw themed buttons
// (9x family, NT 4, Windows 2000). On NT 5.1 and later the button is left
// to the system's own theme.
//
// The object subclasses the button, tracks hot and pressed states itself
// (taking the mouse capture while the cursor is over the button), and
// paints through an off-screen TDC with colours derived from the current
// system colours. It is a plain value: copying copies every member, and
// destruction does not undo the subclassing, so the object must live as
// long as the button (it is a member of its dialog's object).
//
// The library builds the class with the multibyte window calls; the
// installer's own build (NEL_INSTALLER_BUILD) uses the wide ones. The
// class is not exported: it lives inside the library's message box and
// inside the installer, each module with its own build.
#pragma once
#include <windows.h>

// Visual states handed to CNelXPBtn::DrawBtn.
enum {
    NEL_XPBTN_NORMAL = 0,
    NEL_XPBTN_PRESSED = 1,
    NEL_XPBTN_FOCUSED = 5,
    NEL_XPBTN_HOT = 6,
    NEL_XPBTN_DISABLED = 9,
};

class CNelXPBtn {
public:
    CNelXPBtn();
    CNelXPBtn(const CNelXPBtn& other);
    CNelXPBtn& operator=(const CNelXPBtn& other);
    virtual ~CNelXPBtn();

    // Takes over dialog item id of parent. On a themed system only the
    // control, parent and identifier are recorded. FALSE only when the
    // window procedure cannot be replaced (the button keeps its look).
    // module NULL stands for the program's module.
    BOOL HookDlgItem(int id, HWND parent, HINSTANCE module);

    // TRUE on NT 5.1 or later, where the system draws themed buttons.
    static BOOL IsThemeOS();

    // Paints the button (WM_PAINT).
    int OnPaint();
    // Draws the button in the given visual state into dc over rect.
    void DrawBtn(HDC dc, const RECT* rect, int state);
    // Brings the owner (or the window under the cursor) to the foreground.
    void ActivateParent();
    // Face colour lightened by two thirds of its distance to white.
    COLORREF GetFaceLightColor();
    // Active caption colour at half brightness.
    COLORREF GetCaptionDarkColor();

    static LRESULT CALLBACK XPBtnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;              // the button control
    WNDPROC m_pfnOldProc;     // its window procedure before subclassing
    HWND m_hParent;           // the dialog holding the button
    int m_nID;                // the button's control identifier
    HINSTANCE m_hInst;        // module handle (recorded only)
    COLORREF m_crFace;        // COLOR_BTNFACE at construction
    HWND m_hPrevCapture;      // capture holder when the button took the capture
    BOOL m_bHot;              // the cursor is over the button
    BOOL m_bHooked;           // the window procedure has been replaced
    BOOL m_bPressed;          // a mouse button went down while holding the capture

private:
    LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam);
    void Repaint();
    BOOL IsCursorOver();
    BOOL HasCapture();
    void TakeCapture();
    void GiveBackCapture();
    void OnLeave();
    int PaintState();
    void DrawFocusMark(HDC dc, const RECT* rect);
    LRESULT OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam);
};
