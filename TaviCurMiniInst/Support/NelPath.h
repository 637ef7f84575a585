// Path and file-system helpers of the installer: existence and directory
// tests over wide-character paths. Each returns its answer directly and
// shows no message; callers choose what to tell the user.
#pragma once
#include <windows.h>

// TRUE when path is non-null and names an existing directory.
BOOL NelIsDirectory(const wchar_t* path);

// TRUE when path has 1 to 3 characters and names the root folder of an
// existing drive: "C", "C:" and "C:\" all name the root of drive C.
BOOL NelIsDriveRoot(const wchar_t* path);

// TRUE when a file or folder of that name exists. Paths of up to three
// characters count only as drive roots; longer ones go through a find-first
// search, so wildcard characters match any file.
BOOL NelFileExists(const wchar_t* path);
