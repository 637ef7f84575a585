// Text files, window text, string resources and the environment: members
// shared by CNelStrW and CNelStrA, included inside each class body by
// NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
public:
    // String resource id of module inst (NULL: the running program's
    // executable); 1 on success, 0 with the string unchanged on failure.
    int LoadStr(UINT id, HINSTANCE inst);
