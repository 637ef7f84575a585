// The uninstaller's own files. A program cannot delete its own file while
// it runs, so the uninstaller leaves that to a copy of itself in the
// temporary folder, which waits for it to end. The copy's file is opened
// for deletion on close and the handle inherited by the copy: when the
// copy ends, its last handle goes and the system deletes the file, so
// nothing stays behind. Where the system will not start a program from a
// file opened so, the copy asks for its deletion at the next restart.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

extern const wchar_t kCleanupSwitch[];  // "/NelUninstallCleanup"

// Starts the temporary copy: once the process waitFor has ended, it deletes
// Uninstall.exe, NelWnd.dll and Uninstall.nelcmi from folder, then the
// folder when it is empty. False when no copy could be started.
bool StartUninstallCleanup(HANDLE waitFor, const CNelStrW& folder);

bool IsUninstallCleanupCommandLine(const wchar_t* commandLine);

// The temporary copy's work, as its command line says. 0 when the copies
// and the folder are gone or stay only for the user's files, else 1.
int RunUninstallCleanup(const wchar_t* commandLine);
