// Fuzz targets of the install-info pipeline: the INI reader against the
// file syntax, then what the installer reads from the file (file-format
// version, required keys, texts and their macros, icon fields, the
// [InstallFiles] list with its traversal names, the scheme strings, the
// completion prompt, the saved-choice registry paths), each checked
// against what the rules give for the same bytes.
#include <windows.h>
#include <cwchar>
#include <cwctype>
#include "CursorRoles.h"
#include "FuzzIniModel.h"
#include "FuzzInfoMutator.h"
#include "FuzzRun.h"
#include "InfoMacros.h"
#include "InfoSchema.h"
#include "InstallInfo.h"
#include "Installation.h"
#include "NelIni.h"
#include "NelReg.h"
#include "TaviGlobals.h"
#include "TestFiles.h"
#include "resource.h"

namespace Fuzz {

namespace {

// The install folder the pipeline builds paths for; nothing is written there.
const wchar_t kInstallRoot[] = L"C:\\nelfuzz\\inst\\";

std::wstring W(const CNelStrW& s)
{
    return s.t() ? s.t() : L"";
}

std::wstring InfoPath()
{
    return WorkDir() + L"\\fuzz.nelcmi";
}

// Writes the bytes as the install-info file the installer reads.
bool PutInfoFile(const std::string& bytes)
{
    if (!NelTest::WriteBytes(InfoPath(), bytes)) {
        Finding("could not write the install-info file");
        return false;
    }
    g_hInstance = GetModuleHandleW(nullptr);
    g_strInfoFile = InfoPath().c_str();
    return true;
}

bool EqualNoCaseAscii(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (towlower(a[i]) != towlower(b[i]))
            return false;
    return true;
}

std::wstring Trimmed(const std::wstring& s, const wchar_t* set)
{
    size_t b = s.find_first_not_of(set);
    if (b == std::wstring::npos)
        return std::wstring();
    return s.substr(b, s.find_last_not_of(set) - b + 1);
}

// The names a file's lines use, so that lookups find keys as often as not.
void NamesInText(const std::wstring& text, std::vector<std::pair<std::wstring, std::wstring>>& out)
{
    std::wstring section;
    size_t start = 0;
    while (start < text.size() && out.size() < 200) {
        size_t lf = text.find(L'\n', start);
        std::wstring line = text.substr(start, lf == std::wstring::npos ? std::wstring::npos : lf - start);
        if (!line.empty() && line[0] == L'[' && line.find(L']') != std::wstring::npos)
            section = line.substr(1, line.find(L']') - 1);
        else if (line.find(L'=') != std::wstring::npos)
            out.push_back({section, line.substr(0, line.find(L'='))});
        if (lf == std::wstring::npos)
            break;
        start = lf + 1;
    }
}

// --- The INI reader against the file syntax ---------------------------

void RunIniReader(Random& r)
{
    std::string bytes;
    if (r.Below(8) == 0) {
        for (uint32_t n = Skewed(r, 0, 3000); n; --n)
            bytes += (char)r.Below(256);
    } else {
        bytes = MakeInfoFile(r);
    }
    if (!PutInfoFile(bytes))
        return;
    const IniModel model(bytes);
    std::vector<std::pair<std::wstring, std::wstring>> names;
    NamesInText(model.Text(), names);
    for (uint32_t n = 3 + r.Below(5); n; --n) {
        std::wstring section, key;
        if (!names.empty() && r.Below(4)) {
            const auto& p = names[r.Below((uint32_t)names.size())];
            section = p.first;
            key = p.second;
        } else {
            section = r.Below(2) ? HostileText(r, 12) : L"MainDlg";
            key = HostileText(r, 12);
        }
        CNelStrW value(L"unchanged");
        std::wstring expected;
        const bool want = model.Get(section, key, expected);
        const BOOL got = NelIniGetStr(section.c_str(), key.c_str(), value, g_strInfoFile.t());
        if (!got != !want || (got && W(value) != expected) || (!got && W(value) != L"unchanged"))
            Finding("NelIniGetStr([" + Show(section) + "] " + Show(key) + ") gave " +
                    (got ? Show(W(value)) : std::string("nothing")) + ", the file syntax gives " +
                    (want ? Show(expected) : std::string("nothing")));
        if (r.Below(2))
            continue;
        const int number = NelIniGetInt(section.c_str(), key.c_str(), -12345, g_strInfoFile.t());
        const int expectedNumber = model.GetInt(section, key, -12345);
        if (number != expectedNumber)
            Finding("NelIniGetInt([" + Show(section) + "] " + Show(key) + ") gave " +
                    std::to_string(number) + ", the file syntax gives " + std::to_string(expectedNumber));
    }
}

// --- The installer's reading of the file ------------------------------

std::wstring ExpectedVersionText(int version)
{
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%03i", version);
    std::wstring text = buffer;
    text.insert(text.size() - 2, L".");
    return text;
}

void CheckVersion(const IniModel& m)
{
    const int version = ReadInfoFileVersion();
    const int expected = m.GetInt(L"NelvoInfo", L"NelCMIFileVer", 100);
    if (version != expected)
        Finding("NelCMIFileVer read as " + std::to_string(version) + ", the file says " +
                std::to_string(expected));
    if (IsInfoFileVersionSupported(version) != (version <= 100))
        Finding("version " + std::to_string(version) + " judged wrongly as supported or not");
    const std::wstring text = W(FormatVersion100(version));
    if (text != ExpectedVersionText(version))
        Finding("version " + std::to_string(version) + " shown as " + Show(text));
}

void CheckRequired(const IniModel& m)
{
    const UINT expected = !m.Given(L"CurInfo", L"CurName")       ? IDS_NO_CUR_NAME
                          : !m.Given(L"MainDlg", L"DN1CurName")  ? IDS_NO_DESIGN1_NAME
                          : !m.Given(L"CurInfo", L"ProductName") ? IDS_NO_PRODUCT_NAME
                                                                 : 0;
    const UINT got = FindMissingRequiredKey();
    if (got != expected)
        Finding("missing required key reported as " + std::to_string(got) + ", expected " +
                std::to_string(expected));
}

// An expanded text can only grow by the values the file holds.
void CheckExpansionBound(const std::wstring& raw, const std::wstring& expanded, const IniModel& m)
{
    const size_t bound = (raw.size() + 1) * (m.Text().size() + 2 * MAX_PATH);
    if (expanded.size() > bound)
        Finding("expansion of " + Show(raw) + " grew to " + std::to_string(expanded.size()) + " units");
}

void CheckTexts(const IniModel& m, Random& r)
{
    const std::vector<SchemaKey>& keys = SchemaKeys();
    for (int n = 0; n < 3; ++n) {
        const SchemaKey& k = keys[r.Below((uint32_t)keys.size())];
        CNelStrW text(L"unchanged");
        const bool multiLine = r.Below(2) != 0;
        const bool got = multiLine ? ReadInfoMultiLine(k.section.c_str(), k.key.c_str(), text)
                                   : ReadInfoText(k.section.c_str(), k.key.c_str(), text);
        const bool given = m.Given(k.section, k.key);
        if (got != given)
            Finding("[" + Show(k.section) + "] " + Show(k.key) + " read as " +
                    (got ? "given" : "missing") + " but the file has it " + (given ? "given" : "missing"));
        if (!got) {
            if (W(text) != L"unchanged")
                Finding("a missing text changed the output to " + Show(W(text)));
            continue;
        }
        std::wstring raw;
        m.Get(k.section, k.key, raw);
        if (text.IsEmpty())
            Finding("[" + Show(k.section) + "] " + Show(k.key) + " expanded to nothing");
        if (multiLine && W(text).find(L"\\n") != std::wstring::npos)
            Finding("a multi-line text kept a backslash-n: " + Show(W(text)));
        CheckExpansionBound(raw, W(text), m);
    }
    CNelStrW text(HostileText(r).c_str());
    const std::wstring raw = W(text);
    ExpandInfoMacros(text);
    if (raw.empty() != (W(text).empty()))
        Finding("expanding " + Show(raw) + " gave " + Show(W(text)));
    CheckExpansionBound(raw, W(text), m);
}

void CheckIcons(const IniModel& m)
{
    const wchar_t* const entries[][2] = {
        {L"MainDlg", L"MesIcon"}, {L"MainDlg", L"CurIcon"}, {L"CurInfo", L"ProductIcon"}};
    for (const auto& entry : entries) {
        CNelStrW path(L"unchanged");
        int index = -777;
        const bool got = ReadIconSpec(entry[0], entry[1], path, index, g_strInfoFile.t());
        std::wstring value;
        const bool given = m.Get(entry[0], entry[1], value) && !value.empty();
        if (got != given) {
            Finding(std::string("icon field ") + Show(std::wstring(entry[1])) + " read as " +
                    (got ? "given" : "missing"));
            continue;
        }
        if (!got) {
            if (W(path) != L"unchanged" || index != -777)
                Finding("a missing icon field changed its outputs");
            continue;
        }
        // Split at the last comma; the part after it, spaces trimmed, is the index.
        const size_t comma = value.rfind(L',');
        const std::wstring expectedPath = comma == std::wstring::npos ? value : value.substr(0, comma);
        const std::wstring indexText =
            comma == std::wstring::npos ? L"" : Trimmed(value.substr(comma + 1), L" ");
        if (W(path) != expectedPath)
            Finding("icon field " + Show(value) + " gave the path " + Show(W(path)));
        // The index is StrToNum's, the CRT's _wtoi, which takes the digits
        // of other scripts too (full-width ones, as the system's does): only
        // an ASCII index text is compared.
        bool ascii = true;
        for (wchar_t c : indexText)
            ascii = ascii && c < 0x80;
        const int expectedIndex = DecimalValue(indexText);
        if (ascii && expectedIndex > -1000000 && expectedIndex < 1000000 && index != expectedIndex)
            Finding("icon field " + Show(value) + " gave the index " + std::to_string(index));
    }
}

// A name the installer accepts must name a file inside the install folder.
void CheckStaysInside(const std::wstring& name)
{
    const std::wstring root = kInstallRoot;
    wchar_t full[4 * MAX_PATH];
    const DWORD n = GetFullPathNameW((root + name).c_str(), 4 * MAX_PATH, full, nullptr);
    if (n == 0 || n >= 4 * MAX_PATH)
        return;
    const std::wstring path = full;
    const std::wstring folder = root.substr(0, root.size() - 1);
    if (!EqualNoCaseAscii(path.substr(0, root.size()), root) && !EqualNoCaseAscii(path, folder))
        Finding("the file name " + Show(name) + " passes the check but names " + Show(path) +
                ", outside the install folder");
}

void CheckFileList(const IniModel& m)
{
    const std::wstring source = WorkDir() + L"\\";
    const FileListProblem problem = CheckInstallFiles(CNelStrW(source.c_str()));
    const UINT id = problem.messageId;
    if (id != 0 && id != IDS_NO_INSTALL_FILES && id != IDS_INVALID_FILE_NAME && id != IDS_FILE_NOT_FOUND)
        Finding("the file list check answered message " + std::to_string(id));
    if ((id == IDS_NO_INSTALL_FILES) != !m.Given(L"InstallFiles", L"File0"))
        Finding("the file list check and the file disagree on whether File0 is given");
    if (id && problem.message.IsEmpty())
        Finding("the file list check gave message " + std::to_string(id) + " without a text");
    for (int n = 0; n < 64; ++n) {
        std::wstring name;
        if (!m.Get(L"InstallFiles", FileKeyName(n), name) || name.empty())
            break;
        if (!IsInvalidInstallFileName(CNelStrW(name.c_str())))
            CheckStaysInside(name);
    }
}

void CheckScheme(const IniModel& m, Random& r)
{
    const wchar_t* number = r.Below(2) ? L"1" : L"2";
    CNelStrW scheme;
    BuildSchemeString(number, kInstallRoot, scheme, g_strInfoFile.t());
    std::wstring fields[kCursorRoleCount];
    int count = kClassicRoleCount;
    for (int i = 0; i < kCursorRoleCount; ++i) {
        std::wstring key = kCursorRoles[i].keyTemplate;
        key.replace(key.find(L"|no|"), 4, number);
        std::wstring value;
        if (m.Get(L"DesignList", key, value) && !value.empty())
            fields[i] = kInstallRoot + value;
        if (i >= kClassicRoleCount && !fields[i].empty())
            count = kCursorRoleCount;
    }
    std::wstring expected;
    for (int i = 0; i < count; ++i)
        expected += (i ? L"," : L"") + fields[i];
    // Where the Windows folder appears, the installer writes %SYSTEMROOT%
    // instead, matching without regard to case; not modelled here.
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring lower = expected, lowerWindows = windows;
    for (wchar_t& c : lower)
        c = (wchar_t)towlower(c);
    for (wchar_t& c : lowerWindows)
        c = (wchar_t)towlower(c);
    if (lower.find(lowerWindows) != std::wstring::npos)
        return;
    if (W(scheme) != expected)
        Finding(std::string("scheme of design ") + (char)number[0] + " is " + Show(W(scheme)) +
                ", the file gives " + Show(expected));
}

void CheckEndDialog(const IniModel& m)
{
    std::wstring use;
    const bool used = !(m.Get(L"EndDlg", L"Use", use) && EqualNoCaseAscii(Trimmed(use, L" "), L"No"));
    if (IsEndDlgUsed(g_strInfoFile.t()) != used)
        Finding("[EndDlg] Use " + Show(use) + " judged wrongly");
    CNelStrW caption, message;
    int changeDN = 2;
    ReadEndDlgTexts(caption, message, changeDN, g_strInfoFile.t());
    if (changeDN != m.GetInt(L"EndDlg", L"ChangeDN", 2))
        Finding("ChangeDN read as " + std::to_string(changeDN));
    if (caption.IsEmpty() || message.IsEmpty())
        Finding("the completion prompt has an empty caption or question");
}

// The saved-choice paths: split into root, key and value name by the rule
// (the last backslash separates the value name; "%NULL%" is the default
// value), and read.
void CheckRegPath(const std::wstring& path)
{
    static const wchar_t* const roots[] = {L"HKEY_CLASSES_ROOT\\", L"HKEY_CURRENT_USER\\",
        L"HKEY_LOCAL_MACHINE\\", L"HKEY_USERS\\", L"HKEY_DYN_DATA\\", L"HKEY_PERFORMANCE_DATA\\"};
    CNelStrW subKey(L"unchanged"), valueName(L"unchanged");
    const HKEY root = NelRegParsePath(path.c_str(), subKey, valueName);
    const wchar_t* prefix = nullptr;
    for (const wchar_t* candidate : roots) {
        const std::wstring c = candidate;
        if (path.size() >= c.size() && EqualNoCaseAscii(path.substr(0, c.size()), c)) {
            prefix = candidate;
            break;
        }
    }
    if (!prefix) {
        if (root || W(subKey) != L"unchanged" || W(valueName) != L"unchanged")
            Finding("registry path " + Show(path) + " has no known root but was taken");
        return;
    }
    const std::wstring rest = path.substr(wcslen(prefix));
    const size_t split = rest.rfind(L'\\');
    const std::wstring key = split == std::wstring::npos ? L"" : rest.substr(0, split);
    std::wstring name = split == std::wstring::npos ? rest : rest.substr(split + 1);
    if (EqualNoCaseAscii(name, L"%NULL%"))
        name.clear();
    if (!root || W(subKey) != key || W(valueName) != name)
        Finding("registry path " + Show(path) + " split into " + Show(W(subKey)) + " and " +
                Show(W(valueName)));
    CNelStrW value;
    NelRegReadStr(path.c_str(), value);
    NelRegReadByte(path.c_str(), -1);
}

void CheckSavedPaths(const IniModel&)
{
    for (const wchar_t* key : {L"InstallFolderKey", L"DesignName1Key", L"DesignName2Key", L"LocationKey"}) {
        CNelStrW path;
        if (ReadInfoText(L"MainDlg", key, path))
            CheckRegPath(W(path));
    }
}

// One reading of the installer's per input; every file read costs a whole
// open, read and close under Wine, so the long ones come less often.
void RunInstallInfo(Random& r)
{
    const std::string bytes = MakeInfoFile(r);
    if (!PutInfoFile(bytes))
        return;
    const IniModel m(bytes);
    switch (r.Below(16)) {
    case 0: case 1: CheckVersion(m); break;
    case 2: case 3: CheckRequired(m); break;
    case 4: case 5: case 6: CheckTexts(m, r); break;
    case 7: case 8: CheckIcons(m); break;
    case 9: CheckFileList(m); break;
    case 10: case 11: CheckScheme(m, r); break;
    case 12: case 13: CheckEndDialog(m); break;
    default: CheckSavedPaths(m); break;
    }
}

// --- Pure checks on many generated values ------------------------------

void RunRegPaths(Random& r)
{
    for (int n = 0; n < 40; ++n)
        CheckRegPath(HostileRegPath(r));
}

void RunFileNames(Random& r)
{
    for (int n = 0; n < 40; ++n) {
        std::wstring name;
        for (uint32_t parts = 1 + r.Below(4); parts; --parts)
            name += (name.empty() ? L"" : (r.Below(2) ? L"\\" : L"/")) + HostileFileName(r);
        if (!name.empty() && !IsInvalidInstallFileName(CNelStrW(name.c_str())))
            CheckStaysInside(name);
    }
}

} // namespace

const Target kInstallInfoTargets[] = {
    {"ini-reader", 60, RunIniReader},
    {"install-info", 120, RunInstallInfo},
    {"registry-paths", 30, RunRegPaths},
    {"file-names", 40, RunFileNames},
    {nullptr, 0, nullptr},
};

} // namespace Fuzz
