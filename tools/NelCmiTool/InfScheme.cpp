#include "InfScheme.h"
#include <windows.h>

namespace {

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
    for (const wchar_t* name : {L"DefaultInstall", L"DefaultInstall.NT"})
        if (inf.Section(name))
            return name;
    return L"DefaultInstall";
}

bool IsUserRoot(const std::wstring& root)
{
    return EqualNoCase(root, L"HKCU") || EqualNoCase(root, L"HKEY_CURRENT_USER");
}

bool ReadSchemeLine(const InfFile& inf, const std::vector<std::wstring>& regSections,
                    InfScheme& out)
{
    for (const std::wstring& section : regSections) {
        const std::vector<InfLine>* lines = inf.Section(section);
        if (!lines)
            continue;
        for (const InfLine& line : *lines) {
            const std::vector<std::wstring>& f = line.fields;
            if (f.size() < 5 || !IsUserRoot(inf.Substitute(f[0])) ||
                !EqualNoCase(inf.Substitute(f[1]), kSchemesKey))
                continue;
            out.name = inf.Substitute(f[2]);
            // An unquoted scheme string was split at its commas as well.
            std::wstring value;
            for (size_t i = 4; i < f.size(); ++i)
                value += (i > 4 ? L"," : L"") + f[i];
            value = inf.Substitute(value);
            out.fields.clear();
            for (size_t start = 0;;) {
                size_t comma = value.find(L',', start);
                out.fields.push_back(value.substr(start, comma - start));
                if (comma == std::wstring::npos)
                    break;
                start = comma + 1;
            }
            return true;
        }
    }
    return false;
}

// The folder a CopyFiles section goes to: its [DestinationDirs] entry or
// DefaultDestDir; "dirid,subdir" or a full path.
std::wstring DestinationOf(const InfFile& inf, const std::wstring& copySection)
{
    const std::vector<InfLine>* dirs = inf.Section(L"DestinationDirs");
    if (!dirs)
        return std::wstring();
    const InfLine* chosen = nullptr;
    for (const InfLine& line : *dirs)
        if (EqualNoCase(line.key, copySection) ||
            (!chosen && EqualNoCase(line.key, L"DefaultDestDir")))
            chosen = &line;
    if (!chosen || chosen->fields.empty())
        return std::wstring();
    std::wstring first = inf.Substitute(chosen->fields[0]);
    std::wstring sub = chosen->fields.size() > 1 ? inf.Substitute(chosen->fields[1]) : L"";
    std::wstring base;
    if (first == L"10")
        base = WindowsFolder();
    else if (first == L"11") {
        wchar_t buffer[MAX_PATH];
        base = GetSystemDirectoryW(buffer, MAX_PATH) ? buffer : L"";
    } else if (first == L"-1" || first.empty()) {
        return sub;
    } else {
        return first;  // a full path in place of a directory id
    }
    if (sub.size() > 1 && sub[1] == L':')
        return sub;
    return sub.empty() ? base : base + L"\\" + sub;
}

} // namespace

bool ReadInfScheme(const InfFile& inf, InfScheme& out)
{
    std::wstring install = InstallSection(inf);
    if (!ReadSchemeLine(inf, Directive(inf, install, L"AddReg"), out))
        return false;
    for (const std::wstring& copy : Directive(inf, install, L"CopyFiles")) {
        if (copy[0] == L'@') {
            out.files.push_back(copy.substr(1));
            continue;
        }
        if (out.destination.empty())
            out.destination = DestinationOf(inf, copy);
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
    if (out.destination.empty())
        out.destination = DestinationOf(inf, L"DefaultDestDir");
    return true;
}
