#include "RobustMutator.h"
#include <vector>

namespace Robust {

namespace {

typedef std::vector<std::wstring> Lines;

Lines SplitLines(const std::string& bytes)
{
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += (wchar_t)((unsigned char)bytes[i] | ((unsigned char)bytes[i + 1] << 8));
    Lines lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos)
            return lines;
        start = end + 2;
    }
}

std::string ToBytes(const Lines& lines)
{
    std::string out("\xFF\xFE", 2);
    for (size_t i = 0; i < lines.size(); ++i)
        out += Utf16Bytes(lines[i] + (i + 1 < lines.size() ? L"\r\n" : L""));
    return out;
}

// Sets key=value in [section], adding the key (and the section) if missing.
void SetKey(Lines& lines, const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    const std::wstring header = L"[" + section + L"]";
    size_t at = 0;
    while (at < lines.size() && lines[at] != header)
        ++at;
    if (at == lines.size()) {
        lines.push_back(header);
        lines.push_back(key + L"=" + value);
        return;
    }
    size_t i = at + 1;
    for (; i < lines.size() && (lines[i].empty() || lines[i][0] != L'['); ++i) {
        if (lines[i].compare(0, key.size() + 1, key + L"=") == 0) {
            lines[i] = key + L"=" + value;
            return;
        }
    }
    lines.insert(lines.begin() + at + 1, key + L"=" + value);
}

// The keys of the demo file that the installer reads, by section.
struct Key {
    const wchar_t* section;
    const wchar_t* name;
};
const Key kKeys[] = {
    {L"CurInfo", L"MutexName"},       {L"CurInfo", L"CurName"},         {L"CurInfo", L"ProductName"},
    {L"CurInfo", L"Version"},         {L"CurInfo", L"ProductIcon"},     {L"CurInfo", L"Homepage"},
    {L"MainDlg", L"DlgTitle"},        {L"MainDlg", L"Mes"},             {L"MainDlg", L"MesIcon"},
    {L"MainDlg", L"CurIcon"},         {L"MainDlg", L"DN1CurName"},      {L"MainDlg", L"DN2CurName"},
    {L"MainDlg", L"DefInstallFolder"}, {L"MainDlg", L"InstallFolderKey"}, {L"MainDlg", L"DesignName1Key"},
    {L"MainDlg", L"SaveInstallData"}, {L"MainDlg", L"Help_OK"},         {L"EndDlg", L"Mes"},
    {L"EndDlg", L"ChangeDN"},         {L"InstallFiles", L"File0"},      {L"InstallFiles", L"File14"},
    {L"DesignList", L"DN1_Arrow"},    {L"DesignList", L"DN2_Wait"},     {L"NelvoInfo", L"NelCMIFileVer"},
};
const size_t kKeyCount = sizeof(kKeys) / sizeof(kKeys[0]);

const Key& AnyKey(Random& r) { return kKeys[r.Below((uint32_t)kKeyCount)]; }

std::string Truncated(const std::string& base, Random& r)
{
    return base.substr(0, r.Below((uint32_t)base.size()));
}

std::string OddLength(const std::string& base, Random& r)
{
    if (r.Below(2))
        return base + (char)r.Below(256);
    size_t cut = r.Below((uint32_t)base.size() / 2) * 2 + 1;
    return base.substr(0, cut);
}

std::string RandomBytes(const std::string& base, Random& r)
{
    std::string out = base;
    for (uint32_t n = 1 + r.Below(64); n; --n)
        out[r.Below((uint32_t)out.size())] = (char)r.Below(256);
    return out;
}

std::string RandomFile(const std::string&, Random& r)
{
    std::string out = r.Below(2) ? std::string("\xFF\xFE", 2) : std::string();
    for (uint32_t n = r.Below(4096); n; --n)
        out += (char)r.Below(256);
    return out;
}

std::string HugeValue(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const Key& key = AnyKey(r);
    const wchar_t pieces[] = L"a%\\ .あ,0\t";
    std::wstring value;
    for (uint32_t n = 60000 + r.Below(240000); n; --n)
        value += pieces[r.Below(sizeof(pieces) / sizeof(pieces[0]) - 1)];
    SetKey(lines, key.section, key.name, value);
    return ToBytes(lines);
}

std::string ThousandsOfKeys(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const uint32_t count = 3000 + r.Below(5000);
    if (r.Below(2)) {
        // Numbered file keys far past the demo's, naming files that are not there.
        for (uint32_t i = 30; i < 30 + count; ++i)
            SetKey(lines, L"InstallFiles", L"File" + std::to_wstring(i), L"missing" + std::to_wstring(i) + L".cur");
    } else {
        const wchar_t* sections[] = {L"CurInfo", L"MainDlg", L"Strings", L"DesignList"};
        const std::wstring section = sections[r.Below(4)];
        for (uint32_t i = 0; i < count; ++i)
            lines.push_back(L"Key" + std::to_wstring(i) + L"=%Key" + std::to_wstring(i + 1) + L"%");
        lines.insert(lines.end() - count, L"[" + section + L"]");
    }
    return ToBytes(lines);
}

std::string DeepMacroChain(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const uint32_t depth = 50 + r.Below(3000);
    for (uint32_t i = 0; i < depth; ++i)
        SetKey(lines, L"Strings", L"M" + std::to_wstring(i), L"x%M" + std::to_wstring(i + 1) + L"%x");
    // The last link ends the chain, or closes it into a cycle.
    SetKey(lines, L"Strings", L"M" + std::to_wstring(depth), r.Below(2) ? L"end" : L"%M0%%M0%");
    const Key& key = AnyKey(r);
    SetKey(lines, key.section, key.name, L"%M0%");
    SetKey(lines, L"CurInfo", L"CurName", L"%M0%");
    return ToBytes(lines);
}

std::wstring ForbiddenName(Random& r)
{
    std::wstring name = L"a\\b/c:d*e?f\"g<h>i|j";
    for (wchar_t c = 1; c < 32; ++c)
        if (r.Below(3) == 0)
            name += c;
    if (r.Below(2))
        name += L"\xD800 \xFFFF";
    if (r.Below(2))
        name += L" .";
    return name;
}

std::string ForbiddenCharacters(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const Key targets[] = {{L"CurInfo", L"CurName"},        {L"MainDlg", L"DN1CurName"},
                           {L"MainDlg", L"DN2CurName"},     {L"InstallFiles", L"File3"},
                           {L"DesignList", L"DN1_Arrow"},   {L"CurInfo", L"MutexName"},
                           {L"MainDlg", L"DefInstallFolder"}, {L"MainDlg", L"InstallFolderKey"}};
    for (const Key& key : targets)
        if (r.Below(2))
            SetKey(lines, key.section, key.name, ForbiddenName(r));
    SetKey(lines, L"CurInfo", L"CurName", ForbiddenName(r));
    return ToBytes(lines);
}

std::string TraversalNames(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const wchar_t* names[] = {L"..\\..\\..\\windows\\win.ini", L"..\\escaped.cur", L"..\\..\\..\\escaped.cur",
                              L"sub\\..\\..\\escaped.cur", L"C:\\windows\\win.ini", L"\\\\?\\C:\\escaped.cur",
                              L"/../escaped.cur", L"..", L".", L"\\"};
    const uint32_t count = sizeof(names) / sizeof(names[0]);
    SetKey(lines, L"InstallFiles", L"File" + std::to_wstring(r.Below(30)), names[r.Below(count)]);
    if (r.Below(2))
        SetKey(lines, L"DesignList", L"DN1_Arrow", names[r.Below(count)]);
    if (r.Below(2))
        SetKey(lines, L"CurInfo", L"CurName", L"..\\..\\..\\Windows");
    if (r.Below(3) == 0)
        SetKey(lines, L"MainDlg", L"DefInstallFolder", L"%WINDIR%\\Cursors\\..\\..\\escaped");
    if (r.Below(3) == 0)
        SetKey(lines, L"CurInfo", L"ProductIcon", names[r.Below(count)]);
    return ToBytes(lines);
}

std::string ShuffledLines(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    for (uint32_t n = 1 + r.Below(20); n && !lines.empty(); --n) {
        const size_t at = r.Below((uint32_t)lines.size());
        switch (r.Below(3)) {
        case 0:
            lines.erase(lines.begin() + at);
            break;
        case 1:
            lines.insert(lines.begin() + r.Below((uint32_t)lines.size()), lines[at]);
            break;
        default:
            std::swap(lines[at], lines[r.Below((uint32_t)lines.size())]);
        }
    }
    return ToBytes(lines);
}

std::string BadNumbers(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    const wchar_t* numbers[] = {L"-1", L"0", L"99999999999999999999", L"-2147483649", L"0x7FFFFFFF",
                                L"3", L"", L" 2", L"2a", L"4294967296"};
    const uint32_t count = sizeof(numbers) / sizeof(numbers[0]);
    SetKey(lines, L"EndDlg", L"ChangeDN", numbers[r.Below(count)]);
    SetKey(lines, L"CurInfo", L"Version", numbers[r.Below(count)]);
    SetKey(lines, L"NelvoInfo", L"NelCMIFileVer", numbers[r.Below(count)]);
    SetKey(lines, L"MainDlg", L"MesIcon", std::wstring(L"busy.ani,") + numbers[r.Below(count)]);
    return ToBytes(lines);
}

std::string EmptyValues(const std::string& base, Random& r)
{
    Lines lines = SplitLines(base);
    for (uint32_t n = 1 + r.Below(8); n; --n) {
        const Key& key = AnyKey(r);
        SetKey(lines, key.section, key.name, L"");
    }
    return ToBytes(lines);
}

struct Kind {
    const char* name;
    std::string (*make)(const std::string&, Random&);
};
const Kind kKinds[] = {
    {"truncated", Truncated},       {"odd length", OddLength},
    {"random bytes", RandomBytes},  {"random file", RandomFile},
    {"huge value", HugeValue},      {"thousands of keys", ThousandsOfKeys},
    {"deep macro chain", DeepMacroChain}, {"forbidden characters", ForbiddenCharacters},
    {"traversal names", TraversalNames},  {"shuffled lines", ShuffledLines},
    {"bad numbers", BadNumbers},    {"empty values", EmptyValues},
};

} // namespace

std::string Utf16Bytes(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes += (char)(c & 0xFF);
        bytes += (char)((c >> 8) & 0xFF);
    }
    return bytes;
}

int Kinds() { return (int)(sizeof(kKinds) / sizeof(kKinds[0])); }

Mutation Mutate(const std::string& base, uint32_t seed, int index)
{
    Random r(seed * 7919u + (uint32_t)index);
    const Kind& kind = kKinds[index % Kinds()];
    Mutation m;
    m.kind = kind.name;
    m.bytes = base.size() < 4 ? base : kind.make(base, r);
    return m;
}

} // namespace Robust
