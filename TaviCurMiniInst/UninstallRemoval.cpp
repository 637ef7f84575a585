#include "UninstallRemoval.h"
#include "CursorRoles.h"
#include "Installation.h"
#include "NelPath.h"
#include "NelReg.h"

namespace {

void AddLine(CNelStrW& list, const CNelStrW& line)
{
    if (!list.IsEmpty())
        list += L"\n";
    list += line;
}

void NoteFailure(RemovalReport& report, const CNelStrW& what, DWORD error)
{
    AddLine(report.failed, what);
    if (error == ERROR_ACCESS_DENIED)
        report.denied = true;
}

CNelStrW SchemesKeyOf(const wchar_t* cursorsKey)
{
    return CNelStrW(cursorsKey) + L"\\Schemes";
}

// A value's text (empty for a value that is no string); false when the
// value does not exist.
bool ReadValueText(HKEY root, const CNelStrW& subKey, const CNelStrW& name, CNelStrW& text)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.t(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    BYTE* data = nullptr;
    DWORD size = 0, type = REG_NONE;
    LONG rc = RegQueryValueExW(key, name.t(), nullptr, &type, nullptr, nullptr);
    if (rc == ERROR_SUCCESS)
        rc = NelRegQueryAlloc(key, name.t(), &data, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return false;
    text = (type == REG_SZ || type == REG_EXPAND_SZ) ? reinterpret_cast<const wchar_t*>(data) : L"";
    delete[] data;
    return true;
}

LONG DeleteValue(HKEY root, const CNelStrW& subKey, const CNelStrW& name)
{
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExW(root, subKey.t(), 0, KEY_SET_VALUE, &key);
    if (rc != ERROR_SUCCESS)
        return rc;
    rc = RegDeleteValueW(key, name.t());
    RegCloseKey(key);
    return rc;
}

bool IsUninstallerCopy(const CNelStrW& name)
{
    for (const wchar_t* copy : kUninstallCopies)
        if (name.CompareNC(copy) == 0)
            return true;
    return false;
}

bool KeyIsEmpty(HKEY root, const CNelStrW& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.t(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD subKeys = 1, values = 1;
    const LONG rc = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                                     &values, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && subKeys == 0 && values == 0;
}

// A saved choice's key, which only the author's packages use, goes with
// its parents while they are empty; never a key of the root's first
// level ("Software").
void DeleteEmptyKeys(HKEY root, CNelStrW subKey)
{
    while (subKey.RFind(L'\\') > 0 && KeyIsEmpty(root, subKey) &&
           RegDeleteKeyW(root, subKey.t()) == ERROR_SUCCESS)
        subKey = subKey.Left(subKey.RFind(L'\\'));
}

bool IsGone(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Whether the folder refuses new files, tried with a file of its own that
// goes again when it is closed.
bool FolderRefusesWrites(const CNelStrW& folder)
{
    CNelStrW probe;
    probe.Format(L"\\~TCU%lu.tmp", GetCurrentProcessId());
    HANDLE file = CreateFileW((folder + probe).t(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return false;
}

void DeleteInstalledFile(const CNelStrW& path, RemovalReport& report)
{
    SetFileAttributesW(path.t(), FILE_ATTRIBUTE_NORMAL);  // a read-only copy is still ours
    if (!DeleteFileW(path.t())) {
        if (!IsGone(GetLastError()))
            NoteFailure(report, path, GetLastError());
        return;
    }
    // Wine reports success where the folder may not be written to, and the
    // file stays; so does a file another program holds open for deletion.
    if (GetFileAttributesW(path.t()) != INVALID_FILE_ATTRIBUTES)
        NoteFailure(report, path,
                    FolderRefusesWrites(path.Left(path.RFind(L'\\'))) ? ERROR_ACCESS_DENIED
                                                                       : ERROR_SHARING_VIOLATION);
}

// The subfolders of name (sub\deeper\a.cur) inside the folder, deepest
// first, each only when empty.
void RemoveEmptyParents(const CNelStrW& base, const CNelStrW& name, RemovalReport& report)
{
    for (int slash = name.RFind(L'\\'); slash > 0; slash = name.Left(slash).RFind(L'\\')) {
        const CNelStrW dir = base + name.Left(slash);
        if (!RemoveDirectoryW(dir.t())) {
            const DWORD error = GetLastError();
            if (error != ERROR_DIR_NOT_EMPTY && !IsGone(error))
                NoteFailure(report, dir, error);
        }
    }
}

// Whether the folder holds anything besides the uninstaller's copies.
bool HoldsOtherThanUninstaller(const CNelStrW& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").t(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool other = false;
    do {
        const CNelStrW name(found.cFileName);
        other = name.Compare(L".") != 0 && name.Compare(L"..") != 0 && !IsUninstallerCopy(name);
    } while (!other && FindNextFileW(find, &found));
    FindClose(find);
    return other;
}

} // namespace

bool PathIsInFolder(const CNelStrW& path, const CNelStrW& folder)
{
    CNelStrW expanded(path);
    expanded.ExpandEnvStr();
    const int length = folder.GetLength();
    return length > 0 && expanded.GetLength() > length + 1 && expanded.GetAt(length) == L'\\' &&
           expanded.Left(length).CompareNC(folder.t()) == 0;
}

bool SchemeIsInFolder(const CNelStrW& scheme, const CNelStrW& folder)
{
    int files = 0;
    CNelStrW rest(scheme);
    while (!rest.IsEmpty()) {
        const int comma = rest.Find(L",");
        const CNelStrW field = comma < 0 ? rest : rest.Left(comma);
        rest = comma < 0 ? CNelStrW(L"") : rest.Mid(comma + 1);
        if (field.IsEmpty())
            continue;
        if (!PathIsInFolder(field, folder))
            return false;
        ++files;
    }
    return files > 0;
}

bool IsMachineSchemeKey(const CNelStrW& schemeKey)
{
    return schemeKey.CompareNC(SchemesKeyOf(kAllUsersCursorsKey).t()) == 0;
}

void RemoveRecordedSchemes(const UninstallRecord& record, RemovalReport& report)
{
    // The record names one of the two keys the installation writes to, or
    // nothing is touched.
    if (!IsMachineSchemeKey(record.schemeKey) &&
        record.schemeKey.CompareNC(SchemesKeyOf(kUserCursorsKey).t()) != 0)
        return;
    CNelStrW subKey, unused;
    HKEY root = NelRegParsePath((record.schemeKey + L"\\").t(), subKey, unused);
    for (const CNelStrW& name : record.schemes) {
        CNelStrW scheme;
        if (name.IsEmpty() || !ReadValueText(root, subKey, name, scheme))
            continue;
        const CNelStrW shown = record.schemeKey + L"\\" + name;
        if (!SchemeIsInFolder(scheme, record.folder)) {
            AddLine(report.kept, shown);
            continue;
        }
        const LONG rc = DeleteValue(root, subKey, name);
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
            NoteFailure(report, shown, static_cast<DWORD>(rc));
    }
}

void ReleaseCurrentPointers(const UninstallRecord& record)
{
    const CNelStrW cursors(kUserCursorsKey);
    CNelStrW current;
    NelRegReadStr((cursors + L"\\%NULL%").t(), current);
    bool used = false;
    for (const CNelStrW& name : record.schemes)
        used |= !name.IsEmpty() && current.CompareNC(name.t()) == 0;
    bool ours[kCursorRoleCount] = {};
    for (int i = 0; i < kCursorRoleCount; ++i) {
        CNelStrW value;
        ours[i] = NelRegReadStr((cursors + L"\\" + kCursorRoles[i].valueName).t(), value) &&
                  PathIsInFolder(value, record.folder);
        used |= ours[i];
    }
    if (!used)
        return;
    // An empty role value is the system's standard pointer.
    for (int i = 0; i < kCursorRoleCount; ++i)
        if (ours[i])
            NelRegWrite((cursors + L"\\" + kCursorRoles[i].valueName).t(), L"", REG_EXPAND_SZ,
                        KEY_WRITE);
    NelRegWrite((cursors + L"\\%NULL%").t(), L"", REG_SZ, KEY_WRITE);
    // As when a design is applied: Wine refuses it, and no failure is reported.
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

void RemoveInstalledFiles(const CNelStrW& folder, RemovalReport& report)
{
    const CNelStrW base = folder + L"\\";
    CNelStrW name;
    for (int n = 0; ReadInstallFile(n, name); ++n) {
        // Names the installation refuses never got there; the copies go last.
        if (IsInvalidInstallFileName(name) || IsUninstallerCopy(name))
            continue;
        const CNelStrW path = base + name;
        if (!NelIsDirectory(path.t()))  // a folder in its place is the user's
            DeleteInstalledFile(path, report);
        RemoveEmptyParents(base, name, report);
    }
    if (!report.failed.IsEmpty())
        return;
    // The uninstaller needs its install-info copy until the job is done.
    DeleteInstalledFile(base + kUninstallInfoName, report);
    if (report.failed.IsEmpty() && HoldsOtherThanUninstaller(folder))
        AddLine(report.kept, folder);
}

void KeepSavedChoicesOfInfoFile(UninstallRecord& record)
{
    CNelStrW named[kSavedChoiceCount];
    SavedChoicePaths(true, true, named);
    for (CNelStrW& path : record.savedChoices) {
        bool known = false;
        for (const CNelStrW& n : named)
            known |= !n.IsEmpty() && n.CompareNC(path.t()) == 0;
        if (!known)
            path = L"";
    }
}

void RemoveSavedChoices(const UninstallRecord& record)
{
    for (const CNelStrW& path : record.savedChoices) {
        CNelStrW subKey, name;
        HKEY root = path.IsEmpty() ? nullptr : NelRegParsePath(path.t(), subKey, name);
        if (!root)
            continue;
        DeleteValue(root, subKey, name);
        DeleteEmptyKeys(root, subKey);
    }
}
