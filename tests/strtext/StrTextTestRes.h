// Resource IDs of the text tests' own string table (StrTextTestRes.rc).
// IDS_TEXT_<n> holds n units of the pattern ResourcePattern(n) of the tests;
// IDS_KANA_70 holds 70 hiragana starting at U+3042.
#pragma once
#define IDS_TEXT_125 101
#define IDS_TEXT_126 102
#define IDS_TEXT_127 103
#define IDS_TEXT_200 104
#define IDS_TEXT_254 105
#define IDS_KANA_70 106
#define IDS_MISSING 999
