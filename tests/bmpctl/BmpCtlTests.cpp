// The bitmap control: binding, picture setters, sizing, which picture is
// painted, and shell icons.
#include "NelBmpCtl.h"
#include "BmpCtlTestUtil.h"
#include "TestFiles.h"
#include <gtest/gtest.h>
#include <shellapi.h>

using namespace BmpCtlTest;
using NelTest::TempDir;

namespace {

const COLORREF kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200), kGreen = RGB(0, 160, 0);

// A hooked control with its own pictures, all released at the end.
class BmpCtl : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, host.Control());
        ASSERT_TRUE(ctl.HookDlgItem(1000, host.Window(), nullptr));
    }
    void TearDown() override
    {
        for (HGDIOBJ obj : objects)
            DeleteObject(obj);
        for (HICON icon : icons)
            DestroyIcon(icon);
    }
    HBITMAP Keep(HBITMAP bmp)
    {
        objects.push_back(bmp);
        return bmp;
    }
    HICON Keep(HICON icon)
    {
        icons.push_back(icon);
        return icon;
    }

    Host host;
    CNelBmpCtl ctl;
    std::vector<HGDIOBJ> objects;
    std::vector<HICON> icons;
};

} // namespace

TEST(BmpCtlBinding, HookMakesTheStaticOwnerDrawnAndStoresTheObject)
{
    Host host;
    ASSERT_NE(nullptr, host.Control());
    LONG_PTR original = GetWindowLongPtrW(host.Control(), GWLP_WNDPROC);
    CNelBmpCtl ctl;
    EXPECT_EQ(nullptr, ctl.GetHwnd());
    EXPECT_EQ(0, ctl.m_cx);
    EXPECT_EQ(nullptr, ctl.m_hIcon);
    ASSERT_TRUE(ctl.HookDlgItem(1000, host.Window(), nullptr));
    EXPECT_EQ(host.Control(), ctl.GetHwnd());
    EXPECT_EQ(host.Window(), ctl.m_hParent);
    EXPECT_EQ(1000, ctl.m_nID);
    EXPECT_EQ(GetModuleHandleW(nullptr), ctl.m_hInst);
    EXPECT_TRUE(ctl.m_bHooked);
    EXPECT_EQ(original, reinterpret_cast<LONG_PTR>(ctl.m_pfnOldProc));
    EXPECT_EQ(static_cast<LONG>(SS_OWNERDRAW), GetWindowLongW(host.Control(), GWL_STYLE) & SS_TYPEMASK);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&ctl), GetWindowLongPtrW(host.Control(), GWLP_USERDATA));
    // Nothing to show yet: the static's own text is no longer drawn and
    // every message still reaches the static.
    wchar_t text[8] = {};
    EXPECT_EQ(3, GetWindowTextW(host.Control(), text, 8)) << "WM_GETTEXT passed on";

    CNelBmpCtl missing;
    EXPECT_FALSE(missing.HookDlgItem(4242, host.Window(), nullptr));
    EXPECT_FALSE(missing.m_bHooked);
}

TEST_F(BmpCtl, FitToImageWithoutAPictureFailsAndLeavesTheSize)
{
    EXPECT_FALSE(ctl.FitToImage());
    SIZE size = host.Size();
    EXPECT_EQ(64, size.cx);
    EXPECT_EQ(64, size.cy);
}

TEST_F(BmpCtl, SetBitmapNeedsBothBitmapAndMask)
{
    HBITMAP red = Keep(SolidBitmap(16, 12, kRed));
    EXPECT_FALSE(ctl.SetBitmap(red, nullptr));
    EXPECT_FALSE(ctl.SetBitmap(nullptr, red));
    EXPECT_EQ(nullptr, ctl.m_hBitmap);
    EXPECT_EQ(0, ctl.m_cx);
    EXPECT_FALSE(ctl.FitToImage()) << "still no picture";

    HBITMAP mask = Keep(MaskBitmap(16, 12, false));
    ASSERT_TRUE(ctl.SetBitmap(red, mask));
    HBITMAP blue = Keep(SolidBitmap(30, 30, kBlue));
    EXPECT_FALSE(ctl.SetBitmap(blue, nullptr));
    EXPECT_EQ(red, ctl.m_hBitmap) << "a failed call keeps the previous picture";
    EXPECT_EQ(16, ctl.m_cx);
    EXPECT_EQ(12, ctl.m_cy);
    EXPECT_EQ(kRed, host.PaintedAt(5, 5));
}

TEST_F(BmpCtl, FitToImageSizesTheControlToTheBitmapWithoutMovingIt)
{
    HBITMAP red = Keep(SolidBitmap(21, 13, kRed));
    ASSERT_TRUE(ctl.SetBitmap(red, Keep(MaskBitmap(21, 13, false))));
    RECT before;
    GetWindowRect(host.Control(), &before);
    EXPECT_TRUE(ctl.FitToImage());
    RECT after;
    GetWindowRect(host.Control(), &after);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(21, after.right - after.left);
    EXPECT_EQ(13, after.bottom - after.top);
}

TEST_F(BmpCtl, BitmapIsDrawnThroughItsMask)
{
    const COLORREF background = host.PaintedAt(2, 2);
    ASSERT_NE(kRed, background);
    ASSERT_TRUE(ctl.SetBitmap(Keep(SolidBitmap(20, 20, kRed)), Keep(MaskBitmap(20, 20, true))));
    EXPECT_EQ(background, host.PaintedAt(2, 2)) << "white mask: left half transparent";
    EXPECT_EQ(kRed, host.PaintedAt(15, 2));
    EXPECT_EQ(background, host.PaintedAt(30, 30)) << "nothing beyond the picture";
}

TEST_F(BmpCtl, IconIsPaintedBeforeBitmapBeforeImageList)
{
    TempDir dir;
    ASSERT_TRUE(ctl.SetFileIcon((dir / L"picture.txt").c_str(), FALSE));
    ASSERT_TRUE(ctl.SetBitmap(Keep(SolidBitmap(32, 32, kRed)), Keep(MaskBitmap(32, 32, false))));
    EXPECT_EQ(kRed, host.PaintedAt(10, 10)) << "bitmap over image list";
    ASSERT_TRUE(ctl.SetIcon(Keep(SolidIcon(32, kBlue))));
    EXPECT_EQ(kBlue, host.PaintedAt(10, 10)) << "icon over bitmap";

    Host other(1001, 100);
    CNelBmpCtl iconFirst;
    ASSERT_TRUE(iconFirst.HookDlgItem(1001, other.Window(), nullptr));
    // The same order of precedence when the icon is set first.
    ASSERT_TRUE(iconFirst.SetIcon(Keep(SolidIcon(32, kGreen))));
    ASSERT_TRUE(iconFirst.SetBitmap(Keep(SolidBitmap(32, 32, kRed)), Keep(MaskBitmap(32, 32, false))));
    EXPECT_EQ(kGreen, other.PaintedAt(10, 10));
}

TEST_F(BmpCtl, SetIconSizesFromTheIconAndKeepsOrSetsTheFrame)
{
    EXPECT_FALSE(ctl.SetIcon(nullptr, 3));
    EXPECT_EQ(0, ctl.m_nIndex) << "a null icon changes nothing";
    ASSERT_TRUE(ctl.SetIcon(Keep(SolidIcon(24, kBlue)), 2));
    EXPECT_EQ(2, ctl.m_nIndex);
    EXPECT_EQ(24, ctl.m_cx);
    EXPECT_EQ(24, ctl.m_cy);
    ASSERT_TRUE(ctl.SetIcon(Keep(SolidIcon(16, kGreen))));
    EXPECT_EQ(2, ctl.m_nIndex) << "the one-argument form keeps the frame";
    EXPECT_EQ(16, ctl.m_cx);
}

namespace {

// What the control shows now, painted afresh (64 x 64 pixels).
HBITMAP Snapshot(Host& host)
{
    host.PaintedAt(0, 0);
    HDC screen = GetDC(host.Control());
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 64, 64);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, 64, 64, screen, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(host.Control(), screen);
    return bmp;
}

// The control's painted picture against the image list's own drawing of
// the same image over the background the control had before.
void ExpectImageListPicture(Host& host, const CNelBmpCtl& ctl, HBITMAP background)
{
    const int cx = ctl.m_cx, cy = ctl.m_cy;
    HBITMAP shown = Snapshot(host);
    HDC ref = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(ref, background);
    ImageList_DrawEx(ctl.m_hImageList, ctl.m_nIndex, ref, 0, 0, cx, cy, CLR_NONE, CLR_NONE, ILD_NORMAL);
    HDC got = CreateCompatibleDC(nullptr);
    HGDIOBJ oldGot = SelectObject(got, shown);
    int differ = 0, drawn = 0;
    const COLORREF plain = GetPixel(got, cx + 1, cy + 1);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            COLORREF want = GetPixel(ref, x, y);
            differ += want != GetPixel(got, x, y);
            drawn += want != plain;
        }
    }
    SelectObject(got, oldGot);
    DeleteDC(got);
    SelectObject(ref, old);
    DeleteDC(ref);
    DeleteObject(shown);
    EXPECT_EQ(0, differ) << "pixels unlike the image list's own drawing";
    EXPECT_GT(drawn, cx * cy / 10) << "the icon covers part of the area";
}

} // namespace

TEST_F(BmpCtl, FileIconOfAMissingFileComesFromItsExtension)
{
    TempDir dir;
    const std::wstring path = dir / L"no such file.txt";
    SHFILEINFOW info = {};
    ASSERT_TRUE(SHGetFileInfoW(L"x.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                               SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES));
    HBITMAP background = Keep(Snapshot(host));
    ASSERT_TRUE(ctl.SetFileIcon(path.c_str(), FALSE));
    EXPECT_EQ(info.iIcon, ctl.m_nIndex);
    EXPECT_NE(nullptr, ctl.m_hImageList);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), ctl.m_cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), ctl.m_cy);
    ExpectImageListPicture(host, ctl, background);
}

TEST_F(BmpCtl, SmallFileIconOfAFolderIsTheFolderIcon)
{
    TempDir dir;
    SHFILEINFOW info = {};
    ASSERT_TRUE(SHGetFileInfoW(dir.Path().c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX));
    SHFILEINFOW file = {};
    SHGetFileInfoW(L"x.txt", FILE_ATTRIBUTE_NORMAL, &file, sizeof(file), SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES);
    ASSERT_NE(file.iIcon, info.iIcon) << "folder and text file icons must differ for this test";
    HBITMAP background = Keep(Snapshot(host));
    ASSERT_TRUE(ctl.SetFileIcon(dir.Path().c_str(), TRUE));
    EXPECT_EQ(info.iIcon, ctl.m_nIndex);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), ctl.m_cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), ctl.m_cy);
    EXPECT_TRUE(ctl.FitToImage());
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), host.Size().cx);
    ExpectImageListPicture(host, ctl, background);
}

TEST_F(BmpCtl, FileIconOfNoPathFails)
{
    EXPECT_FALSE(ctl.SetFileIcon(nullptr, FALSE));
    EXPECT_EQ(nullptr, ctl.m_hImageList);
    EXPECT_EQ(0, ctl.m_cx);
}
