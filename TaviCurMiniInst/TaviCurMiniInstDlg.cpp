#include "TaviCurMiniInstDlg.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelPath.h"
#include "NelWndBinding.h"
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
    : m_hWnd(nullptr), m_hWndParent(hWndParent), m_bUseDesign2(1)
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
    m_bUseDesign2 = 1;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetFontToTree(hwnd, g_hDlgFont);
    if (!CheckInfoFile()) {
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    FillControls();
    return TRUE;
}

bool CTaviCurMiniInstDlg::CheckInfoFile()
{
    if (!ConfirmInfoFileVersion())
        return false;
    UINT missing = FindMissingRequiredKey();
    if (missing) {
        CNelStrW text, caption;
        text.LoadStr(missing, g_hInstance);
        caption.LoadStr(IDS_ERR_CAPTION, g_hInstance);
        CallNelMsgBoxW(text.t(), caption.t(), MB_ICONERROR, nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

int CTaviCurMiniInstDlg::OnCommand(WORD id)
{
    switch (id) {
    case IDOK:
        if (OnInstall())
            EndDialog(m_hWnd, IDOK);
        break;
    case IDCANCEL:
        EndDialog(m_hWnd, IDCANCEL);
        break;
    }
    return 0;
}

bool CTaviCurMiniInstDlg::CheckInfoFileStillPresent()
{
    if (NelFileExists(g_strInfoFile.t()))
        return true;
    CNelStrW text, caption;
    text.LoadStr(IDS_INFO_FILE_VANISHED, g_hInstance);
    caption.LoadStr(IDS_FATAL_CAPTION, g_hInstance);
    CallNelMsgBoxW(text.t(), caption.t(), MB_ICONERROR, nullptr, nullptr, nullptr);
    return false;
}
