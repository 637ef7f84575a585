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

std::vector<std::wstring> FilesOnDisk(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    while (FindNextFileW(search, &data));
    FindClose(search);
    return names;
}

// The name on disk that equals name ignoring case, or empty.
std::wstring Match(const std::vector<std::wstring>& names, const std::wstring& name)
{
    for (const std::wstring& n : names)
        if (EqualNoCase(n, name))
            return n;
    return std::wstring();
}

// A folder under the Windows folder as the installer's %WindowsFolder%
// macro, so that the package follows the Windows folder of the target.
std::wstring InstallFolderText(const std::wstring& folder)
{
    std::wstring expanded = ExpandEnv(folder);
    std::wstring windows = WindowsFolder();
    if (!windows.empty() && expanded.size() >= windows.size() &&
        EqualNoCase(expanded.substr(0, windows.size()), windows) &&
        (expanded.size() == windows.size() || expanded[windows.size()] == L'\\'))
        return L"%WindowsFolder%" + expanded.substr(windows.size());
    return expanded;
}

class Converter {
public:
    Converter(const InfScheme& scheme, const std::wstring& infFolder)
        : m_scheme(scheme), m_disk(FilesOnDisk(infFolder))
    {
        m_plan.sourceFolder = infFolder;
        m_plan.schemeName = scheme.name;
        m_plan.baseName = SafeFileName(scheme.name);
    }

    bool remarks = false;

    PackagePlan Plan()
    {
        for (const std::wstring& file : m_scheme.files)
            AddListedFile(file);
        AddRoles();
        std::wstring folder = m_scheme.destination.empty() ? m_fieldFolder : m_scheme.destination;
        m_plan.installFolder = InstallFolderText(folder);
        return m_plan;
    }

private:
    void Remark(const std::wstring& text)
    {
        WriteLine(text);
        remarks = true;
    }

    void AddListedFile(const std::wstring& file)
    {
        std::wstring onDisk = Match(m_disk, NameOf(file));
        if (onDisk.empty())
            Remark(Text(Msg::InfFileAbsent, file));
        else if (Match(m_plan.files, onDisk).empty())
            m_plan.files.push_back(onDisk);
    }

    void AddRoles()
    {
        const std::vector<std::wstring>& fields = m_scheme.fields;
        for (size_t i = 0; i < fields.size() && i < (size_t)kCursorRoleCount; ++i) {
            std::wstring key = kCursorRoles[i].keyTemplate;
            key.replace(key.find(L"|no|"), 4, L"1");
            std::wstring field = TrimSpaces(fields[i]);
            if (field.empty())
                continue;
            CheckFolder(FolderOf(field));
            std::wstring name = Match(m_plan.files, NameOf(field));
            if (name.empty()) {
                // On disk but in no CopyFiles section: the scheme still
                // names it, so the package carries it.
                name = Match(m_disk, NameOf(field));
                if (!name.empty())
                    m_plan.files.push_back(name);
            }
            if (name.empty())
                Remark(Text(Msg::InfRoleAbsent, key, NameOf(field)));
            else
                m_plan.roles.push_back({key, name});
        }
        if (fields.size() > (size_t)kCursorRoleCount) {
            std::wstring extra;
            for (size_t i = kCursorRoleCount; i < fields.size(); ++i)
                extra += (i > (size_t)kCursorRoleCount ? L"," : L"") + fields[i];
            Remark(Text(Msg::InfExtraFields, std::to_wstring(fields.size()), extra));
        }
    }

    void CheckFolder(const std::wstring& folder)
    {
        if (m_fieldFolder.empty())
            m_fieldFolder = folder;
        if (m_folderReported || m_scheme.destination.empty())
            return;
        if (!EqualNoCase(ExpandEnv(folder), ExpandEnv(m_scheme.destination))) {
            m_folderReported = true;
            Remark(Text(Msg::InfFolderDiffers, folder, m_scheme.destination));
        }
    }

    const InfScheme& m_scheme;
    std::vector<std::wstring> m_disk;
    PackagePlan m_plan;
    std::wstring m_fieldFolder;
    bool m_folderReported = false;
};

} // namespace

int RunFromInf(const std::wstring& infPath, const std::wstring& outFolder)
{
    InfFile inf;
    if (!inf.Load(infPath)) {
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
    Converter converter(scheme, infFolder);
    PackagePlan plan = converter.Plan();
    if (!WritePackage(plan, outFolder))
        return 2;
    WriteLine(Text(Msg::InfWritten, outFolder + L"\\" + plan.baseName + L".nelcmi"));
    return converter.remarks ? 1 : 0;
}
