// Windows, drawing surfaces and a GDI object count for the window and GDI
// utility tests. Everything here releases what it creates.
#pragma once
#include "WindowRects.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& os, const RECT& r);

namespace NelTest {

RECT MakeRect(int x, int y, int cx, int cy);
// Work area of the primary monitor and the desktop window's rectangle.
RECT PrimaryWorkArea();
RECT DesktopRect();

// A window of the tests' own class (or of the taskbar's class
// "Shell_TrayWnd", left hidden), destroyed with the object. Its procedure
// counts WM_NCCALCSIZE requests for a new client area.
class TestWindow {
public:
    TestWindow(DWORD style, const RECT& rect, HWND parentOrOwner = nullptr, bool taskbar = false);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return m_hwnd; }
    RECT Rect() const { return WindowRectOf(m_hwnd); }
    int FrameRecalcs() const;

private:
    HWND m_hwnd;
};

// A window created and destroyed again: a handle that no longer is one.
HWND DestroyedWindow();

// Fixture for tests that make windows: fails a test that leaves one behind.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;
};

// A 32-bit top-down DIB section, selected into a memory DC unless asked
// not to be (a bitmap that a function under test selects itself).
class Surface {
public:
    Surface(int cx, int cy, COLORREF fill = RGB(0, 0, 0), bool withDC = true);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF color);
    void Fill(COLORREF color);
    // Every pixel (x, y) set to a colour of its own, see Distinct.
    void FillDistinct();
    // The pixels outside r that differ from the colour given, as "(x,y)=RRGGBB ...".
    std::string ChangedOutside(const RECT& r, COLORREF expected) const;

private:
    int m_cx, m_cy;
    DWORD* m_bits = nullptr;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

COLORREF Distinct(int x, int y);
// A pixel of a bitmap that is not selected into a DC.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
std::string Hex(COLORREF c);

// GDI objects the process holds, or -1 when they cannot be counted.
// GetGuiResources answers on Windows; Wine's is a stub (0, error 120), so
// there the live entries of the process's GDI handle table are counted,
// after checking on a probe DC that the table is laid out as expected.
int GdiObjectCount();

} // namespace NelTest
