// Helpers of the text, width and platform tests of the string class: one
// wide literal for both twins (the ANSI twin gets it in the ANSI code
// page), and file checks.
#pragma once
#include <windows.h>
#include <string>
#include "StrTestUtil.h"

// Wide text in the unit type of the twin under test: as it is for
// CNelStrW, converted to the ANSI code page for CNelStrA.
inline std::wstring InUnits(const std::wstring& w, const wchar_t*) { return w; }
inline std::string InUnits(const std::wstring& w, const char*)
{
    if (w.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), &out[0], n, nullptr, nullptr);
    return out;
}
template <class S> auto In(const std::wstring& w)
{
    return InUnits(w, static_cast<const typename Units<S>::T*>(nullptr));
}

// The wide text of a twin's units: as it is, or converted from the ANSI
// code page.
inline std::wstring Back(const std::wstring& w) { return w; }
inline std::wstring Back(const std::string& a)
{
    if (a.empty())
        return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, a.c_str(), static_cast<int>(a.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, a.c_str(), static_cast<int>(a.size()), &out[0], n);
    return out;
}

// Shows any text as its units in hex, so a failure names the exact units.
inline std::string Units16(const std::wstring& s)
{
    std::string out;
    char b[8];
    for (wchar_t c : s) {
        wsprintfA(b, "%04X ", static_cast<unsigned>(c));
        out += b;
    }
    return out;
}
inline std::string Shown(const std::wstring& s) { return Units16(s); }
inline std::string Shown(const std::string& s) { return Hex(s); }

// The whole file as bytes; "<missing>" when it cannot be opened.
std::string ReadAllBytes(const std::wstring& path);

// True when nothing else holds the file open: an open without any sharing
// succeeds only then.
bool NoOtherHandle(const std::wstring& path);

// A file of exactly size bytes that takes no disk space (its end is set,
// nothing is written).
bool MakeSparseFile(const std::wstring& path, unsigned long long size);

// Committed private memory of the process, in bytes, summed over its
// address space (the platform's memory counters are not reliable here).
size_t CommittedPrivateBytes();

// A path in the unit type of the twin (the tests' paths are ASCII).
template <class S> auto PathIn(const std::wstring& w) { return In<S>(w); }
