#include "BmpCtlTestUtil.h"
#include <gtest/gtest.h>
#include "SharedTestHost.h"
#include "TestDib.h"

namespace BmpCtlTest {

Host::Host(int id, int x)
{
    m_window = NelTest::SharedTestHost(L"BmpCtlTestHost", DefWindowProcW, 200, 200);
    if (m_window)
        m_control = CreateWindowExW(0, L"STATIC", L"img", WS_CHILD | WS_VISIBLE, x, 10, 64, 64, m_window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                    nullptr);
}

Host::~Host()
{
    if (m_control)
        DestroyWindow(m_control);
}

COLORREF Host::PaintedAt(int x, int y)
{
    RedrawWindow(m_control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(m_control);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(m_control, dc);
    return c;
}

SIZE Host::Size() const
{
    RECT rc = {};
    GetClientRect(m_control, &rc);
    return {rc.right, rc.bottom};
}

namespace {

DWORD Bgra(COLORREF c, BYTE alpha)
{
    return (DWORD(alpha) << 24) | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

} // namespace

HBITMAP SolidBitmap(int cx, int cy, COLORREF color)
{
    DWORD* bits = nullptr;
    HBITMAP bmp = NelTest::CreateTopDownDib32(cx, cy, &bits);
    if (bmp)
        for (int i = 0; i < cx * cy; ++i)
            bits[i] = Bgra(color, 0);
    return bmp;
}

HBITMAP MaskBitmap(int cx, int cy, bool leftHalfTransparent)
{
    DWORD* bits = nullptr;
    HBITMAP bmp = NelTest::CreateTopDownDib32(cx, cy, &bits);
    if (bmp)
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                bits[y * cx + x] = (leftHalfTransparent && x < cx / 2) ? 0xFFFFFF : 0;
    return bmp;
}

HICON SolidIcon(int size, COLORREF color)
{
    DWORD* bits = nullptr;
    HBITMAP colour = NelTest::CreateTopDownDib32(size, size, &bits);
    if (!colour)
        return nullptr;
    for (int i = 0; i < size * size; ++i)
        bits[i] = Bgra(color, 0xFF);
    std::vector<BYTE> andBits(((size + 15) / 16) * 2 * size, 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, andBits.data());
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

} // namespace BmpCtlTest
