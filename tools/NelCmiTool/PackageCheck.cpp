#include "PackageCheck.h"
#include <windows.h>
#include <vector>
#include "CursorFileCheck.h"
#include "CursorRoles.h"
#include "Findings.h"
#include "InfoMacros.h"
#include "InfoSchema.h"
#include "InstallInfo.h"
#include "Installation.h"
#include "KeyLineCheck.h"
#include "NelPath.h"
#include "NelReg.h"
#include "PackageText.h"
#include "TaviGlobals.h"
#include "ToolOutput.h"
#include "ToolText.h"
#include "resource.h"

namespace {

std::wstring S(const CNelStrW& s)
{
    return s.t() ? s.t() : L"";
}

// A drive letter with ":\" or a "\\server\share" start.
bool IsFullFolderPath(const std::wstring& path)
{
    if (path.size() >= 3 && iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\')
        return true;
    if (path.size() < 5 || path[0] != L'\\' || path[1] != L'\\')
        return false;
    size_t share = path.find(L'\\', 2);
    return share != std::wstring::npos && share > 2 && share + 1 < path.size() &&
           path[share + 1] != L'\\';
}

std::wstring FullPath(const std::wstring& path)
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(buffer) : path;
}

// The install-info file of a package: the file itself, the .nelcmi beside
// a given installer, or the .nelcmi of a folder (the one beside a program of the same name when there are
// several). Empty when there is none.
std::wstring FindInfoFile(const std::wstring& target)
{
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::wstring();
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // The installer itself names its package: set.exe reads set.nelcmi.
        std::wstring path = FullPath(target);
        size_t dot = path.rfind(L'.');
        if (dot != std::wstring::npos && _wcsicmp(path.c_str() + dot, L".exe") == 0)
            path = path.substr(0, dot) + L".nelcmi";
        return NelFileExists(path.c_str()) ? path : std::wstring();
    }
    std::wstring folder = FullPath(target);
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((folder + L"\\*.nelcmi").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return std::wstring();
    do
        found.push_back(folder + L"\\" + data.cFileName);
    while (FindNextFileW(search, &data));
    FindClose(search);
    for (const std::wstring& path : found) {
        std::wstring exe = path.substr(0, path.size() - 7) + L".exe";
        if (NelFileExists(exe.c_str()))
            return path;
    }
    return found.front();
}

class Checker {
public:
    Checker(const InfoText& text, const std::wstring& infoPath) : m_text(text)
    {
        m_source = infoPath.substr(0, infoPath.rfind(L'\\') + 1);
    }

    void Run(Findings& out)
    {
        m_out = &out;
        CheckVersion();
        CheckRequired();
        CheckDefaultFolder();
        CheckDesignNames();
        CheckFileList();
        CheckDesigns();
        CheckMacros();
    }

private:
    void Add(int line, const std::wstring& text, bool warning = false)
    {
        m_out->push_back({line, warning, text});
    }

    void CheckVersion()
    {
        int version = ReadInfoFileVersion();
        if (!IsInfoFileVersionSupported(version))
            Add(LineOfKey(m_text, L"NelvoInfo", L"NelCMIFileVer"),
                Text(Msg::VersionTooNew, std::to_wstring(version), S(FormatVersion100(version))));
    }

    void CheckRequired()
    {
        const wchar_t* section = nullptr;
        const wchar_t* key = nullptr;
        switch (FindMissingRequiredKey()) {
        case IDS_NO_CUR_NAME: section = L"CurInfo"; key = L"CurName"; break;
        case IDS_NO_DESIGN1_NAME: section = L"MainDlg"; key = L"DN1CurName"; break;
        case IDS_NO_PRODUCT_NAME: section = L"CurInfo"; key = L"ProductName"; break;
        default: return;
        }
        Add(LineOfKey(m_text, section, key), Text(Msg::MissingRequired, section, key));
    }

    void CheckFileList()
    {
        int n = 0;
        for (CNelStrW name; ReadInfoStr(L"InstallFiles", FileKeyName(n).c_str(), name); ++n) {
            std::wstring key = FileKeyName(n);
            int line = LineOfKey(m_text, L"InstallFiles", key);
            m_files.push_back(S(name));
            if (IsInvalidInstallFileName(name))
                Add(line, Text(Msg::FileInvalid, key, S(name)));
            else if (!NelFileExists((m_source + S(name)).c_str()))
                Add(line, Text(Msg::FileMissing, key, S(name), m_source + S(name)));
        }
        if (n == 0)
            Add(0, Text(Msg::FilesNone));
        for (const InfoLine& line : m_text.lines) {
            if (!line.isKey || line.owner != L"InstallFiles" || line.keyRaw != line.key ||
                !IsKnownKey(L"InstallFiles", line.key))
                continue;
            if (_wtoi(line.key.c_str() + 4) > n)
                Add(line.number, Text(Msg::FilesGap, line.key, FileKeyName(n)));
        }
    }

    static std::wstring Backslashed(std::wstring path)
    {
        for (wchar_t& c : path)
            if (c == L'/')
                c = L'\\';
        return path;
    }

    // Windows file names ignore letter case and take "/" for "\".
    bool IsListed(const std::wstring& name) const
    {
        for (const std::wstring& file : m_files)
            if (_wcsicmp(Backslashed(file).c_str(), Backslashed(name).c_str()) == 0)
                return true;
        return false;
    }

    void CheckDesigns()
    {
        CNelStrW unused;
        bool second = ReadInfoStr(L"MainDlg", L"DN2CurName", unused);
        for (const wchar_t* number : {L"1", L"2"}) {
            if (number[0] == L'2' && !second)
                break;
            int files = 0;
            for (const CursorRole& role : kCursorRoles)
                files += CheckRole(role, number) ? 1 : 0;
            if (files == 0)
                Add(0, Text(Msg::DesignWithoutFiles, number));
        }
    }

    // The folder the dialog proposes, as the installer takes it on OK:
    // it must be a full path it can create.
    void CheckDefaultFolder()
    {
        CNelStrW folder;
        if (!ReadInfoText(L"MainDlg", L"DefInstallFolder", folder)) {
            folder = L"%WindowsFolder%\\Cursors\\%CurName%";
            ExpandInfoMacros(folder);
        }
        int line = LineOfKey(m_text, L"MainDlg", L"DefInstallFolder");
        std::wstring text = S(folder);
        size_t b = text.find_first_not_of(L" \"");
        size_t e = text.find_last_not_of(L" \"");
        text = b == std::wstring::npos ? L"" : text.substr(b, e - b + 1);
        if (text.empty()) {
            Add(line, Text(Msg::DefaultFolderEmpty));
            return;
        }
        if (!IsFullFolderPath(text)) {
            Add(line, Text(Msg::DefaultFolderRelative, text));
            return;
        }
        // After the drive or share, no character a folder name cannot
        // hold and no ".." (the folder creation refuses both).
        std::wstring rest = text.substr(2);
        if (rest.find_first_of(L"<>:\"|?*") != std::wstring::npos ||
            (rest + L"\\").find(L"\\..\\") != std::wstring::npos)
            Add(line, Text(Msg::DefaultFolderInvalid, text));
    }

    void CheckDesignNames()
    {
        CNelStrW name1, name2;
        if (!ReadInfoText(L"MainDlg", L"DN1CurName", name1) ||
            !ReadInfoText(L"MainDlg", L"DN2CurName", name2))
            return;
        if (name1.CompareNC(name2.t()) == 0)
            Add(LineOfKey(m_text, L"MainDlg", L"DN2CurName"),
                Text(Msg::DesignNamesEqual, S(name1), S(name2)));
    }

    // True when the role names a file.
    bool CheckRole(const CursorRole& role, const wchar_t* number)
    {
        std::wstring key = role.keyTemplate;
        key.replace(key.find(L"|no|"), 4, number);
        CNelStrW file;
        ReadDesignFile(role.keyTemplate, number, L"", file, g_strInfoFile.t());
        int line = LineOfKey(m_text, L"DesignList", key);
        if (file.IsEmpty()) {
            // Pin and Person are optional: a design without them keeps the
            // classic fifteen-field scheme.
            if (&role - kCursorRoles < kClassicRoleCount)
                Add(line, Text(Msg::RoleEmpty, key, role.valueName), true);
            return false;
        }
        std::wstring name = S(file);
        if (!IsListed(name)) {
            Add(line, Text(Msg::DesignNotListed, key, name));
            return true;
        }
        std::wstring path = m_source + name;
        if (!NelFileExists(path.c_str()))
            return true;  // reported with the file list
        // The system's loader decides: what it accepts is a warning at most.
        CursorVerdict v = CheckCursorFile(path);
        if (!v.loads)
            Add(line, Text(Msg::CursorInvalid, key, name, Text(v.reason)));
        else if (v.directoryType == 1)
            Add(line, Text(Msg::CursorIconType, key, name), true);
        else if (v.directoryType != 2 && v.directoryType >= 0 && !IsAnimated(path))
            Add(line, Text(Msg::CursorOddType, key, name, std::to_wstring(v.directoryType)), true);
        if (v.loads && v.noFrames)
            Add(line, Text(Msg::CursorEmptyAnimation, key, name), true);
        if (v.loads && v.damagedImages > 0)
            Add(line, Text(Msg::CursorSomeEntriesBad, key, name, std::to_wstring(v.damagedImages)),
                true);
        return true;
    }

    static bool IsAnimated(const std::wstring& path)
    {
        return path.size() > 4 && _wcsicmp(path.c_str() + path.size() - 4, L".ani") == 0;
    }

    void CheckMacros()
    {
        for (const SchemaKey& k : SchemaKeys()) {
            if (!k.expanded)
                continue;
            CNelStrW raw;
            if (!ReadInfoStr(k.section.c_str(), k.key.c_str(), raw))
                continue;
            CNelStrW value = raw;
            ExpandInfoMacros(value);
            int line = LineOfKey(m_text, k.section, k.key);
            ReportLeftMacros(S(raw), S(value), k, line);
            CNelStrW subKey, valueName;
            if (k.registryPath && !value.IsEmpty() &&
                !NelRegParsePath(value.t(), subKey, valueName))
                Add(line, Text(Msg::RegRootUnknown, k.section, k.key, S(value)), true);
        }
    }

    // A %Name% still in the expanded text that the author wrote as such.
    // Pairs are taken as the expansion takes them: each scan goes on after
    // the pair's second "%", so "%ab% Save 50% now" holds no macro.
    void ReportLeftMacros(const std::wstring& raw, const std::wstring& value, const SchemaKey& k,
                          int line)
    {
        for (size_t open = value.find(L'%'); open != std::wstring::npos;) {
            size_t close = value.find(L'%', open + 1);
            if (close == std::wstring::npos)
                break;
            std::wstring name = value.substr(open + 1, close - open - 1);
            if (name.size() >= 3 && raw.find(L"%" + name + L"%") != std::wstring::npos)
                Add(line, Text(Msg::MacroLeft, k.section, k.key, name), true);
            open = value.find(L'%', close + 1);
        }
    }

    const InfoText& m_text;
    std::wstring m_source;
    std::vector<std::wstring> m_files;
    Findings* m_out = nullptr;
};

void CheckEncoding(const InfoText& text, Findings& findings)
{
    switch (text.encoding) {
    case InfoEncoding::Utf16LeBom: break;
    case InfoEncoding::Utf16LeNoBom: findings.push_back({0, true, Text(Msg::EncNoBom)}); break;
    case InfoEncoding::Utf16BeBom: findings.push_back({0, false, Text(Msg::EncBigEndian)}); break;
    case InfoEncoding::Utf8Bom: findings.push_back({0, false, Text(Msg::EncUtf8Bom)}); break;
    case InfoEncoding::Utf8: findings.push_back({0, false, Text(Msg::EncUtf8)}); break;
    case InfoEncoding::Ansi: findings.push_back({0, false, Text(Msg::EncAnsi)}); break;
    case InfoEncoding::Empty: findings.push_back({0, false, Text(Msg::EncEmpty)}); break;
    }
}

int Print(const Findings& findings)
{
    bool problem = false;
    for (const Finding& f : findings) {
        std::wstring line = f.line > 0 ? Text(Msg::LinePrefix, std::to_wstring(f.line)) : L"";
        if (f.warning)
            line += Text(Msg::WarningPrefix);
        WriteLine(line + f.text);
        problem = problem || !f.warning;
    }
    if (findings.empty())
        WriteLine(Text(Msg::Clean));
    return problem ? 1 : 0;
}

} // namespace

int RunCheck(const std::wstring& target)
{
    std::wstring infoPath = FindInfoFile(target);
    if (infoPath.empty()) {
        DWORD attributes = GetFileAttributesW(target.c_str());
        bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        WriteLine(Text(folder ? Msg::NoInfoFile : Msg::CannotRead, target));
        return 2;
    }
    InfoText text;
    if (!ReadInfoText(infoPath, text)) {
        WriteLine(Text(Msg::CannotRead, infoPath));
        return 2;
    }
    Findings findings;
    CheckEncoding(text, findings);
    if (text.encoding == InfoEncoding::Utf16LeBom || text.encoding == InfoEncoding::Utf16LeNoBom) {
        g_strInfoFile = infoPath.c_str();
        CheckKeyLines(text, infoPath, findings);
        Checker(text, infoPath).Run(findings);
    }
    return Print(findings);
}
