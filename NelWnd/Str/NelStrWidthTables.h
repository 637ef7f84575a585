// Tables of the Japanese character-width conversion (HanToZen / ZenToHan),
// compiled once and shared by both twins of the string class, and a lookup
// from a character of the text to the table entry it starts.
#pragma once
#include <stdint.h>

// Category bits of the tables: the values of the string class's HZ_* flags.
const unsigned int kNelWidthAlpha = 0x01;
const unsigned int kNelWidthDigit = 0x02;
const unsigned int kNelWidthSymbol = 0x04;
const unsigned int kNelWidthKana = 0x08;
const unsigned int kNelWidthAllCategories = 0x0F;
const unsigned int kNelWidthSeparateMark = 0x20;

// One pair of a table: the half-width and the full-width form of the same
// character, as NUL-terminated UTF-16 text for the wide twin and as
// Shift-JIS bytes (code page 932) for the ANSI twin. A form is one
// character, except the half-width voiced kana (kana + sound mark) and the
// separate-mark full forms (kana + spacing sound mark), which are two.
struct NelWidthPair {
    const wchar_t* halfW;
    const wchar_t* fullW;
    const char* halfA;
    const char* fullA;
};

struct NelWidthTable {
    unsigned int category;
    const NelWidthPair* pairs;
    // Full forms with a separate sound mark, parallel to pairs; NULL when
    // the table has no voiced kana.
    const NelWidthPair* separate;
    int count;
};

// Letters, digits, symbols, voiced kana, single kana: the order of work.
const int kNelWidthTableCount = 5;
extern const NelWidthTable g_nelWidthTables[kNelWidthTableCount];

// --- Lookup ------------------------------------------------------------
//
// A character of the text is identified by a key: a UTF-16 unit; in
// Shift-JIS a single byte, or (lead << 8) | trail for a double-byte
// character. A two-character needle (a half-width voiced kana) has the key
// (first << 16) | second.

const int kNelWidthMaxPairs = 182;   // 52 + 10 + 34 + 26 + 60
const int kNelWidthMaxVoiced = 26;

struct NelWidthKeyEntry {
    uint32_t key;
    unsigned short table;  // index into g_nelWidthTables
    unsigned short pair;   // index into that table's pairs
};

// Every needle of one conversion direction in one text form, sorted by key.
struct NelWidthIndex {
    NelWidthKeyEntry singles[kNelWidthMaxPairs];   // one-character needles
    int singleCount;
    NelWidthKeyEntry doubles[kNelWidthMaxVoiced];  // two-character needles
    int doubleCount;
    // Range of the second characters of the two-character needles, so the
    // scan looks them up only when the next character can complete one.
    uint32_t secondMin;
    uint32_t secondMax;
};

// The index of the needles of one direction: half-width needles when
// toFull, full-width ones otherwise; UTF-16 (wide) or Shift-JIS forms.
// Built on first use, then shared.
const NelWidthIndex& NelWidthGetIndex(bool wide, bool toFull);

// The entry with exactly this key, or NULL.
const NelWidthKeyEntry* NelWidthFind(const NelWidthKeyEntry* entries, int count, uint32_t key);
