// The installer's resource script is linked into this test program too, so
// that its templates, strings and images can be used for real: dialogs
// created from templates 129 and 103, strings and images loaded the way
// the program loads them, and the manifest's request for common controls 6
// seen from inside the process.
#include <vector>
#include <gtest/gtest.h>
#include "ExpectedResources.h"
#include "ResourceReader.h"
#include "TextMatch.h"
#include "resource.h"

using namespace ResTest;

namespace {

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

std::wstring WindowText(HWND wnd)
{
    wchar_t buf[512] = {};
    GetWindowTextW(wnd, buf, 512);
    return buf;
}

std::wstring ClassOf(HWND wnd)
{
    wchar_t buf[256] = {};
    GetClassNameW(wnd, buf, 256);
    return buf;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// Template 129 names the program's own window class; the program registers
// it from the system dialog class before it opens the dialog, and so does
// this fixture.
class LinkedDialogs : public ::testing::TestWithParam<const ExpectedDialog*> {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        if (!GetClassInfoExW(nullptr, L"#32770", &wc))
            return;
        wc.hInstance = Self();
        wc.lpszClassName = kMainDialogClass;
        s_atom = RegisterClassExW(&wc);
    }
    static void TearDownTestSuite()
    {
        if (s_atom)
            UnregisterClassW(kMainDialogClass, Self());
        s_atom = 0;
    }
    void TearDown() override
    {
        if (m_dlg)
            DestroyWindow(m_dlg);
    }
    const ExpectedDialog& Want() const { return *GetParam(); }

    static ATOM s_atom;
    HWND m_dlg = nullptr;
};
ATOM LinkedDialogs::s_atom = 0;

TEST_P(LinkedDialogs, TemplateCreatesDialogWithClassCaptionFontAndStyles)
{
    ASSERT_NE(s_atom, 0) << "could not register the program's dialog class";
    m_dlg = CreateDialogParamW(Self(), MAKEINTRESOURCEW(Want().id), nullptr, QuietDialogProc, 0);
    ASSERT_NE(m_dlg, nullptr) << "error " << GetLastError();

    std::wstring cls = Want().className[0] ? Want().className : L"#32770";
    EXPECT_TRUE(SameText(ClassOf(m_dlg), cls));
    EXPECT_TRUE(SameText(WindowText(m_dlg), Want().caption));

    DWORD style = static_cast<DWORD>(GetWindowLongW(m_dlg, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(m_dlg, GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), Want().style & (WS_POPUP | WS_CAPTION | WS_SYSMENU))
        << "style " << std::hex << style;
    EXPECT_EQ(exStyle & Want().exStyle, Want().exStyle) << "extended style " << std::hex << exStyle;
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME) << "extended style " << std::hex << exStyle;

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_dlg, WM_GETFONT, 0, 0));
    LOGFONTW lf = {};
    ASSERT_TRUE(font && GetObjectW(font, sizeof(lf), &lf)) << "the dialog has no font of its own";
    EXPECT_TRUE(SameText(lf.lfFaceName, kDialogFontFace));
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(lf.lfHeight, -MulDiv(kDialogFontPoints, dpi, 72));
}

// The children come in template order (which is the tab order), each with
// its ID, class, text, kind and position as the dialog manager built them.
TEST_P(LinkedDialogs, TemplateCreatesEveryControlInTabOrder)
{
    m_dlg = CreateDialogParamW(Self(), MAKEINTRESOURCEW(Want().id), nullptr, QuietDialogProc, 0);
    ASSERT_NE(m_dlg, nullptr) << "error " << GetLastError();

    HWND child = GetWindow(m_dlg, GW_CHILD);
    for (size_t i = 0; i < Want().controlCount; ++i) {
        const ExpectedControl& want = Want().controls[i];
        SCOPED_TRACE("control #" + std::to_string(i) + ", expected ID " + std::to_string(want.id));
        ASSERT_NE(child, nullptr) << "fewer controls than expected";
        EXPECT_EQ(GetDlgCtrlID(child), static_cast<int>(want.id));
        EXPECT_EQ(GetDlgItem(m_dlg, want.id), child) << "ID not unique";
        EXPECT_EQ(lstrcmpiW(ClassOf(child).c_str(), want.className), 0)
            << Show(ClassOf(child));
        EXPECT_TRUE(SameText(WindowText(child), want.text));

        // Edits of version-4 dialogs trade WS_BORDER for a client edge.
        DWORD wantStyle = want.style & ~WS_BORDER;
        DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        EXPECT_EQ(style & wantStyle, wantStyle) << "style " << std::hex << style;

        // The dialog manager converts origin and size separately from
        // dialog units to pixels, so compare those rather than the edges.
        RECT expected = {want.x, want.y, want.cx, want.cy};
        MapDialogRect(m_dlg, &expected);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        // An etched line adjusts its own size to the edge it draws, so only
        // its origin is the template's.
        bool etched = lstrcmpiW(want.className, L"Static") == 0 &&
                      (want.style & SS_TYPEMASK) == SS_ETCHEDHORZ;
        if (!etched) {
            EXPECT_EQ(actual.right - actual.left, expected.right);
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }

        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected, next ID " << GetDlgCtrlID(child);
}

INSTANTIATE_TEST_SUITE_P(Templates, LinkedDialogs, ::testing::Values(&kMainDialog, &kAboutDialog),
                         [](const ::testing::TestParamInfo<const ExpectedDialog*>& info) {
                             return info.param == &kMainDialog ? std::string("Main129")
                                                               : std::string("About103");
                         });

// The program calls LoadStringW with its own instance and no language; the
// table exists in Japanese only, so that must find every text whatever the
// user's language is (these tests run under an English locale).
TEST(LinkedStrings, LoadStringFindsEveryTextUnderAnEnglishLocale)
{
    for (size_t i = 0; i < kInstallerStringCount; ++i) {
        const ExpectedString& want = kInstallerStrings[i];
        SCOPED_TRACE("string ID " + std::to_string(want.id));
        wchar_t buf[2048] = {};
        int n = LoadStringW(Self(), want.id, buf, 2048);
        EXPECT_EQ(n, lstrlenW(want.text));
        EXPECT_TRUE(SameText(buf, want.text));
    }
}

// Bitmap 131 loaded the way a program loads a bitmap resource: its size,
// depth and the teal corner that the mask is made from.
TEST(LinkedImages, DefaultProductBitmapLoadsWithTealCorners)
{
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(Self(), MAKEINTRESOURCEW(IDB_DEFAULT_PRODUCT),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bmp, nullptr) << "error " << GetLastError();
    DIBSECTION ds = {};
    ASSERT_EQ(GetObjectW(bmp, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
    EXPECT_EQ(ds.dsBm.bmWidth, 32);
    EXPECT_EQ(ds.dsBm.bmHeight, 42);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 8);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 128, 128));
    EXPECT_EQ(GetPixel(dc, 31, 41), RGB(0, 128, 128));
    EXPECT_NE(GetPixel(dc, 12, 20), RGB(0, 128, 128)) << "nothing drawn in the middle";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bmp);
}

// Icon 130: for each of its sizes the system's own choice of image (the
// one LoadImage uses) is an image of exactly that size, not a scaled one;
// the small and large system icon sizes are among them.
TEST(LinkedImages, SystemPicksAnUnscaledAppIconImageForEverySize)
{
    HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    BYTE* dir = static_cast<BYTE*>(LockResource(LoadResource(Self(), group)));
    ASSERT_NE(dir, nullptr);
    std::vector<int> sizes = {16, 20, 24, 32, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXICON)};
    for (int size : sizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        int id = LookupIconIdFromDirectoryEx(dir, TRUE, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0);
        HRSRC image = FindResourceW(Self(), MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_NE(image, nullptr);
        const BITMAPINFOHEADER* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Self(), image)));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, size);
        EXPECT_EQ(header->biBitCount, 8);

        HICON icon = static_cast<HICON>(
            LoadImageW(Self(), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        EXPECT_NE(icon, nullptr) << "error " << GetLastError();
        if (icon)
            DestroyIcon(icon);
    }
}

// With the manifest in effect, "comctl32.dll" resolves to the side-by-side
// common controls assembly, version 6, instead of the system folder's
// version 5 copy. (The version number the library reports is no proof:
// some implementations report 5.81 from both copies.)
TEST(LinkedManifest, CommonControlsLoadFromTheVersion6Assembly)
{
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr) << "error " << GetLastError();
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    FreeLibrary(comctl);
    std::wstring lower = path;
    CharLowerW(&lower[0]);
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << Show(path);
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << Show(path);
}

}  // namespace
