// CNelStrW: the wide twin of the string class.
#include "NelStr.h"
#include "NelStrPlatform.h"

#define NELSTR_SELF CNelStrW
#define NELSTR_T wchar_t
#define NELSTR_OTHER_T char
#include "NelStrCore.inl"
#include "NelStrSearch.inl"
#include "NelStrNumber.inl"
#include "NelStrWidth.inl"
#include "NelStrText.inl"

const char* CNelStrW::c()
{
    static const char empty[1] = {0};
    FreeConv();
    if (m_nLen == 0)
        return empty;
    int n = 0;
    m_pConv = NelStrWideToMB(m_pBuff, n);
    return m_pConv ? m_pConv : empty;
}

#ifdef NEL_INSTALLER_BUILD
// Concatenation: a zero-filled work buffer of both lengths + 2, then a copy
// of it, so the result's capacity is its length + 1.
static CNelStrW NelStrConcat(const wchar_t* a, int lenA, const wchar_t* b, int lenB)
{
    wchar_t* work = new wchar_t[lenA + lenB + 2]();
    if (lenA)
        lstrcpynW(work, a, lenA + 1);
    if (lenB)
        lstrcpynW(work + lstrlenW(work), b, lenB + 1);
    CNelStrW result(static_cast<const wchar_t*>(work));
    delete[] work;
    return result;
}

CNelStrW operator+(const CNelStrW& a, const CNelStrW& b)
{
    return NelStrConcat(a.m_pBuff, a.m_nLen, b.m_pBuff, b.m_nLen);
}

CNelStrW operator+(const CNelStrW& a, const wchar_t* b)
{
    return NelStrConcat(a.m_pBuff, a.m_nLen, b, lstrlenW(b));
}

CNelStrW operator+(const wchar_t* a, const CNelStrW& b)
{
    return NelStrConcat(a, lstrlenW(a), b.m_pBuff, b.m_nLen);
}
#endif
