#include "BmpCtlTestUtil.h"
#include <gtest/gtest.h>
#include "SharedTestHost.h"
#include "TestDib.h"

namespace BmpCtlTest {

namespace {

void Put16(std::string& s, unsigned v) { s.append({char(v & 0xFF), char((v >> 8) & 0xFF)}); }
void Put32(std::string& s, unsigned v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

} // namespace

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

std::string CursorFile(int size, COLORREF color, bool monochrome)
{
    const int maskStride = ((size + 31) / 32) * 4;
    const int xorStride = monochrome ? maskStride : size * 4;
    const int palette = monochrome ? 8 : 0;
    const unsigned imageBytes = 40 + palette + (xorStride + maskStride) * size;
    std::string s;
    // ICONDIR: reserved, type 2 (cursor), one image.
    Put16(s, 0);
    Put16(s, 2);
    Put16(s, 1);
    // ICONDIRENTRY: width, height, colours, reserved, hot spot, size, offset.
    s.push_back(char(size));
    s.push_back(char(size));
    s.push_back(char(monochrome ? 2 : 0));
    s.push_back(0);
    Put16(s, 1);
    Put16(s, 1);
    Put32(s, imageBytes);
    Put32(s, 6 + 16);
    // BITMAPINFOHEADER, height doubled for the XOR and AND images.
    Put32(s, 40);
    Put32(s, size);
    Put32(s, size * 2);
    Put16(s, 1);
    Put16(s, monochrome ? 1 : 32);
    Put32(s, 0);
    Put32(s, (xorStride + maskStride) * size);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
    if (monochrome) {
        Put32(s, 0x000000);
        Put32(s, 0xFFFFFF);
        s.append(size_t(xorStride) * size, char(0xFF));  // every pixel white
    } else {
        for (int i = 0; i < size * size; ++i)
            Put32(s, Bgra(color, 0xFF));
    }
    s.append(size_t(maskStride) * size, '\0');  // AND mask: all opaque
    return s;
}

namespace {

std::string Chunk(const char* id, const std::string& data)
{
    std::string s(id, 4);
    Put32(s, static_cast<unsigned>(data.size()));
    s += data;
    if (data.size() % 2)
        s.push_back('\0');
    return s;
}

} // namespace

std::string AnimatedCursorFile(const std::vector<std::string>& frames, bool withRateAndSeq)
{
    const unsigned n = static_cast<unsigned>(frames.size());
    std::string anih;
    Put32(anih, 36);
    Put32(anih, n);  // frames
    Put32(anih, n);  // steps
    for (int i = 0; i < 4; ++i)
        Put32(anih, 0);  // width, height, bit count, planes: taken from the frames
    Put32(anih, 10);     // jiffies per step
    Put32(anih, withRateAndSeq ? 3 : 1);  // AF_ICON, AF_SEQUENCE when a sequence follows
    std::string body = "ACON" + Chunk("anih", anih);
    if (withRateAndSeq) {
        std::string rate, seq;
        for (unsigned i = 0; i < n; ++i) {
            Put32(rate, 10);
            Put32(seq, i);
        }
        body += Chunk("rate", rate) + Chunk("seq ", seq);
    }
    std::string list = "fram";
    for (const std::string& frame : frames)
        list += Chunk("icon", frame);
    body += Chunk("LIST", list);
    return Chunk("RIFF", body);
}

} // namespace BmpCtlTest
