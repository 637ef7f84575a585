#include "DialogTemplate.h"

namespace ResTest {

namespace {

// Sequential little-endian reader over the template bytes. Every read is
// bounds-checked; the first failure sticks and names what was being read.
class Reader {
public:
    explicit Reader(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }

    WORD Word(const char* what)
    {
        if (!Need(2, what))
            return 0;
        WORD v = static_cast<WORD>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return v;
    }

    DWORD Dword(const char* what)
    {
        DWORD lo = Word(what);
        DWORD hi = Word(what);
        return lo | (hi << 16);
    }

    BYTE Byte(const char* what)
    {
        if (!Need(1, what))
            return 0;
        return m_bytes[m_pos++];
    }

    std::wstring String(const char* what)
    {
        std::wstring s;
        for (;;) {
            WORD c = Word(what);
            if (!Ok() || c == 0)
                return s;
            s += static_cast<wchar_t>(c);
        }
    }

    SzOrOrd NameOrOrdinal(const char* what)
    {
        SzOrOrd v;
        WORD first = Word(what);
        if (first == 0xFFFF) {
            v.isOrdinal = true;
            v.ordinal = Word(what);
        } else if (first != 0) {
            v.text = static_cast<wchar_t>(first);
            v.text += String(what);
        }
        return v;
    }

    std::vector<BYTE> Bytes(size_t n, const char* what)
    {
        std::vector<BYTE> v;
        if (Need(n, what)) {
            v.assign(m_bytes.begin() + m_pos, m_bytes.begin() + m_pos + n);
            m_pos += n;
        }
        return v;
    }

    // Items start on DWORD boundaries (the resource itself is DWORD-aligned).
    void AlignDword() { m_pos = (m_pos + 3) & ~static_cast<size_t>(3); }

private:
    bool Need(size_t n, const char* what)
    {
        if (!Ok())
            return false;
        if (m_pos + n > m_bytes.size()) {
            m_error = std::string("template ends inside ") + what + " at offset " +
                      std::to_string(m_pos);
            return false;
        }
        return true;
    }

    const std::vector<BYTE>& m_bytes;
    size_t m_pos = 0;
    std::string m_error;
};

void ReadItemEx(Reader& r, DlgItemInfo* item)
{
    item->helpId = r.Dword("item help ID");
    item->exStyle = r.Dword("item extended style");
    item->style = r.Dword("item style");
    item->x = static_cast<short>(r.Word("item x"));
    item->y = static_cast<short>(r.Word("item y"));
    item->cx = static_cast<short>(r.Word("item width"));
    item->cy = static_cast<short>(r.Word("item height"));
    item->id = r.Dword("item ID");
}

void ReadItemClassic(Reader& r, DlgItemInfo* item)
{
    item->style = r.Dword("item style");
    item->exStyle = r.Dword("item extended style");
    item->x = static_cast<short>(r.Word("item x"));
    item->y = static_cast<short>(r.Word("item y"));
    item->cx = static_cast<short>(r.Word("item width"));
    item->cy = static_cast<short>(r.Word("item height"));
    item->id = r.Word("item ID");
}

}  // namespace

bool ParseDialogTemplate(const std::vector<BYTE>& bytes, DlgInfo* out, std::string* error)
{
    *out = DlgInfo();
    Reader r(bytes);
    WORD count = 0;
    // DLGTEMPLATEEX starts with dlgVer 1 and signature 0xFFFF; a classic
    // DLGTEMPLATE starts with its style, whose high word is never 0xFFFF.
    if (bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF &&
        bytes[3] == 0xFF) {
        out->extended = true;
        r.Dword("version and signature");
        out->helpId = r.Dword("help ID");
        out->exStyle = r.Dword("extended style");
        out->style = r.Dword("style");
    } else {
        out->style = r.Dword("style");
        out->exStyle = r.Dword("extended style");
    }
    count = r.Word("item count");
    out->x = static_cast<short>(r.Word("x"));
    out->y = static_cast<short>(r.Word("y"));
    out->cx = static_cast<short>(r.Word("width"));
    out->cy = static_cast<short>(r.Word("height"));
    out->menu = r.NameOrOrdinal("menu");
    out->windowClass = r.NameOrOrdinal("class");
    out->caption = r.String("caption");
    if (out->style & DS_SETFONT) {
        out->hasFont = true;
        out->pointSize = r.Word("font size");
        if (out->extended) {
            out->weight = r.Word("font weight");
            out->italic = r.Byte("font italic flag");
            out->charset = r.Byte("font character set");
        }
        out->faceName = r.String("font name");
    }
    for (WORD i = 0; i < count && r.Ok(); ++i) {
        DlgItemInfo item;
        r.AlignDword();
        if (out->extended)
            ReadItemEx(r, &item);
        else
            ReadItemClassic(r, &item);
        item.windowClass = r.NameOrOrdinal("item class");
        item.title = r.NameOrOrdinal("item text");
        WORD extra = r.Word("item creation data size");
        item.creationData = r.Bytes(extra, "item creation data");
        out->items.push_back(item);
    }
    if (!r.Ok()) {
        *error = r.Error();
        return false;
    }
    return true;
}

std::wstring ControlClassName(const SzOrOrd& windowClass)
{
    if (!windowClass.isOrdinal)
        return windowClass.text;
    switch (windowClass.ordinal) {
    case 0x0080: return L"Button";
    case 0x0081: return L"Edit";
    case 0x0082: return L"Static";
    case 0x0083: return L"ListBox";
    case 0x0084: return L"ScrollBar";
    case 0x0085: return L"ComboBox";
    default: return L"#" + std::to_wstring(windowClass.ordinal);
    }
}

}  // namespace ResTest
