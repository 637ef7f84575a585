// Numbers and formatting: members shared by CNelStrW and CNelStrA, included
// inside each class body by NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
public:
    // printf-style formatting (the CRT's), replacing the string. 1; 0 with
    // the string unchanged when the formatter fails for a reason other
    // than room (a NULL or bad format, an unconvertible argument).
    int Format(const NELSTR_T* fmt, ...);

    // Signed decimal text of v, replacing the string.
    void NumToStr(int v);
    // The 64-bit value (high << 32) | low, taken as signed.
    void NumToStr64(unsigned long high, unsigned long low);
    void NumToStr64(__int64 v);

    // Decimal value of the text (leading blanks and a sign accepted,
    // stops at the first non-digit); 0 for an empty string.
    int StrToNum() const;
    __int64 StrToNum64() const;

    // Short byte-size text ("1.00 KB" style, the platform's wording) of the
    // value, of (high << 32) | low, or of the string's own decimal text.
    // 0 with the string cleared when the platform call fails.
    int FormatByteSize64(unsigned long high, unsigned long low);
    int FormatByteSize64();
    int FormatByteSize64(__int64 v);

    // Inserts sep (NULL or empty: ",") between groups of group characters,
    // counted from the right end when fromRight is non-zero. Returns the
    // number of separators; 0 and unchanged for a group below 1.
    int InsertComma(const NELSTR_T* sep, int group, int fromRight);
