// The installer's INI reader and its program-path helpers (see NelIni.h
// for the file syntax).
#include "NelIni.h"
#include "NelPath.h"

#include <climits>
#include <cwctype>
#include <memory>
#include <new>
#include <wchar.h>

namespace {

// GetModuleFileNameW reports truncation only by filling the whole buffer,
// so the buffer grows until the name fits, within a sane bound.
const int kModulePathFirstSize = 261;
const int kModulePathStep = 1024;
const int kModulePathGiveUpAbove = 60000;

// The largest file the reader accepts. A 32-bit process cannot hold more
// anyway, and the bound keeps the unit count and its byte size from
// overflowing.
const DWORD kMaxFileBytes = 0x7FFFFFF0;

// Closes a file handle on every way out of a function.
class ScopedFile {
public:
    explicit ScopedFile(HANDLE h) : m_h(h) {}
    ~ScopedFile()
    {
        if (m_h != INVALID_HANDLE_VALUE)
            CloseHandle(m_h);
    }
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

// Cuts a string at a position of its own buffer and recounts its length.
void TruncateAt(CNelStrW& s, wchar_t* at)
{
    *at = 0;
    s.ResetLen();
}

// Turns iniPath into the full path to read and checks that it exists.
BOOL ResolveIniPath(const wchar_t* iniPath, CNelStrW& resolved)
{
    CNelStrW path;
    if (!iniPath || !*iniPath) {
        // The program's own path with its extension replaced by ".ini".
        if (!NelGetModulePath(path))
            return FALSE;
        wchar_t* dot = wcsrchr(path.GetBuff(), L'.');
        if (dot)
            TruncateAt(path, dot);
        path += L".ini";
    } else if (!wcschr(iniPath, L'\\')) {
        // A bare file name refers to the program's own folder, not to the
        // current directory, which the user's shortcut may have set anywhere.
        if (!NelGetModulePath(path))
            return FALSE;
        wchar_t* slash = wcsrchr(path.GetBuff(), L'\\');
        if (!slash)
            return FALSE;
        TruncateAt(path, slash + 1);
        path += iniPath;
    } else {
        path = iniPath;
    }
    if (!NelFileExists(path.t()))
        return FALSE;
    resolved = path;
    return TRUE;
}

// Reads a whole file into a zero-filled buffer of UTF-16 units with at
// least one zero unit after the data, so the text is always terminated,
// even for an odd byte count (the last byte becomes the low byte of a final
// unit). Returns nullptr when the file cannot be opened or read, is empty,
// or does not fit in memory. The file is opened with read sharing only, so
// reading fails while someone else has it open for writing.
std::unique_ptr<wchar_t[]> ReadUtf16File(const wchar_t* path)
{
    ScopedFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        return nullptr;
    // Only the low 32 bits of the size are taken: install-info files are small.
    DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == 0 || size > kMaxFileBytes)
        return nullptr;
    // Units for the data rounded up, plus one zero unit as terminator.
    DWORD units = (size + 1) / 2 + 1;
    std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[units]());
    if (!text)
        return nullptr;
    DWORD read = 0;
    if (!ReadFile(file.Get(), text.get(), size, &read, nullptr))
        return nullptr;
    return text;
}

// Start of the text proper: after a byte-order mark of either order. Both
// are skipped and the text is read as little-endian regardless.
wchar_t* SkipByteOrderMark(wchar_t* text)
{
    // FF FE reads as U+FEFF, FE FF as U+FFFE on this little-endian platform.
    if (text[0] == 0xFEFF || text[0] == 0xFFFE)
        return text + 1;
    return text;
}

// The position of the LF before "[section]", or of the header itself when
// it opens the text; nullptr when the section is missing.
const wchar_t* FindSectionHeader(const wchar_t* text, const wchar_t* section)
{
    CNelStrW header(L"[");
    header += section;
    header += L"]";
    const wchar_t* found = wcsstr(text, header.t());
    if (!found)
        return nullptr;
    if (found == text)
        return found;
    // The first hit may lie inside some value; a real header starts a line.
    CNelStrW lineHeader(L"\n");
    lineHeader += header;
    return wcsstr(text, lineHeader.t());
}

// Finds key in section of the text and stores its value. The text is cut
// at the end of the value while it is copied and then restored, so one
// text serves many lookups.
BOOL FindValue(wchar_t* text, const wchar_t* section, const wchar_t* key, CNelStrW& value)
{
    const wchar_t* header = FindSectionHeader(text, section);
    if (!header)
        return FALSE;
    const wchar_t* sectionEnd = wcsstr(header + 1, L"\n[");
    if (!sectionEnd)
        sectionEnd = header + wcslen(header);

    CNelStrW keyLine(L"\n");
    keyLine += key;
    keyLine += L"=";
    // The first line of the key in the section wins; later ones are never seen.
    wchar_t* afterHeader = text + (header - text) + 1;
    wchar_t* keyPos = wcsstr(afterHeader, keyLine.t());
    if (!keyPos || keyPos > sectionEnd)
        return FALSE;

    // The value starts right after the matched "=", so a key that itself
    // holds "=" or LF cannot shift or invert the value's bounds.
    wchar_t* start = keyPos + keyLine.GetLength();
    wchar_t* end = wcschr(start, L'\n');
    if (!end)
        end = start + wcslen(start);
    while (start < end && *start == L'\r')
        ++start;
    while (end > start && end[-1] == L'\r')
        --end;
    const wchar_t kept = *end;
    *end = 0;
    value = start;
    *end = kept;
    return TRUE;
}

// The lookup on a path that is already resolved and known to exist.
BOOL ReadIniValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                  CNelStrW& value)
{
    std::unique_ptr<wchar_t[]> buffer = ReadUtf16File(path);
    if (!buffer)
        return FALSE;
    return FindValue(SkipByteOrderMark(buffer.get()), section, key, value);
}

// Decimal text to int by the string class's number rule (the rule of the
// CRT's _wtoi): leading white space, an optional sign, then digits up to
// the first other character; no digits give 0. Out-of-range values are
// clamped to the int range instead of overflowing.
int DecimalToInt(const wchar_t* s)
{
    if (!s)
        return 0;
    while (iswspace(*s))
        ++s;
    bool negative = false;
    if (*s == L'-' || *s == L'+') {
        negative = *s == L'-';
        ++s;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; *s >= L'0' && *s <= L'9'; ++s) {
        magnitude = magnitude * 10 + (*s - L'0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace

int NelGetModulePath(CNelStrW& path)
{
    for (int size = kModulePathFirstSize;; size += kModulePathStep) {
        CNelStrW name;
        name.SetBuffSize(size);
        DWORD length = GetModuleFileNameW(nullptr, name.GetBuff(), static_cast<DWORD>(size));
        if (length == 0)
            return 0;
        if (length < static_cast<DWORD>(size)) {
            name.ResetLen();
            path = name;
            return path.GetLength();
        }
        // A full buffer means the name was cut short: try a larger one.
        if (size > kModulePathGiveUpAbove)
            return 0;
    }
}

int NelGetModuleDir(CNelStrW& dir)
{
    CNelStrW path;
    if (!NelGetModulePath(path))
        return 0;
    wchar_t* slash = wcsrchr(path.GetBuff(), L'\\');
    if (!slash)
        return 0;
    TruncateAt(path, slash);
    dir = path;
    return dir.GetLength();
}

BOOL NelIniGetStr(const wchar_t* section, const wchar_t* key, CNelStrW& value,
                  const wchar_t* iniPath)
{
    if (!section || !key)
        return FALSE;
    CNelStrW path;
    if (!ResolveIniPath(iniPath, path))
        return FALSE;
    return ReadIniValue(path.t(), section, key, value);
}

CNelIniFile::CNelIniFile(const wchar_t* iniPath)
{
    CNelStrW path;
    if (ResolveIniPath(iniPath, path))
        m_text = ReadUtf16File(path.t());
}

BOOL CNelIniFile::GetStr(const wchar_t* section, const wchar_t* key, CNelStrW& value) const
{
    if (!m_text || !section || !key)
        return FALSE;
    return FindValue(SkipByteOrderMark(m_text.get()), section, key, value);
}

int NelIniGetInt(const wchar_t* section, const wchar_t* key, int defaultValue,
                 const wchar_t* iniPath)
{
    CNelStrW text;
    if (!NelIniGetStr(section, key, text, iniPath))
        return defaultValue;
    return DecimalToInt(text.t());
}
