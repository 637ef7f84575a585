#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "resource.h"

namespace {

BOOL CALLBACK SetFontProc(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

// Gives the dialog and every descendant the same font (no redraw: the
// dialog is not visible yet).
void SetFontToTree(HWND hwnd, HFONT font)
{
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EnumChildWindows(hwnd, SetFontProc, reinterpret_cast<LPARAM>(font));
}

} // namespace

CTaviCurMiniInstDlg::CTaviCurMiniInstDlg(HWND hWndParent)
    : m_hWnd(nullptr), m_hWndParent(hWndParent)
{
}

CTaviCurMiniInstDlg::~CTaviCurMiniInstDlg() {}

INT_PTR CTaviCurMiniInstDlg::ShowDlg()
{
    return DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IDD_MAIN), m_hWndParent, DlgProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CTaviCurMiniInstDlg::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        CTaviCurMiniInstDlg* self = reinterpret_cast<CTaviCurMiniInstDlg*>(lParam);
        self->OnInit(hwnd, lParam);
        return TRUE;
    }
    CTaviCurMiniInstDlg* self =
        reinterpret_cast<CTaviCurMiniInstDlg*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return FALSE;  // messages before WM_INITDIALOG are not handled
    switch (msg) {
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam));
        return FALSE;
    }
    return FALSE;
}

int CTaviCurMiniInstDlg::OnInit(HWND hwnd, LPARAM)
{
    m_hWnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetFontToTree(hwnd, g_hDlgFont);
    return TRUE;
}

int CTaviCurMiniInstDlg::OnCommand(WORD id)
{
    if (id == IDOK || id == IDCANCEL)
        EndDialog(m_hWnd, id);
    return 0;
}
