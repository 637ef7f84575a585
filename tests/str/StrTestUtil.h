// Helpers shared by the string-class tests: the unit type of each twin, a
// way to write one ASCII literal for both twins, and readers of a string's
// raw buffer.
#pragma once
#include <windows.h>
#include <string>
#include <gtest/gtest.h>
#include "Str/NelStr.h"

template <class S> struct Units;
template <> struct Units<CNelStrW> {
    using T = wchar_t;
    static constexpr bool kWide = true;
    static const T* Pick(const char*, const wchar_t* w) { return w; }
};
template <> struct Units<CNelStrA> {
    using T = char;
    static constexpr bool kWide = false;
    static const T* Pick(const char* a, const wchar_t*) { return a; }
};

// The same ASCII literal in the unit type of the twin under test.
#define TX(s) Units<TypeParam>::Pick(s, L##s)

template <class T> std::basic_string<T> B(const T* p)
{
    return p ? std::basic_string<T>(p) : std::basic_string<T>();
}

// The text as seen through t(); an empty string for NULL.
template <class S> auto Text(const S& s) { return B(s.t()); }

// A run of n copies of an ASCII unit.
template <class T> std::basic_string<T> Rep(int n, char ch)
{
    return std::basic_string<T>(static_cast<size_t>(n), static_cast<T>(ch));
}

// Index of the first non-zero unit in [from, capacity), or -1.
template <class S> int FirstNonZeroUnit(S& s, int from = 0)
{
    auto* p = s.GetBuff();
    if (!p)
        return -2;
    for (int i = from; i < s.GetBuffSize(); ++i)
        if (p[i] != 0)
            return i;
    return -1;
}

inline int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// The process's ANSI code page, as the test runner arranged it.
inline bool Cp932() { return GetACP() == 932; }

// Bytes of a narrow string as hex, for messages about conversions.
inline std::string Hex(const std::string& s)
{
    std::string out;
    char b[4];
    for (unsigned char c : s) {
        wsprintfA(b, "%02X ", c);
        out += b;
    }
    return out;
}

class NelStrTypeNames {
public:
    template <class S> static std::string GetName(int)
    {
        return Units<S>::kWide ? "W" : "A";
    }
};
