// A 32-bit top-down DIB section: pixel (x, y) is bits[y * width + x] as
// 0x00RRGGBB. Tests draw into it and read the pixels back directly.
#pragma once
#include <windows.h>

namespace NelTest {

inline HBITMAP CreateTopDownDib32(int width, int height, DWORD** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
    *bits = static_cast<DWORD*>(p);
    return bitmap;
}

} // namespace NelTest
