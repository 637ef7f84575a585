// Tables of the Japanese character-width conversion.
#include "NelStrWidthTables.h"
