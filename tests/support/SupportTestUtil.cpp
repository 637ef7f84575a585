// Shared helpers of the support library tests.
#include "SupportTestUtil.h"
#include <algorithm>
#include <cstdio>

std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace SupportTest {

namespace {

const wchar_t kClassName[] = L"NelSupportTestWindow";
std::vector<UINT> g_watched;
std::vector<UINT> g_watchedText;
std::vector<Delivery> g_deliveries;
LRESULT g_getCheckAnswer = -1000;

LRESULT CALLBACK TestWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (std::find(g_watched.begin(), g_watched.end(), msg) != g_watched.end())
        g_deliveries.push_back({ hwnd, msg, wParam, lParam, L"" });
    if (std::find(g_watchedText.begin(), g_watchedText.end(), msg) != g_watchedText.end())
        g_deliveries.push_back({ hwnd, msg, wParam, lParam,
                                 lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"" });
    if (msg == BM_GETCHECK && g_getCheckAnswer != -1000)
        return g_getCheckAnswer;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterTestClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TestWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    registered = RegisterClassExW(&wc) != 0;
}

} // namespace

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

std::wstring Text(const CNelStrW& s)
{
    return s.t() ? std::wstring(s.t()) : std::wstring(L"<no buffer>");
}

std::string Shown(const std::wstring& text)
{
    std::wstring shown;
    for (wchar_t c : text) {
        if (c == L'\n') {
            shown += L"\\n";
        } else if (c < 0x20) {
            wchar_t buf[8];
            swprintf(buf, 8, L"\\x%02X", static_cast<unsigned>(c));
            shown += buf;
        } else {
            shown += c;
        }
    }
    return "\"" + Narrow(shown) + "\"";
}

TestWindow::TestWindow(DWORD style, DWORD exStyle, const RECT& rect, HWND parent, const wchar_t* text)
{
    RegisterTestClass();
    m_hwnd = CreateWindowExW(exStyle, kClassName, text, style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

Control::Control(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                 HWND parent, HFONT font)
{
    m_hwnd = CreateWindowExW(0, className, text, style | WS_CHILD, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (m_hwnd && font)
        SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

Control::~Control()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void WatchMessage(UINT msg)
{
    g_watched.push_back(msg);
}

void WatchTextMessage(UINT msg)
{
    g_watchedText.push_back(msg);
}

const std::vector<Delivery>& Deliveries()
{
    return g_deliveries;
}

void ClearDeliveries()
{
    g_deliveries.clear();
}

void AnswerGetCheck(LRESULT answer)
{
    g_getCheckAnswer = answer;
}

JapaneseFont::JapaneseFont(int pixelHeight)
{
    LOGFONTW lf = {};
    lf.lfHeight = -pixelHeight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(lf.lfFaceName, L"Noto Sans CJK JP");
    m_font = CreateFontIndirectW(&lf);
}

JapaneseFont::~JapaneseFont()
{
    if (m_font)
        DeleteObject(m_font);
}

SIZE TextExtent(HFONT font, const std::wstring& text)
{
    SIZE size = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

int LineHeight(HFONT font)
{
    TEXTMETRICW tm = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}

RECT ChildRectOf(HWND child)
{
    RECT r = WindowRectOf(child);
    MapWindowPoints(nullptr, GetAncestor(child, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace SupportTest
