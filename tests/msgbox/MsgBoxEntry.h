// The library's plain entry points, looked up by name the way the
// installer binds them (the import library carries them undecorated, so
// a WINAPI declaration would not link).
#pragma once
#include <windows.h>
#include "MsgBox/NelMsgBox.h"

namespace MsgBoxTest {

template <typename Fn>
Fn NelWndProc(const char* name)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    if (!lib)
        lib = LoadLibraryW(L"NelWnd.dll");
    return lib ? (Fn)(void*)GetProcAddress(lib, name) : nullptr;
}

inline int MsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner, HFONT font,
                   tagNEL_MSGBOX_HELPDATAW* help)
{
    typedef int(WINAPI * Fn)(const wchar_t*, const wchar_t*, UINT, HWND, HFONT, tagNEL_MSGBOX_HELPDATAW*);
    Fn fn = NelWndProc<Fn>("NelMsgBoxW");
    return fn ? fn(text, caption, type, owner, font, help) : -1;
}

inline int MsgBoxA(const char* text, const char* caption, UINT type, HWND owner, HFONT font,
                   tagNEL_MSGBOX_HELPDATAA* help)
{
    typedef int(WINAPI * Fn)(const char*, const char*, UINT, HWND, HFONT, tagNEL_MSGBOX_HELPDATAA*);
    Fn fn = NelWndProc<Fn>("NelMsgBoxA");
    return fn ? fn(text, caption, type, owner, font, help) : -1;
}

typedef int(WINAPI* MsgBoxRFn)(UINT, UINT, UINT, HWND, HFONT, HINSTANCE, tagNEL_MSGBOX_HELPDATAR*);

inline int MsgBoxRW(UINT text, UINT caption, UINT type, HWND owner, HFONT font, HINSTANCE inst,
                    tagNEL_MSGBOX_HELPDATAR* help)
{
    MsgBoxRFn fn = NelWndProc<MsgBoxRFn>("NelMsgBoxRW");
    return fn ? fn(text, caption, type, owner, font, inst, help) : -1;
}

inline int MsgBoxRA(UINT text, UINT caption, UINT type, HWND owner, HFONT font, HINSTANCE inst,
                    tagNEL_MSGBOX_HELPDATAR* help)
{
    MsgBoxRFn fn = NelWndProc<MsgBoxRFn>("NelMsgBoxRA");
    return fn ? fn(text, caption, type, owner, font, inst, help) : -1;
}

} // namespace MsgBoxTest
