// The width conversion itself, for either unit type: one left-to-right
// scan of the text that replaces every needle of the selected tables by its
// counterpart. The result equals one replace-all pass per table pair in
// table order, because no replacement produces a needle of the same
// direction (every output belongs to the other width) and the only needles
// that overlap are a half-width voiced sequence and its own kana and mark,
// where the two-character needle comes first in the table order and is
// tried first here. One scan instead of 182 keeps the cost linear.
#pragma once
#include <windows.h>
#include "NelStrWidthTables.h"

// The ANSI twin's tables are Shift-JIS: under any other ANSI code page
// the same bytes are other characters (0xC0 is a kana in 932 but a letter
// in 1252), so the ANSI twin converts only under code page 932. UTF-16 text
// means the same under every code page.
inline bool NelWidthTablesApply(const wchar_t*) { return true; }
inline bool NelWidthTablesApply(const char*) { return GetACP() == 932; }

// Key (see NelStrWidthTables.h) and unit length of the character at p;
// remaining is the number of units left in the text, at least 1. In ANSI
// text the platform's lead-byte test decides, as the multibyte search
// functions do; a lead byte at the very end of the text is one byte.
inline int NelWidthCharAt(const wchar_t* p, int, uint32_t& key)
{
    key = static_cast<unsigned short>(*p);
    return 1;
}

inline int NelWidthCharAt(const char* p, int remaining, uint32_t& key)
{
    unsigned char b = static_cast<unsigned char>(p[0]);
    if (b >= 0x80 && remaining > 1 && p[1] != 0 && IsDBCSLeadByte(b)) {
        key = (static_cast<uint32_t>(b) << 8) | static_cast<unsigned char>(p[1]);
        return 2;
    }
    key = b;
    return 1;
}

inline const wchar_t* NelWidthOutput(const NelWidthPair& p, bool toFull, const wchar_t*)
{
    return toFull ? p.fullW : p.halfW;
}
inline const char* NelWidthOutput(const NelWidthPair& p, bool toFull, const char*)
{
    return toFull ? p.fullA : p.halfA;
}

// Converts the text of a string into a new buffer that this object owns.
// count is the number of replacements; text/length hold the result when
// count is non-zero (the caller assigns it), NULL/0 otherwise.
template <class T>
class NelWidthResult {
public:
    NelWidthResult(const T* src, int srcLen, unsigned int flags, bool toFull)
    {
        if (!src || srcLen <= 0 || !NelWidthTablesApply(src))
            return;
        unsigned int categories = flags & kNelWidthAllCategories;
        if (categories == 0)
            categories = kNelWidthAllCategories;
        bool separate = toFull && (flags & kNelWidthSeparateMark);
        // No replacement is more than twice as long as what it replaces.
        text = new T[2 * static_cast<size_t>(srcLen) + 1];
        Scan(src, srcLen, categories, separate, toFull);
        if (count == 0) {
            delete[] text;
            text = nullptr;
            length = 0;
        }
    }
    ~NelWidthResult() { delete[] text; }
    NelWidthResult(const NelWidthResult&) = delete;
    NelWidthResult& operator=(const NelWidthResult&) = delete;

    T* text = nullptr;
    int length = 0;
    int count = 0;

private:
    // The table entry that starts at src (one or two characters), or NULL.
    static const NelWidthKeyEntry* Match(const NelWidthIndex& index, const T* src, int remaining,
                                         unsigned int categories, int& used)
    {
        uint32_t first = 0;
        used = NelWidthCharAt(src, remaining, first);
        if (index.doubleCount && used < remaining && src[used]) {
            uint32_t second = 0;
            int secondLen = NelWidthCharAt(src + used, remaining - used, second);
            if (second >= index.secondMin && second <= index.secondMax) {
                const NelWidthKeyEntry* e =
                    NelWidthFind(index.doubles, index.doubleCount, (first << 16) | second);
                if (e && (g_nelWidthTables[e->table].category & categories)) {
                    used += secondLen;
                    return e;
                }
            }
        }
        const NelWidthKeyEntry* e = NelWidthFind(index.singles, index.singleCount, first);
        return (e && (g_nelWidthTables[e->table].category & categories)) ? e : nullptr;
    }

    void Scan(const T* src, int srcLen, unsigned int categories, bool separate, bool toFull)
    {
        const NelWidthIndex& index = NelWidthGetIndex(sizeof(T) == sizeof(wchar_t), toFull);
        int i = 0;
        while (i < srcLen && src[i]) {
            int used = 0;
            const NelWidthKeyEntry* e = Match(index, src + i, srcLen - i, categories, used);
            if (e) {
                const NelWidthTable& table = g_nelWidthTables[e->table];
                const NelWidthPair& pair = (separate && table.separate) ? table.separate[e->pair]
                                                                        : table.pairs[e->pair];
                for (const T* out = NelWidthOutput(pair, toFull, src); *out; ++out)
                    text[length++] = *out;
                ++count;
            } else {
                for (int k = 0; k < used; ++k)
                    text[length++] = src[i + k];
            }
            i += used;
        }
        text[length] = 0;
    }
};
