// The steps of an installation that need no dialog: checking and copying
// the [InstallFiles] list, the scheme strings, saving the user's choices
// and applying a design as the current pointer set.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// The current user's cursor key and the all-users one.
extern const wchar_t kUserCursorsKey[];
extern const wchar_t kAllUsersCursorsKey[];

// Result of checking the file list before anything is touched.
struct FileListProblem {
    UINT messageId;    // 0 when the list is fine
    CNelStrW message;  // the message with its placeholders filled in
};

// [InstallFiles] File<n>: true when present and non-empty (the list ends
// at the first that is not).
bool ReadInstallFile(int n, CNelStrW& name);

// Checks every [InstallFiles] entry: at least File0, no "*", "?" or ",",
// no name that leaves the install folder (a ".." component, a drive, a
// leading backslash) or names a device, and every source present in
// sourceFolder (which ends in "\").
FileListProblem CheckInstallFiles(const CNelStrW& sourceFolder);

// One [InstallFiles] value the installer refuses to copy (message 1029):
// "*", "?", "," or ":" in it, a name that would reach outside the install
// folder, or a part that names a device (CON, NUL, COM1, ...).
bool IsInvalidInstallFileName(const CNelStrW& name);

// A file's size in bytes; 0 when it cannot be read or is a folder.
ULONGLONG FileBytes(const CNelStrW& path);

// The bytes the [InstallFiles] name takes in folder (ending in "\"); 0
// for a name the installer refuses to copy.
ULONGLONG ListedFileBytes(const CNelStrW& folder, const CNelStrW& name);

// Copies source over destination, replacing a read-only or hidden copy of
// an earlier run, and marks the copy for archiving. On failure the last
// error is CopyFileW's.
bool ReplaceFileCopy(const CNelStrW& source, const CNelStrW& destination);

// Copies every listed file from sourceFolder to installFolder (both end
// in "\"), replacing read-only or hidden copies of an earlier run; goes on
// after a failure. True when every copy succeeded; *accessDenied (when
// given) tells whether a copy failed for want of permission; *listedBytes
// (when given) the bytes the listed files take in the install folder
// afterwards, for the uninstall record, which so need not read the list
// again.
bool CopyInstallFiles(const CNelStrW& sourceFolder, const CNelStrW& installFolder,
                      bool* accessDenied, ULONGLONG* listedBytes = nullptr);

// After the folder could not be created: whether that was for want of
// permission (the first missing level refuses to be made with access
// denied), as for a program without elevation under the Windows folder.
bool FolderCreationDenied(const CNelStrW& folder);

// The comma-separated file paths of design number, under the install
// folder (ending in "\"): fifteen, or seventeen when the design names a
// Pin or a Person file; a folder inside the Windows folder is written as
// %SYSTEMROOT%.
void BuildSchemeString(const wchar_t* number, const wchar_t* installFolder, CNelStrW& out,
                       const wchar_t* infoFile);

// Sets one role value of the current user's cursor key (open for
// writing) to the design's file, install folder + name as ReadDesignFile
// gives it, or to an empty string when it has none.
bool WriteCursorRoleValue(HKEY cursors, const wchar_t* valueName, const CNelStrW& file, DWORD type);

// Writes the scheme value named name under the key keyPath (a registry
// path string); the name is a value name as it stands, backslashes and all.
// The registry's result.
LONG WriteSchemeValue(const CNelStrW& keyPath, const CNelStrW& name, const CNelStrW& scheme,
                      DWORD type);

// Writes the scheme of design 1 (name1) and, when name2 is given, of
// design 2 under "\Schemes" of the all-users cursor key (allUsers) or the
// current user's; always the user's on the 9x family. Plain strings for all
// users and on the 9x family, expandable strings otherwise. ERROR_SUCCESS,
// or the registry's result of the first write that failed (a design 1
// value already written stays).
LONG WriteDesignSchemes(bool allUsers, const CNelStrW& installFolder, const CNelStrW& name1,
                        const CNelStrW* name2);

// False only when [EndDlg] Use, trimmed of spaces, is "No" in any case.
bool IsEndDlgUsed(const wchar_t* infoFile);

// The completion prompt's caption and question, and which design to apply.
void ReadEndDlgTexts(CNelStrW& caption, CNelStrW& message, int& changeDN, const wchar_t* infoFile);

// The registry paths the user's choices are saved to, in the order
// InstallFolderKey, DesignName1Key, DesignName2Key, LocationKey
// (macro-expanded; empty where a value is not written).
const int kSavedChoiceCount = 4;
void SavedChoicePaths(bool useDesign2, bool locationVisible, CNelStrW paths[kSavedChoiceCount]);

// The same paths when [MainDlg] SaveInstallData is "Yes", all empty
// otherwise: what an installation saves, read once for the saving and the
// uninstall record.
void ReadSavedChoicePaths(bool useDesign2, bool locationVisible,
                          CNelStrW paths[kSavedChoiceCount]);

// The choices saved to the paths of ReadSavedChoicePaths (an empty path
// skips its value; failures are ignored).
struct InstallChoices {
    CNelStrW folder;  // trimmed, without a trailing backslash
    CNelStrW name1, name2;
    int allUsers;  // 1 or 0
};
void SaveInstallChoices(const InstallChoices& choices, const CNelStrW paths[kSavedChoiceCount]);

// Makes design number the current pointer set: the role values (Pin and
// Person only where the design names either or they already exist),
// the scheme name, "Scheme Source" when writeSchemeSource, and a request
// to the system to reload the cursors.
void ApplyDesign(const wchar_t* number, const CNelStrW& name, const CNelStrW& installFolder,
                 bool writeSchemeSource, int allUsers);
