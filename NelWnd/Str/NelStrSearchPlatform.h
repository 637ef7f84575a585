// Character walking and searching for the string class, overloaded by unit
// type: the wide twin counts units, the ANSI twin counts characters of the
// ANSI code page (a lead byte and the byte after it are one character).
#pragma once
#include <windows.h>
#include <mbstring.h>
#include <wchar.h>
#include "NelStrPlatform.h"  // NelStrOrEmpty

// Whether the MB members of a twin count characters (double-byte aware)
// or are its plain members.
template <class T> struct NelStrUnit;
template <> struct NelStrUnit<wchar_t> {
    static constexpr bool kCountsChars = false;
};
template <> struct NelStrUnit<char> {
    static constexpr bool kCountsChars = true;
};

inline bool NelStrIsLead(wchar_t) { return false; }
inline bool NelStrIsLead(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != 0; }

// Units of the character that starts at p; 0 at the terminator. A lead
// byte right before the terminator (a cut character) counts as one byte,
// so that no walk ever steps past the terminator.
template <class T> inline int NelStrCharUnits(const T* p)
{
    if (!*p)
        return 0;
    return (NelStrIsLead(*p) && p[1]) ? 2 : 1;
}

// Forward character walk: from a character start, up to n characters,
// stopping at the terminator. Returns where the walk ended.
template <class T> inline const T* NelStrWalk(const T* p, int n)
{
    for (int i = 0; i < n; ++i) {
        int units = NelStrCharUnits(p);
        if (!units)
            break;
        p += units;
    }
    return p;
}

// Characters that start before end, walking from the character start p.
template <class T> inline int NelStrCharsBefore(const T* p, const T* end)
{
    int count = 0;
    while (p < end && *p) {
        p += NelStrCharUnits(p);
        ++count;
    }
    return count;
}

// Number of characters of the text.
inline int NelStrCharCount(const wchar_t* s) { return lstrlenW(s); }
inline int NelStrCharCount(const char* s)
{
    return static_cast<int>(_mbslen(reinterpret_cast<const unsigned char*>(s)));
}

// Skips n characters; a count past the last character ends on the
// terminator.
inline const wchar_t* NelStrSkipChars(const wchar_t* s, int n) { return NelStrWalk(s, n); }
inline const char* NelStrSkipChars(const char* s, int n)
{
    return reinterpret_cast<const char*>(
        _mbsninc(reinterpret_cast<const unsigned char*>(s), static_cast<size_t>(n)));
}

// Units that make up the last n characters of a text of len units
// (0 < n < len), found by scanning backwards without re-walking from the
// start: the byte in front of the last uncounted byte decides whether that
// character has 2 bytes (lead byte) or 1. A trail byte that also has a
// lead-byte value is therefore taken for a lead byte. When the scan runs
// out before n characters, the whole text (len) is the answer.
template <class T> inline int NelStrTailUnits(const T* s, int len, int n)
{
    int count = 0;
    int units = 0;
    for (int o = len - 2; o >= 0;) {
        int width = NelStrIsLead(s[o]) ? 2 : 1;
        units += width;
        ++count;
        if (count == n)
            return units;
        if (count >= len)
            break;
        o -= width;
    }
    return len;
}

// First occurrence of s in text, or NULL; an empty s matches at text
// (stated here because not every CRT's wcsstr does so for an empty text).
inline const wchar_t* NelStrFindText(const wchar_t* text, const wchar_t* s)
{
    return *s ? wcsstr(text, s) : text;
}

// _mbsstr is documented to report only matches that start on a character
// boundary, but some CRTs (Wine's among them) compare bytes only and would
// report the trail byte 0x5C of a double-byte character as a backslash.
// Each match is therefore checked against the character walk from a known
// character start; one that starts inside a character is passed over and
// the search goes on from the end of that character.
inline const char* NelStrFindText(const char* text, const char* s)
{
    if (!*s)
        return text;
    const char* p = text;
    for (;;) {
        const char* hit = reinterpret_cast<const char*>(_mbsstr(
            reinterpret_cast<const unsigned char*>(p), reinterpret_cast<const unsigned char*>(s)));
        if (!hit)
            return nullptr;
        while (p < hit)
            p += NelStrCharUnits(p);
        if (p == hit)
            return hit;
    }
}

// Last occurrence of the character ch, or NULL.
inline const wchar_t* NelStrFindLastChar(const wchar_t* s, wchar_t ch) { return wcsrchr(s, ch); }

// ch reaches _mbsrchr as the int a char promotes to: a byte of 0x80 or
// above arrives sign-extended, which a double-byte code page does not
// match against any single-byte character.
inline const char* NelStrFindLastChar(const char* s, char ch)
{
    return reinterpret_cast<const char*>(_mbsrchr(reinterpret_cast<const unsigned char*>(s),
                                                  static_cast<unsigned int>(static_cast<int>(ch))));
}

// Case-insensitive equality of two units, each taken as a one-unit
// string, by the CRT's case-insensitive comparison.
inline bool NelStrUnitEqualsNoCase(wchar_t a, wchar_t b)
{
    const wchar_t one[2] = {a, 0};
    const wchar_t two[2] = {b, 0};
    return _wcsicmp(one, two) == 0;
}

// The set Trim uses when given none: one ASCII space.
inline const wchar_t* NelStrDefaultTrimSet(const wchar_t*) { return L" "; }
inline const char* NelStrDefaultTrimSet(const char*) { return " "; }
