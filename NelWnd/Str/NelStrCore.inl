// Storage, construction, assignment, appending, buffer access, comparison
// and case mapping: the body shared by CNelStrW and CNelStrA.
//
// Compiled once per twin: the including file defines NELSTR_SELF (the
// class), NELSTR_T (its unit) and NELSTR_OTHER_T (the other twin's unit).
//
// Allocation rules: construction and assignment allocate exactly length + 1
// units; appending grows to new length + 130 (129 spare units beyond the
// terminator), so that repeated short appends do not reallocate each time.

// ---------------------------------------------------------------------------
// Construction

void NELSTR_SELF::Init()
{
    m_pBuff = nullptr;
    m_pConv = nullptr;
    m_nLen = 0;
    m_nBuffSize = 0;
}

NELSTR_SELF::NELSTR_SELF() { Init(); }

NELSTR_SELF::NELSTR_SELF(const NELSTR_SELF& other)
{
    Init();
    // The other's stored length is taken as it is, not recounted.
    int len = other.m_nLen;
    m_pBuff = new NELSTR_T[len + 1]();
    if (other.m_pBuff)
        NelLstrcpyn(m_pBuff, other.m_pBuff, len + 1);
    m_nLen = len;
    m_nBuffSize = len + 1;
}

NELSTR_SELF::NELSTR_SELF(const NELSTR_T* text)
{
    Init();
    int len = NelLstrlen(text);
    m_pBuff = new NELSTR_T[len + 1]();
    if (len)
        NelLstrcpyn(m_pBuff, text, len + 1);
    m_nLen = len;
    m_nBuffSize = len + 1;
}

// Text of the other unit type: the converted buffer is adopted as it is.
NELSTR_SELF::NELSTR_SELF(const NELSTR_OTHER_T* text)
{
    Init();
    int count = 0;
    NELSTR_T* converted = NelStrConvertCounted(text, count);
    if (converted) {
        m_pBuff = converted;
        m_nLen = NelLstrlen(converted);
        m_nBuffSize = count;
    }
}

NELSTR_SELF::NELSTR_SELF(NELSTR_T ch)
{
    Init();
    const NELSTR_T one[2] = {ch, 0};
    AssignUnits(one, NelLstrlen(one));
}

// A single unit of the other type is converted, then assigned as own text.
NELSTR_SELF::NELSTR_SELF(NELSTR_OTHER_T ch)
{
    Init();
    const NELSTR_OTHER_T one[2] = {ch, 0};
    NELSTR_T* converted = NelStrConvert(one, static_cast<NELSTR_T*>(nullptr));
    AssignUnits(converted, NelLstrlen(converted));
    delete[] converted;
}

NELSTR_SELF::NELSTR_SELF(int n)
{
    Init();
    if (n > 0) {
        m_pBuff = new NELSTR_T[n]();
        m_nBuffSize = n;
    }
}

NELSTR_SELF::~NELSTR_SELF()
{
    delete[] m_pBuff;
    delete[] m_pConv;
}

// ---------------------------------------------------------------------------
// Assignment

void NELSTR_SELF::AssignUnits(const NELSTR_T* src, int len)
{
    if (len <= 0) {
        if (m_pBuff) {
            ZeroMemory(m_pBuff, m_nBuffSize * sizeof(NELSTR_T));
            m_nLen = 0;
        } else {
            SetBuffSize(1);
        }
        return;
    }
    if (len + 1 > m_nBuffSize) {
        // The old buffer is freed only after the copy: src may point into it.
        NELSTR_T* buff = new NELSTR_T[len + 1]();
        NelLstrcpyn(buff, src, len + 1);
        delete[] m_pBuff;
        m_pBuff = buff;
        m_nBuffSize = len + 1;
    } else {
        NelLstrcpyn(m_pBuff, src, len + 1);
    }
    m_nLen = len;
}

void NELSTR_SELF::AssignConverted(NELSTR_T* converted)
{
    if (converted)
        AssignUnits(converted, NelLstrlen(converted));
    else
        Clear();  // nothing to assign: clear, a buffer-less string stays so
    delete[] converted;
}

NELSTR_SELF& NELSTR_SELF::operator=(const NELSTR_SELF& other)
{
    if (this != &other)
        AssignUnits(other.m_pBuff, other.m_nLen);
    return *this;
}

NELSTR_SELF& NELSTR_SELF::operator=(const NELSTR_T* text)
{
    AssignUnits(text, NelLstrlen(text));
    return *this;
}

NELSTR_SELF& NELSTR_SELF::operator=(const NELSTR_OTHER_T* text)
{
    AssignConverted(NelStrConvert(text, static_cast<NELSTR_T*>(nullptr)));
    return *this;
}

// ---------------------------------------------------------------------------
// Appending

void NELSTR_SELF::AppendUnits(const NELSTR_T* src, int len)
{
    if (len <= 0)
        return;
    if (m_nBuffSize < m_nLen + len + 1) {
        int size = m_nLen + len + 130;
        NELSTR_T* buff = new NELSTR_T[size]();
        if (m_nLen)
            NelLstrcpyn(buff, m_pBuff, m_nLen + 1);
        NelLstrcpyn(buff + m_nLen, src, len + 1);
        delete[] m_pBuff;  // after the copy: src may point into it
        m_pBuff = buff;
        m_nBuffSize = size;
    } else {
        NelLstrcpyn(m_pBuff + m_nLen, src, len + 1);
    }
    m_nLen += len;
}

NELSTR_SELF& NELSTR_SELF::operator+=(const NELSTR_SELF& other)
{
    AppendUnits(other.m_pBuff, other.m_nLen);
    return *this;
}

NELSTR_SELF& NELSTR_SELF::operator+=(const NELSTR_T* text)
{
    AppendUnits(text, NelLstrlen(text));
    return *this;
}

NELSTR_SELF& NELSTR_SELF::operator+=(NELSTR_T ch)
{
    const NELSTR_T one[2] = {ch, 0};
    AppendUnits(one, NelLstrlen(one));
    return *this;
}

// Appends of the other unit type convert first. In CNelStrW these are the
// char-based appends, which drop an earlier c() result; CNelStrA never
// holds one, so freeing it there changes nothing. The text is converted
// before the copy is freed: it may be that very copy (s += s.c()).
NELSTR_SELF& NELSTR_SELF::operator+=(const NELSTR_OTHER_T* text)
{
    NELSTR_T* converted = NelStrConvert(text, static_cast<NELSTR_T*>(nullptr));
    FreeConv();
    AppendUnits(converted, NelLstrlen(converted));
    delete[] converted;
    return *this;
}

NELSTR_SELF& NELSTR_SELF::operator+=(NELSTR_OTHER_T ch)
{
    const NELSTR_OTHER_T one[2] = {ch, 0};
    return *this += one;
}

// ---------------------------------------------------------------------------
// Buffer access and bookkeeping

const NELSTR_T* NELSTR_SELF::t() const { return m_pBuff; }
NELSTR_SELF::operator const NELSTR_T*() const { return m_pBuff; }
NELSTR_T* NELSTR_SELF::GetBuff() { return m_pBuff; }

int NELSTR_SELF::GetLength() const { return m_nLen; }
int NELSTR_SELF::GetLen() const { return m_nLen; }
int NELSTR_SELF::GetBuffSize() const { return m_nBuffSize; }
int NELSTR_SELF::IsEmpty() const { return m_nLen == 0; }

void NELSTR_SELF::FreeConv()
{
    delete[] m_pConv;
    m_pConv = nullptr;
}

int NELSTR_SELF::SetBuffSize(int n)
{
    Delete();
    // A buffer always has room for its terminator; a size below 1 would
    // leave nowhere to put it, so it is raised to 1.
    if (n < 1)
        n = 1;
    m_pBuff = new NELSTR_T[n]();
    m_nBuffSize = n;
    return 1;
}

int NELSTR_SELF::ResetLen()
{
    if (!m_pBuff) {
        m_nLen = 0;
        m_nBuffSize = 0;
        return 0;
    }
    m_nLen = NelLstrlen(m_pBuff);
    return m_nLen;
}

void NELSTR_SELF::Attach(NELSTR_T* p, int size)
{
    if (m_pBuff)
        Delete();
    if (!p)
        return;
    m_pBuff = p;
    m_nLen = NelLstrlen(p);
    m_nBuffSize = size;
}

NELSTR_T* NELSTR_SELF::Detach()
{
    NELSTR_T* p = m_pBuff;
    FreeConv();
    Init();
    return p;
}

void NELSTR_SELF::Clear()
{
    if (!m_pBuff)
        return;
    ZeroMemory(m_pBuff, m_nBuffSize * sizeof(NELSTR_T));
    m_nLen = 0;
}

void NELSTR_SELF::Empty() { Clear(); }

void NELSTR_SELF::Delete()
{
    delete[] m_pBuff;
    delete[] m_pConv;
    Init();
}

NELSTR_T NELSTR_SELF::GetAt(int i) const
{
    return (i >= 0 && i < m_nLen) ? m_pBuff[i] : NELSTR_T(0);
}

NELSTR_T NELSTR_SELF::operator[](int i) const { return GetAt(i); }

void NELSTR_SELF::SetAt(int i, NELSTR_T ch)
{
    if (i < 0 || i >= m_nLen)
        return;
    m_pBuff[i] = ch;
    if (ch == 0)
        m_nLen = i;  // a stored terminator cuts the string there
}

void NELSTR_SELF::SetAt(int i, const NELSTR_T* p) { SetAt(i, p ? p[0] : NELSTR_T(0)); }

// ---------------------------------------------------------------------------
// Comparison and case

// A NULL argument compares as the empty string, as every other member
// takes it.
int NELSTR_SELF::Compare(const NELSTR_T* s) const
{
    if (!m_pBuff)
        return -1;
    return NelStrCompareUnits(m_pBuff, NelStrOrEmpty(s));
}

int NELSTR_SELF::CompareNC(const NELSTR_T* s) const
{
    if (!m_pBuff)
        return -1;
    return NelStrCompareNoCase(m_pBuff, NelStrOrEmpty(s));
}

int NELSTR_SELF::CompareNoCase(const NELSTR_T* s) const { return CompareNC(s); }

void NELSTR_SELF::MakeLower()
{
    if (m_nLen)
        NelStrLower(m_pBuff, m_nBuffSize);
}

void NELSTR_SELF::MakeUpper()
{
    if (m_nLen)
        NelStrUpper(m_pBuff, m_nBuffSize);
}

// ---------------------------------------------------------------------------
// Conversion between the twins

wchar_t* NELSTR_SELF::MBToWide(const char* s, int& n) { return NelStrMBToWide(s, n); }
char* NELSTR_SELF::WideToMB(const wchar_t* s, int& n) { return NelStrWideToMB(s, n); }
