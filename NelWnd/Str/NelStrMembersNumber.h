// Numbers and formatting: members shared by CNelStrW and CNelStrA, included
// inside each class body by NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
public:
