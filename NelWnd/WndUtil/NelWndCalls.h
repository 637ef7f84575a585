// The system calls the library makes where Win32 offers a wide and a
// multibyte form. The W and A twins of an exported function share one
// template body and differ only in the call set they are given, so the two
// never drift apart and never mix A and W calls by accident. The message
// box and the help popup extend these sets with the calls only they make.
//
// The library's own internals (fonts, styles, text runs, object queries)
// use the multibyte set, which the 9x family supports everywhere; the
// installer's build uses the wide set throughout. NelBuildCalls names the
// set of the current build.
#pragma once
#include <windows.h>

struct NelWideCalls {
    typedef wchar_t Char;
    typedef LOGFONTW LogFont;
    typedef NONCLIENTMETRICSW NonClientMetrics;

    static HWND FindTaskbar() { return FindWindowW(L"Shell_TrayWnd", nullptr); }
    static BOOL MonitorInfo(HMONITOR monitor, MONITORINFO* info) { return GetMonitorInfoW(monitor, info); }
    static LONG WndLong(HWND window, int index) { return GetWindowLongW(window, index); }
    static LONG SetWndLong(HWND window, int index, LONG value) { return SetWindowLongW(window, index, value); }
    static BOOL SysParams(UINT action, UINT size, void* data) { return SystemParametersInfoW(action, size, data, 0); }
    static HFONT FontIndirect(const LogFont* font) { return CreateFontIndirectW(font); }
    static int ObjectInfo(HGDIOBJ object, int size, void* out) { return GetObjectW(object, size, out); }
    static LRESULT Send(HWND window, UINT msg, WPARAM w, LPARAM l) { return SendMessageW(window, msg, w, l); }
    static int Draw(HDC dc, const Char* text, RECT* rect, UINT format)
    {
        return DrawTextW(dc, text, -1, rect, format);
    }
    static HDC DisplayIC() { return CreateICW(L"DISPLAY", nullptr, nullptr, nullptr); }
    // An empty opaque text run: fills the rectangle with the background colour.
    static BOOL OpaqueRun(HDC dc, const RECT* rect)
    {
        return ExtTextOutW(dc, rect->left, rect->top, ETO_OPAQUE, rect, L"", 0, nullptr);
    }
};

struct NelAnsiCalls {
    typedef char Char;
    typedef LOGFONTA LogFont;
    typedef NONCLIENTMETRICSA NonClientMetrics;

    static HWND FindTaskbar() { return FindWindowA("Shell_TrayWnd", nullptr); }
    static BOOL MonitorInfo(HMONITOR monitor, MONITORINFO* info) { return GetMonitorInfoA(monitor, info); }
    static LONG WndLong(HWND window, int index) { return GetWindowLongA(window, index); }
    static LONG SetWndLong(HWND window, int index, LONG value) { return SetWindowLongA(window, index, value); }
    static BOOL SysParams(UINT action, UINT size, void* data) { return SystemParametersInfoA(action, size, data, 0); }
    static HFONT FontIndirect(const LogFont* font) { return CreateFontIndirectA(font); }
    static int ObjectInfo(HGDIOBJ object, int size, void* out) { return GetObjectA(object, size, out); }
    static LRESULT Send(HWND window, UINT msg, WPARAM w, LPARAM l) { return SendMessageA(window, msg, w, l); }
    static int Draw(HDC dc, const Char* text, RECT* rect, UINT format)
    {
        return DrawTextA(dc, text, -1, rect, format);
    }
    static HDC DisplayIC() { return CreateICA("DISPLAY", nullptr, nullptr, nullptr); }
    static BOOL OpaqueRun(HDC dc, const RECT* rect)
    {
        return ExtTextOutA(dc, rect->left, rect->top, ETO_OPAQUE, rect, "", 0, nullptr);
    }
};

// The structures must have their pre-Vista sizes (WINVER 0x0501): older
// systems reject a larger cbSize in SPI_GETNONCLIENTMETRICS.
static_assert(sizeof(NONCLIENTMETRICSA) == 340, "XP-sized NONCLIENTMETRICSA");
static_assert(sizeof(NONCLIENTMETRICSW) == 500, "XP-sized NONCLIENTMETRICSW");
static_assert(sizeof(LOGFONTA) == 60 && sizeof(LOGFONTW) == 92, "LOGFONT sizes");

#ifdef NEL_INSTALLER_BUILD
typedef NelWideCalls NelBuildCalls;
#else
typedef NelAnsiCalls NelBuildCalls;
#endif
