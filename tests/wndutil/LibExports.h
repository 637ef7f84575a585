// The plain exports of NelWnd.dll, bound by name with GetProcAddress as the
// programs that load the library do. (Its MinGW import library names the
// WINAPI exports without their @n suffix, so dllimport calls cannot link.)
// Lib::NelCenterWindowW(...) calls the export of that name.
#pragma once
#include <windows.h>
#include "WndUtil/NelGdiUtil.h"
#include "WndUtil/NelWndUtil.h"

namespace NelTest {
// The named export of NelWnd.dll (loaded once, beside the test), or NULL.
FARPROC NelWndExport(const char* name);
template <class F>
F BindExport(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(NelWndExport(name)));
}
} // namespace NelTest

#define NEL_BIND_AS(fn, type) inline type const fn = NelTest::BindExport<type>(#fn)
#define NEL_BIND(fn) NEL_BIND_AS(fn, decltype(&::fn))

namespace Lib {
NEL_BIND(NelCenterWindowW);
NEL_BIND(NelCenterWindowA);
NEL_BIND(NelGetDesktopRectW);
NEL_BIND(NelGetDesktopRectA);
NEL_BIND(NelWindowInDesktopW);
NEL_BIND(NelWindowInDesktopA);
NEL_BIND(NelScreenToClient);
NEL_BIND(NelGetChildWndRect);
NEL_BIND(NelModifyStyle);
NEL_BIND(NelGDICreateTDC);
NEL_BIND(NelGDIBltTDC);
NEL_BIND(NelGDIDeleteTDC);
typedef BOOL(WINAPI* FillRectFn)(HDC, const RECT*, COLORREF);
NEL_BIND_AS(NelGDIFillSolidRect, FillRectFn);
NEL_BIND(NelGDICreateMaskBmp);
NEL_BIND(NelGDITransBlt);
NEL_BIND(NelGDIGradationRect);
NEL_BIND(NelHalfBlendRGB);
NEL_BIND(NelInvertRGB);
} // namespace Lib
