// A window's rectangles as values, for assertions that print them.
#pragma once
#include <windows.h>

namespace NelTest {

// Screen coordinates.
inline RECT WindowRectOf(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

// Client coordinates (left and top are 0).
inline RECT ClientRectOf(HWND hwnd)
{
    RECT r = {};
    GetClientRect(hwnd, &r);
    return r;
}

} // namespace NelTest
