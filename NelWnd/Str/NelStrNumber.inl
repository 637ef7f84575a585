// Numbers and formatting: the body shared by CNelStrW and CNelStrA
// (compiled once per twin, see NelStrCore.inl). Every member ends by
// assigning its result, so the buffer is reused when it is large enough.
#include <shlwapi.h>
#include "NelStrNumberPlatform.h"

// ---------------------------------------------------------------------------
// Formatting

// The text is built in a temporary that starts at the current capacity
// + 128 units and grows by 128 while the formatter reports the output cut
// off, then assigned; so the string's own buffer may be one of the
// arguments. The formatter also answers -1 when it cannot format at all
// (a bad format, an argument it cannot convert): the length it would need
// is asked once the first attempt fails, and when it cannot tell, or when
// an attempt with room for that length still fails, nothing is retried.
int NELSTR_SELF::Format(const NELSTR_T* fmt, ...)
{
    if (!fmt)
        return 0;
    va_list args;
    va_start(args, fmt);
    int needed = -2;  // not asked yet
    int result = 0;
    for (int size = m_nBuffSize + 128;; size += 128) {
        NELSTR_T* buff = new NELSTR_T[size]();
        va_list attempt;
        va_copy(attempt, args);
        int written = NelStrFormatInto(buff, size - 1, fmt, attempt);
        va_end(attempt);
        if (written >= 0) {
            AssignUnits(buff, NelLstrlen(buff));
            delete[] buff;
            result = 1;
            break;
        }
        delete[] buff;
        if (needed == -2) {
            va_list measure;
            va_copy(measure, args);
            needed = NelStrFormatLength(fmt, measure);
            va_end(measure);
        }
        // size - 2 units of output fitted in this attempt.
        if (needed < 0 || size - 2 >= needed)
            break;
    }
    va_end(args);
    return result;
}

// ---------------------------------------------------------------------------
// Numbers to text and back

void NELSTR_SELF::NumToStr(int v)
{
    NELSTR_T text[65] = {0};
    NelStrIntToText(v, text, 65);
    AssignUnits(text, NelLstrlen(text));
}

void NELSTR_SELF::NumToStr64(unsigned long high, unsigned long low)
{
    NumToStr64(NelStrJoin64(high, low));
}

void NELSTR_SELF::NumToStr64(__int64 v)
{
    NELSTR_T text[65] = {0};
    NelStrInt64ToText(v, text, 65);
    AssignUnits(text, NelLstrlen(text));
}

int NELSTR_SELF::StrToNum() const
{
    return m_nLen ? NelStrTextToInt(m_pBuff) : 0;
}

__int64 NELSTR_SELF::StrToNum64() const
{
    return m_nLen ? NelStrTextToInt64(m_pBuff) : 0;
}

// ---------------------------------------------------------------------------
// Byte sizes

// The platform formats in the ANSI code page for both twins; the wide twin
// converts that text (an unconvertible text clears the string).
int NELSTR_SELF::FormatByteSize64(__int64 v)
{
    char text[65] = {0};
    if (!StrFormatByteSize64A(v, text, 65)) {
        Clear();
        return 0;
    }
    *this = static_cast<const char*>(text);
    return 1;
}

int NELSTR_SELF::FormatByteSize64(unsigned long high, unsigned long low)
{
    return FormatByteSize64(NelStrJoin64(high, low));
}

int NELSTR_SELF::FormatByteSize64() { return FormatByteSize64(StrToNum64()); }

// ---------------------------------------------------------------------------
// Digit grouping

// Works on a copy and builds the output piece by piece with the MB members
// (characters in CNelStrA); the whole text is grouped, so callers pass the
// digits alone. A group below 1 would consume nothing per pass and is
// refused. A pass that would leave the copy no shorter (only possible for
// text that is not valid in the code page, where the backward character
// scan and the forward walk disagree) ends the grouping instead of looping.
int NELSTR_SELF::InsertComma(const NELSTR_T* sep, int group, int fromRight)
{
    static const NELSTR_T comma[2] = {',', 0};
    static const NELSTR_T empty[1] = {0};
    if (!sep || !*sep)
        sep = comma;
    if (group < 1 || GetStrCount() == 0)
        return 0;
    NELSTR_SELF work(*this);
    NELSTR_SELF output(empty);
    int count = 0;
    for (;;) {
        int chars = work.GetStrCount();
        NELSTR_SELF piece, rest;
        if (group < chars) {
            piece = fromRight ? work.RightMB(group) : work.LeftMB(group);
            rest = fromRight ? work.LeftMB(chars - group) : work.RightMB(chars - group);
        }
        if (group >= chars || rest.GetLength() >= work.GetLength()) {
            if (fromRight)
                output.InsertMB(0, work.t());
            else
                output += work;
            break;
        }
        if (fromRight) {
            output.InsertMB(0, piece.t());
            output.InsertMB(0, sep);
        } else {
            output += piece;
            output += sep;
        }
        work = rest;
        ++count;
    }
    AssignUnits(output.m_pBuff, output.m_nLen);
    return count;
}
