#include "HelpPopupTestUtil.h"
#include <cstdlib>
#include "res/resource.h"

std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace HpTest {

namespace {

PopupDriver* g_driver = nullptr;

BOOL CALLBACK FindPopupProc(HWND hwnd, LPARAM lParam)
{
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd) &&
        GetDlgItem(hwnd, IDC_NEL_HELPPOPUP_MES)) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HHOOK g_counterHook = nullptr;
int g_created = 0;
int g_activated = 0;

LRESULT CALLBACK CounterProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        ++g_created;
    else if (code == HCBT_ACTIVATE)
        ++g_activated;
    return CallNextHookEx(g_counterHook, code, wParam, lParam);
}

const wchar_t kTopClass[] = L"NelHelpPopupTestTop";

ATOM RegisterTopClass()
{
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kTopClass;
        atom = RegisterClassW(&wc);
    }
    return atom;
}

} // namespace

HWND FindPopup()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPopupProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

PopupDriver::PopupDriver(Step step, DWORD limitMs)
    : m_step(std::move(step)), m_start(GetTickCount()), m_limit(limitMs)
{
    g_driver = this;
    m_timer = SetTimer(nullptr, 0, 20, &PopupDriver::Tick);
    m_hook = SetWindowsHookExW(WH_CBT, &PopupDriver::CbtProc, nullptr, GetCurrentThreadId());
}

PopupDriver::~PopupDriver()
{
    if (m_timer)
        KillTimer(nullptr, m_timer);
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    g_driver = nullptr;
    // A quit message the driver's own timers may have caused is not ours.
}

void CALLBACK PopupDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver)
        g_driver->OnTick();
}

LRESULT CALLBACK PopupDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && g_driver && !g_driver->m_destroyAt) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (GetDlgItem(hwnd, IDC_NEL_HELPPOPUP_MES)) {
            g_driver->m_destroyAt = GetTickCount();
            g_driver->m_destroyedInStep = !g_driver->m_done;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

long PopupDriver::CloseDelay() const
{
    if (!m_done || !m_destroyAt)
        return -1;
    if (m_destroyedInStep)
        return 0; // the step's own work took the popup down
    return static_cast<long>(m_destroyAt - m_doneAt);
}

void PopupDriver::OnTick()
{
    HWND popup = FindPopup();
    if (!m_done) {
        if (m_step(popup)) {
            m_done = true;
            m_doneAt = GetTickCount();
        }
    }
    if (GetTickCount() - m_start > m_limit && !m_timedOut) {
        m_timedOut = true;
        if (popup)
            DestroyWindow(popup);
    }
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (pred())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PostKey(HWND popup, UINT vk)
{
    HWND target = GetFocus();
    if (!target)
        target = popup;
    UINT scan = MapVirtualKeyW(vk, 0);
    PostMessageW(target, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
}

HWND TextControl(HWND popup)
{
    return GetDlgItem(popup, IDC_NEL_HELPPOPUP_MES);
}

CNelHelpPopupMesCtlW* MesW(HWND popup)
{
    return reinterpret_cast<CNelHelpPopupMesCtlW*>(GetWindowLongPtrW(TextControl(popup), GWLP_USERDATA));
}

CNelHelpPopupMesCtlA* MesA(HWND popup)
{
    return reinterpret_cast<CNelHelpPopupMesCtlA*>(GetWindowLongPtrW(TextControl(popup), GWLP_USERDATA));
}

RECT WorkAreaAt(POINT pt)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

COLORREF PixelOf(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

WindowCounter::WindowCounter()
{
    g_created = 0;
    g_activated = 0;
    m_hook = SetWindowsHookExW(WH_CBT, CounterProc, nullptr, GetCurrentThreadId());
    g_counterHook = m_hook;
}

WindowCounter::~WindowCounter()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    g_counterHook = nullptr;
}

int WindowCounter::Created() const { return g_created; }
int WindowCounter::Activated() const { return g_activated; }

TopWindow::TopWindow(const RECT& rect, bool activate)
{
    RegisterTopClass();
    m_hwnd = CreateWindowExW(0, kTopClass, L"help popup test", WS_OVERLAPPEDWINDOW, rect.left,
                             rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (activate) {
        ShowWindow(m_hwnd, SW_SHOW);
        SetForegroundWindow(m_hwnd);
        SetActiveWindow(m_hwnd);
    } else {
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    }
    UpdateWindow(m_hwnd);
}

TopWindow::~TopWindow()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

TestFont::TestFont(int height, const wchar_t* face)
{
    m_font = CreateFontW(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                         NONANTIALIASED_QUALITY, 0, face);
}

TestFont::~TestFont()
{
    if (m_font)
        DeleteObject(m_font);
}

SIZE TestFont::Extent(const std::wstring& text) const
{
    SIZE size = {};
    HDC dc = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HGDIOBJ old = SelectObject(dc, m_font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    size.cy = tm.tmHeight;
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

std::wstring PatternText(int n)
{
    std::wstring s;
    for (int i = 0; i < n; ++i)
        s += i % 10 == 9 ? L' ' : static_cast<wchar_t>(L'a' + (i / 10) % 26);
    return s;
}

std::string PatternTextA(int n)
{
    std::wstring w = PatternText(n);
    return std::string(w.begin(), w.end());
}

int ColourDistance(COLORREF a, COLORREF b)
{
    int r = std::abs(GetRValue(a) - GetRValue(b));
    int g = std::abs(GetGValue(a) - GetGValue(b));
    int bl = std::abs(GetBValue(a) - GetBValue(b));
    int d = r > g ? r : g;
    return d > bl ? d : bl;
}

} // namespace HpTest
