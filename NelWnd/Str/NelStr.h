// CNelStrW / CNelStrA: the string type of the whole system.
//
// One class written for two unit types: CNelStrW holds UTF-16 text
// (wchar_t), CNelStrA holds text in the process's ANSI code page (char,
// double-byte aware). An object owns one NUL-terminated buffer with a stored
// length and capacity in units; it has no buffer at all until the first
// assignment. Members ending in MB count double-byte characters in
// CNelStrA and are the plain operations in CNelStrW.
//
// The member list common to both twins lives in NelStrMembers.h and is
// included into each class with NELSTR_SELF / NELSTR_T set; the members
// that only one twin has are declared here.
#pragma once
#include <windows.h>
#include "../NelWndApi.h"

class CNelStrA;

class NELWND_API CNelStrW {
#define NELSTR_SELF CNelStrW
#define NELSTR_T wchar_t
#include "NelStrMembers.h"
#undef NELSTR_SELF
#undef NELSTR_T
public:
    // A multibyte (ANSI code page) copy of the text, owned by the object.
    // Valid until the next c() or until a member frees it (destructor,
    // Delete, Detach, SetBuffSize, Attach over a buffer, the char-based
    // appends). Never NULL: an empty or unconvertible text gives "".
    const char* c();

#ifdef NEL_INSTALLER_BUILD
    // Case-insensitive Find and PermStr of the installer's own build.
    int FindNC(const wchar_t* s, int start = 0) const;
    int PermStrNC(const wchar_t* find, const wchar_t* repl);
#endif

#ifdef NEL_INSTALLER_BUILD
    friend CNelStrW operator+(const CNelStrW& a, const CNelStrW& b);
    friend CNelStrW operator+(const CNelStrW& a, const wchar_t* b);
    friend CNelStrW operator+(const wchar_t* a, const CNelStrW& b);
#endif
};

class NELWND_API CNelStrA {
#define NELSTR_SELF CNelStrA
#define NELSTR_T char
#include "NelStrMembers.h"
#undef NELSTR_SELF
#undef NELSTR_T
public:
    CNelStrA& operator=(char ch);
    CNelStrA& operator=(wchar_t wc);

    // The buffer itself (same as t()); CNelStrA already holds ANSI text.
    const char* c();
};

#ifdef NEL_INSTALLER_BUILD
// Concatenation, only in the installer's own build of the wide twin.
CNelStrW operator+(const CNelStrW& a, const CNelStrW& b);
CNelStrW operator+(const CNelStrW& a, const wchar_t* b);
CNelStrW operator+(const wchar_t* a, const CNelStrW& b);
#endif
