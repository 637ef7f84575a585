#include "Installation.h"
#include "CursorRoles.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "NelReg.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtilInternal.h"
#include "resource.h"
#include <initializer_list>

const wchar_t kUserCursorsKey[] = L"HKEY_CURRENT_USER\\Control Panel\\Cursors";
const wchar_t kAllUsersCursorsKey[] =
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cursors";

namespace {

CNelStrW FileKey(int n)
{
    CNelStrW key;
    key.Format(L"File%d", n);
    return key;
}

FileListProblem Problem(UINT id, int n, const CNelStrW& name, const CNelStrW* source)
{
    FileListProblem problem = {id, CNelStrW()};
    problem.message.LoadStr(id, g_hInstance);
    CNelStrW number;
    number.NumToStr(n);
    problem.message.PermStr(L"|no|", number.t());
    if (source)
        problem.message.PermStr(L"|fp|", source->t());
    problem.message.PermStr(L"|fn|", name.t());
    return problem;
}

// Creates the subfolders a name such as sub\arrow.cur needs in the
// install folder (the copy cannot create them itself). present: the last
// folder found or made here, not looked at again for the next file in it.
void CreateParentFolders(const CNelStrW& destination, CNelStrW& present)
{
    int slash = destination.RFind(L'\\');
    if (slash > 0) {
        CNelStrW parent = destination.Left(slash);
        if (!present.IsEmpty() && parent.Compare(present.t()) == 0)
            return;
        bool found = NelIsDirectory(parent.t()) != FALSE;
        if (!found) {
            NelCreateDirTree(parent.t());
            found = NelIsDirectory(parent.t()) != FALSE;
        }
        if (found)
            present = parent;
    }
}

wchar_t UpperAscii(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// A component naming a DOS device (CON, NUL, COM1, ... with or without an
// extension, spaces before it ignored): in any folder the system opens the
// device there instead of a file, so a copy "succeeds" and leaves no file.
bool IsDeviceName(const wchar_t* part, size_t len)
{
    size_t base = 0;
    while (base < len && part[base] != L'.')
        ++base;
    while (base > 0 && part[base - 1] == L' ')
        --base;
    wchar_t name[8] = {};
    if (base < 3 || base > 7)
        return false;
    for (size_t i = 0; i < base; ++i)
        name[i] = UpperAscii(part[i]);
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (wcscmp(name, device) == 0)
            return true;
    return base == 4 && (wcsncmp(name, L"COM", 3) == 0 || wcsncmp(name, L"LPT", 3) == 0) &&
           name[3] >= L'1' && name[3] <= L'9';
}

} // namespace

// Subfolders inside the install folder stay allowed; a drive or stream
// colon, a leading backslash or slash, a ".." component and a device name
// do not.
bool IsInvalidInstallFileName(const CNelStrW& name)
{
    const wchar_t* p = name.t();
    if (wcspbrk(p, L"*?,:"))
        return true;
    if (p[0] == L'\\' || p[0] == L'/')
        return true;
    for (const wchar_t* part = p; *part;) {
        size_t len = wcscspn(part, L"\\/");
        if (len == 2 && part[0] == L'.' && part[1] == L'.')
            return true;
        if (IsDeviceName(part, len))
            return true;
        part += len;
        if (*part)
            ++part;
    }
    return false;
}

ULONGLONG FileBytes(const CNelStrW& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.t(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

ULONGLONG ListedFileBytes(const CNelStrW& folder, const CNelStrW& name)
{
    return IsInvalidInstallFileName(name) ? 0 : FileBytes(folder + name);
}

bool ReadInstallFile(int n, CNelStrW& name)
{
    return ReadInfoStr(L"InstallFiles", FileKey(n).t(), name);
}

FileListProblem CheckInstallFiles(const CNelStrW& sourceFolder)
{
    for (int n = 0;; ++n) {
        CNelStrW name;
        if (!ReadInstallFile(n, name)) {
            if (n == 0) {
                FileListProblem problem = {IDS_NO_INSTALL_FILES, CNelStrW()};
                problem.message.LoadStr(IDS_NO_INSTALL_FILES, g_hInstance);
                return problem;
            }
            return FileListProblem{0, CNelStrW()};
        }
        if (IsInvalidInstallFileName(name))
            return Problem(IDS_INVALID_FILE_NAME, n, name, nullptr);
        CNelStrW source = sourceFolder + name;
        if (!NelFileExists(source.t()))
            return Problem(IDS_FILE_NOT_FOUND, n, name, &source);
    }
}

bool ReplaceFileCopy(const CNelStrW& source, const CNelStrW& destination)
{
    // A read-only or hidden copy of an earlier run must not block the copy.
    SetFileAttributesW(destination.t(), FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileW(source.t(), destination.t(), FALSE))
        return false;
    SetFileAttributesW(destination.t(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(destination.t(), FILE_ATTRIBUTE_ARCHIVE);
    return true;
}

bool CopyInstallFiles(const CNelStrW& sourceFolder, const CNelStrW& installFolder,
                      bool* accessDenied, ULONGLONG* listedBytes)
{
    bool allCopied = true;
    if (accessDenied)
        *accessDenied = false;
    if (listedBytes)
        *listedBytes = 0;
    CNelStrW name, present;
    for (int n = 0; ReadInstallFile(n, name); ++n) {
        CNelStrW source = sourceFolder + name;
        CNelStrW destination = installFolder + name;
        CreateParentFolders(destination, present);
        if (!ReplaceFileCopy(source, destination)) {
            // A folder in the file's place is refused the same way, but no
            // permission would help there.
            const DWORD error = GetLastError();
            if (accessDenied && error == ERROR_ACCESS_DENIED && !NelIsDirectory(destination.t()))
                *accessDenied = true;
            allCopied = false;
        }
        if (listedBytes)
            *listedBytes += ListedFileBytes(installFolder, name);
    }
    return allCopied;
}

namespace {

// Opens (or makes) the key a registry path string names, for writing.
// The registry's result.
LONG CreateKeyForWriting(const CNelStrW& keyPath, HKEY& key)
{
    // The path ends in a backslash so that the parse gives the key alone.
    CNelStrW subKey, unused;
    HKEY root = NelRegParsePath((keyPath + L"\\").t(), subKey, unused);
    if (!root)
        return ERROR_INVALID_PARAMETER;
    return RegCreateKeyExW(root, subKey.t(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                           &key, nullptr);
}

bool UserCursorValueExists(const wchar_t* valueName)
{
    CNelStrW path(kUserCursorsKey);
    path += L"\\";
    path += valueName;
    BYTE* data = nullptr;
    DWORD size = 0;
    const bool exists = NelRegReadRaw(path.t(), &data, &size) == ERROR_SUCCESS;
    delete[] data;
    return exists;
}

} // namespace

void BuildSchemeString(const wchar_t* number, const wchar_t* installFolder, CNelStrW& out,
                       const wchar_t* infoFile)
{
    // Seventeen fields only for a design with Pin or Person, so that every
    // other scheme stays exactly the classic fifteen.
    CNelStrW fields[kCursorRoleCount];
    int count = kClassicRoleCount;
    for (int i = 0; i < kCursorRoleCount; ++i) {
        ReadDesignFile(kCursorRoles[i].keyTemplate, number, installFolder, fields[i], infoFile);
        if (i >= kClassicRoleCount && !fields[i].IsEmpty())
            count = kCursorRoleCount;
    }
    CNelStrW joined(L"");
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            joined += L",";
        joined += fields[i];
    }
    CNelStrW systemRoot(L"%SYSTEMROOT%");
    systemRoot.ExpandEnvStr();
    if (systemRoot.CompareNC(L"%SYSTEMROOT%") != 0)
        joined.PermStrNC(systemRoot.t(), L"%SYSTEMROOT%");
    out = joined;
}

bool WriteCursorRoleValue(HKEY cursors, const wchar_t* valueName, const CNelStrW& file, DWORD type)
{
    return NelRegSetValue(cursors, valueName, file.t() ? file.t() : L"", type) == ERROR_SUCCESS;
}

LONG WriteSchemeValue(const CNelStrW& keyPath, const CNelStrW& name, const CNelStrW& scheme,
                      DWORD type)
{
    // The scheme's name is used as the value name exactly as typed.
    HKEY key = nullptr;
    LONG result = CreateKeyForWriting(keyPath, key);
    if (result != ERROR_SUCCESS)
        return result;
    result = NelRegSetValue(key, name.t(), scheme.t(), type);
    RegCloseKey(key);
    return result;
}

LONG WriteDesignSchemes(bool allUsers, const CNelStrW& installFolder, const CNelStrW& name1,
                        const CNelStrW* name2)
{
    // The all-users key takes plain strings; the 9x family has neither the
    // all-users key nor expandable scheme strings.
    const bool win9x = NelIsWin9xPlatform() != FALSE;
    CNelStrW schemes(allUsers && !win9x ? kAllUsersCursorsKey : kUserCursorsKey);
    schemes += L"\\Schemes";
    const DWORD type = (win9x || allUsers) ? REG_SZ : REG_EXPAND_SZ;
    const CNelStrW* names[2] = {&name1, name2};
    const wchar_t* numbers[2] = {L"1", L"2"};
    for (int k = 0; k < 2 && names[k]; ++k) {
        CNelStrW scheme;
        BuildSchemeString(numbers[k], installFolder.t(), scheme, g_strInfoFile.t());
        LONG result = WriteSchemeValue(schemes, *names[k], scheme, type);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return ERROR_SUCCESS;
}

bool FolderCreationDenied(const CNelStrW& folder)
{
    // The deepest level that exists, then one attempt at the next.
    CNelStrW existing = folder;
    int slash = existing.RFind(L'\\');
    while (slash > 0 && !NelIsDirectory(existing.Left(slash).t())) {
        existing = existing.Left(slash);
        slash = existing.RFind(L'\\');
    }
    if (slash <= 0)
        return false;
    if (CreateDirectoryW(existing.t(), nullptr)) {
        RemoveDirectoryW(existing.t());
        return false;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

bool IsEndDlgUsed(const wchar_t* infoFile)
{
    CNelStrW use;
    if (!NelIniGetStr(L"EndDlg", L"Use", use, infoFile))
        return true;
    use.Trim(L" ");
    return use.CompareNC(L"No") != 0;
}

void ReadEndDlgTexts(CNelStrW& caption, CNelStrW& message, int& changeDN, const wchar_t* infoFile)
{
    if (!ReadInfoText(L"EndDlg", L"DlgTitle", caption)) {
        caption.LoadStr(IDS_END_CAPTION, g_hInstance);
        ExpandInfoMacros(caption);
    }
    if (!ReadInfoMultiLine(L"EndDlg", L"Mes", message)) {
        message.LoadStr(IDS_END_MESSAGE, g_hInstance);
        ExpandInfoMacros(message);
    }
    changeDN = NelIniGetInt(L"EndDlg", L"ChangeDN", changeDN, infoFile);
}

void SavedChoicePaths(bool useDesign2, bool locationVisible, CNelStrW paths[kSavedChoiceCount])
{
    const wchar_t* keys[kSavedChoiceCount] = {L"InstallFolderKey", L"DesignName1Key",
                                              L"DesignName2Key", L"LocationKey"};
    const bool written[kSavedChoiceCount] = {true, true, useDesign2, locationVisible};
    for (int i = 0; i < kSavedChoiceCount; ++i)
        if (!written[i] || !ReadInfoText(L"MainDlg", keys[i], paths[i]))
            paths[i] = L"";
}

void ReadSavedChoicePaths(bool useDesign2, bool locationVisible,
                          CNelStrW paths[kSavedChoiceCount])
{
    if (InfoValueIs(L"MainDlg", L"SaveInstallData", L"Yes"))
        SavedChoicePaths(useDesign2, locationVisible, paths);
    else
        for (int i = 0; i < kSavedChoiceCount; ++i)
            paths[i] = L"";
}

void SaveInstallChoices(const InstallChoices& choices, const CNelStrW paths[kSavedChoiceCount])
{
    const CNelStrW* strings[3] = {&choices.folder, &choices.name1, &choices.name2};
    for (int i = 0; i < 3; ++i)
        if (!paths[i].IsEmpty())
            NelRegWrite(paths[i].t(), strings[i]->t() ? strings[i]->t() : L"", REG_SZ, KEY_WRITE);
    if (!paths[3].IsEmpty()) {
        DWORD flag = choices.allUsers;
        NelRegWriteDword(paths[3].t(), &flag, KEY_WRITE);
    }
}

void ApplyDesign(const wchar_t* number, const CNelStrW& name, const CNelStrW& installFolder,
                 bool writeSchemeSource, int allUsers)
{
    // Each role's file is read once: it is what is written, and Pin and
    // Person are written for a design that names either, and emptied where
    // an earlier set left them, so that no other set's pointer stays; a
    // system that never had them gets nothing new.
    CNelStrW files[kCursorRoleCount];
    bool extras = false;
    for (int i = 0; i < kCursorRoleCount; ++i) {
        ReadDesignFile(kCursorRoles[i].keyTemplate, number, installFolder.t(), files[i],
                       g_strInfoFile.t());
        extras = extras || (i >= kClassicRoleCount && !files[i].IsEmpty());
    }
    // Every value lies in the one key, opened (or made) once for all of
    // them; failures are not reported.
    HKEY cursors = nullptr;
    if (CreateKeyForWriting(CNelStrW(kUserCursorsKey), cursors) == ERROR_SUCCESS) {
        for (int i = 0; i < kCursorRoleCount; ++i) {
            if (i >= kClassicRoleCount && !extras && !UserCursorValueExists(kCursorRoles[i].valueName))
                continue;
            WriteCursorRoleValue(cursors, kCursorRoles[i].valueName, files[i], REG_EXPAND_SZ);
        }
        // The default value is the name the mouse settings show as current.
        if (name.t())
            NelRegSetValue(cursors, L"", name.t(), REG_SZ);
        if (writeSchemeSource) {
            DWORD value = allUsers == 1 ? 2 : 1;
            NelRegSetValue(cursors, L"Scheme Source", &value, REG_DWORD);
        }
        RegCloseKey(cursors);
    }
    // Not implemented everywhere (Wine refuses it); failure is not reported.
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}
