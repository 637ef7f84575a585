// Helpers of the bitmap control tests: a host window with one static
// control, solid-colour pictures, and cursor files written byte by byte.
#pragma once
#include "TestCursorFiles.h"
#include <windows.h>
#include <string>
#include <vector>

namespace BmpCtlTest {

// A static control (64 x 64, text "img") in a visible popup window
// that the whole program shares (destroying a top-level window under Wine
// without a window manager waits two seconds, so only controls come and go).
class Host {
public:
    explicit Host(int id = 1000, int x = 10);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    HWND Window() const { return m_window; }
    HWND Control() const { return m_control; }
    // Repaints the control now and reads one of its pixels.
    COLORREF PaintedAt(int x, int y);
    // Client size of the control.
    SIZE Size() const;

private:
    HWND m_window = nullptr;
    HWND m_control = nullptr;
};

// A 32-bit bitmap of one colour, and a mask of its size that is all black
// (everything opaque) or white in its left half (left half transparent).
HBITMAP SolidBitmap(int cx, int cy, COLORREF color);
HBITMAP MaskBitmap(int cx, int cy, bool leftHalfTransparent);
// An opaque icon of one colour.
HICON SolidIcon(int size, COLORREF color);

// Cursor files written byte by byte (tests/common).
using NelTest::AnimatedCursorFile;
using NelTest::CursorFile;

} // namespace BmpCtlTest
