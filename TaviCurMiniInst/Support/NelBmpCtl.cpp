// CNelBmpCtl: binding to a dialog's static control and painting.
#include "NelBmpCtl.h"
#include "WndUtil/NelGdiUtil.h"
#include "WndUtil/NelWndUtil.h"

CNelBmpCtl::CNelBmpCtl()
    : m_hWnd(nullptr), m_hParent(nullptr), m_hInst(nullptr), m_nID(0), m_pfnOldProc(nullptr),
      m_hImageList(nullptr), m_hIcon(nullptr), m_hBitmap(nullptr), m_hMask(nullptr), m_cx(0), m_cy(0),
      m_nIndex(0), m_bHooked(FALSE)
{
}

// The pictures are the caller's, and the control stays subclassed for the
// rest of its life (the object lives as long as the dialog).
CNelBmpCtl::~CNelBmpCtl() {}

BOOL CNelBmpCtl::HookDlgItem(int id, HWND parent, HINSTANCE module)
{
    m_hWnd = GetDlgItem(parent, id);
    m_hParent = parent;
    m_nID = id;
    m_hInst = module ? module : GetModuleHandleW(nullptr);
    if (!m_hWnd)
        return FALSE;
    // The object must be findable before the first subclassed message.
    LONG_PTR previousData = SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CNelBmpCtl::BmpCtlProc)));
    if (!old) {
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, previousData);
        return FALSE;
    }
    m_pfnOldProc = old;
    // Owner-drawn: the static's own painting would draw its text or image.
    NelModifyStyle(m_hWnd, 0, SS_OWNERDRAW, FALSE);
    m_bHooked = TRUE;
    return TRUE;
}

int CNelBmpCtl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (!dc)
        return 0;
    if (m_hIcon) {
        DrawIconEx(dc, 0, 0, m_hIcon, m_cx, m_cy, m_nIndex, nullptr, DI_NORMAL);
    } else if (m_hBitmap) {
        NelGDITransBlt(dc, m_hBitmap, m_hMask, 0, 0, 0, 0, m_cx, m_cy, NEL_MIRROR_NONE);
    } else if (m_hImageList) {
        ImageList_DrawEx(m_hImageList, m_nIndex, dc, 0, 0, m_cx, m_cy, CLR_NONE, CLR_NONE, ILD_NORMAL);
    }
    EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CALLBACK CNelBmpCtl::BmpCtlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CNelBmpCtl* self = reinterpret_cast<CNelBmpCtl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->m_pfnOldProc)
        return 0;
    // Painting validates the control, so the static's own procedure finds
    // nothing left to paint.
    if (msg == WM_PAINT)
        self->OnPaint();
    return CallWindowProcW(self->m_pfnOldProc, hwnd, msg, wParam, lParam);
}
