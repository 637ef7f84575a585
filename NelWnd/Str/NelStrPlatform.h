// The platform string calls the string class is built on, overloaded by
// unit type so that the shared class body calls the W family for CNelStrW
// and the A family for CNelStrA and never mixes them.
#pragma once
#include <windows.h>
#include <mbstring.h>
#include <string.h>
#include <wchar.h>

inline int NelLstrlen(const wchar_t* s) { return lstrlenW(s); }
inline int NelLstrlen(const char* s) { return lstrlenA(s); }

// Copies at most n - 1 units and always terminates (lstrcpyn semantics).
inline void NelLstrcpyn(wchar_t* dst, const wchar_t* src, int n) { lstrcpynW(dst, src, n); }
inline void NelLstrcpyn(char* dst, const char* src, int n) { lstrcpynA(dst, src, n); }

// Ordinal comparison. Wide text compares unit by unit as unsigned 16-bit
// values and gives exactly -1, 0 or 1; ANSI text uses the multibyte-aware
// CRT comparison of the current (ANSI) code page.
inline int NelStrCompareUnits(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        unsigned short ca = static_cast<unsigned short>(*a);
        unsigned short cb = static_cast<unsigned short>(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}
inline int NelStrCompareUnits(const char* a, const char* b)
{
    return _mbscmp(reinterpret_cast<const unsigned char*>(a),
                   reinterpret_cast<const unsigned char*>(b));
}

// A string to read instead of a NULL argument.
inline const wchar_t* NelStrOrEmpty(const wchar_t* s) { return s ? s : L""; }
inline const char* NelStrOrEmpty(const char* s) { return s ? s : ""; }

inline int NelStrCompareNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
inline int NelStrCompareNoCase(const char* a, const char* b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a),
                    reinterpret_cast<const unsigned char*>(b));
}

// The multibyte case mappings take a lead byte at the very end of the text
// for a character with the terminator as its second byte: the CRT then
// rejects the text and empties it, or maps on past the terminator, and the
// stored length no longer matches. Such a last byte is left out of the
// mapping and kept as it is.
inline void NelStrMapCaseMB(char* s, int size, errno_t (*map)(unsigned char*, size_t))
{
    const int len = lstrlenA(s);
    int i = 0;
    while (i < len && !(IsDBCSLeadByte(static_cast<BYTE>(s[i])) && i + 1 == len))
        i += IsDBCSLeadByte(static_cast<BYTE>(s[i])) ? 2 : 1;
    if (i >= len) {
        map(reinterpret_cast<unsigned char*>(s), size);
        return;
    }
    const char lone = s[i];
    s[i] = 0;
    map(reinterpret_cast<unsigned char*>(s), i + 1);
    s[i] = lone;
}

inline void NelStrLower(wchar_t* s, int size) { _wcslwr_s(s, size); }
inline void NelStrLower(char* s, int size) { NelStrMapCaseMB(s, size, _mbslwr_s); }
inline void NelStrUpper(wchar_t* s, int size) { _wcsupr_s(s, size); }
inline void NelStrUpper(char* s, int size) { NelStrMapCaseMB(s, size, _mbsupr_s); }

// Code-page conversions (CP_ACP, flags 0, terminator included). The caller
// owns the returned buffer (delete[]); n receives the unit count including
// the terminator. NULL, and n untouched, when s is NULL or the platform
// conversion fails. Defined in NelStrConv.cpp.
wchar_t* NelStrMBToWide(const char* s, int& n);
char* NelStrWideToMB(const wchar_t* s, int& n);

// Converts text of the other unit type into a new buffer of this type
// (the second argument only selects the target type).
inline wchar_t* NelStrConvertCounted(const char* s, int& n) { return NelStrMBToWide(s, n); }
inline char* NelStrConvertCounted(const wchar_t* s, int& n) { return NelStrWideToMB(s, n); }

template <class Target, class Source>
inline Target* NelStrConvert(const Source* s, Target*)
{
    int n = 0;
    return NelStrConvertCounted(s, n);
}

inline int NelLoadString(HINSTANCE inst, UINT id, wchar_t* buf, int cap) { return LoadStringW(inst, id, buf, cap); }
inline int NelLoadString(HINSTANCE inst, UINT id, char* buf, int cap) { return LoadStringA(inst, id, buf, cap); }
