#include "UninstallRecord.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelReg.h"
#include "WndUtil/NelWndUtilInternal.h"

const wchar_t kUninstallProgramName[] = L"Uninstall.exe";
const wchar_t kUninstallInfoName[] = L"Uninstall.nelcmi";
const wchar_t kUninstallLibraryName[] = L"NelWnd.dll";
const wchar_t* const kUninstallCopies[kUninstallCopyCount] = {
    kUninstallProgramName, kUninstallLibraryName, kUninstallInfoName};

namespace {

const wchar_t kUserUninstallKey[] =
    L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kMachineUninstallKey[] =
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// Registry limits a key name to 255 characters.
const int kMaxIdNameLength = 200;

// The root and subkey of a path string that names a key (no value).
HKEY ParseKeyPath(const CNelStrW& keyPath, CNelStrW& subKey)
{
    CNelStrW unused;
    return NelRegParsePath((keyPath + L"\\").t(), subKey, unused);
}

CNelStrW NumberedName(const wchar_t* base, int n)
{
    CNelStrW number;
    number.NumToStr(n);
    return CNelStrW(base) + number;
}

// What the installation put into the folder, in KiB rounded up: the
// listed files (as the copies counted them, else measured again from the
// file list) and the uninstaller's copies.
DWORD EstimatedSizeKiB(const UninstallRecord& record)
{
    const CNelStrW base = record.folder + L"\\";
    ULONGLONG bytes = record.listedBytes;
    if (bytes == kListedBytesUnknown) {
        bytes = 0;
        CNelStrW name;
        for (int n = 0; ReadInstallFile(n, name); ++n)
            bytes += ListedFileBytes(base, name);
    }
    for (const wchar_t* copy : kUninstallCopies)
        bytes += FileBytes(base + copy);
    return static_cast<DWORD>((bytes + 1023) / 1024);
}

bool SetString(HKEY key, const wchar_t* name, const CNelStrW& value)
{
    return NelRegSetValue(key, name, value.t() ? value.t() : L"", REG_SZ) == ERROR_SUCCESS;
}

bool SetDword(HKEY key, const wchar_t* name, DWORD value)
{
    return NelRegSetValue(key, name, &value, REG_DWORD) == ERROR_SUCCESS;
}

// A string value of an open key; empty when missing or not a string.
CNelStrW GetString(HKEY key, const wchar_t* name)
{
    CNelStrW text(L"");
    BYTE* data = nullptr;
    DWORD size = 0, type = REG_NONE;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) &&
        NelRegQueryAlloc(key, name, &data, &size) == ERROR_SUCCESS)
        text = reinterpret_cast<const wchar_t*>(data);
    delete[] data;
    return text;
}

} // namespace

bool ReadUninstallRecord(bool machine, UninstallRecord& record)
{
    CNelStrW subKey;
    UninstallRecord read;
    read.key = UninstallRecordKey(machine);
    HKEY root = ParseKeyPath(read.key, subKey);
    HKEY key = nullptr;
    if (!root || RegOpenKeyExW(root, subKey.t(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    read.folder = GetString(key, L"InstallLocation");
    read.schemeKey = GetString(key, L"SchemeKey");
    for (int i = 0; i < 2; ++i)
        read.schemes[i] = GetString(key, NumberedName(L"Scheme", i + 1).t());
    for (int i = 0; i < kSavedChoiceCount; ++i)
        read.savedChoices[i] = GetString(key, NumberedName(L"SavedChoice", i + 1).t());
    RegCloseKey(key);
    if (read.folder.IsEmpty())
        return false;
    record = read;
    return true;
}

bool IsUninstallUsed()
{
    return InfoValueIs(L"Uninstall", L"Use", L"Yes");
}

bool UninstallRecordInMachine(int allUsers)
{
    return allUsers == 1 || NelIsWin9xPlatform();
}

CNelStrW UninstallRecordId(const CNelStrW& curName)
{
    CNelStrW id(L"TaviCurMiniInst_");
    const wchar_t* p = curName.t() ? curName.t() : L"";
    for (int i = 0; p[i] && i < kMaxIdNameLength; ++i) {
        const wchar_t one[2] = {p[i] == L'\\' || p[i] < 0x20 ? L'_' : p[i], 0};
        id += one;
    }
    return id;
}

CNelStrW UninstallRecordKey(bool machine)
{
    CNelStrW curName;
    ReadInfoStr(L"CurInfo", L"CurName", curName);
    CNelStrW key(machine ? kMachineUninstallKey : kUserUninstallKey);
    key += L"\\";
    key += UninstallRecordId(curName);
    return key;
}

bool WriteUninstallRecord(const UninstallRecord& record, bool machine)
{
    UninstallRecord earlier;
    earlier.key = UninstallRecordKey(machine);
    DeleteUninstallRecord(earlier);  // values of an earlier installation must not linger
    CNelStrW subKey;
    HKEY root = ParseKeyPath(earlier.key, subKey);
    HKEY key = nullptr;
    if (!root || RegCreateKeyExW(root, subKey.t(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                 nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    CNelStrW product, company;
    ReadInfoStr(L"CurInfo", L"ProductName", product);
    const CNelStrW program = record.folder + L"\\" + kUninstallProgramName;
    CNelStrW command(L"\"");
    command += program;
    command += L"\" /uninstall";
    bool ok = SetString(key, L"DisplayName", product);
    ok &= SetString(key, L"DisplayVersion", FormatVersion100(ReadInfoInt(L"CurInfo", L"Version", 0)));
    if (ReadInfoStr(L"CurInfo", L"CompanyName", company))
        ok &= SetString(key, L"Publisher", company);
    ok &= SetString(key, L"DisplayIcon", program);
    ok &= SetString(key, L"InstallLocation", record.folder);
    ok &= SetString(key, L"UninstallString", command);
    ok &= SetString(key, L"QuietUninstallString", command + L" /quiet");
    ok &= SetDword(key, L"NoModify", 1);
    ok &= SetDword(key, L"NoRepair", 1);
    ok &= SetDword(key, L"EstimatedSize", EstimatedSizeKiB(record));
    ok &= SetString(key, L"SchemeKey", record.schemeKey);
    for (int i = 0; i < 2; ++i)
        if (!record.schemes[i].IsEmpty())
            ok &= SetString(key, NumberedName(L"Scheme", i + 1).t(), record.schemes[i]);
    int saved = 0;
    for (const CNelStrW& path : record.savedChoices)
        if (!path.IsEmpty())
            ok &= SetString(key, NumberedName(L"SavedChoice", ++saved).t(), path);
    RegCloseKey(key);
    return ok;
}

bool FindUninstallRecord(const CNelStrW& folder, UninstallRecord& record, bool& machine)
{
    for (int i = 0; i < 2; ++i) {
        const bool inMachine = i == 1;  // the user's first
        UninstallRecord read;
        if (ReadUninstallRecord(inMachine, read) && read.folder.CompareNC(folder.t()) == 0) {
            record = read;
            machine = inMachine;
            return true;
        }
    }
    return false;
}

LONG DeleteUninstallRecord(bool machine)
{
    UninstallRecord record;
    record.key = UninstallRecordKey(machine);
    return DeleteUninstallRecord(record);
}

LONG DeleteUninstallRecord(const UninstallRecord& record)
{
    CNelStrW subKey;
    HKEY root = ParseKeyPath(record.key, subKey);
    if (!root)
        return ERROR_INVALID_PARAMETER;
    const LONG rc = RegDeleteKeyW(root, subKey.t());
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}
