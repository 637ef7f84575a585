// CNelXPBtn: the window procedure, hot tracking with the mouse capture,
// and bringing the owner to the foreground on a click.
#include "NelXPBtn.h"
#include "NelXPBtnCalls.h"

namespace {

// Key state as seen by the message being handled (GetKeyState follows the
// thread's message queue, not the hardware).
bool IsLeftButtonDown() { return GetKeyState(VK_LBUTTON) < 0; }

} // namespace

LRESULT CNelXPBtn::PassOn(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return NELXPBTN_CALLPROC(m_pfnOldProc, m_hWnd, msg, wParam, lParam);
}

// Immediate redraw of the whole button; the background is never erased
// because OnPaint covers every pixel.
void CNelXPBtn::Repaint()
{
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

// The button is under the cursor when the dialog's child at the cursor
// position is the button itself (not a sibling lying over it).
BOOL CNelXPBtn::IsCursorOver()
{
    POINT pt;
    if (!GetCursorPos(&pt) || !ScreenToClient(m_hParent, &pt))
        return FALSE;
    return ChildWindowFromPoint(m_hParent, pt) == m_hWnd;
}

BOOL CNelXPBtn::HasCapture() { return GetCapture() == m_hWnd; }

void CNelXPBtn::TakeCapture()
{
    if (HasCapture())
        return;
    m_hPrevCapture = SetCapture(m_hWnd);
}

void CNelXPBtn::GiveBackCapture()
{
    ReleaseCapture();
    if (m_hPrevCapture)
        SetCapture(m_hPrevCapture);
}

// The cursor left the button. While the left button is held the capture is
// kept, so that coming back shows the pressed look again.
void CNelXPBtn::OnLeave()
{
    if (!IsLeftButtonDown() && HasCapture())
        GiveBackCapture();
    BOOL wasHot = m_bHot;
    m_bHot = FALSE;
    if (wasHot)
        Repaint();
}

LRESULT CNelXPBtn::OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsCursorOver()) {
        TakeCapture();
        BOOL wasHot = m_bHot;
        m_bHot = TRUE;
        if (!wasHot)
            Repaint();
    } else {
        OnLeave();
    }
    return PassOn(msg, wParam, lParam);
}

LRESULT CNelXPBtn::OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsCursorOver()) {
        // Dragged back onto the button with the left button held: press
        // again so the button looks (and behaves) pressed.
        if ((wParam & MK_LBUTTON) && m_bPressed)
            NELXPBTN_SENDMSG(m_hWnd, WM_LBUTTONDOWN, wParam, lParam);
        if (!m_bHot) {
            TakeCapture();
            m_bHot = TRUE;
            Repaint();
        }
        m_bHot = TRUE;
    } else {
        OnLeave();
    }
    return PassOn(msg, wParam, lParam);
}

LRESULT CNelXPBtn::OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (HasCapture()) {
        m_bPressed = TRUE;
        ActivateParent();
    }
    Repaint();
    return PassOn(msg, wParam, lParam);
}

LRESULT CNelXPBtn::OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam)
{
    m_bPressed = FALSE;
    if (!HasCapture())
        return PassOn(msg, wParam, lParam);
    // The previous procedure reports the click to the dialog here.
    PassOn(msg, wParam, lParam);
    GiveBackCapture();
    Repaint();
    return 1;
}

void CNelXPBtn::ActivateParent()
{
    POINT pt;
    HWND under = GetCursorPos(&pt) ? WindowFromPoint(pt) : nullptr;
    HWND foreground = GetForegroundWindow();
    if (under == m_hWnd) {
        if (m_hParent == foreground || SetForegroundWindow(m_hParent))
            return;
        HWND ancestor = GetAncestor(m_hParent, GA_PARENT);
        if (ancestor && ancestor != foreground)
            SetForegroundWindow(ancestor);
    } else if (under && under != foreground) {
        SetForegroundWindow(under);
    }
}

LRESULT CALLBACK CNelXPBtn::XPBtnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CNelXPBtn* self = reinterpret_cast<CNelXPBtn*>(NELXPBTN_GETWNDLONG(hwnd, GWLP_USERDATA));
    if (!self || !self->m_pfnOldProc)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        self->Repaint();
        return self->PassOn(msg, wParam, lParam);
    case WM_SETTEXT: {
        LRESULT result = self->PassOn(msg, wParam, lParam);
        self->Repaint();
        return result;
    }
    case WM_PAINT:
        self->OnPaint();
        return 0;
    case WM_SETCURSOR:
        return self->OnSetCursor(msg, wParam, lParam);
    case WM_MOUSEMOVE:
        return self->OnMouseMove(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return self->OnButtonDown(msg, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return self->OnButtonUp(msg, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        // A double click is a second press, not a distinct event.
        NELXPBTN_SENDMSG(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        return 0;
    case WM_RBUTTONDBLCLK:
        self->ActivateParent();
        return 0;
    default:
        return self->PassOn(msg, wParam, lParam);
    }
}
