// Members shared by CNelStrW and CNelStrA, included inside each class body
// with NELSTR_SELF (the class) and NELSTR_T (its unit type) defined.
// No include guard: it is meant to be read twice.

public:
    // --- Construction -------------------------------------------------
    NELSTR_SELF();
    NELSTR_SELF(const NELSTR_SELF& other);
    NELSTR_SELF(const wchar_t* text);
    NELSTR_SELF(const char* text);
    NELSTR_SELF(char ch);
    NELSTR_SELF(wchar_t wc);
    // Pre-sizing: a zero-filled buffer of n units, length 0 (n <= 0: no buffer).
    explicit NELSTR_SELF(int n);
    virtual ~NELSTR_SELF();

    // --- Assignment and appending -------------------------------------
    NELSTR_SELF& operator=(const NELSTR_SELF& other);
    NELSTR_SELF& operator=(const char* text);
    NELSTR_SELF& operator=(const wchar_t* text);

    NELSTR_SELF& operator+=(const NELSTR_SELF& other);
    NELSTR_SELF& operator+=(char ch);
    NELSTR_SELF& operator+=(const char* text);
    NELSTR_SELF& operator+=(const wchar_t* text);
    NELSTR_SELF& operator+=(wchar_t wc);

    // --- Buffer access and bookkeeping ---------------------------------
    const NELSTR_T* t() const;
    operator const NELSTR_T*() const;
    NELSTR_T* GetBuff();

    int GetLength() const;
    int GetLen() const;
    int GetBuffSize() const;
    int IsEmpty() const;

    int SetBuffSize(int n);
    int ResetLen();
    void Attach(NELSTR_T* p, int size);
    NELSTR_T* Detach();
    void Clear();
    void Empty();
    void Delete();

    NELSTR_T GetAt(int i) const;
    NELSTR_T operator[](int i) const;
    void SetAt(int i, NELSTR_T ch);
    void SetAt(int i, const NELSTR_T* p);

    // --- Comparison and case -------------------------------------------
    int Compare(const NELSTR_T* s) const;
    int CompareNC(const NELSTR_T* s) const;
    int CompareNoCase(const NELSTR_T* s) const;
    void MakeLower();
    void MakeUpper();

    // The members of each further concern, in files of their own.
#include "NelStrMembersSearch.h"
#include "NelStrMembersNumber.h"
#include "NelStrMembersWidth.h"
#include "NelStrMembersText.h"

protected:
    void Init();
    // Code-page conversions (CP_ACP) shared by both twins; the caller
    // owns the returned buffer; n receives the unit count with terminator.
    static wchar_t* MBToWide(const char* s, int& n);
    static char* WideToMB(const wchar_t* s, int& n);

private:
    // Core of every assignment: L units of src (already the own unit type).
    void AssignUnits(const NELSTR_T* src, int len);
    // Core of every append: A units of src.
    void AppendUnits(const NELSTR_T* src, int len);
    // Assignment from a converted buffer; NULL clears.
    void AssignConverted(NELSTR_T* converted);
    void FreeConv();

protected:
    NELSTR_T* m_pBuff;
    char* m_pConv;
    int m_nLen;
    int m_nBuffSize;
