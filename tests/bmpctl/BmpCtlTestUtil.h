// Helpers of the bitmap control tests: a host window with one static
// control, solid-colour pictures, and cursor files written byte by byte.
#pragma once
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

// The bytes of a .cur file with one opaque image of one colour: 32 bits
// per pixel, or 1 bit per pixel (monochrome, white).
std::string CursorFile(int size, COLORREF color, bool monochrome = false);
// The bytes of an .ani file: RIFF "ACON" with an "anih" header and a
// LIST "fram" of one "icon" chunk per frame (each a whole .cur file).
std::string AnimatedCursorFile(const std::vector<std::string>& frames, bool withRateAndSeq);

} // namespace BmpCtlTest
