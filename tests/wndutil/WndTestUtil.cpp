#include "WndTestUtil.h"
#include "TestDib.h"
#include <cstdio>

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace NelTest {

namespace {

const wchar_t kWindowClass[] = L"NelWndUtilTestWindow";
const wchar_t kTaskbarClass[] = L"Shell_TrayWnd";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCALCSIZE && wParam)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, GetWindowLongPtrW(hwnd, GWLP_USERDATA) + 1);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

BOOL CALLBACK CountTestWindow(HWND hwnd, LPARAM count)
{
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    *reinterpret_cast<int*>(count) += lstrcmpW(cls, kWindowClass) == 0 || lstrcmpW(cls, kTaskbarClass) == 0;
    return TRUE;
}

} // namespace

RECT MakeRect(int x, int y, int cx, int cy) { return RECT{x, y, x + cx, y + cy}; }

RECT PrimaryWorkArea()
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

RECT DesktopRect() { return WindowRectOf(GetDesktopWindow()); }

TestWindow::TestWindow(DWORD style, const RECT& r, HWND parentOrOwner, bool taskbar)
{
    const wchar_t* cls = taskbar ? kTaskbarClass : kWindowClass;
    WNDCLASSW wc = {};
    if (!GetClassInfoW(GetModuleHandleW(nullptr), cls, &wc)) {
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = cls;
        RegisterClassW(&wc);
    }
    m_hwnd = CreateWindowExW(0, cls, L"test", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             parentOrOwner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_hwnd && !taskbar)
        ShowWindow(m_hwnd, (style & WS_CHILD) ? SW_SHOW : SW_SHOWNOACTIVATE);
}

TestWindow::~TestWindow()
{
    if (IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

int TestWindow::FrameRecalcs() const { return static_cast<int>(GetWindowLongPtrW(m_hwnd, GWLP_USERDATA)); }

HWND DestroyedWindow()
{
    TestWindow gone(WS_POPUP, MakeRect(0, 0, 10, 10));
    return gone.hwnd();
}

void WindowTest::TearDown()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTestWindow, reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(0, count) << "windows the test made are still there";
}

Surface::Surface(int cx, int cy, COLORREF fill, bool withDC) : m_cx(cx), m_cy(cy)
{
    m_bitmap = CreateTopDownDib32(cx, cy, &m_bits);
    Fill(fill);
    if (withDC) {
        m_dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(m_dc, m_bitmap);
    }
}

Surface::~Surface()
{
    if (m_dc) {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    DeleteObject(m_bitmap);
}

// DIB pixels are 0x00RRGGBB, COLORREF values 0x00BBGGRR.
COLORREF Surface::At(int x, int y) const
{
    GdiFlush();
    DWORD p = m_bits[y * m_cx + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void Surface::Set(int x, int y, COLORREF c)
{
    GdiFlush();
    m_bits[y * m_cx + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

void Surface::Fill(COLORREF color)
{
    for (int i = 0; i < m_cx * m_cy; ++i)
        Set(i % m_cx, i / m_cx, color);
}

COLORREF Distinct(int x, int y) { return RGB(10 + x * 7, 20 + y * 11, 200 - x - y); }

void Surface::FillDistinct()
{
    for (int i = 0; i < m_cx * m_cy; ++i)
        Set(i % m_cx, i / m_cx, Distinct(i % m_cx, i / m_cx));
}

std::string Surface::ChangedOutside(const RECT& r, COLORREF expected) const
{
    std::string changed;
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cx; ++x)
            if (!PtInRect(&r, POINT{x, y}) && At(x, y) != expected)
                changed += "(" + std::to_string(x) + "," + std::to_string(y) + ")=" + Hex(At(x, y)) + " ";
    return changed;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF c = old ? GetPixel(dc, x, y) : CLR_INVALID;
    if (old)
        SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

std::string Hex(COLORREF c)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%06lX", static_cast<unsigned long>(c));
    return text;
}

namespace {

// An entry of Wine's per-process GDI handle table (GDI_HANDLE_ENTRY); a
// handle's low word is its index and its high word the entry's unique field.
#pragma pack(push, 1)
struct WineGdiEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
#pragma pack(pop)

// PEB->GdiSharedHandleTable (PEB + 0x94 in the 32-bit layout, + 0xF8 in
// the 64-bit one), the PEB from ntdll's process information query.
const WineGdiEntry* WineGdiTable()
{
    struct {
        LONG exitStatus;
        BYTE* peb;
        ULONG_PTR rest[4];
    } info = {};
    typedef LONG(WINAPI * QueryFn)(HANDLE, int, void*, ULONG, ULONG*);
    QueryFn query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (!query || query(GetCurrentProcess(), 0, &info, sizeof(info), nullptr) != 0 || !info.peb)
        return nullptr;
    return *reinterpret_cast<const WineGdiEntry**>(info.peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
}

int CountWineGdiEntries()
{
    const WineGdiEntry* table = WineGdiTable();
    HDC probe = table ? CreateCompatibleDC(nullptr) : nullptr;
    ULONG_PTR h = reinterpret_cast<ULONG_PTR>(probe);
    bool usable = probe && table[LOWORD(h)].type == 1 /* DC */ && table[LOWORD(h)].unique == HIWORD(h);
    if (probe)
        DeleteDC(probe);
    int count = 0;
    for (int i = 0; usable && i < 0x10000; ++i)
        count += table[i].type != 0;
    return usable ? count : -1;
}

} // namespace

int GdiObjectCount()
{
    SetLastError(ERROR_SUCCESS);
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0)
        return static_cast<int>(count);
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? CountWineGdiEntries() : -1;
}

} // namespace NelTest
