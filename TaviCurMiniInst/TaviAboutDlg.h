// CTaviAboutDlg: the about dialog (template 103), opened from the main
// dialog's system menu. The upper half names the program and its version,
// the lower half the cursor set being installed.
#pragma once
#include <windows.h>
#include "NelBmpCtl.h"

class CTaviAboutDlg {
public:
    explicit CTaviAboutDlg(HWND hWndParent);
    virtual ~CTaviAboutDlg();

    // Runs the dialog modally over the owner; returns how it ended.
    INT_PTR ShowDlg();

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int OnInit(HWND hwnd);
    int OnDestroy();

    // OnInit's pieces.
    void BindControls();
    void LoadImages();
    void SetProgramLine();
    void SetCursorSetTexts();

    HWND m_hWnd;
    HWND m_hWndParent;
    HICON m_hAppIcon;
    int m_cxAppIcon;
    int m_cyAppIcon;
    CNelBmpCtl m_imgApp;
    HWND m_hWndOK;
    HWND m_hWndProgram;
    HWND m_hWndCopyright;
    HWND m_hWndSeparator;
    HCURSOR m_hSetCursor;
    CNelBmpCtl m_imgCursorSet;
    HICON m_hSetIcon;
    HWND m_hWndHeading;
    HWND m_hWndProduct;
    HWND m_hWndProductCopyright;
    HWND m_hWndHomepage;
};
