// String IDs of the help popup tests.
#pragma once

#define IDS_HP_SHORT 1
#define IDS_HP_JAPANESE 2
#define IDS_HP_EMPTY_MISSING 999
// IDS_HP_PATTERN(n): a pattern text of n characters (see PatternText).
#define IDS_HP_PATTERN(n) (1000 + (n))
