// The system calls of the help popup where Win32 has a wide and an ANSI
// form, beyond the library's common set. The popup's body is written once
// against NELHP_CALLS; the wide twin is compiled with NelHpWideCalls and the
// ANSI twin with NelHpAnsiCalls, so neither twin ever calls the other's
// character set by accident.
#pragma once
#include <windows.h>
#include "../NelModule.h"
#include "../res/resource.h"
#include "../WndUtil/NelWndCalls.h"

struct NelHpWideCalls : NelWideCalls {
    typedef OSVERSIONINFOW VersionInfo;

    static HWND CreatePopup(HWND owner, DLGPROC proc, LPARAM param)
    {
        return CreateDialogParamW(g_hModule, MAKEINTRESOURCEW(IDD_NEL_HELPPOPUP), owner, proc, param);
    }
    static BOOL GetMsg(MSG* msg) { return GetMessageW(msg, nullptr, 0, 0); }
    static BOOL DialogMsg(HWND dlg, MSG* msg) { return IsDialogMessageW(dlg, msg); }
    static LRESULT Dispatch(const MSG* msg) { return DispatchMessageW(msg); }
    static LONG_PTR GetLongPtr(HWND hwnd, int index) { return GetWindowLongPtrW(hwnd, index); }
    static LONG_PTR SetLongPtr(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrW(hwnd, index, value); }
    static LRESULT CallProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        return CallWindowProcW(proc, hwnd, msg, wp, lp);
    }
    static int LoadStr(HINSTANCE module, UINT id, Char* buf, int cap) { return LoadStringW(module, id, buf, cap); }
    static HINSTANCE CallerModule() { return GetModuleHandleW(nullptr); }
    static int Len(const Char* s) { return lstrlenW(s); }
    // The window property that holds the screen under the popup.
    static BOOL SetUnder(HWND hwnd, HBITMAP bmp) { return SetPropW(hwnd, L"NelHelpPopupUnder", bmp); }
    static HBITMAP GetUnder(HWND hwnd) { return static_cast<HBITMAP>(GetPropW(hwnd, L"NelHelpPopupUnder")); }
    static HBITMAP TakeUnder(HWND hwnd) { return static_cast<HBITMAP>(RemovePropW(hwnd, L"NelHelpPopupUnder")); }
    static BOOL Version(VersionInfo* info) { return GetVersionExW(info); }
};

struct NelHpAnsiCalls : NelAnsiCalls {
    typedef OSVERSIONINFOA VersionInfo;

    static HWND CreatePopup(HWND owner, DLGPROC proc, LPARAM param)
    {
        return CreateDialogParamA(g_hModule, MAKEINTRESOURCEA(IDD_NEL_HELPPOPUP), owner, proc, param);
    }
    static BOOL GetMsg(MSG* msg) { return GetMessageA(msg, nullptr, 0, 0); }
    static BOOL DialogMsg(HWND dlg, MSG* msg) { return IsDialogMessageA(dlg, msg); }
    static LRESULT Dispatch(const MSG* msg) { return DispatchMessageA(msg); }
    static LONG_PTR GetLongPtr(HWND hwnd, int index) { return GetWindowLongPtrA(hwnd, index); }
    static LONG_PTR SetLongPtr(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrA(hwnd, index, value); }
    static LRESULT CallProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        return CallWindowProcA(proc, hwnd, msg, wp, lp);
    }
    static int LoadStr(HINSTANCE module, UINT id, Char* buf, int cap) { return LoadStringA(module, id, buf, cap); }
    static HINSTANCE CallerModule() { return GetModuleHandleA(nullptr); }
    static int Len(const Char* s) { return lstrlenA(s); }
    static BOOL SetUnder(HWND hwnd, HBITMAP bmp) { return SetPropA(hwnd, "NelHelpPopupUnder", bmp); }
    static HBITMAP GetUnder(HWND hwnd) { return static_cast<HBITMAP>(GetPropA(hwnd, "NelHelpPopupUnder")); }
    static HBITMAP TakeUnder(HWND hwnd) { return static_cast<HBITMAP>(RemovePropA(hwnd, "NelHelpPopupUnder")); }
    static BOOL Version(VersionInfo* info) { return GetVersionExA(info); }
};

// Layout of the balloon, in pixels.
enum {
    NEL_HP_MARGIN = 10,       // between the balloon's edge and the text
    NEL_HP_SHADOW = 6,        // shadow offset
    NEL_HP_CORNER = 24,       // corner ellipse of the balloon and its shadow
    NEL_HP_OWNER_TIMER = 1,   // timer that watches the owner
    NEL_HP_OWNER_PERIOD = 200, // its period in milliseconds
    NEL_HP_TEXT_STEP = 256,   // growth step of a loaded text's buffer
};

// Measuring allows no break inside a run of full-width characters, so a
// text without spaces is one line; drawing uses the plain word break.
#define NEL_HP_MEASURE_FORMAT (DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK)
#define NEL_HP_DRAW_FORMAT (DT_NOPREFIX | DT_WORDBREAK)
