// The CRT's formatting and number conversions for the string class,
// overloaded by unit type: wide functions for CNelStrW, narrow ones for
// CNelStrA.
#pragma once
#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

// Formats into size units (terminator included), cutting the output at
// the end of the buffer: -1 when cut off, and -1 as well when the
// formatter fails for another reason.
inline int NelStrFormatInto(wchar_t* buff, int size, const wchar_t* fmt, va_list args)
{
    return _vsnwprintf_s(buff, static_cast<size_t>(size), _TRUNCATE, fmt, args);
}
inline int NelStrFormatInto(char* buff, int size, const char* fmt, va_list args)
{
    return _vsnprintf_s(buff, static_cast<size_t>(size), _TRUNCATE, fmt, args);
}

// Units the formatted text needs (terminator excluded), or -1 when the
// formatter cannot produce it at all.
inline int NelStrFormatLength(const wchar_t* fmt, va_list args) { return _vscwprintf(fmt, args); }
inline int NelStrFormatLength(const char* fmt, va_list args) { return _vscprintf(fmt, args); }

inline void NelStrIntToText(int v, wchar_t* buff, int size) { _itow_s(v, buff, static_cast<size_t>(size), 10); }
inline void NelStrIntToText(int v, char* buff, int size) { _itoa_s(v, buff, static_cast<size_t>(size), 10); }
inline void NelStrInt64ToText(__int64 v, wchar_t* buff, int size)
{
    _i64tow_s(v, buff, static_cast<size_t>(size), 10);
}
inline void NelStrInt64ToText(__int64 v, char* buff, int size)
{
    _i64toa_s(v, buff, static_cast<size_t>(size), 10);
}

inline int NelStrTextToInt(const wchar_t* s) { return _wtoi(s); }
inline int NelStrTextToInt(const char* s) { return atoi(s); }
inline __int64 NelStrTextToInt64(const wchar_t* s) { return _wtoi64(s); }
inline __int64 NelStrTextToInt64(const char* s) { return _atoi64(s); }

// (high << 32) | low as a signed 64-bit value.
inline __int64 NelStrJoin64(unsigned long high, unsigned long low)
{
    return static_cast<__int64>((static_cast<unsigned __int64>(high) << 32) | low);
}
