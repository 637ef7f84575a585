#include "LibExports.h"
#include <gtest/gtest.h>

namespace NelTest {

FARPROC NelWndExport(const char* name)
{
    static HMODULE lib = LoadLibraryW(L"NelWnd.dll");
    return lib ? GetProcAddress(lib, name) : nullptr;
}

} // namespace NelTest

TEST(Exports, PlainFunctionsAreExportedUnderTheirBareNames)
{
    const char* names[] = {"NelCenterWindowW", "NelCenterWindowA", "NelGetDesktopRectW", "NelGetDesktopRectA",
                           "NelWindowInDesktopW", "NelWindowInDesktopA", "NelScreenToClient", "NelGetChildWndRect",
                           "NelModifyStyle", "NelGDICreateTDC", "NelGDIBltTDC", "NelGDIDeleteTDC",
                           "NelGDIFillSolidRect", "NelGDICreateMaskBmp", "NelGDITransBlt", "NelGDIGradationRect",
                           "NelHalfBlendRGB", "NelInvertRGB"};
    for (const char* name : names)
        EXPECT_NE(nullptr, NelTest::NelWndExport(name)) << name;
    // Internal helpers stay inside the library.
    for (const char* name : {"NelCreateSysFont", "NelCreateIconTitleFont", "NelGetFrameWidth",
                              "NelIsWin9xPlatform", "NelWideToAnsiAlloc"})
        EXPECT_EQ(nullptr, NelTest::NelWndExport(name)) << name;
}
