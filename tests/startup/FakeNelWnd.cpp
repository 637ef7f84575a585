// Stand-in for NelWnd.dll: each entry point appends one line describing its
// arguments to the UTF-16 file named by NEL_FAKE_LOG and returns a value
// the binding must pass back unchanged.
#include <windows.h>
#include <string>

namespace {

void Log(const std::wstring& line)
{
    wchar_t path[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"NEL_FAKE_LOG", path, MAX_PATH))
        return;
    HANDLE h = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    std::wstring text = line + L"\n";
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(h);
}

std::wstring Num(ULONG_PTR v) { return std::to_wstring(v); }

std::wstring Point(const POINT* pt)
{
    return pt ? Num(pt->x) + L"," + Num(pt->y) : L"null";
}

} // namespace

extern "C" __declspec(dllexport) int WINAPI NelMsgBoxW(const wchar_t* text, const wchar_t* caption,
                                                      UINT type, HWND owner, HFONT font,
                                                      void* help)
{
    Log(L"NelMsgBoxW|" + std::wstring(text) + L"|" + caption + L"|" + Num(type) + L"|" +
        Num(reinterpret_cast<ULONG_PTR>(owner)) + L"|" + Num(reinterpret_cast<ULONG_PTR>(font)) +
        L"|" + Num(reinterpret_cast<ULONG_PTR>(help)));
    return 42;
}

extern "C" __declspec(dllexport) int WINAPI NelHelpPopupWndW(const wchar_t* text, const POINT* pt,
                                                            const COLORREF* bk,
                                                            const COLORREF* fg, HFONT font)
{
    Log(L"NelHelpPopupWndW|" + std::wstring(text) + L"|" + Point(pt) + L"|" +
        Num(reinterpret_cast<ULONG_PTR>(bk)) + L"|" + Num(reinterpret_cast<ULONG_PTR>(fg)) +
        L"|" + Num(reinterpret_cast<ULONG_PTR>(font)));
    return 5;
}

extern "C" __declspec(dllexport) int WINAPI NelHelpPopupWndRW(UINT id, HINSTANCE inst,
                                                             const POINT* pt, const COLORREF* bk,
                                                             const COLORREF* fg, HFONT font)
{
    Log(L"NelHelpPopupWndRW|" + Num(id) + L"|" +
        (inst == GetModuleHandleW(nullptr) ? L"exe" : Num(reinterpret_cast<ULONG_PTR>(inst))) +
        L"|" + Point(pt) + L"|" + Num(reinterpret_cast<ULONG_PTR>(bk)) + L"|" +
        Num(reinterpret_cast<ULONG_PTR>(fg)) + L"|" + Num(reinterpret_cast<ULONG_PTR>(font)));
    return 3;
}
