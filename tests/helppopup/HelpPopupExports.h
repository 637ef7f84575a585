// The popup entry points of NelWnd.dll, bound by name with GetProcAddress
// as the programs that load the library do (its MinGW import library names
// the WINAPI exports without their @n suffix, so dllimport calls to them
// cannot link). Lib::NelHelpPopupWndW(...) calls the export of that name.
#pragma once
#include <windows.h>
#include "HelpPopup/NelHelpPopup.h"

namespace Lib {

inline FARPROC NelWndExport(const char* name)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    if (!lib)
        lib = LoadLibraryW(L"NelWnd.dll");
    return lib ? GetProcAddress(lib, name) : nullptr;
}

template <class F>
F BindExport(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(NelWndExport(name)));
}

inline decltype(&::NelHelpPopupWndW) const NelHelpPopupWndW = BindExport<decltype(&::NelHelpPopupWndW)>("NelHelpPopupWndW");
inline decltype(&::NelHelpPopupWndA) const NelHelpPopupWndA = BindExport<decltype(&::NelHelpPopupWndA)>("NelHelpPopupWndA");
inline decltype(&::NelHelpPopupWndRW) const NelHelpPopupWndRW = BindExport<decltype(&::NelHelpPopupWndRW)>("NelHelpPopupWndRW");
inline decltype(&::NelHelpPopupWndRA) const NelHelpPopupWndRA = BindExport<decltype(&::NelHelpPopupWndRA)>("NelHelpPopupWndRA");

} // namespace Lib
