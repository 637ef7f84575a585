// CNelXPBtn: construction, copying and binding to a dialog's button.
#include "NelXPBtn.h"
#include "NelXPBtnCalls.h"
#include "WndUtil/NelWndUtil.h"

CNelXPBtn::CNelXPBtn()
    : m_hWnd(nullptr), m_pfnOldProc(nullptr), m_hParent(nullptr), m_nID(0), m_hInst(nullptr),
      m_crFace(GetSysColor(COLOR_BTNFACE)), m_hPrevCapture(nullptr), m_bHot(FALSE), m_bHooked(FALSE),
      m_bPressed(FALSE)
{
}

CNelXPBtn::CNelXPBtn(const CNelXPBtn& other) = default;
CNelXPBtn& CNelXPBtn::operator=(const CNelXPBtn& other) = default;

// The subclassing stays: the button may outlive a copy, and nothing in the
// program destroys the object before its dialog.
CNelXPBtn::~CNelXPBtn() {}

BOOL CNelXPBtn::IsThemeOS()
{
    NelXPBtnVersionInfo info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!NELXPBTN_GETVERSION(&info))
        return FALSE;
    if (info.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return FALSE;
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion != 0);
}

BOOL CNelXPBtn::HookDlgItem(int id, HWND parent, HINSTANCE module)
{
    m_hWnd = GetDlgItem(parent, id);
    m_hParent = parent;
    m_nID = id;
    // From XP on the system draws themed buttons itself.
    if (IsThemeOS())
        return TRUE;
    m_hInst = module ? module : GetModuleHandleW(nullptr);
    if (!m_hWnd)
        return FALSE;
    // The object must be findable before the first subclassed message.
    LONG_PTR previousData = NELXPBTN_SETWNDLONG(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    WNDPROC old = reinterpret_cast<WNDPROC>(
        NELXPBTN_SETWNDLONG(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CNelXPBtn::XPBtnProc)));
    if (!old) {
        NELXPBTN_SETWNDLONG(m_hWnd, GWLP_USERDATA, previousData);
        return FALSE;
    }
    m_pfnOldProc = old;
    // BS_OWNERDRAW keeps the button's own procedure from drawing over ours.
    NelModifyStyle(m_hWnd, 0, BS_OWNERDRAW, FALSE);
    m_bHooked = TRUE;
    return TRUE;
}
