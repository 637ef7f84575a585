// The system calls in which the two message-box classes differ, beyond the
// library's common set. Each class's source picks one set (MsgBoxCalls) and
// compiles the shared body with it, so the wide class never makes a
// multibyte call and the other way round.
#pragma once
#include <windows.h>
#include "../WndUtil/NelWndCalls.h"
#include "../WndUtil/NelWndUtil.h"

// Shows a help popup for the box's class: the wide or the ANSI popup.
int NelMsgBoxShowHelpPopup(const wchar_t* text, const POINT* pos, const COLORREF* bk,
                           const COLORREF* textColor, HFONT font);
int NelMsgBoxShowHelpPopup(const char* text, const POINT* pos, const COLORREF* bk,
                           const COLORREF* textColor, HFONT font);

struct NelMsgBoxWideCalls : NelWideCalls {
    static BOOL SetText(HWND window, const wchar_t* text) { return SetWindowTextW(window, text); }
    static HANDLE LoadPicture(HINSTANCE module, UINT id)
    {
        return LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    }
    static INT_PTR RunDialog(HINSTANCE module, UINT id, HWND owner, DLGPROC proc, LPARAM param)
    {
        return DialogBoxParamW(module, MAKEINTRESOURCEW(id), owner, proc, param);
    }
    static BOOL LayoutName(wchar_t* name) { return GetKeyboardLayoutNameW(name); }
    static DWORD ModulePath(wchar_t* path, DWORD size) { return GetModuleFileNameW(nullptr, path, size); }
    static LONG_PTR UserData(HWND window) { return GetWindowLongPtrW(window, GWLP_USERDATA); }
    static void SetUserData(HWND window, void* p) { SetWindowLongPtrW(window, GWLP_USERDATA, (LONG_PTR)p); }
    static BOOL DesktopRect(RECT* rect) { return NelGetDesktopRectW(rect, 1); }
    static BOOL Center(HWND window) { return NelCenterWindowW(window); }
    static int UnitsOfChar(const wchar_t*) { return 1; }
};

struct NelMsgBoxAnsiCalls : NelAnsiCalls {
    static BOOL SetText(HWND window, const char* text) { return SetWindowTextA(window, text); }
    static HANDLE LoadPicture(HINSTANCE module, UINT id)
    {
        return LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    }
    static INT_PTR RunDialog(HINSTANCE module, UINT id, HWND owner, DLGPROC proc, LPARAM param)
    {
        return DialogBoxParamA(module, MAKEINTRESOURCEA(id), owner, proc, param);
    }
    static BOOL LayoutName(char* name) { return GetKeyboardLayoutNameA(name); }
    static DWORD ModulePath(char* path, DWORD size) { return GetModuleFileNameA(nullptr, path, size); }
    static LONG_PTR UserData(HWND window) { return GetWindowLongPtrA(window, GWLP_USERDATA); }
    static void SetUserData(HWND window, void* p) { SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)p); }
    static BOOL DesktopRect(RECT* rect) { return NelGetDesktopRectA(rect, 1); }
    static BOOL Center(HWND window) { return NelCenterWindowA(window); }
    // A double-byte character is moved and kept whole by the wrap.
    static int UnitsOfChar(const char* p) { return (IsDBCSLeadByte((BYTE)p[0]) && p[1]) ? 2 : 1; }
};
