// Fuzz targets of the string class: the members that take outside text,
// in both twins (CNelStrA under code page 932 with lead and trail bytes at
// every position). Three oracles besides the checked build: every string
// stays sound (terminator at its length, length below its capacity); the
// twins agree on plain ASCII text; and the ANSI twin's character-counting
// members agree with the wide twin on valid code page 932 text.
#include <windows.h>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <string>
#include "FuzzInfoMutator.h"
#include "FuzzRun.h"
#include "Str/NelStr.h"

namespace Fuzz {

namespace {

std::wstring ToWide(const std::string& s)
{
    if (s.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w(n > 0 ? n : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, s.data(), (int)s.size(), &w[0], n);
    return w;
}

std::string ToAnsi(const std::wstring& w)
{
    if (w.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, w.data(), (int)w.size(), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring Text(const CNelStrW& s) { return s.t() ? s.t() : L""; }
std::string Text(const CNelStrA& s) { return s.t() ? s.t() : ""; }

size_t Length(const wchar_t* p) { return wcslen(p); }
size_t Length(const char* p) { return strlen(p); }

// The public face of the invariants: no buffer and nothing counted, or a
// terminator at the stored length inside the stated capacity.
const char* Twin(const CNelStrW&) { return "CNelStrW"; }
const char* Twin(const CNelStrA&) { return "CNelStrA"; }

template <class S>
void CheckSound(const S& s, const char* after)
{
    if (!s.t()) {
        if (s.GetLength() != 0 || s.GetBuffSize() != 0)
            Finding(std::string(Twin(s)) + " without a buffer counts length " + std::to_string(s.GetLength()) +
                    " and capacity " + std::to_string(s.GetBuffSize()) + " after " + after);
        return;
    }
    if (s.GetLength() < 0 || s.GetLength() >= s.GetBuffSize() ||
        Length(s.t()) != (size_t)s.GetLength())
        Finding(std::string(Twin(s)) + " unsound after " + after + ": length " + std::to_string(s.GetLength()) +
                ", capacity " + std::to_string(s.GetBuffSize()) + ", terminator at " +
                std::to_string(Length(s.t())) + ", text " + Show(Text(s)));
    // The last unit of the stated capacity must be the string's own.
    volatile auto last = s.t()[s.GetBuffSize() - 1];
    (void)last;
}

// --- Texts ------------------------------------------------------------------

char LeadByte(Random& r) { return (char)(r.Below(2) ? 0x81 + r.Below(0x1F) : 0xE0 + r.Below(0x1D)); }
char TrailByte(Random& r) { return (char)(r.Below(2) ? 0x40 + r.Below(0x3F) : 0x80 + r.Below(0x7D)); }

// Plain ASCII without zero.
std::string AsciiText(Random& r, uint32_t max = 60)
{
    static const char pool[] = "aAbBzZ09 ,.-%\\/:;=[]\t\r\n|*?\"'`~^_!#$&()+{}<>";
    std::string s;
    for (uint32_t n = Skewed(r, 0, max); n; --n)
        s += r.Below(3) ? pool[r.Below(sizeof(pool) - 1)] : (char)(0x20 + r.Below(0x5F));
    return s;
}

// Valid code page 932 text: ASCII, half-width kana and double-byte pairs.
std::string Cp932Text(Random& r, uint32_t max = 60)
{
    std::string s;
    for (uint32_t n = Skewed(r, 0, max); n; --n) {
        switch (r.Below(4)) {
        case 0: s += (char)(0xA1 + r.Below(0x3F)); break;  // half-width kana
        case 1: s += (char)(0x20 + r.Below(0x5F)); break;
        default: {
            // A valid double-byte character: convert a sure one back.
            static const wchar_t wide[] = L"\x3042\x30AC\x6F22\x5B57\xFF21\xFF41\xFF11\xFF01\x201D\xFFE5"
                                          L"\xFFE3\x300C\x300D\x309B\x309C\x3001\x3002\x30FC\x3000\x30F4"
                                          L"\x30D1\x30AB\x30C3\x30A1\x30FB\x2015\xFF3C";
            s += ToAnsi(std::wstring(1, wide[r.Below(sizeof(wide) / sizeof(wide[0]) - 1)]));
        }
        }
    }
    return s;
}

// Any bytes but zero: lead bytes at the end, lone trail bytes, a lead
// byte before a byte that cannot follow it, at every position.
std::string HostileAnsi(Random& r, uint32_t max = 60)
{
    std::string s = r.Below(2) ? AsciiText(r, max) : Cp932Text(r, max);
    for (uint32_t n = 1 + r.Below(4); n; --n) {
        const uint32_t at = r.Below((uint32_t)s.size() + 1);
        switch (r.Below(4)) {
        case 0: s.insert(at, 1, LeadByte(r)); break;
        case 1: s.insert(at, 1, TrailByte(r)); break;
        case 2: s += LeadByte(r); break;
        default: s.insert(at, 1, (char)(0x80 + r.Below(0x80))); break;
        }
    }
    return s;
}

std::wstring WideFromAny(Random& r, uint32_t max = 60)
{
    return r.Below(2) ? ToWide(AsciiText(r, max)) : HostileText(r, max);
}

// --- Twin agreement -----------------------------------------------------------

// Runs one member on both twins; on plain ASCII (mode 0) every result must
// agree, on valid code page 932 text (mode 1) the character-counting
// members of the ANSI twin must agree with the wide twin.
class TwinRun {
public:
    TwinRun(Random& r, int mode) : m_r(r), m_mode(mode)
    {
        const std::string start = mode == 0 ? AsciiText(r) : mode == 1 ? Cp932Text(r) : HostileAnsi(r);
        m_a = start.c_str();
        m_w = mode == 2 ? HostileText(r).c_str() : ToWide(start).c_str();
    }

    void Step()
    {
        m_op = "";
        switch (m_r.Below(16)) {
        case 0: Find(); break;
        case 1: RFind(); break;
        case 2: Slices(); break;
        case 3: InsertAt(false); break;
        case 4: Replace(); break;
        case 5: TrimEnds(); break;
        case 6: Case(); break;
        case 7: Width(); break;
        case 8: Commas(); break;
        case 9: Append(); break;
        case 10: Single(); break;
        case 11: Compare(); break;
        case 12: Buffers(); break;
        case 13: InStr(); break;
        case 14: InsertAt(true); break;
        default: Assign(); break;
        }
        CheckSound(m_w, m_op);
        CheckSound(m_a, m_op);
        if (m_mode != 2 && m_w.t() && m_a.t() && Text(m_w) != ToWide(Text(m_a)))
            Differ("texts", Show(Text(m_w)), Show(Text(m_a)));
    }

private:
    void Differ(const char* what, const std::string& w, const std::string& a)
    {
        Finding(std::string(m_op) + ": the twins disagree on " + what + ": wide " + w + ", ANSI " + a);
    }

    // After a member whose ANSI rule may split a character (RightMB's
    // backward scan, a byte-wise case mapping), the wide twin takes the
    // ANSI text. Text that no longer converts both ways is no longer valid
    // code page 932 text: from here on the twins are not compared.
    void Resync()
    {
        const std::string a = Text(m_a);
        const std::wstring w = ToWide(a);
        m_w = w.c_str();
        if (m_mode != 0 && ToAnsi(w) != a)
            m_mode = 2;
    }

    void Same(const char* what, long long w, long long a)
    {
        if (m_mode != 2 && w != a)
            Differ(what, std::to_string(w), std::to_string(a));
    }

    void SameText(const CNelStrW& w, const CNelStrA& a)
    {
        CheckSound(w, m_op);
        CheckSound(a, m_op);
        if (m_mode != 2 && Text(w) != ToWide(Text(a)))
            Differ("the result", Show(Text(w)), Show(Text(a)));
    }

    // A piece of text both twins can look for.
    void Piece(std::wstring& w, std::string& a)
    {
        const std::string whole = Text(m_a);
        if (!whole.empty() && m_r.Below(2) && m_mode != 2) {
            // A piece of the text itself, at character boundaries.
            const std::wstring ws = ToWide(whole);
            const uint32_t at = m_r.Below((uint32_t)ws.size());
            w = ws.substr(at, 1 + m_r.Below(3));
        } else {
            w = m_mode == 2 ? HostileText(m_r, 4) : ToWide(m_mode == 0 ? AsciiText(m_r, 3) : Cp932Text(m_r, 3));
        }
        a = ToAnsi(w);
    }

    int Index() { return m_r.Below(8) == 0 ? (int)m_r.Next() : (int)m_r.Below(70) - 5; }

    void Find()
    {
        m_op = "Find/FindMB";
        std::wstring w;
        std::string a;
        Piece(w, a);
        if (w.empty())
            return;
        const int start = Index();
        const int rw = m_w.Find(w.c_str(), start);
        const int ra = m_mode == 0 ? m_a.Find(a.c_str(), start) : m_a.FindMB(a.c_str(), start);
        Same("Find", rw, ra);
    }

    void RFind()
    {
        m_op = "RFind/RFindMB";
        std::wstring w;
        std::string a;
        Piece(w, a);
        if (w.empty() || a.size() < 2)
            return;  // one byte: the sign-extension question of RFindMB(char) is open
        Same("RFind", m_w.RFind(w.c_str()), m_mode == 0 ? m_a.RFind(a.c_str()) : m_a.RFindMB(a.c_str()));
    }

    void InStr()
    {
        m_op = "InStrCount";
        std::wstring w;
        std::string a;
        Piece(w, a);
        if (m_mode == 0)
            Same("InStrCount", m_w.InStrCount(w.c_str()), m_a.InStrCount(a.c_str()));
        else
            m_a.InStrCount(a.c_str());
    }

    void Slices()
    {
        const int n = Index(), count = Index();
        m_op = "Left/LeftMB";
        SameText(m_w.Left(n), m_mode == 0 ? m_a.Left(n) : m_a.LeftMB(n));
        m_op = "Mid/MidMB";
        SameText(m_w.Mid(n, count), m_mode == 0 ? m_a.Mid(n, count) : m_a.MidMB(n, count));
        SameText(m_w.Mid(n), m_mode == 0 ? m_a.Mid(n) : m_a.MidMB(n));
        m_op = "Right/RightMB";
        // RightMB's backward scan may take a trail byte for a lead byte
        // (an open question of its rule), so only ASCII is compared.
        if (m_mode == 0)
            SameText(m_w.Right(n), m_a.Right(n));
        else
            CheckSound(m_a.RightMB(n), m_op);
        Same("GetStrCount", m_w.GetStrCount(), m_a.GetStrCount());
    }

    // Insert (index from the left) or InsertR (from the right).
    void InsertAt(bool fromRight)
    {
        m_op = fromRight ? "InsertR/InsertRMB" : "Insert/InsertMB";
        std::wstring w;
        std::string a;
        Piece(w, a);
        const int at = Index();
        const int rw = fromRight ? m_w.InsertR(at, w.c_str()) : m_w.Insert(at, w.c_str());
        const int ra = m_mode == 0 ? (fromRight ? m_a.InsertR(at, a.c_str()) : m_a.Insert(at, a.c_str()))
                                   : (fromRight ? m_a.InsertRMB(at, a.c_str()) : m_a.InsertMB(at, a.c_str()));
        Same("the insertion's result", rw, ra);
    }

    void Replace()
    {
        m_op = "PermStr";
        std::wstring fw, rw;
        std::string fa, ra;
        Piece(fw, fa);
        Piece(rw, ra);
        if (m_r.Below(4) == 0) {
            rw = L"";
            ra = "";
        }
        Same("PermStr's count", m_w.PermStr(fw.c_str(), rw.c_str()), m_a.PermStr(fa.c_str(), ra.c_str()));
    }

    void TrimEnds()
    {
        m_op = "Trim";
        std::wstring w;
        std::string a;
        Piece(w, a);
        const bool noSet = m_r.Below(4) == 0;
        switch (m_r.Below(3)) {
        case 0:
            if (m_mode != 0)
                m_op = "Trim (both ends, not compared)";
            m_w.Trim(noSet ? nullptr : w.c_str());
            m_a.Trim(noSet ? nullptr : a.c_str());
            if (m_mode != 0)
                Resync();
            break;
        case 1:
            m_op = "TrimL";
            m_w.TrimL(noSet ? nullptr : w.c_str());
            m_a.TrimL(noSet ? nullptr : a.c_str());
            break;
        default:
            m_op = "TrimR";
            m_w.TrimR(noSet ? nullptr : w.c_str());
            m_a.TrimR(noSet ? nullptr : a.c_str());
            if (m_mode != 0)
                Resync();
        }
    }

    void Case()
    {
        m_op = "MakeUpper/MakeLower";
        if (m_r.Below(2)) {
            m_w.MakeUpper();
            m_a.MakeUpper();
        } else {
            m_w.MakeLower();
            m_a.MakeLower();
        }
        if (m_mode != 0)
            Resync();
    }

    void Width()
    {
        const unsigned flags = m_r.Below(4) ? m_r.Below(0x40) : m_r.Next();
        if (m_r.Below(2)) {
            m_op = "HanToZen";
            Same("HanToZen's count", m_w.HanToZen(flags), m_a.HanToZen(flags));
        } else {
            m_op = "ZenToHan";
            Same("ZenToHan's count", m_w.ZenToHan(flags), m_a.ZenToHan(flags));
        }
        // Full-width characters are two bytes: from here on the text is
        // code page 932 text, no longer ASCII.
        if (m_mode == 0)
            m_mode = 1;
    }

    void Commas()
    {
        m_op = "InsertComma";
        std::wstring w;
        std::string a;
        Piece(w, a);
        const int group = m_r.Below(6) == 0 ? Index() : (int)m_r.Below(5);
        const int fromRight = (int)m_r.Below(2);
        const bool noSep = m_r.Below(3) == 0;
        const int rw = m_w.InsertComma(noSep ? nullptr : w.c_str(), group, fromRight);
        const int ra = m_a.InsertComma(noSep ? nullptr : a.c_str(), group, fromRight);
        // The ANSI twin steps through the text with RightMB (see Slices).
        if (m_mode == 0)
            Same("InsertComma's count", rw, ra);
        else
            Resync();
    }

    void Append()
    {
        m_op = "operator+=";
        std::wstring w;
        std::string a;
        Piece(w, a);
        m_w += w.c_str();
        m_a += a.c_str();
    }

    void Single()
    {
        m_op = "SetAt/GetAt";
        const int at = Index();
        if (m_mode == 0) {
            const char c = (char)(0x20 + m_r.Below(0x5F));
            Same("GetAt", m_w.GetAt(at), m_a.GetAt(at));
            m_w.SetAt(at, (wchar_t)c);
            m_a.SetAt(at, c);
        } else {
            m_a.GetAt(at);
            m_w.GetAt(at);
        }
    }

    void Compare()
    {
        m_op = "Compare/CompareNC";
        std::wstring w;
        std::string a;
        Piece(w, a);
        if (m_mode == 0) {
            auto sign = [](int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; };
            Same("Compare", sign(m_w.Compare(w.c_str())), sign(m_a.Compare(a.c_str())));
            Same("CompareNC", sign(m_w.CompareNC(w.c_str())), sign(m_a.CompareNC(a.c_str())));
        } else {
            m_w.CompareNC(w.c_str());
            m_a.CompareNC(a.c_str());
        }
    }

    void Buffers()
    {
        m_op = "SetBuffSize/ResetLen/Clear/Detach";
        switch (m_r.Below(5)) {
        case 0: {
            const int n = (int)m_r.Below(40) - 4;
            m_w.SetBuffSize(n);
            m_a.SetBuffSize(n);
            break;
        }
        case 1: m_w.ResetLen(); m_a.ResetLen(); break;
        case 2: m_w.Clear(); m_a.Clear(); break;
        case 3: {
            const int sw = m_w.GetBuffSize(), sa = m_a.GetBuffSize();
            wchar_t* pw = m_w.Detach();
            char* pa = m_a.Detach();
            m_w.Attach(pw, sw);
            m_a.Attach(pa, sa);
            break;
        }
        default: m_w.Empty(); m_a.Empty(); break;
        }
    }

    void Assign()
    {
        m_op = "assignment";
        const std::string a = m_mode == 0 ? AsciiText(m_r) : m_mode == 1 ? Cp932Text(m_r) : HostileAnsi(m_r);
        m_a = a.c_str();
        m_w = m_mode == 2 ? HostileText(m_r).c_str() : ToWide(a).c_str();
    }

    Random& m_r;
    int m_mode;
    const char* m_op = "";
    CNelStrW m_w;
    CNelStrA m_a;
};

void RunTwins(Random& r)
{
    TwinRun run(r, (int)r.Below(3));
    for (uint32_t n = 1 + r.Below(24); n; --n)
        run.Step();
}

// --- Width conversion between the twins ------------------------------------

void RunConversion(Random& r)
{
    for (int n = 0; n < 8; ++n) {
        const std::string bytes = HostileAnsi(r, 200);
        const CNelStrW fromAnsi(bytes.c_str());
        CheckSound(fromAnsi, "CNelStrW(const char*)");
        if (!bytes.empty() && Text(fromAnsi) != ToWide(bytes))
            Finding("CNelStrW(" + Show(bytes) + ") gave " + Show(Text(fromAnsi)) + ", the code page gives " +
                    Show(ToWide(bytes)));
        const std::wstring wide = HostileText(r, 200);
        const CNelStrA fromWide(wide.c_str());
        CheckSound(fromWide, "CNelStrA(const wchar_t*)");
        if (!wide.empty() && Text(fromWide) != ToAnsi(wide))
            Finding("CNelStrA(" + Show(wide) + ") gave " + Show(Text(fromWide)));
        CNelStrW copy(wide.c_str());
        const std::string converted = copy.c();
        if (!wide.empty() && converted != ToAnsi(wide))
            Finding("c() of " + Show(wide) + " gave " + Show(converted));
        CNelStrA a;
        a = wide.c_str();
        a += wide.c_str();
        CheckSound(a, "CNelStrA += const wchar_t*");
        CNelStrW w;
        w = bytes.c_str();
        w += bytes.c_str();
        w += (char)LeadByte(r);
        CheckSound(w, "CNelStrW += char");
    }
}

// --- Formatting and numbers ---------------------------------------------------

void RunFormat(Random& r)
{
    const uint32_t longLength = Skewed(r, 0, 8000);
    const std::wstring longWide(longLength, (wchar_t)(L'a' + r.Below(26)));
    const std::string longAnsi(longLength, (char)('a' + r.Below(26)));
    const int number = r.Below(4) == 0 ? INT_MIN : (int)r.Next();
    const int width = (int)Skewed(r, 0, 8000) * (r.Below(5) == 0 ? -1 : 1);
    const std::wstring oddWide = HostileText(r, 40);  // lone surrogates do not convert
    CNelStrW w(WideFromAny(r).c_str());
    CNelStrA a(HostileAnsi(r).c_str());

    std::vector<wchar_t> expectedW(2 * (longLength + 8000) + 512);
    std::vector<char> expectedA(expectedW.size());
    int okW = -1, okA = -1, gotW = 0, gotA = 0;
    switch (r.Below(6)) {
    case 0:
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"%d-%s|", number, longWide.c_str());
        gotW = w.Format(L"%d-%s|", number, longWide.c_str());
        okA = _snprintf_s(expectedA.data(), expectedA.size(), _TRUNCATE, "%d-%s|", number, longAnsi.c_str());
        gotA = a.Format("%d-%s|", number, longAnsi.c_str());
        break;
    case 1:
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"%*d", width, number);
        gotW = w.Format(L"%*d", width, number);
        okA = _snprintf_s(expectedA.data(), expectedA.size(), _TRUNCATE, "%*d", width, number);
        gotA = a.Format("%*d", width, number);
        break;
    case 2:
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"%.*s", width, longWide.c_str());
        gotW = w.Format(L"%.*s", width, longWide.c_str());
        okA = _snprintf_s(expectedA.data(), expectedA.size(), _TRUNCATE, "%.*s", width, longAnsi.c_str());
        gotA = a.Format("%.*s", width, longAnsi.c_str());
        break;
    case 3:
        // A wide argument in the ANSI twin that may not convert.
        okA = _snprintf_s(expectedA.data(), expectedA.size(), _TRUNCATE, "<%ls>", oddWide.c_str());
        gotA = a.Format("<%ls>", oddWide.c_str());
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"<%hs>", longAnsi.c_str());
        gotW = w.Format(L"<%hs>", longAnsi.c_str());
        break;
    case 4:
        // The string's own buffer as an argument, and a zero character.
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"%s%c%s", Text(w).c_str(), 0, L"x");
        gotW = w.Format(L"%s%c%s", w.t() ? w.t() : L"", 0, L"x");
        okA = _snprintf_s(expectedA.data(), expectedA.size(), _TRUNCATE, "[%s][%s]", Text(a).c_str(), Text(a).c_str());
        gotA = a.Format("[%s][%s]", a.t() ? a.t() : "", a.t() ? a.t() : "");
        break;
    default:
        okW = _snwprintf_s(expectedW.data(), expectedW.size(), _TRUNCATE, L"%I64d %x %5.2f%%", (long long)r.Next() << 20,
                           (unsigned)r.Next(), (double)(int)r.Next() / 7.0);
        gotW = w.Format(L"%I64d %x %5.2f%%", (long long)r.Next() << 20, (unsigned)r.Next(), 1.5);
        okW = -2;  // different arguments: soundness only
        gotA = a.Format(nullptr);
        okA = -2;
        if (gotA != 0)
            Finding("Format(NULL) answered " + std::to_string(gotA));
    }
    CheckSound(w, "Format");
    CheckSound(a, "Format");
    if (okW >= 0 && (gotW != 1 || Text(w) != std::wstring(expectedW.data())))
        Finding("wide Format gave " + std::to_string(gotW) + " and " + Show(Text(w)) + ", the CRT gives " +
                Show(std::wstring(expectedW.data())));
    if (okA >= 0 && (gotA != 1 || Text(a) != std::string(expectedA.data())))
        Finding("ANSI Format gave " + std::to_string(gotA) + " and " + Show(Text(a)) + ", the CRT gives " +
                Show(std::string(expectedA.data())));

    // Numbers: the text of a value reads back as that value.
    const int v = (int)r.Next();
    w.NumToStr(v);
    a.NumToStr(v);
    if (w.StrToNum() != v || a.StrToNum() != v || Text(w) != std::to_wstring(v))
        Finding("NumToStr(" + std::to_string(v) + ") gave " + Show(Text(w)));
    const long long v64 = ((long long)r.Next() << 32) | r.Next();
    w.NumToStr64((unsigned long)(v64 >> 32), (unsigned long)(v64 & 0xFFFFFFFF));
    a.NumToStr64(v64);
    if (w.StrToNum64() != v64 || a.StrToNum64() != v64 || Text(w) != std::to_wstring(v64))
        Finding("NumToStr64(" + std::to_string(v64) + ") gave " + Show(Text(w)));
    w.FormatByteSize64((__int64)(v64 & 0x7FFFFFFFFFFFFFFFLL));
    a.FormatByteSize64((__int64)(v64 & 0x7FFFFFFFFFFFFFFFLL));
    if (Text(w) != ToWide(Text(a)))
        Finding("FormatByteSize64 twins disagree: " + Show(Text(w)) + " and " + Show(Text(a)));
    w = WideFromAny(r).c_str();
    w.StrToNum();
    w.StrToNum64();
    w.FormatByteSize64();
    CheckSound(w, "FormatByteSize64()");
}

void RunEnvironment(Random& r)
{
    std::wstring text = HostileText(r, 80);
    for (uint32_t n = r.Below(4); n; --n)
        text += std::wstring(L"%") + (r.Below(2) ? L"SYSTEMROOT" : L"PATH") + L"%";
    CNelStrW w(text.c_str());
    w.ExpandEnvStr();
    CheckSound(w, "ExpandEnvStr");
    std::vector<wchar_t> expected(32768 + text.size());
    const DWORD n = ExpandEnvironmentStringsW(text.c_str(), expected.data(), (DWORD)expected.size());
    if (!text.empty() && n > 0 && n <= expected.size() && Text(w) != std::wstring(expected.data()))
        Finding("ExpandEnvStr(" + Show(text) + ") gave " + Show(Text(w)));
    CNelStrA a(HostileAnsi(r, 80).c_str());
    a += "%SYSTEMROOT%";
    a.ExpandEnvStr();
    CheckSound(a, "ExpandEnvStr");
}

} // namespace

const Target kStrTargets[] = {
    {"string-twins", 520, RunTwins},
    {"string-conversion", 60, RunConversion},
    {"string-format", 60, RunFormat},
    {"string-environment", 20, RunEnvironment},
    {nullptr, 0, nullptr},
};

} // namespace Fuzz
