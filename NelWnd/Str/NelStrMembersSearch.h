// Searching, slicing and editing: members shared by CNelStrW and CNelStrA, included
// inside each class body by NelStrMembers.h (NELSTR_SELF, NELSTR_T set).
// No include guard: it is meant to be read twice.
//
// Plain members count units (wide units, or bytes in CNelStrA); members
// ending in MB count characters in CNelStrA and are the plain members in
// CNelStrW. Searches return a 0-based index or -1.
public:
    // --- Searching ------------------------------------------------------
    // First s at or after unit start (an empty s matches at start).
    int Find(const NELSTR_T* s, int start = 0) const;
    // As Find, with start and the result in characters.
    int FindMB(const NELSTR_T* s, int start = 0) const;
    // Last ch / last s (occurrences of s may overlap), as a unit index.
    int RFind(NELSTR_T ch) const;
    int ReverseFind(NELSTR_T ch) const;
    int RFind(const NELSTR_T* s) const;
    int ReverseFind(const NELSTR_T* s) const;
    // As RFind, as a character index.
    int RFindMB(NELSTR_T ch) const;
    int RFindMB(const NELSTR_T* s) const;
    // Non-overlapping occurrences of s, scanning left to right.
    int InStrCount(const NELSTR_T* s) const;
    // Number of characters (units in CNelStrW).
    int GetStrCount() const;

    // --- Slicing (a new string, capacity = its length + 1) ---------------
    NELSTR_SELF Left(int n) const;
    NELSTR_SELF LeftMB(int n) const;
    // count <= 0: everything from start.
    NELSTR_SELF Mid(int start, int count) const;
    NELSTR_SELF Mid(int start) const;
    NELSTR_SELF MidMB(int start, int count) const;
    NELSTR_SELF MidMB(int start) const;
    NELSTR_SELF Right(int n) const;
    NELSTR_SELF RightMB(int n) const;

    // --- Editing ----------------------------------------------------------
    // Insert s at index (InsertR: index counted from the right end). The
    // capacity becomes the new length + 2. 0 for a negative index.
    int Insert(int index, const NELSTR_T* s);
    int InsertR(int index, const NELSTR_T* s);
    int InsertMB(int index, const NELSTR_T* s);
    int InsertRMB(int index, const NELSTR_T* s);
    // Replaces every non-overlapping find by repl; returns the count.
    int PermStr(const NELSTR_T* find, const NELSTR_T* repl);
    int Replace(const NELSTR_T* find, const NELSTR_T* repl);
    // Strips the characters of set (NULL: one space) from the ends.
    void Trim(const NELSTR_T* set = nullptr);
    void TrimL(const NELSTR_T* set = nullptr);
    void TrimR(const NELSTR_T* set = nullptr);
    void TrimLeft(const NELSTR_T* set = nullptr);
    void TrimRight(const NELSTR_T* set = nullptr);

private:
    // A search member (Find, or FindNC in the installer's build).
    typedef int (NELSTR_SELF::*SearchMember)(const NELSTR_T*, int) const;
    // A new string of the n units at p (p may be NULL when n is 0).
    static NELSTR_SELF SliceUnits(const NELSTR_T* p, int n);
    // Inserts the non-empty s before unit at (0..m_nLen).
    int SpliceUnits(int at, const NELSTR_T* s);
    // The replace-all of PermStr with the given search member.
    int ReplaceEach(const NELSTR_T* find, const NELSTR_T* repl, SearchMember search);
    // Trims the start and/or the end.
    void TrimEnds(const NELSTR_T* set, bool start, bool end);

public:
