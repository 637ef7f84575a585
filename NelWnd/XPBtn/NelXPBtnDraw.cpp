// CNelXPBtn: painting. OnPaint picks the visual state and draws through an
// off-screen TDC; DrawBtn draws any state into any DC, so the look can be
// checked on a memory DC.
#include "NelXPBtn.h"
#include "NelXPBtnCalls.h"
#include "NelXPBtnColors.h"
#include "WndUtil/NelGdiUtil.h"
#include <memory>

namespace {

void Fill(HDC dc, int l, int t, int r, int b, COLORREF color)
{
    RECT rc = {l, t, r, b};
    NelGDIFillSolidRect(dc, &rc, color);
}

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void DrawFrame(HDC dc, const RECT& rc, const NelXPBtnColors& c)
{
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    Fill(dc, l + 1, b - 2, r - 1, b, c.outerBR);
    Fill(dc, r - 2, t + 1, r, b - 1, c.outerBR);
    Fill(dc, l + 1, t, r - 1, t + 2, c.outerTL);
    Fill(dc, l, t + 1, l + 2, b - 1, c.outerTL);
    Fill(dc, l + 3, t + 3, r - 3, b - 3, c.inner);
    Fill(dc, l + 3, b - 4, r - 3, b - 2, c.innerBR);
    Fill(dc, r - 4, t + 3, r - 2, b - 3, c.innerBR);
    Fill(dc, l + 3, t + 2, r - 3, t + 4, c.innerTL);
    Fill(dc, l + 2, t + 3, l + 4, b - 3, c.innerTL);
    // Palette devices would band the gradients badly; they keep flat strips.
    if (GetDeviceCaps(dc, NUMCOLORS) == -1) {
        RECT top = {l + 4, t + 3, r - 4, t + 7};
        NelGDIGradationRect(dc, &top, c.innerTL, c.inner, TRUE, NEL_GRAD_FLAT_FROM);
        RECT bottom = {l + 4, b - 9, r - 4, b - 3};
        NelGDIGradationRect(dc, &bottom, c.inner, c.innerBR, TRUE, NEL_GRAD_FLAT_FROM);
    }
}

void DrawCaption(HDC dc, HWND button, const RECT& rc, COLORREF color)
{
    int length = NELXPBTN_TEXTLEN(button);
    if (length <= 0)
        return;
    std::unique_ptr<NelXPBtnChar[]> text(new NelXPBtnChar[length + 1]());
    if (NELXPBTN_GETTEXT(button, text.get(), length + 1) <= 0)
        return;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, color);
    RECT area = {3, rc.top + 3, rc.right - 3, rc.bottom - 3};
    NELXPBTN_DRAWTEXT(dc, text.get(), -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

// Outline with corners cut by 2-pixel diagonals, then two softening lines
// at each corner. Line drawing leaves out each line's end point.
void DrawOutline(HDC dc, const RECT& rc, HPEN outline, HPEN corner1, HPEN corner2)
{
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    SelectObject(dc, outline);
    POINT pts[] = {{l + 3, t + 1}, {r - 4, t + 1}, {r - 2, t + 3}, {r - 2, b - 4}, {r - 4, b - 2},
                   {l + 3, b - 2}, {l + 1, b - 4}, {l + 1, t + 3}, {l + 3, t + 1}};
    Polyline(dc, pts, sizeof(pts) / sizeof(pts[0]));
    SelectObject(dc, corner1);
    Line(dc, l + 2, t + 1, l, t + 3);
    Line(dc, r - 3, t + 1, r - 1, t + 3);
    Line(dc, l + 2, b - 2, l, b - 4);
    Line(dc, r - 3, b - 2, r - 1, b - 4);
    SelectObject(dc, corner2);
    Line(dc, l + 3, t + 2, l + 1, t + 4);
    Line(dc, r - 4, t + 2, r - 2, t + 4);
    Line(dc, l + 3, b - 3, l + 1, b - 5);
    Line(dc, r - 4, b - 3, r - 2, b - 5);
}

} // namespace

void CNelXPBtn::DrawBtn(HDC dc, const RECT* rect, int state)
{
    if (!dc || !rect)
        return;
    const RECT& rc = *rect;
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    NelXPBtnColors c = NelXPBtnStateColors(state, GetFaceLightColor(), GetCaptionDarkColor());
    NelGDIFillSolidRect(dc, &rc, m_crFace);
    HPEN outline = CreatePen(PS_SOLID, 0, c.outline);
    HPEN corner1 = CreatePen(PS_SOLID, 0, c.corner1);
    HPEN corner2 = CreatePen(PS_SOLID, 0, c.corner2);
    DrawFrame(dc, rc, c);
    DrawCaption(dc, m_hWnd, rc, c.text);
    DrawOutline(dc, rc, outline, corner1, corner2);
    NelXPBtnDrawAccent(dc, rc, state, c);
    if (m_hWnd && GetFocus() == m_hWnd)
        DrawFocusMark(dc, &rc);
    SelectObject(dc, oldPen);
    DeleteObject(outline);
    DeleteObject(corner1);
    DeleteObject(corner2);
}

int CNelXPBtn::PaintState()
{
    m_bHot = IsCursorOver();
    int state = m_bHot ? NEL_XPBTN_HOT : NEL_XPBTN_NORMAL;
    if ((GetKeyState(VK_LBUTTON) < 0 && m_bHot) || GetKeyState(VK_SPACE) < 0)
        state = NEL_XPBTN_PRESSED;
    else if (GetFocus() == m_hWnd && !m_bHot)
        state = NEL_XPBTN_FOCUSED;
    // A disabled dialog shows its buttons plain; a disabled button greyed.
    if (!IsWindowEnabled(m_hParent))
        state = NEL_XPBTN_NORMAL;
    else if (!IsWindowEnabled(m_hWnd))
        state = NEL_XPBTN_DISABLED;
    return state;
}

int CNelXPBtn::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (!dc)
        return 0;
    HFONT font = reinterpret_cast<HFONT>(NELXPBTN_SENDMSG(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    RECT window;
    GetWindowRect(m_hWnd, &window);
    RECT rc = {0, 0, window.right - window.left, window.bottom - window.top};
    int state = PaintState();
    tagNEL_TDC tdc;
    if (NelGDICreateTDC(dc, &tdc, &rc, FALSE)) {
        DrawBtn(tdc.hdcMem, &rc, state);
        NelGDIBltTDC(&tdc, &rc);
        NelGDIDeleteTDC(&tdc);
    } else {
        // No memory for an off-screen copy: draw directly, with flicker.
        DrawBtn(dc, &rc, state);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    EndPaint(m_hWnd, &ps);
    return 0;
}
