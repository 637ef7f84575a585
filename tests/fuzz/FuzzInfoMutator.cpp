#include "FuzzInfoMutator.h"
#include <windows.h>
#include <cwctype>
#include "CheckPackage.h"
#include "CursorRoles.h"
#include "InfoSchema.h"
#include "ToolRun.h"
#include "TestFiles.h"

namespace Fuzz {

namespace {

const wchar_t* Pick(Random& r, std::initializer_list<const wchar_t*> list)
{
    return list.begin()[r.Below((uint32_t)list.size())];
}

std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        size_t lf = text.find(L'\n', start);
        std::wstring line = text.substr(start, lf == std::wstring::npos ? std::wstring::npos : lf - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(line);
        if (lf == std::wstring::npos)
            return lines;
        start = lf + 1;
    }
}

std::wstring JoinLines(const std::vector<std::wstring>& lines, Random& r)
{
    const uint32_t style = r.Below(10);
    std::wstring out;
    for (size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (i + 1 == lines.size() && r.Below(3) == 0)
            break;  // no line end after the last line
        const uint32_t s = style < 7 ? 0 : style < 9 ? style - 6 : r.Below(3);
        out += s == 0 ? L"\r\n" : s == 1 ? L"\n" : L"\r\r\n";
    }
    return out;
}

size_t FindHeader(const std::vector<std::wstring>& lines, const std::wstring& section)
{
    const std::wstring header = L"[" + section + L"]";
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == header)
            return i;
    return std::wstring::npos;
}

// Sets key=value in [section] (first line of the key), adding both if missing.
void SetKey(std::vector<std::wstring>& lines, const std::wstring& section, const std::wstring& key,
            const std::wstring& value)
{
    size_t at = FindHeader(lines, section);
    if (at == std::wstring::npos) {
        lines.push_back(L"[" + section + L"]");
        lines.push_back(key + L"=" + value);
        return;
    }
    for (size_t i = at + 1; i < lines.size() && (lines[i].empty() || lines[i][0] != L'['); ++i) {
        if (lines[i].compare(0, key.size() + 1, key + L"=") == 0) {
            lines[i] = key + L"=" + value;
            return;
        }
    }
    lines.insert(lines.begin() + at + 1, key + L"=" + value);
}

std::wstring RoleKey(Random& r)
{
    std::wstring key = kCursorRoles[r.Below(kCursorRoleCount)].keyTemplate;
    key.replace(key.find(L"|no|"), 4, r.Below(2) ? L"1" : L"2");
    return key;
}

// A value of the kind the key holds, or anything.
std::wstring ValueFor(const SchemaKey& k, Random& r)
{
    if (r.Below(4) == 0)
        return HostileText(r);
    if (k.registryPath)
        return HostileRegPath(r);
    if (k.section == L"DesignList" || k.key == L"ProductIcon" || k.key == L"MesIcon" ||
        k.key == L"CurIcon")
        return HostileFileName(r) + (r.Below(2) ? L"," + HostileNumber(r) : L"");
    if (k.key == L"NelCMIFileVer" || k.key == L"Version" || k.key == L"ChangeDN")
        return HostileNumber(r);
    if (k.key == L"Use" || k.key == L"HideLocation" || k.key == L"Location" ||
        k.key == L"SaveInstallData")
        return Pick(r, {L"Yes", L"yes", L"YES ", L" No ", L"no", L"All", L"all", L"", L"Y"});
    return HostileText(r, 120);
}

void MutateKeyValue(std::vector<std::wstring>& lines, Random& r)
{
    const std::vector<SchemaKey>& keys = SchemaKeys();
    const SchemaKey& k = keys[r.Below((uint32_t)keys.size())];
    SetKey(lines, k.section, k.key, ValueFor(k, r));
}

void MutateNumberedKeys(std::vector<std::wstring>& lines, Random& r)
{
    if (r.Below(2)) {
        const uint32_t count = Skewed(r, 1, 60);
        const uint32_t gap = r.Below(4) == 0 ? r.Below(count + 1) : 0xFFFFFFFF;
        for (uint32_t n = 0; n < count; ++n) {
            if (n == gap)
                continue;
            std::wstring key = r.Below(20) == 0 ? L"File0" + std::to_wstring(n) : FileKeyName((int)n);
            SetKey(lines, L"InstallFiles", key, r.Below(3) ? HostileFileName(r) : L"arrow.cur");
        }
    } else {
        for (uint32_t n = 1 + r.Below(17); n; --n)
            SetKey(lines, L"DesignList", RoleKey(r), r.Below(3) ? HostileFileName(r) : L"arrow.ani");
    }
}

void MutateMacros(std::vector<std::wstring>& lines, Random& r)
{
    const uint32_t count = Skewed(r, 1, 200);
    for (uint32_t i = 0; i < count; ++i) {
        std::wstring value;
        switch (r.Below(5)) {
        case 0: value = L"%M" + std::to_wstring(i + 1) + L"%"; break;           // a chain
        case 1: value = L"%M" + std::to_wstring(i) + L"%x%M0%"; break;          // a cycle
        case 2: value = L""; break;
        default: value = HostileText(r, 60);
        }
        SetKey(lines, L"Strings", L"M" + std::to_wstring(i), value);
    }
    const std::vector<SchemaKey>& keys = SchemaKeys();
    for (uint32_t n = 1 + r.Below(4); n; --n) {
        const SchemaKey& k = keys[r.Below((uint32_t)keys.size())];
        SetKey(lines, k.section, k.key, L"a%M" + std::to_wstring(r.Below(count + 2)) + L"%b" + HostileText(r, 20));
    }
}

void MutateLines(std::vector<std::wstring>& lines, Random& r)
{
    if (lines.empty())
        lines.push_back(L"");
    const size_t at = r.Below((uint32_t)lines.size());
    std::wstring& line = lines[at];
    switch (r.Below(12)) {
    case 0: lines.erase(lines.begin() + at); break;
    case 1: lines.insert(lines.begin() + r.Below((uint32_t)lines.size()), line); break;
    case 2: std::swap(line, lines[r.Below((uint32_t)lines.size())]); break;
    case 3: line = L" " + line; break;                                   // indented
    case 4: {                                                            // space before "="
        size_t eq = line.find(L'=');
        if (eq != std::wstring::npos)
            line.insert(eq, L" ");
        break;
    }
    case 5:                                                              // letter case
        for (wchar_t& c : line)
            if (r.Below(4) == 0)
                c = (wchar_t)(iswupper(c) ? towlower(c) : towupper(c));
        break;
    case 6: line.erase(r.Below((uint32_t)line.size() + 1)); break;       // cut
    case 7:                                                              // two lines in one
        if (at + 1 < lines.size()) {
            line += lines[at + 1];
            lines.erase(lines.begin() + at + 1);
        }
        break;
    case 8: line.insert(r.Below((uint32_t)line.size() + 1), HostileText(r, 30)); break;
    case 9: lines.insert(lines.begin() + at, Pick(r, {L"[CurInfo]", L"[MainDlg]", L"[Strings]",
        L"[InstallFiles]", L"[DesignList]", L"[EndDlg]", L"[NelvoInfo]", L"[curinfo]", L"[ MainDlg]",
        L"[MainDlg", L"[]", L"[", L"[MainDlg]x=y", L"; remark", L""})); break;
    case 10: line = line.substr(0, line.find(L'=')) + L"=" + HostileText(r, 200); break;
    default: line = HostileText(r, 80); break;
    }
}

std::wstring DecodeSeedBytes(const std::string& bytes)
{
    std::wstring text;
    size_t i = bytes.size() >= 2 && (unsigned char)bytes[0] == 0xFF && (unsigned char)bytes[1] == 0xFE ? 2 : 0;
    for (; i + 1 < bytes.size(); i += 2)
        text += (wchar_t)((unsigned char)bytes[i] | ((unsigned char)bytes[i + 1] << 8));
    return text;
}

} // namespace

std::wstring HostileFileName(Random& r)
{
    switch (r.Below(8)) {
    case 0: return Pick(r, {L"..\\escaped.cur", L"..\\..\\..\\windows\\win.ini", L"sub\\..\\..\\x.cur",
        L"C:\\windows\\win.ini", L"\\\\?\\C:\\x.cur", L"/../x.cur", L"..", L".", L"\\", L"/x.cur",
        L"sub/../../x.cur", L"x.cur:stream", L"a\\.. \\x.cur", L"...\\x.cur", L"a\\...\\..\\x.cur",
        L"..\t\\x.cur", L"sub\\\\..\\..\\x.cur", L"CON", L"nul.cur", L"a*.cur", L"?.cur", L"a,b.cur"});
    case 1: return L"sub\\" + HostileFileName(r);
    case 2: return HostileText(r, 40);
    default: return Pick(r, {L"arrow.cur", L"busy.ani", L"working.ani", L"help.cur", L"hand.cur",
        L"sub\\arrow.cur", L"Arrow.CUR", L"missing.cur", L"pin.ani", L"\x3042.cur"});
    }
}

std::wstring HostileRegPath(Random& r)
{
    std::wstring path = Pick(r, {L"HKEY_CURRENT_USER", L"HKEY_LOCAL_MACHINE", L"HKEY_CLASSES_ROOT",
        L"HKEY_USERS", L"HKEY_CURRENT_CONFIG", L"HKEY_DYN_DATA", L"hkey_current_user", L"HKCU",
        L"HKEY_CURRENT_USERX", L"", L"\\", L"HKEY_PERFORMANCE_DATA"});
    for (uint32_t n = Skewed(r, 0, 40); n; --n)
        path += L"\\" + std::wstring(Pick(r, {L"Software", L"NelFuzz", L"", L"%NULL%", L"%null%",
            L"Control Panel", L"Cursors", L"%CurName%", L"..", L"x y", L"\x3042"}));
    if (r.Below(3) == 0)
        path += HostileText(r, 30);
    return path;
}

std::wstring HostileNumber(Random& r)
{
    return Pick(r, {L"-1", L"0", L"100", L"101", L"99", L"2147483647", L"2147483648", L"-2147483648",
        L"-2147483649", L"99999999999999999999", L"0x7FFFFFFF", L" 2", L"\t\t+7", L"2a", L"", L" ",
        L"-", L"+", L"1.5", L"1e3", L"\xFF11\xFF10\xFF10", L"4294967296", L"-0", L"00000000000101"});
}

const std::vector<std::wstring>& InfoSeeds()
{
    static std::vector<std::wstring> seeds;
    if (seeds.empty()) {
        for (const wchar_t* file : {L"samples\\DemoSet\\DemoSet.nelcmi", L"docs\\examples\\minimal.nelcmi",
                                    L"docs\\examples\\macros.nelcmi", L"docs\\examples\\two-designs.nelcmi"}) {
            const std::wstring path = SourceFile(file);
            const std::string bytes = path.empty() ? std::string() : CmiTest::ReadAllBytes(path);
            if (!bytes.empty())
                seeds.push_back(DecodeSeedBytes(bytes));
        }
        seeds.push_back(CmiTest::CleanInfoText());
    }
    return seeds;
}

std::wstring MutateInfoText(Random& r)
{
    const std::vector<std::wstring>& seeds = InfoSeeds();
    std::vector<std::wstring> lines = SplitLines(seeds[r.Below((uint32_t)seeds.size())]);
    for (uint32_t n = 1 + Skewed(r, 0, 6); n; --n) {
        switch (r.Below(10)) {
        case 0: case 1: case 2: MutateKeyValue(lines, r); break;
        case 3: case 4: MutateNumberedKeys(lines, r); break;
        case 5: MutateMacros(lines, r); break;
        default: MutateLines(lines, r); break;
        }
    }
    return JoinLines(lines, r);
}

std::string EncodeInfo(const std::wstring& text, Random& r)
{
    const uint32_t form = r.Below(100);
    if (form < 85)
        return CmiTest::Utf16Le(text, true);
    if (form < 90)
        return CmiTest::Utf16Le(text, false);
    if (form < 93)
        return "\xFE\xFF" + CmiTest::Utf16Le(text, false);  // read as little-endian anyway
    if (form < 96)
        return CmiTest::Utf16Be(text);
    if (form < 98)
        return CmiTest::Utf8(text, r.Below(2) != 0);
    return CmiTest::CodePage(text, 932);
}

std::string MutateBytes(std::string bytes, Random& r)
{
    for (uint32_t n = 1 + Skewed(r, 0, 8); n; --n) {
        const uint32_t size = (uint32_t)bytes.size();
        const uint32_t at = r.Below(size + 1);
        switch (r.Below(8)) {
        case 0: if (at < size) bytes[at] = (char)(bytes[at] ^ (1 << r.Below(8))); break;
        case 1: if (at < size) bytes[at] = (char)r.Below(256); break;
        case 2: bytes.insert(at & ~1u, std::string(2, '\0')); break;       // a zero unit
        case 3: bytes.insert(at, 1, (char)r.Below(256)); break;            // odd from here on
        case 4: bytes.resize(at); break;                                   // cut
        case 5: bytes.insert(at, bytes.substr(r.Below(size + 1), Skewed(r, 0, 4000))); break;
        case 6: bytes.erase(at, Skewed(r, 0, 400)); break;
        default: bytes += (char)r.Below(256); break;                       // odd length
        }
    }
    return bytes;
}

std::string MakeInfoFile(Random& r)
{
    std::string bytes = EncodeInfo(MutateInfoText(r), r);
    // Now and then the robustness run's kinds of damage instead (huge
    // values, floods of keys, deep macro chains): large and slow to read.
    if (r.Below(64) == 0)
        return Robust::Mutate(std::string("\xFF\xFE", 2) + bytes.substr(2), r.Next(), (int)r.Below(1000)).bytes;
    if (r.Below(3) == 0)
        bytes = MutateBytes(bytes, r);
    return bytes;
}

} // namespace Fuzz
