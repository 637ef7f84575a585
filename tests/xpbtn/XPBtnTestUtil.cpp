#include "XPBtnTestUtil.h"
#include "TestDib.h"
#include <gtest/gtest.h>
#include "SharedTestHost.h"

namespace XPBtnTest {

Canvas::Canvas(int width, int height) : m_width(width), m_height(height)
{
    DWORD* bits = nullptr;
    m_bitmap = NelTest::CreateTopDownDib32(width, height, &bits);
    m_dc = CreateCompatibleDC(nullptr);
    if (m_bitmap && m_dc) {
        m_old = SelectObject(m_dc, m_bitmap);
        m_bits = bits;
    }
}

Canvas::~Canvas()
{
    if (m_old)
        SelectObject(m_dc, m_old);
    if (m_dc)
        DeleteDC(m_dc);
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

COLORREF Canvas::At(int x, int y) const
{
    GdiFlush();
    DWORD v = m_bits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void Canvas::Clear(COLORREF color)
{
    GdiFlush();
    DWORD v = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < m_width * m_height; ++i)
        m_bits[i] = v;
}

COLORREF Half(COLORREF a, COLORREF b)
{
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
               (GetBValue(a) + GetBValue(b)) / 2);
}

COLORREF Inverse(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }

COLORREF Darker(COLORREF c, int by)
{
    auto low = [by](int v) { return v > by ? v - by : 0; };
    return RGB(low(GetRValue(c)), low(GetGValue(c)), low(GetBValue(c)));
}

namespace {

int Light(int c) { return c + 2 * (255 - c) / 3; }

} // namespace

Expected ExpectedFor(int state)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), caption = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF faceLight = RGB(Light(GetRValue(face)), Light(GetGValue(face)), Light(GetBValue(face)));
    const COLORREF captionDark = RGB(GetRValue(caption) / 2, GetGValue(caption) / 2, GetBValue(caption) / 2);
    Expected e = {};
    auto base = [&e](COLORREF oTL, COLORREF oBR, COLORREF in, COLORREF inTL, COLORREF inBR, COLORREF line) {
        e.outerTL = oTL;
        e.outerBR = oBR;
        e.inner = in;
        e.innerTL = inTL;
        e.innerBR = inBR;
        e.outline = line;
    };
    if (state == 1) {
        base(Half(face, shadow), hi, Half(face, RGB(222, 222, 222)), Half(face, shadow), hi, captionDark);
    } else if (state == 9) {
        COLORREF light = Half(face, hi);
        base(face, face, light, light, light, Half(face, shadow));
    } else if (state == 0 || state == 5 || state == 6) {
        base(Half(face, shadow), hi, faceLight, hi, Half(Half(face, shadow), face), captionDark);
    } else {
        return e;  // every colour black
    }
    if (state == 9) {
        e.corner1 = e.corner2 = Half(e.outline, e.inner);
        e.text = GetSysColor(COLOR_GRAYTEXT);
    } else {
        e.corner1 = Half(e.outline, face);
        e.corner2 = Half(e.corner1, e.inner);
        e.text = GetSysColor(COLOR_BTNTEXT);
    }
    if (state == 5 || state == 6) {
        COLORREF edge = state == 5 ? Half(caption, e.innerTL) : Inverse(caption);
        COLORREF bottomEdge = state == 5 ? caption : Inverse(caption);
        e.accentTop = Half(edge, e.innerTL);
        e.accentBottom = Half(bottomEdge, e.innerBR);
        e.accentMid = Half(e.accentTop, e.accentBottom);
    }
    return e;
}

namespace {

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        Host* host = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (host)
            host->commands.push_back(wParam);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

Host::Host(int buttonId, const wchar_t* caption, DWORD extraStyle)
{
    m_window = NelTest::SharedTestHost(L"XPBtnTestHost", HostProc, 300, 150);
    if (!m_window)
        return;
    EnableWindow(m_window, TRUE);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_button = CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | extraStyle, 20, 20,
                               100, 30, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)),
                               GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(m_window);
    UpdateWindow(m_window);
}

Host::~Host()
{
    if (m_button)
        DestroyWindow(m_button);
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
}

POINT Host::OverButton() const
{
    RECT rc;
    GetWindowRect(m_button, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

POINT Host::OutsideButton() const
{
    RECT rc;
    GetWindowRect(m_window, &rc);
    return {rc.right - 20, rc.bottom - 20};
}

namespace {
const wchar_t kRecorderProp[] = L"XPBtnTestRecorder";
}

Recorder::Recorder(HWND window) : m_window(window)
{
    SetPropW(window, kRecorderProp, this);
    m_old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

Recorder::~Recorder()
{
    if (IsWindow(m_window)) {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_old));
        RemovePropW(m_window, kRecorderProp);
    }
}

int Recorder::Count(UINT msg) const
{
    int n = 0;
    for (UINT m : m_messages)
        n += m == msg;
    return n;
}

LRESULT CALLBACK Recorder::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder* self = static_cast<Recorder*>(GetPropW(hwnd, kRecorderProp));
    self->m_messages.push_back(msg);
    return CallWindowProcW(self->m_old, hwnd, msg, wParam, lParam);
}

KeysDown::KeysDown(std::initializer_list<int> keys)
{
    GetKeyboardState(m_saved);
    BYTE state[256];
    memcpy(state, m_saved, sizeof(state));
    for (int key : keys)
        state[key] |= 0x80;
    SetKeyboardState(state);
}

KeysDown::~KeysDown() { SetKeyboardState(m_saved); }

void DrainMessages()
{
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            continue;  // stray pointer motion from warping the cursor
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

} // namespace XPBtnTest
