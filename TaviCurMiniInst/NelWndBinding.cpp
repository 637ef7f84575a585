#include "NelWndBinding.h"

namespace {

const wchar_t kNelWndDll[] = L"NelWnd.dll";

typedef int(WINAPI* NelMsgBoxWProc)(const wchar_t*, const wchar_t*, UINT, HWND, HFONT,
                                    tagNEL_MSGBOX_HELPDATAW*);
typedef int(WINAPI* NelHelpPopupWndWProc)(const wchar_t*, const POINT*, const COLORREF*,
                                          const COLORREF*, HFONT);
typedef int(WINAPI* NelHelpPopupWndRWProc)(UINT, HINSTANCE, const POINT*, const COLORREF*,
                                           const COLORREF*, HFONT);

// Loads the library for one call only and unloads it afterwards: nothing is
// cached, so a library that appears or disappears while the program runs is
// noticed on the next call. Returns false (call not made) when the library
// or the entry point is missing.
template <class Proc, class Call>
bool CallNelWnd(const char* name, int& result, Call call)
{
    HMODULE lib = LoadLibraryW(kNelWndDll);
    if (!lib)
        return false;
    Proc proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
    if (proc)
        result = call(proc);
    FreeLibrary(lib);
    return proc != nullptr;
}

// Owner of the fallback box: the given owner, else the foreground window
// when it belongs to this process, else none.
HWND FallbackOwner(HWND owner)
{
    if (owner)
        return owner;
    HWND fg = GetForegroundWindow();
    DWORD pid = 0;
    if (fg)
        GetWindowThreadProcessId(fg, &pid);
    return pid == GetCurrentProcessId() ? fg : nullptr;
}

} // namespace

int CallNelMsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner,
                   HFONT font, tagNEL_MSGBOX_HELPDATAW* help)
{
    int result = 0;
    if (CallNelWnd<NelMsgBoxWProc>("NelMsgBoxW", result, [&](NelMsgBoxWProc proc) {
            return proc(text, caption, type, owner, font, help);
        }))
        return result;
    return MessageBoxW(FallbackOwner(owner), text, caption, type);
}

int CallNelHelpPopupWndW(const wchar_t* text, const POINT* pt, const COLORREF* bk,
                         const COLORREF* textColor, HFONT font)
{
    int result = 0;
    CallNelWnd<NelHelpPopupWndWProc>("NelHelpPopupWndW", result,
                                     [&](NelHelpPopupWndWProc proc) {
                                         return proc(text, pt, bk, textColor, font);
                                     });
    return result;
}

int CallNelHelpPopupWndRW(UINT id, HINSTANCE inst, const POINT* pt, const COLORREF* bk,
                          const COLORREF* textColor, HFONT font)
{
    int result = 0;
    CallNelWnd<NelHelpPopupWndRWProc>("NelHelpPopupWndRW", result,
                                      [&](NelHelpPopupWndRWProc proc) {
                                          return proc(id, inst, pt, bk, textColor, font);
                                      });
    return result;
}
