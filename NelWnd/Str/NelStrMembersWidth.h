// Japanese character-width conversion: members shared by CNelStrW and CNelStrA, included
// inside each class body by NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
public:
    // Category flags of HanToZen / ZenToHan. With none of the four category
    // bits set every category is converted; HZ_SEPARATE_MARK selects no
    // category (HanToZen only: voiced half-width kana become a full-width
    // kana followed by a separate sound mark instead of the precomposed one).
    enum : unsigned int {
        HZ_ALPHA = 0x01,
        HZ_DIGIT = 0x02,
        HZ_SYMBOL = 0x04,
        HZ_KANA = 0x08,
        HZ_SEPARATE_MARK = 0x20
    };

    // Half-width characters of the selected categories to full width;
    // returns the number of characters converted.
    int HanToZen(unsigned int flags);
    // Full-width characters of the selected categories to half width;
    // returns the number of characters converted.
    int ZenToHan(unsigned int flags);
