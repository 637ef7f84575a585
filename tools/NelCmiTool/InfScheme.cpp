#include "InfScheme.h"
#include <windows.h>

namespace {

const wchar_t kCursorsKey[] = L"Control Panel\\Cursors";
const wchar_t kSchemesKey[] = L"Control Panel\\Cursors\\Schemes";

// Section names listed in one directive of the install section
// ("CopyFiles = A, B"); "@file" entries name a single file.
std::vector<std::wstring> Directive(const InfFile& inf, const std::wstring& section,
                                    const std::wstring& key)
{
    std::vector<std::wstring> names;
    if (const std::vector<InfLine>* lines = inf.Section(section))
        for (const InfLine& line : *lines)
            if (EqualNoCase(line.key, key))
                for (const std::wstring& f : line.fields)
                    if (!f.empty())
                        names.push_back(f);
    return names;
}

std::wstring InstallSection(const InfFile& inf)
{
    for (const wchar_t* name : {L"DefaultInstall", L"DefaultInstall.NT", L"DefaultInstall.NTx86",
                                L"DefaultInstall.NTamd64"})
        if (inf.Section(name))
            return name;
    return L"DefaultInstall";
}

bool IsUserRoot(const std::wstring& root)
{
    return EqualNoCase(root, L"HKCU") || EqualNoCase(root, L"HKEY_CURRENT_USER");
}

void ReadSchemeLine(const InfFile& inf, const InfLine& line, InfScheme& out)
{
    const std::vector<std::wstring>& f = line.fields;
    out.line = &line;
    out.name = inf.Substitute(f[2]);
    out.flags = f[3];
    // An unquoted scheme string was split at its commas as well; setupapi
    // would keep only its first field. Empty fields after it are trailing
    // commas and harmless.
    size_t last = f.size();
    while (last > 5 && f[last - 1].empty())
        --last;
    out.brokenQuotes = line.irregularQuotes || last > 5;
    std::wstring value;
    for (size_t i = 4; i < last; ++i)
        value += (i > 4 ? L"," : L"") + f[i];
    out.rawFields.clear();
    out.fields.clear();
    for (size_t start = 0;;) {
        size_t comma = value.find(L',', start);
        std::wstring raw = value.substr(start, comma == std::wstring::npos ? comma : comma - start);
        out.rawFields.push_back(raw);
        out.fields.push_back(inf.Substitute(raw));
        if (comma == std::wstring::npos)
            break;
        start = comma + 1;
    }
}

// Finds the scheme line; notes whether the same sections also set the
// current pointers (HKCU "Control Panel\Cursors" itself).
bool ReadRegistryLines(const InfFile& inf, const std::vector<std::wstring>& regSections,
                       InfScheme& out)
{
    bool found = false;
    for (const std::wstring& section : regSections) {
        const std::vector<InfLine>* lines = inf.Section(section);
        if (!lines)
            continue;
        for (const InfLine& line : *lines) {
            const std::vector<std::wstring>& f = line.fields;
            if (f.size() < 2 || !IsUserRoot(inf.Substitute(f[0])))
                continue;
            std::wstring key = inf.Substitute(f[1]);
            if (EqualNoCase(key, kCursorsKey)) {
                out.setsCurrent = true;
            } else if (!found && f.size() >= 5 && EqualNoCase(key, kSchemesKey)) {
                ReadSchemeLine(inf, line, out);
                found = true;
            }
        }
    }
    return found;
}

// The folder of a directory id setupapi knows, or empty.
std::wstring DirIdFolder(const std::wstring& id)
{
    std::wstring windows = WindowsFolder();
    if (id == L"10" || id == L"25")
        return windows;
    if (id == L"11")
        return SystemFolder();
    if (id == L"12")
        return SystemFolder() + L"\\drivers";
    if (id == L"17")
        return windows + L"\\inf";
    if (id == L"18")
        return windows + L"\\help";
    if (id == L"20")
        return windows + L"\\fonts";
    return std::wstring();
}

bool IsAbsolute(const std::wstring& path)
{
    return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') ||
           (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\');
}

// The folder a CopyFiles section goes to: its [DestinationDirs] entry or
// DefaultDestDir; "dirid[,subdir]", with -1 for a full path.
InfDestination DestinationOf(const InfFile& inf, const std::wstring& copySection,
                             std::wstring& folder)
{
    const std::vector<InfLine>* dirs = inf.Section(L"DestinationDirs");
    const InfLine* chosen = nullptr;
    if (dirs)
        for (const InfLine& line : *dirs)
            if ((!copySection.empty() && EqualNoCase(line.key, copySection)) ||
                (!chosen && EqualNoCase(line.key, L"DefaultDestDir")))
                chosen = &line;
    if (!chosen || chosen->fields.empty()) {
        folder = SystemFolder();
        return InfDestination::Missing;
    }
    std::wstring id = inf.Substitute(chosen->fields[0]);
    std::wstring sub = chosen->fields.size() > 1 ? inf.Substitute(chosen->fields[1]) : L"";
    std::wstring base = id == L"-1" ? std::wstring() : DirIdFolder(id);
    folder = NormalFolder(base.empty() ? sub : sub.empty() ? base : base + L"\\" + sub);
    if (id != L"-1" && base.empty())
        return InfDestination::Elsewhere;  // a directory id not handled here
    return IsAbsolute(folder) && IsUnderWindowsFolder(folder) ? InfDestination::UnderWindows
                                                             : InfDestination::Elsewhere;
}

} // namespace

std::wstring NormalFolder(const std::wstring& folder)
{
    std::wstring out;
    for (size_t i = 0; i < folder.size(); ++i) {
        wchar_t c = folder[i] == L'/' ? L'\\' : folder[i];
        // Doubled separators read as one, except the two of a UNC start.
        if (c == L'\\' && !out.empty() && out.back() == L'\\' && out.size() > 1)
            continue;
        out += c;
    }
    while (out.size() > 3 && out.back() == L'\\')
        out.pop_back();
    return out;
}

bool IsUnderWindowsFolder(const std::wstring& folder)
{
    std::wstring windows = NormalFolder(WindowsFolder());
    return !windows.empty() && folder.size() >= windows.size() &&
           EqualNoCase(folder.substr(0, windows.size()), windows) &&
           (folder.size() == windows.size() || folder[windows.size()] == L'\\');
}

bool ReadInfScheme(const InfFile& inf, InfScheme& out)
{
    std::wstring install = InstallSection(inf);
    if (!ReadRegistryLines(inf, Directive(inf, install, L"AddReg"), out))
        return false;
    bool haveDestination = false;
    for (const std::wstring& copy : Directive(inf, install, L"CopyFiles")) {
        if (copy[0] == L'@') {
            out.files.push_back(inf.Substitute(copy.substr(1)));
            if (!haveDestination)
                out.destinationKind = DestinationOf(inf, L"", out.destination);
            haveDestination = true;
            continue;
        }
        if (!haveDestination)
            out.destinationKind = DestinationOf(inf, copy, out.destination);
        haveDestination = true;
        if (const std::vector<InfLine>* lines = inf.Section(copy))
            for (const InfLine& line : *lines) {
                // "destination[,source]": the source name is the one on disk.
                std::wstring name = line.fields.size() > 1 && !line.fields[1].empty()
                                        ? line.fields[1]
                                        : (line.fields.empty() ? L"" : line.fields[0]);
                if (!line.key.empty() && line.fields.empty())
                    name = line.key;
                if (!name.empty())
                    out.files.push_back(inf.Substitute(name));
            }
    }
    if (!haveDestination)
        out.destinationKind = DestinationOf(inf, L"", out.destination);
    return true;
}
