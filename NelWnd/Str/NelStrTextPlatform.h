// The platform calls of the text-file, window-text, resource, environment
// and user-name members, overloaded by unit type so that CNelStrW calls the
// W functions and CNelStrA the A functions. Calls that take no text are
// chosen by a tag argument of the unit type (a null pointer).
//
// The API functions are called with :: on purpose: both twins have members
// named GetWindowTextA and SetWindowTextA, which hide the API functions of
// those names inside the class. None of these names is a macro of the
// Windows headers (only the width-neutral GetWindowText/SetWindowText
// are), so nothing needs to be #undef'd.
#pragma once
#include <windows.h>

inline HANDLE NelCreateFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition, DWORD attributes)
{
    return ::CreateFileW(path, access, share, nullptr, disposition, attributes, nullptr);
}
inline HANDLE NelCreateFile(const char* path, DWORD access, DWORD share, DWORD disposition, DWORD attributes)
{
    return ::CreateFileA(path, access, share, nullptr, disposition, attributes, nullptr);
}

inline int NelGetWindowTextLength(HWND hwnd, const wchar_t*) { return ::GetWindowTextLengthW(hwnd); }
inline int NelGetWindowTextLength(HWND hwnd, const char*) { return ::GetWindowTextLengthA(hwnd); }

inline int NelGetWindowText(HWND hwnd, wchar_t* buf, int size) { return ::GetWindowTextW(hwnd, buf, size); }
inline int NelGetWindowText(HWND hwnd, char* buf, int size) { return ::GetWindowTextA(hwnd, buf, size); }

inline int NelSetWindowText(HWND hwnd, const wchar_t* text) { return ::SetWindowTextW(hwnd, text); }
inline int NelSetWindowText(HWND hwnd, const char* text) { return ::SetWindowTextA(hwnd, text); }

inline DWORD NelExpandEnvironmentStrings(const wchar_t* src, wchar_t* dst, DWORD size)
{
    return ::ExpandEnvironmentStringsW(src, dst, size);
}
inline DWORD NelExpandEnvironmentStrings(const char* src, char* dst, DWORD size)
{
    return ::ExpandEnvironmentStringsA(src, dst, size);
}

inline BOOL NelGetUserName(wchar_t* buf, DWORD* size) { return ::GetUserNameW(buf, size); }
inline BOOL NelGetUserName(char* buf, DWORD* size) { return ::GetUserNameA(buf, size); }

// The running program's executable module.
inline HMODULE NelGetExeModule(const wchar_t*) { return ::GetModuleHandleW(nullptr); }
inline HMODULE NelGetExeModule(const char*) { return ::GetModuleHandleA(nullptr); }

// Closes a kernel handle when it goes, so that every return path of a
// member releases what it opened.
class NelScopedHandle {
public:
    explicit NelScopedHandle(HANDLE h) : m_h(h) {}
    ~NelScopedHandle() { Close(); }
    NelScopedHandle(const NelScopedHandle&) = delete;
    NelScopedHandle& operator=(const NelScopedHandle&) = delete;

    bool Valid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE Get() const { return m_h; }
    void Close()
    {
        if (Valid())
            ::CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_h;
};
