// Searching, slicing and editing: the body shared by CNelStrW and CNelStrA
// (compiled once per twin, see NelStrCore.inl).
//
// The MB members of CNelStrW are its plain members (a wide character is
// one unit here, a surrogate pair two); NelStrUnit<T>::kCountsChars picks
// that at compile time, so each member is written once for both twins.
#include "NelStrHits.h"
#include "NelStrSearchPlatform.h"

#define NELSTR_COUNTS_CHARS (NelStrUnit<NELSTR_T>::kCountsChars)

// ---------------------------------------------------------------------------
// Searching

int NELSTR_SELF::Find(const NELSTR_T* s, int start) const
{
    if (!m_pBuff || start < 0)
        return -1;
    if (start != 0 && start >= m_nLen)
        return -1;
    const NELSTR_T* hit = NelStrFindText(m_pBuff + start, NelStrOrEmpty(s));
    return hit ? static_cast<int>(hit - m_pBuff) : -1;
}

int NELSTR_SELF::FindMB(const NELSTR_T* s, int start) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return Find(s, start);
    } else {
        if (!m_pBuff || start < 0)
            return -1;
        const NELSTR_T* from = m_pBuff;
        if (start != 0) {
            if (start >= NelStrCharCount(m_pBuff))
                return -1;
            from = NelStrWalk(m_pBuff, start);
        }
        const NELSTR_T* hit = NelStrFindText(from, NelStrOrEmpty(s));
        return hit ? NelStrCharsBefore(m_pBuff, hit) : -1;
    }
}

int NELSTR_SELF::RFind(NELSTR_T ch) const
{
    if (m_nLen == 0 || ch == 0)
        return -1;
    const NELSTR_T* hit = NelStrFindLastChar(m_pBuff, ch);
    return hit ? static_cast<int>(hit - m_pBuff) : -1;
}

int NELSTR_SELF::ReverseFind(NELSTR_T ch) const { return RFind(ch); }

// Searches forward and starts again one character past each match, so
// that overlapping occurrences count and every match the CNelStrA search
// reports starts on a character boundary.
int NELSTR_SELF::RFind(const NELSTR_T* s) const
{
    if (m_nLen == 0 || !s || !*s)
        return -1;
    if (NELSTR_COUNTS_CHARS && !s[1])
        return RFind(s[0]);
    const NELSTR_T* last = nullptr;
    for (const NELSTR_T* p = m_pBuff; *p;) {
        const NELSTR_T* hit = NelStrFindText(p, s);
        if (!hit)
            break;
        last = hit;
        p = hit + NelStrCharUnits(hit);
    }
    return last ? static_cast<int>(last - m_pBuff) : -1;
}

int NELSTR_SELF::ReverseFind(const NELSTR_T* s) const { return RFind(s); }

int NELSTR_SELF::RFindMB(NELSTR_T ch) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return RFind(ch);
    } else {
        if (m_nLen == 0 || ch == 0)
            return -1;
        const NELSTR_T* hit = NelStrFindLastChar(m_pBuff, ch);
        if (!hit)
            return -1;
        return NelStrCharCount(m_pBuff) - NelStrCharCount(hit);
    }
}

int NELSTR_SELF::RFindMB(const NELSTR_T* s) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return RFind(s);
    } else {
        if (m_nLen == 0 || !s || !*s)
            return -1;
        if (!s[1])
            return RFindMB(s[0]);
        int last = -1;
        for (int at = FindMB(s, 0); at >= 0; at = FindMB(s, at + 1))
            last = at;
        return last;
    }
}

int NELSTR_SELF::InStrCount(const NELSTR_T* s) const
{
    if (!s || !*s || m_nLen == 0)
        return 0;
    int len = NelLstrlen(s);
    int count = 0;
    for (int pos = 0; pos < m_nLen;) {
        int at = Find(s, pos);
        if (at < 0)
            break;
        ++count;
        pos = at + len;
    }
    return count;
}

int NELSTR_SELF::GetStrCount() const
{
    return m_nLen ? NelStrCharCount(m_pBuff) : 0;
}

// ---------------------------------------------------------------------------
// Slicing

NELSTR_SELF NELSTR_SELF::SliceUnits(const NELSTR_T* p, int n)
{
    NELSTR_SELF result;
    result.m_pBuff = new NELSTR_T[n + 1]();
    if (n > 0)
        NelLstrcpyn(result.m_pBuff, p, n + 1);
    result.m_nLen = n;
    result.m_nBuffSize = n + 1;
    return result;
}

NELSTR_SELF NELSTR_SELF::Left(int n) const
{
    if (n <= 0 || m_nLen == 0)
        return SliceUnits(nullptr, 0);
    int len = NelLstrlen(m_pBuff);
    return SliceUnits(m_pBuff, n < len ? n : len);
}

NELSTR_SELF NELSTR_SELF::LeftMB(int n) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return Left(n);
    } else {
        if (n <= 0 || m_nLen == 0)
            return SliceUnits(nullptr, 0);
        if (n >= m_nLen)
            return SliceUnits(m_pBuff, m_nLen);
        return SliceUnits(m_pBuff, static_cast<int>(NelStrWalk(m_pBuff, n) - m_pBuff));
    }
}

// A negative start is refused (empty result): it would read in front of
// the buffer.
NELSTR_SELF NELSTR_SELF::Mid(int start, int count) const
{
    if (start < 0 || start >= m_nLen)
        return SliceUnits(nullptr, 0);
    int rest = m_nLen - start;
    return SliceUnits(m_pBuff + start, (count > 0 && count < rest) ? count : rest);
}

NELSTR_SELF NELSTR_SELF::Mid(int start) const { return Mid(start, 0); }

// start is a character index but is held against the byte length first;
// skipping past the last character lands on the terminator (empty).
NELSTR_SELF NELSTR_SELF::MidMB(int start, int count) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return Mid(start, count);
    } else {
        if (start < 0 || start >= m_nLen)
            return SliceUnits(nullptr, 0);
        const NELSTR_T* from = NelStrSkipChars(m_pBuff, start);
        if (count <= 0)
            return SliceUnits(from, m_nLen - static_cast<int>(from - m_pBuff));
        return SliceUnits(from, static_cast<int>(NelStrWalk(from, count) - from));
    }
}

NELSTR_SELF NELSTR_SELF::MidMB(int start) const { return MidMB(start, 0); }

NELSTR_SELF NELSTR_SELF::Right(int n) const
{
    if (n <= 0 || m_nLen == 0)
        return SliceUnits(nullptr, 0);
    int len = NelLstrlen(m_pBuff);
    if (n < len)
        return SliceUnits(m_pBuff + len - n, n);
    return SliceUnits(m_pBuff, len);
}

NELSTR_SELF NELSTR_SELF::RightMB(int n) const
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return Right(n);
    } else {
        if (n <= 0 || m_nLen == 0)
            return SliceUnits(nullptr, 0);
        if (n >= m_nLen)
            return SliceUnits(m_pBuff, m_nLen);
        int units = NelStrTailUnits(m_pBuff, m_nLen, n);
        return SliceUnits(m_pBuff + m_nLen - units, units);
    }
}

// ---------------------------------------------------------------------------
// Inserting

// The new text is built in a zero-filled buffer of the new length + 2 (s
// may point into this string's own buffer). A buffer too small for that
// is replaced by the new one; otherwise the text is copied back. Either
// way the capacity is recorded as the new length + 2.
int NELSTR_SELF::SpliceUnits(int at, const NELSTR_T* s)
{
    int len = NelLstrlen(s);
    int newLen = m_nLen + len;
    NELSTR_T* buff = new NELSTR_T[newLen + 2]();
    if (at > 0)
        NelLstrcpyn(buff, m_pBuff, at + 1);
    NelLstrcpyn(buff + at, s, len + 1);
    if (at < m_nLen)
        NelLstrcpyn(buff + at + len, m_pBuff + at, m_nLen - at + 1);
    if (m_nBuffSize < newLen + 2) {
        delete[] m_pBuff;
        m_pBuff = buff;
    } else {
        NelLstrcpyn(m_pBuff, buff, newLen + 1);
        delete[] buff;
    }
    m_nLen = newLen;
    m_nBuffSize = newLen + 2;
    return 1;
}

// All four inserts: a negative index is refused (0, unchanged); into an
// empty string s is assigned whatever the index; an empty s changes
// nothing.
int NELSTR_SELF::Insert(int index, const NELSTR_T* s)
{
    if (index < 0)
        return 0;
    if (m_nLen == 0) {
        AssignUnits(s, NelLstrlen(s));
        return 1;
    }
    if (!s || !*s)
        return 1;
    return SpliceUnits(index < m_nLen ? index : m_nLen, s);
}

int NELSTR_SELF::InsertR(int index, const NELSTR_T* s)
{
    if (index < 0)
        return 0;
    if (m_nLen == 0) {
        AssignUnits(s, NelLstrlen(s));
        return 1;
    }
    if (!s || !*s)
        return 1;
    return SpliceUnits(index < m_nLen ? m_nLen - index : 0, s);
}

int NELSTR_SELF::InsertMB(int index, const NELSTR_T* s)
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return Insert(index, s);
    } else {
        if (index < 0)
            return 0;
        if (m_nLen == 0) {
            AssignUnits(s, NelLstrlen(s));
            return 1;
        }
        if (!s || !*s)
            return 1;
        int at = m_nLen;
        if (index < GetStrCount())
            at = static_cast<int>(NelStrWalk(m_pBuff, index) - m_pBuff);
        return SpliceUnits(at, s);
    }
}

int NELSTR_SELF::InsertRMB(int index, const NELSTR_T* s)
{
    if constexpr (!NELSTR_COUNTS_CHARS) {
        return InsertR(index, s);
    } else {
        if (index < 0)
            return 0;
        if (m_nLen == 0) {
            AssignUnits(s, NelLstrlen(s));
            return 1;
        }
        if (!s || !*s)
            return 1;
        int count = GetStrCount();
        int at = 0;
        if (index == 0)
            at = m_nLen;
        else if (index < count)
            at = static_cast<int>(NelStrWalk(m_pBuff, count - index) - m_pBuff);
        return SpliceUnits(at, s);
    }
}

// ---------------------------------------------------------------------------
// Replacing

// The string's own text is searched throughout and is left untouched until
// one final assignment, so a replacement is never searched again and repl
// may contain find. A result made of nothing (every character was matched
// and repl is empty) empties the string, keeping its buffer.
//
// The matches are collected first so that the work string can be sized to
// the result: grown by appending alone, a result longer than the text
// would be copied whole again every 129 units of growth.
int NELSTR_SELF::ReplaceEach(const NELSTR_T* find, const NELSTR_T* repl, SearchMember search)
{
    if (m_nLen == 0 || !find || !repl || !*find)
        return 0;
    int findLen = NelLstrlen(find);
    CNelStrHits hits;
    for (int at = (this->*search)(find, 0); at >= 0; at = (this->*search)(find, at + findLen))
        hits.Add(at);
    int count = hits.Count();
    if (count == 0)
        return 0;
    int replLen = NelLstrlen(repl);
    NELSTR_SELF work(m_nLen + count * (replLen - findLen) + 1);
    int pos = 0;
    for (int i = 0; i < count; ++i) {
        int at = hits[i];
        work.AppendUnits(m_pBuff + pos, at - pos);
        work.AppendUnits(repl, replLen);
        pos = at + findLen;
    }
    work.AppendUnits(m_pBuff + pos, m_nLen - pos);
    AssignUnits(work.m_pBuff, work.m_nLen);
    return count;
}

int NELSTR_SELF::PermStr(const NELSTR_T* find, const NELSTR_T* repl)
{
    return ReplaceEach(find, repl, &NELSTR_SELF::Find);
}

int NELSTR_SELF::Replace(const NELSTR_T* find, const NELSTR_T* repl) { return PermStr(find, repl); }

// ---------------------------------------------------------------------------
// Trimming

// True when the character of the given units at p is one of the
// characters of set (each taken by the forward walk), compared exactly.
static bool NelStrSetHasChar(const NELSTR_T* set, const NELSTR_T* p, int units)
{
    for (const NELSTR_T* c = set; *c;) {
        int width = NelStrCharUnits(c);
        if (width == units && memcmp(c, p, units * sizeof(NELSTR_T)) == 0)
            return true;
        c += width;
    }
    return false;
}

// The start is stripped first, character by character from the front;
// then the end, each last character taken as RightMB(1) does (the backward
// scan in CNelStrA). The text that is left is assigned once.
void NELSTR_SELF::TrimEnds(const NELSTR_T* set, bool start, bool end)
{
    if (!set)
        set = NelStrDefaultTrimSet(set);
    if (m_nLen == 0 || !*set)
        return;
    const NELSTR_T* first = m_pBuff;
    const NELSTR_T* stop = m_pBuff + m_nLen;
    if (start) {
        while (first < stop) {
            int units = NelStrCharUnits(first);
            if (!NelStrSetHasChar(set, first, units))
                break;
            first += units;
        }
    }
    if (end) {
        while (stop > first) {
            int len = static_cast<int>(stop - first);
            int units = len > 1 ? NelStrTailUnits(first, len, 1) : len;
            if (!NelStrSetHasChar(set, stop - units, units))
                break;
            stop -= units;
        }
    }
    if (first == m_pBuff && stop == m_pBuff + m_nLen)
        return;
    NELSTR_SELF rest = SliceUnits(first, static_cast<int>(stop - first));
    AssignUnits(rest.m_pBuff, rest.m_nLen);
}

void NELSTR_SELF::Trim(const NELSTR_T* set) { TrimEnds(set, true, true); }
void NELSTR_SELF::TrimL(const NELSTR_T* set) { TrimEnds(set, true, false); }
void NELSTR_SELF::TrimR(const NELSTR_T* set) { TrimEnds(set, false, true); }
void NELSTR_SELF::TrimLeft(const NELSTR_T* set) { TrimL(set); }
void NELSTR_SELF::TrimRight(const NELSTR_T* set) { TrimR(set); }

#undef NELSTR_COUNTS_CHARS

#ifdef NEL_INSTALLER_BUILD
#include "NelStrSearchNC.inl"
#endif
