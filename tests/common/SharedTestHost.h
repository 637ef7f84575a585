// One visible top-level window per test program for tests that need a
// parent for their controls: made on first use, destroyed when the
// program's tests end. Tests create and destroy only their own children,
// so no test pays for making and tearing down a top-level window.
#pragma once
#include <windows.h>

namespace NelTest {

// The host of this program (className is registered with proc on first
// use; later calls return the same window whatever they pass).
HWND SharedTestHost(const wchar_t* className, WNDPROC proc, int width, int height);

} // namespace NelTest
