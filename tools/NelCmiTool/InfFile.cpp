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

std::wstring Decode(const std::string& b)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(b.data());
    if (b.size() >= 2 && u[0] == 0xFF && u[1] == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t*>(b.data() + 2), (b.size() - 2) / 2);
    if (b.size() >= 2 && u[0] == 0xFE && u[1] == 0xFF) {
        std::wstring text;
        for (size_t i = 2; i + 1 < b.size(); i += 2)
            text += (wchar_t)((u[i] << 8) | u[i + 1]);
        return text;
    }
    UINT codePage = CP_ACP;
    size_t skip = 0;
    if (b.size() >= 3 && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF) {
        codePage = CP_UTF8;
        skip = 3;
    }
    int n = MultiByteToWideChar(codePage, 0, b.data() + skip, (int)(b.size() - skip), nullptr, 0);
    std::wstring text(n, L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, b.data() + skip, (int)(b.size() - skip), &text[0], n);
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

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH];
    UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : L"";
}

} // namespace

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

std::vector<std::wstring> SplitInfFields(const std::wstring& text)
{
    std::vector<std::wstring> fields;
    std::wstring field;
    bool quoted = false, wasQuoted = false;
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
            field += c;
        }
    }
    finish();
    return fields;
}

bool InfFile::Load(const std::wstring& path)
{
    std::string bytes;
    if (!ReadBytes(path, bytes))
        return false;
    std::wstring text = Decode(bytes);
    m_sections.clear();
    Sec* current = nullptr;
    for (size_t start = 0; start < text.size();) {
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
            m_sections.push_back({TrimSpaces(line.substr(1, close == std::wstring::npos
                                                                ? std::wstring::npos
                                                                : close - 1)),
                                  {}});
            current = &m_sections.back();
            continue;
        }
        if (!current)
            continue;
        InfLine parsed;
        size_t eq = FindEquals(line);
        if (eq != std::wstring::npos) {
            std::vector<std::wstring> key = SplitInfFields(line.substr(0, eq));
            parsed.key = key.empty() ? L"" : key[0];
            parsed.fields = SplitInfFields(line.substr(eq + 1));
        } else {
            parsed.fields = SplitInfFields(line);
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
