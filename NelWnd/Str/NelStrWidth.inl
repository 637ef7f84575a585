// Japanese character-width conversion: the body shared by CNelStrW and CNelStrA
// (compiled once per twin, see NelStrCore.inl). The tables and the scan are in
// NelStrWidthTables.* and NelStrWidthConv.h; the members only store the result.
#include "NelStrWidthConv.h"

static_assert(NELSTR_SELF::HZ_ALPHA == kNelWidthAlpha && NELSTR_SELF::HZ_DIGIT == kNelWidthDigit &&
                      NELSTR_SELF::HZ_SYMBOL == kNelWidthSymbol && NELSTR_SELF::HZ_KANA == kNelWidthKana &&
                      NELSTR_SELF::HZ_SEPARATE_MARK == kNelWidthSeparateMark,
              "the class's flags are the tables' category bits");

// The converted text replaces the string by the assignment rule, so the
// buffer is reused whenever it is large enough; nothing converted leaves
// the string untouched.
int NELSTR_SELF::HanToZen(unsigned int flags)
{
    NelWidthResult<NELSTR_T> result(m_pBuff, m_nLen, flags, true);
    if (result.count)
        AssignUnits(result.text, result.length);
    return result.count;
}

int NELSTR_SELF::ZenToHan(unsigned int flags)
{
    NelWidthResult<NELSTR_T> result(m_pBuff, m_nLen, flags, false);
    if (result.count)
        AssignUnits(result.text, result.length);
    return result.count;
}
