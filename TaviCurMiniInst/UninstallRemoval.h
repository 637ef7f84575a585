// The steps of a removal: each takes away only what the installation put
// there and is still as it left it, and notes what stays. Both the
// uninstaller and its helper with administrator permission run them, and a
// step run again finds nothing more to do.
#pragma once
#include <windows.h>
#include "UninstallRecord.h"

// What a removal left, as lines for the user.
struct RemovalReport {
    CNelStrW failed;  // could not be removed (in use, refused): the record stays
    CNelStrW kept;    // the user's: changed or added since the installation
    bool denied;      // something was refused for want of permission
};

// Whether path (environment variables expanded) lies inside folder.
bool PathIsInFolder(const CNelStrW& path, const CNelStrW& folder);

// Whether a scheme string names at least one file and only files inside
// folder.
bool SchemeIsInFolder(const CNelStrW& scheme, const CNelStrW& folder);

// Whether the record's scheme key is the all-users one, which needs
// administrator permission.
bool IsMachineSchemeKey(const CNelStrW& schemeKey);

// Removes each recorded scheme that still names only files in the folder;
// a scheme the user has pointed elsewhere is kept.
void RemoveRecordedSchemes(const UninstallRecord& record, RemovalReport& report);

// When the current pointers use the set (the current scheme name is a
// recorded one, or a role value points into the folder): empties every
// role value that points into the folder, clears the scheme name and asks
// the system to reload the cursors.
void ReleaseCurrentPointers(const UninstallRecord& record);

// Deletes the [InstallFiles] files from folder, then the subfolders they
// leave empty; when nothing has failed (report included), also the
// uninstaller's install-info copy, and notes the folder as kept when
// something not installed is in it.
void RemoveInstalledFiles(const CNelStrW& folder, RemovalReport& report);

// Drops the recorded saved choices that the install-info file does not
// name: the record alone is not trusted to name a value to delete.
void KeepSavedChoicesOfInfoFile(UninstallRecord& record);

// Deletes the recorded saved choices, and their keys when left empty.
void RemoveSavedChoices(const UninstallRecord& record);
