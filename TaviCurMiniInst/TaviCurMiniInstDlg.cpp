// The main dialog's object, its dialog procedure and the small handlers.
#include "TaviCurMiniInstDlg.h"
#include <windowsx.h>
#include "InstallInfo.h"
#include "NelPath.h"
#include "NelWndBinding.h"
#include "TaviAboutDlg.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtil.h"
#include "resource.h"

CTaviCurMiniInstDlg::CTaviCurMiniInstDlg(HWND hWndParent)
    : m_hWnd(nullptr), m_hWndParent(hWndParent), m_bUseDesign2(1),
      m_hWndOK(nullptr), m_hWndCancel(nullptr), m_hWndBrowse(nullptr), m_hWndDefault(nullptr),
      m_hWndMessage(nullptr), m_hWndSeparator(nullptr), m_hWndFolderLabel(nullptr),
      m_hWndFolder(nullptr), m_hWndGroup(nullptr), m_hWndName1Label(nullptr),
      m_hWndName2Label(nullptr), m_hWndName1(nullptr), m_hWndName2(nullptr),
      m_hWndAllUsers(nullptr), m_hMesIcon(nullptr), m_hCurIcon(nullptr), m_hMesCursor(nullptr),
      m_hCurCursor(nullptr), m_hDefBitmap(nullptr), m_hDefMask(nullptr)
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
    case WM_DESTROY:
        self->OnDestroy();
        return FALSE;
    case WM_PAINT:
        self->OnPaint();
        return FALSE;
    case WM_HELP:
        self->OnHelp(reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    case WM_CONTEXTMENU: {
        // Signed coordinates: a point on a monitor left of or above the
        // primary one is negative.
        POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        self->OnContextMenu(reinterpret_cast<HWND>(wParam), pt);
        return FALSE;
    }
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        self->OnSysCommand(LOWORD(wParam));
        return FALSE;
    }
    return FALSE;
}

int CTaviCurMiniInstDlg::OnPaint()
{
    // The controls draw everything; the dialog only validates its area.
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    EndPaint(m_hWnd, &ps);
    return 0;
}

int CTaviCurMiniInstDlg::OnDestroy()
{
    if (m_hMesIcon)
        DestroyIcon(m_hMesIcon);
    if (m_hCurIcon)
        DestroyIcon(m_hCurIcon);
    if (m_hDefBitmap)
        DeleteObject(m_hDefBitmap);
    if (m_hDefMask)
        DeleteObject(m_hDefMask);
    if (m_hMesCursor)
        DestroyCursor(m_hMesCursor);
    if (m_hCurCursor)
        DestroyCursor(m_hCurCursor);
    m_hMesIcon = m_hCurIcon = nullptr;
    m_hMesCursor = m_hCurCursor = nullptr;
    m_hDefBitmap = m_hDefMask = nullptr;
    return 0;
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
    case IDC_BROWSE:
        OnBrowse();
        break;
    case IDC_DEFAULT_FOLDER:
        OnDefaultFolder();
        break;
    }
    return 0;
}

int CTaviCurMiniInstDlg::OnSysCommand(WORD id)
{
    // Everything but the about item is left to the default handling,
    // which runs because the dialog procedure returns FALSE.
    if (id == ID_SYS_ABOUT)
        OnAbout();
    return 0;
}

int CTaviCurMiniInstDlg::OnAbout()
{
    if (!CheckInfoFileStillPresent()) {
        EndDialog(m_hWnd, IDCANCEL);
        return 0;
    }
    CTaviAboutDlg about(m_hWnd);
    about.ShowDlg();
    return 0;
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
