#include "InfFile.h"
#include <windows.h>
#include "PackageText.h"

namespace {

bool ReadBytes(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    bytes.assign(size == INVALID_FILE_SIZE ? 0 : size, '\0');
    DWORD read = 0;
    bool ok = bytes.empty() || (ReadFile(file, &bytes[0], size, &read, nullptr) && read == size);
    CloseHandle(file);
    return ok;
}

bool IsValidUtf8(const std::string& b, size_t skip)
{
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, b.data() + skip,
                               (int)(b.size() - skip), nullptr, 0) > 0;
}

bool HasHighBytes(const std::string& b)
{
    for (unsigned char c : b)
        if (c >= 0x80)
            return true;
    return false;
}

std::wstring Decode(const std::string& b, unsigned codePage, InfDecoding& how)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(b.data());
    how = InfDecoding();
    if (b.size() >= 2 && u[0] == 0xFF && u[1] == 0xFE) {
        how.codePage = 1200;
        return std::wstring(reinterpret_cast<const wchar_t*>(b.data() + 2), (b.size() - 2) / 2);
    }
    if (b.size() >= 2 && u[0] == 0xFE && u[1] == 0xFF) {
        how.codePage = 1201;
        std::wstring text;
        for (size_t i = 2; i + 1 < b.size(); i += 2)
            text += (wchar_t)((u[i] << 8) | u[i + 1]);
        return text;
    }
    size_t skip = 0;
    if (b.size() >= 3 && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF) {
        how.codePage = CP_UTF8;
        skip = 3;
    } else if (codePage) {
        how.codePage = codePage;
    } else if (HasHighBytes(b) && IsValidUtf8(b, 0)) {
        how.codePage = CP_UTF8;
    } else {
        // What setupapi assumes for a file without a mark.
        how.codePage = GetACP();
        how.guessed = HasHighBytes(b);
    }
    int n = MultiByteToWideChar(how.codePage, 0, b.data() + skip, (int)(b.size() - skip), nullptr, 0);
    std::wstring text(n, L'\0');
    if (n > 0)
        MultiByteToWideChar(how.codePage, 0, b.data() + skip, (int)(b.size() - skip), &text[0], n);
    return text;
}

// The position of the first "=" outside quotes, or npos.
size_t FindEquals(const std::wstring& line)
{
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == L'"')
            quoted = !quoted;
        else if (!quoted && line[i] == L';')
            return std::wstring::npos;
        else if (!quoted && line[i] == L'=')
            return i;
    }
    return std::wstring::npos;
}

} // namespace

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH];
    UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : L"";
}

std::wstring WindowsFolder()
{
    wchar_t buffer[MAX_PATH];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : L"";
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), (int)a.size(), b.c_str(),
                          (int)b.size()) == CSTR_EQUAL;
}

std::vector<std::wstring> SplitInfFields(const std::wstring& text, bool* irregular)
{
    std::vector<std::wstring> fields;
    std::wstring field;
    bool quoted = false, wasQuoted = false, broken = false;
    auto finish = [&]() {
        fields.push_back(wasQuoted ? field : TrimSpaces(field));
        field.clear();
        wasQuoted = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == L'"') {
                field += L'"';
                ++i;
            } else {
                // A quote that opens after other text of the field, or a
                // second quoted part, glues pieces together.
                if (!quoted && (wasQuoted || !TrimSpaces(field).empty()))
                    broken = true;
                if (!quoted && !wasQuoted)
                    field = TrimSpaces(field);
                quoted = !quoted;
                wasQuoted = true;
            }
        } else if (!quoted && c == L';') {
            break;
        } else if (!quoted && c == L',') {
            finish();
        } else if (quoted || !(wasQuoted && (c == L' ' || c == L'\t'))) {
            if (!quoted && wasQuoted)
                broken = true;  // text after the closing quote
            field += c;
        }
    }
    if (quoted)
        broken = true;  // the quote runs to the end of the line
    finish();
    if (irregular)
        *irregular = broken;
    return fields;
}

bool InfFile::Load(const std::wstring& path, unsigned codePage)
{
    std::string bytes;
    if (!ReadBytes(path, bytes))
        return false;
    std::wstring text = Decode(bytes, codePage, m_decoding);
    m_sections.clear();
    Sec* current = nullptr;
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        ++number;
        size_t lf = text.find(L'\n', start);
        size_t end = lf == std::wstring::npos ? text.size() : lf;
        std::wstring line = TrimSpaces(text.substr(start, end - start));
        while (!line.empty() && line.back() == L'\r')
            line = TrimSpaces(line.substr(0, line.size() - 1));
        start = end + 1;
        if (line.empty() || line[0] == L';')
            continue;
        if (line[0] == L'[') {
            size_t close = line.find(L']');
            std::wstring name = TrimSpaces(
                line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
            // Sections of the same name read as one, as setupapi merges them.
            current = nullptr;
            for (Sec& s : m_sections)
                if (EqualNoCase(s.name, name))
                    current = &s;
            if (!current) {
                m_sections.push_back({name, {}});
                current = &m_sections.back();
            }
            continue;
        }
        if (!current)
            continue;
        InfLine parsed;
        parsed.number = number;
        parsed.text = line;
        size_t eq = FindEquals(line);
        if (eq != std::wstring::npos) {
            std::vector<std::wstring> key = SplitInfFields(line.substr(0, eq));
            parsed.key = key.empty() ? L"" : key[0];
            parsed.fields = SplitInfFields(line.substr(eq + 1), &parsed.irregularQuotes);
        } else {
            parsed.fields = SplitInfFields(line, &parsed.irregularQuotes);
        }
        current->lines.push_back(parsed);
    }
    return true;
}

const std::vector<InfLine>* InfFile::Section(const std::wstring& name) const
{
    for (const Sec& s : m_sections)
        if (EqualNoCase(s.name, name))
            return &s.lines;
    return nullptr;
}

std::wstring InfFile::Value(const std::wstring& section, const std::wstring& key) const
{
    if (const std::vector<InfLine>* lines = Section(section))
        for (const InfLine& line : *lines)
            if (EqualNoCase(line.key, key) && !line.fields.empty())
                return line.fields[0];
    return std::wstring();
}

std::wstring InfFile::Substitute(const std::wstring& text) const
{
    std::wstring out;
    for (size_t i = 0; i < text.size();) {
        size_t close = text[i] == L'%' ? text.find(L'%', i + 1) : std::wstring::npos;
        if (close == std::wstring::npos) {
            out += text[i++];
            continue;
        }
        std::wstring name = text.substr(i + 1, close - i - 1);
        std::wstring value;
        bool known = true;
        if (name.empty())
            value = L"%";
        else if (name == L"10")
            value = WindowsFolder();
        else if (name == L"11")
            value = SystemFolder();
        else if (Section(L"Strings") && !Value(L"Strings", name).empty())
            value = Value(L"Strings", name);
        else
            known = false;
        if (known) {
            out += value;
            i = close + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}
