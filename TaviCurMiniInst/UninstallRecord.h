// The uninstall record of an installed set: a key under
// "...\CurrentVersion\Uninstall" of the current user or of the machine,
// which Programs and Features and its peers list, holding the values they
// read and what the removal needs (the schemes registered and the saved
// choices written).
#pragma once
#include <windows.h>
#include "Installation.h"
#include "Str/NelStr.h"

// The uninstaller's copies in the install folder. The program finds its
// install-info file by its own base name, so the two names match.
extern const wchar_t kUninstallProgramName[];  // "Uninstall.exe"
extern const wchar_t kUninstallInfoName[];     // "Uninstall.nelcmi"
extern const wchar_t kUninstallLibraryName[];  // "NelWnd.dll"
// The three, as a list.
const int kUninstallCopyCount = 3;
extern const wchar_t* const kUninstallCopies[kUninstallCopyCount];

const ULONGLONG kListedBytesUnknown = ~0ULL;

// What an installation leaves for its removal.
struct UninstallRecord {
    CNelStrW key;        // registry path of the record key it was read from
    CNelStrW folder;     // the install folder, without a trailing backslash
    CNelStrW schemeKey;  // registry path of the "\Schemes" key the schemes went to
    CNelStrW schemes[2];                         // their names; [1] empty with one design
    CNelStrW savedChoices[kSavedChoiceCount];    // registry paths written; empty ones unused
    // Bytes of the listed files in the folder as the copies left them, or
    // kListedBytesUnknown to measure them again from the file list.
    ULONGLONG listedBytes = kListedBytesUnknown;
};

// Whether the package asks for removal: [Uninstall] Use is "Yes" in any case.
bool IsUninstallUsed();

// Whether the record goes under the machine's key: for all users, and
// always on the 9x family, which has no user's Uninstall key.
bool UninstallRecordInMachine(int allUsers);

// The record's key name for a cursor-set name: "TaviCurMiniInst_" and the
// name, backslashes and control characters as "_", cut to 200 characters.
// The same set gives the same key, so a reinstallation replaces its record.
CNelStrW UninstallRecordId(const CNelStrW& curName);

// Registry path string of this set's record key ([CurInfo] CurName of the
// install-info file).
CNelStrW UninstallRecordKey(bool machine);

// Replaces this set's record with record: the values Windows reads
// (DisplayName, DisplayVersion, Publisher, DisplayIcon, InstallLocation,
// UninstallString, QuietUninstallString, NoModify, NoRepair,
// EstimatedSize) and the removal's own (SchemeKey, Scheme1, Scheme2,
// SavedChoice1...). True when every value was written.
bool WriteUninstallRecord(const UninstallRecord& record, bool machine);

// This set's record in the user's or the machine's key; false when there
// is none or it names no install folder.
bool ReadUninstallRecord(bool machine, UninstallRecord& record);

// This set's record whose install folder is folder (ignoring case): the
// user's first, then the machine's. machine tells where it was found.
bool FindUninstallRecord(const CNelStrW& folder, UninstallRecord& record, bool& machine);

// Removes this set's record key (the Uninstall key above it is the
// system's and stays). The registry's result; success when there was none.
LONG DeleteUninstallRecord(bool machine);

// The same for the record read into record (the install-info file, which
// names the set, may be gone by then).
LONG DeleteUninstallRecord(const UninstallRecord& record);
