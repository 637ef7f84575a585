#include "InfConvert.h"
#include <windows.h>
#include "CursorRoles.h"
#include "InfFile.h"
#include "InfScheme.h"
#include "PackageText.h"
#include "PackageWriter.h"
#include "ToolOutput.h"
#include "ToolText.h"

namespace {

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ExpandEnv(const std::wstring& text)
{
    wchar_t buffer[32768];
    DWORD n = ExpandEnvironmentStringsW(text.c_str(), buffer, 32768);
    return n > 0 && n <= 32768 ? buffer : text;
}

bool ContainsNoCase(const std::wstring& text, const wchar_t* part)
{
    std::wstring lower = text;
    CharLowerBuffW(&lower[0], (DWORD)lower.size());
    return lower.find(part) != std::wstring::npos;
}

// The file at path relative to folder ("/" or "\"), with the letter case
// it has on disk; empty when there is none.
std::wstring FindOnDisk(const std::wstring& folder, const std::wstring& relative)
{
    std::wstring path = NormalFolder(folder + L"\\" + relative);
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return std::wstring();
    FindClose(search);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::wstring();
    return FolderOf(path) + L"\\" + data.cFileName;
}

// The flags field of an AddReg line as a registry type name.
std::wstring TypeOfFlags(const std::wstring& flags)
{
    unsigned long value = wcstoul(flags.c_str(), nullptr, 0);
    switch (value & 0xFFFF0001) {
    case 0x00000000: return L"REG_SZ";
    case 0x00010000: return L"REG_MULTI_SZ";
    case 0x00020000: return L"REG_EXPAND_SZ";
    case 0x00010001: return L"REG_DWORD";
    case 0x00000001: return L"REG_BINARY";
    default: return L"?";
    }
}

class Converter {
public:
    Converter(const InfFile& inf, const InfScheme& scheme, const std::wstring& infFolder)
        : m_inf(inf), m_scheme(scheme), m_infFolder(infFolder)
    {
        m_plan.schemeName = scheme.name;
        m_plan.baseName = SafeFileName(scheme.name);
    }

    bool warnings = false;

    PackagePlan Plan()
    {
        ReportDecoding();
        ReportSchemeLine();
        ChooseFolder();
        for (const std::wstring& file : m_scheme.files)
            AddListedFile(file);
        AddRoles();
        return m_plan;
    }

private:
    void Warn(const std::wstring& text)
    {
        WriteLine(Text(Msg::WarningPrefix) + text);
        warnings = true;
    }

    void Note(const std::wstring& text) { WriteLine(Text(Msg::NotePrefix) + text); }

    void ReportDecoding()
    {
        if (m_inf.Decoding().guessed)
            Note(Text(Msg::InfGuessedCodePage, std::to_wstring(m_inf.Decoding().codePage)));
    }

    void ReportSchemeLine()
    {
        if (m_scheme.brokenQuotes && m_scheme.line) {
            std::wstring made;
            for (size_t i = 0; i < m_scheme.fields.size(); ++i)
                made += (i ? L"," : L"") + m_scheme.fields[i];
            Warn(Text(Msg::InfBrokenQuotes, std::to_wstring(m_scheme.line->number),
                      m_scheme.line->text, std::to_wstring(m_scheme.fields.size()), made));
        }
        std::wstring type = m_scheme.flags.empty() ? L"REG_SZ" : TypeOfFlags(m_scheme.flags);
        if (type != L"REG_SZ")
            Note(Text(Msg::InfFlags, m_scheme.flags, type));
        if (m_scheme.setsCurrent)
            Note(Text(Msg::InfSetsCurrent));
    }

    // The package's default folder: the inf's destination when it lies in
    // the Windows folder (as %WindowsFolder%...), else the installer's own
    // default place for the scheme; never a relative folder.
    void ChooseFolder()
    {
        std::wstring fallback = L"%WindowsFolder%\\Cursors\\" + m_plan.baseName;
        switch (m_scheme.destinationKind) {
        case InfDestination::UnderWindows:
            m_destination = m_scheme.destination;
            m_plan.installFolder =
                L"%WindowsFolder%" + m_destination.substr(NormalFolder(WindowsFolder()).size());
            break;
        case InfDestination::Missing:
            m_plan.installFolder = fallback;
            Note(Text(Msg::InfNoDestination, fallback));
            break;
        case InfDestination::Elsewhere:
            m_plan.installFolder = fallback;
            Note(Text(Msg::InfDestinationElsewhere, m_scheme.destination, fallback));
            break;
        }
    }

    // The package's name of a file (its name on disk without any folder);
    // empty when the package has no such file.
    std::wstring Packaged(const std::wstring& name) const
    {
        for (const PackageFile& f : m_plan.files)
            if (EqualNoCase(f.name, name))
                return f.name;
        return std::wstring();
    }

    std::wstring Add(const std::wstring& source)
    {
        std::wstring name = NameOf(source);
        if (Packaged(name).empty())
            m_plan.files.push_back({name, source});
        return Packaged(name);
    }

    void AddListedFile(const std::wstring& file)
    {
        std::wstring source = FindOnDisk(m_infFolder, file);
        if (source.empty()) {
            Warn(Text(Msg::InfFileAbsent, file));
            return;
        }
        std::wstring name = Add(source);
        if (NameOf(file).size() != file.size())
            Note(Text(Msg::InfSubfolder, file, name));
    }

    void AddRoles()
    {
        const std::vector<std::wstring>& fields = m_scheme.fields;
        if (fields.size() < (size_t)kClassicRoleCount)
            Note(Text(Msg::InfFewFields, std::to_wstring(fields.size())));
        for (size_t i = 0; i < fields.size() && i < (size_t)kCursorRoleCount; ++i) {
            std::wstring key = kCursorRoles[i].keyTemplate;
            key.replace(key.find(L"|no|"), 4, L"1");
            std::wstring field = TrimSpaces(fields[i]);
            if (field.empty())
                continue;
            if (field.find_first_of(L"\\/") != std::wstring::npos)
                CheckFolder(FolderOf(field));
            std::wstring name = Packaged(NameOf(field));
            if (name.empty()) {
                // Beside the inf but in no CopyFiles section: the scheme
                // still names it, so the package carries it.
                std::wstring source = FindOnDisk(m_infFolder, NameOf(field));
                if (!source.empty()) {
                    name = Add(source);
                    Note(Text(Msg::InfUnlisted, name));
                }
            }
            if (name.empty())
                Warn(Text(Msg::InfRoleAbsent, key, NameOf(field)));
            else
                m_plan.roles.push_back({key, name});
        }
        ReportSwappedExtras();
        if (fields.size() > (size_t)kCursorRoleCount) {
            std::wstring extra;
            for (size_t i = kCursorRoleCount; i < fields.size(); ++i)
                extra += (i > (size_t)kCursorRoleCount ? L"," : L"") + fields[i];
            Warn(Text(Msg::InfExtraFields, std::to_wstring(fields.size()), extra));
        }
    }

    // Windows reads field 16 as Pin and 17 as Person; an inf whose names
    // say the opposite keeps its positions, as setupapi does.
    void ReportSwappedExtras()
    {
        const std::vector<std::wstring>& raw = m_scheme.rawFields;
        const std::vector<std::wstring>& fields = m_scheme.fields;
        if (fields.size() < (size_t)kCursorRoleCount)
            return;
        std::wstring pin = raw[kClassicRoleCount] + L"|" + NameOf(fields[kClassicRoleCount]);
        std::wstring person = raw[kClassicRoleCount + 1] + L"|" + NameOf(fields[kClassicRoleCount + 1]);
        if (ContainsNoCase(pin, L"person") && ContainsNoCase(person, L"pin") &&
            !ContainsNoCase(pin, L"pin"))
            Warn(Text(Msg::InfPinPersonSwapped, NameOf(fields[kClassicRoleCount]),
                      NameOf(fields[kClassicRoleCount + 1])));
    }

    void CheckFolder(const std::wstring& folder)
    {
        if (m_folderReported || m_destination.empty())
            return;
        if (!EqualNoCase(NormalFolder(ExpandEnv(folder)), m_destination)) {
            m_folderReported = true;
            Warn(Text(Msg::InfFolderDiffers, folder, m_destination));
        }
    }

    const InfFile& m_inf;
    const InfScheme& m_scheme;
    std::wstring m_infFolder;
    std::wstring m_destination;  // the inf's own folder when the package keeps it
    PackagePlan m_plan;
    bool m_folderReported = false;
};

} // namespace

int RunFromInf(const std::wstring& infPath, const std::wstring& outFolder, unsigned codePage)
{
    InfFile inf;
    if (!inf.Load(infPath, codePage)) {
        WriteLine(Text(Msg::InfCannotRead, infPath));
        return 2;
    }
    InfScheme scheme;
    if (!ReadInfScheme(inf, scheme)) {
        WriteLine(Text(Msg::InfNoScheme));
        return 2;
    }
    wchar_t full[MAX_PATH * 4];
    DWORD n = GetFullPathNameW(infPath.c_str(), MAX_PATH * 4, full, nullptr);
    std::wstring infFolder = FolderOf(n > 0 && n < MAX_PATH * 4 ? full : infPath);
    Converter converter(inf, scheme, infFolder);
    PackagePlan plan = converter.Plan();
    if (!WritePackage(plan, outFolder))
        return 2;
    WriteLine(Text(Msg::InfWritten, outFolder + L"\\" + plan.baseName + L".nelcmi"));
    return converter.warnings ? 1 : 0;
}
