// CTaviCurMiniInstDlg: the installer's main dialog (template 129).
#pragma once
#include <windows.h>

class CTaviCurMiniInstDlg {
public:
    explicit CTaviCurMiniInstDlg(HWND hWndParent);
    virtual ~CTaviCurMiniInstDlg();

    // Runs the dialog modally; 1 = OK, 2 = Cancel.
    INT_PTR ShowDlg();

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int OnInit(HWND hwnd, LPARAM param);
    int OnCommand(WORD id);

    HWND m_hWnd;
    HWND m_hWndParent;
};
