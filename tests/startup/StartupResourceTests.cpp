// Start-up steps that use the program's resources, run in this process
// (the installer's resource script is linked into this test program).
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "DialogClass.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"

namespace {

SIZE IconSize(HICON icon)
{
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info))
        return size;
    BITMAP bm = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    size.cx = bm.bmWidth;
    size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

TEST(StartupIcons, AreLoadedAtTheSystemSmallAndLargeSizes)
{
    g_hInstance = GetModuleHandleW(nullptr);
    HICON small = nullptr, large = nullptr;
    LoadAppIcons(small, large);
    ASSERT_NE(nullptr, small);
    ASSERT_NE(nullptr, large);
    SIZE s = IconSize(small), l = IconSize(large);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), s.cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), s.cy);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), l.cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), l.cy);
    DestroyIcon(small);
    DestroyIcon(large);
}

TEST(StartupDialogClass, IsTheSystemDialogClassWithTheProgramsIcons)
{
    g_hInstance = GetModuleHandleW(nullptr);
    LoadAppIcons(g_hIconSmall, g_hIconLarge);
    ATOM atom = RegisterDialogClass(g_hInstance);
    ASSERT_NE(0, atom) << "error " << GetLastError();

    WNDCLASSEXW system = {}, ours = {};
    system.cbSize = ours.cbSize = sizeof(WNDCLASSEXW);
    ASSERT_TRUE(GetClassInfoExW(nullptr, L"#32770", &system));
    ASSERT_TRUE(GetClassInfoExW(g_hInstance, L"Orvandel_TaviCurMiniInst", &ours));
    EXPECT_EQ(system.lpfnWndProc, ours.lpfnWndProc);
    EXPECT_EQ(system.cbWndExtra, ours.cbWndExtra);
    EXPECT_EQ(system.style, ours.style);
    EXPECT_EQ(g_hIconLarge, ours.hIcon);
    EXPECT_EQ(g_hIconSmall, ours.hIconSm);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(16), ours.hbrBackground);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)), ours.hCursor);
    EXPECT_EQ(nullptr, ours.lpszMenuName);

    // Registering twice fails quietly with atom 0.
    EXPECT_EQ(0, RegisterDialogClass(g_hInstance));

    EXPECT_TRUE(UnregisterClassW(MAKEINTATOM(atom), g_hInstance));
    DestroyIcon(g_hIconSmall);
    DestroyIcon(g_hIconLarge);
    g_hIconSmall = g_hIconLarge = nullptr;
}

} // namespace
