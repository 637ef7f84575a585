// The installation's part of the removal: the uninstaller's copies in the
// install folder and the uninstall record, for packages whose [Uninstall]
// Use is "Yes".
#pragma once
#include <windows.h>
#include "UninstallRecord.h"

// Copies this program as Uninstall.exe, NelWnd.dll when it lies beside the
// program, and the install-info file as Uninstall.nelcmi into folder
// (without a trailing backslash). True when all are in place.
bool PlaceUninstallCopies(const CNelStrW& folder);

// The record of an installation into folder: the schemes of name1 and,
// when given, name2 under the user's or the all-users key, the saved
// choices' paths (ReadSavedChoicePaths) and the listed files' bytes
// (CopyInstallFiles; kListedBytesUnknown to measure them again).
UninstallRecord MakeUninstallRecord(const CNelStrW& folder, int allUsers, const CNelStrW& name1,
                                    const CNelStrW& name2,
                                    const CNelStrW savedChoices[kSavedChoiceCount],
                                    ULONGLONG listedBytes);

// Whether this set's record (machine's or user's) names folder and its
// uninstaller is there.
bool IsUninstallRegistered(const CNelStrW& folder, bool machine);
