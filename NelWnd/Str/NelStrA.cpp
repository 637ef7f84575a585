// CNelStrA: the ANSI code-page twin of the string class.
#include "NelStr.h"
#include "NelStrPlatform.h"

#define NELSTR_SELF CNelStrA
#define NELSTR_T char
#define NELSTR_OTHER_T wchar_t
#include "NelStrCore.inl"
#include "NelStrSearch.inl"
#include "NelStrNumber.inl"
#include "NelStrWidth.inl"
#include "NelStrText.inl"

CNelStrA& CNelStrA::operator=(char ch)
{
    const char one[2] = {ch, 0};
    return *this = one;
}

CNelStrA& CNelStrA::operator=(wchar_t wc)
{
    const wchar_t one[2] = {wc, 0};
    return *this = one;
}

const char* CNelStrA::c() { return m_pBuff; }
