#include "PackageText.h"
#include <windows.h>

namespace {

bool ReadAll(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE;
    if (ok) {
        bytes.assign(size, '\0');
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, &bytes[0], size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

bool IsValidUtf8(const std::string& b)
{
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, b.data(), (int)b.size(), nullptr,
                               0) > 0;
}

// UTF-16LE text without a mark: the high bytes of ASCII characters are
// zero, so zero bytes sit at odd offsets far more often than at even ones.
bool LooksLikeUtf16Le(const std::string& b)
{
    size_t odd = 0, even = 0;
    for (size_t i = 0; i < b.size(); ++i)
        if (b[i] == 0)
            (i % 2 ? odd : even)++;
    return b.size() >= 2 && odd > b.size() / 8 && odd > even * 4;
}

InfoEncoding Detect(const std::string& b)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(b.data());
    if (b.empty())
        return InfoEncoding::Empty;
    if (b.size() >= 2 && u[0] == 0xFF && u[1] == 0xFE)
        return InfoEncoding::Utf16LeBom;
    if (b.size() >= 2 && u[0] == 0xFE && u[1] == 0xFF)
        return InfoEncoding::Utf16BeBom;
    if (b.size() >= 3 && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF)
        return InfoEncoding::Utf8Bom;
    if (LooksLikeUtf16Le(b))
        return InfoEncoding::Utf16LeNoBom;
    for (unsigned char c : b)
        if (c >= 0x80)
            return IsValidUtf8(b) ? InfoEncoding::Utf8 : InfoEncoding::Ansi;
    return InfoEncoding::Ansi;
}

// As the installer reads it: after a two-byte mark, little-endian units up
// to the first zero unit.
std::wstring DecodeLikeReader(const std::string& b, bool skipMark)
{
    std::wstring text;
    for (size_t i = skipMark ? 2 : 0; i + 1 < b.size() + 1; i += 2) {
        unsigned lo = (unsigned char)b[i];
        unsigned hi = i + 1 < b.size() ? (unsigned char)b[i + 1] : 0;
        wchar_t c = (wchar_t)(lo | (hi << 8));
        if (c == 0)
            break;
        text += c;
    }
    return text;
}

void Classify(InfoLine& line)
{
    const std::wstring& t = line.text;
    size_t first = t.find_first_not_of(L" \t");
    if (first != std::wstring::npos && t[first] == L'[') {
        size_t close = t.find(L']', first);
        if (close != std::wstring::npos) {
            line.isHeader = true;
            line.headerIndented = first > 0;
            line.section = t.substr(first + 1, close - first - 1);
            line.afterHeader = t.substr(close + 1);
            return;
        }
    }
    size_t eq = t.find(L'=');
    if (eq == std::wstring::npos || eq == 0)
        return;
    line.keyRaw = t.substr(0, eq);
    line.key = TrimSpaces(line.keyRaw);
    line.value = t.substr(eq + 1);
    line.isKey = !line.key.empty();
}

} // namespace

std::wstring TrimSpaces(const std::wstring& s)
{
    size_t b = s.find_first_not_of(L" \t");
    if (b == std::wstring::npos)
        return std::wstring();
    size_t e = s.find_last_not_of(L" \t");
    return s.substr(b, e - b + 1);
}

bool ReadInfoText(const std::wstring& path, InfoText& out)
{
    std::string bytes;
    if (!ReadAll(path, bytes))
        return false;
    out.encoding = Detect(bytes);
    out.lines.clear();
    if (out.encoding != InfoEncoding::Utf16LeBom && out.encoding != InfoEncoding::Utf16LeNoBom)
        return true;
    std::wstring text = DecodeLikeReader(bytes, out.encoding == InfoEncoding::Utf16LeBom);
    std::wstring owner;
    bool hasOwner = false;
    int number = 1;
    for (size_t start = 0; start <= text.size(); ++number) {
        size_t lf = text.find(L'\n', start);
        size_t end = lf == std::wstring::npos ? text.size() : lf;
        InfoLine line;
        line.number = number;
        line.text = text.substr(start, end - start);
        while (!line.text.empty() && line.text.back() == L'\r')
            line.text.pop_back();
        Classify(line);
        if (line.isHeader) {
            owner = line.section;
            hasOwner = true;
        }
        line.owner = owner;
        line.hasOwner = hasOwner;
        out.lines.push_back(line);
        if (lf == std::wstring::npos)
            break;
        start = lf + 1;
    }
    return true;
}
