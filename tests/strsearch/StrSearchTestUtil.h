// Helpers of the search, editing and number tests, on top of the shared
// string-test helpers.
#pragma once
#include <type_traits>
#include "StrTestUtil.h"

inline int NelLen(const wchar_t* s) { return lstrlenW(s); }
inline int NelLen(const char* s) { return lstrlenA(s); }

// A text for a trace message: ASCII as it is, other units as \x escapes.
template <class T> std::string Show(const T* s)
{
    if (!s)
        return "(NULL)";
    std::string out = "'";
    char b[12];
    for (; *s; ++s) {
        unsigned v = static_cast<unsigned>(static_cast<typename std::make_unsigned<T>::type>(*s));
        if (v >= 0x20 && v < 0x7F) {
            out += static_cast<char>(v);
        } else {
            wsprintfA(b, "\\x%02X", v);
            out += b;
        }
    }
    return out + "'";
}

// A slice is a new string of exact size: its length + 1; an empty one
// still has a 1-unit buffer.
template <class S, class T> void ExpectSlice(const S& slice, const T* text)
{
    ASSERT_NE(nullptr, slice.t());
    EXPECT_EQ(B(text), Text(slice));
    EXPECT_EQ(NelLen(text), slice.GetLength());
    EXPECT_EQ(NelLen(text) + 1, slice.GetBuffSize());
}
