// The steps of the installer's start-up and clean-up, in the order the
// entry point runs them.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// The install-info path for a program path: everything before the last "."
// of the whole path, followed by ".nelcmi" (D:\set\install.exe reads
// D:\set\install.nelcmi). False when the path has no "." at all.
bool BuildInfoFilePath(const CNelStrW& programPath, CNelStrW& infoFile);

// A start-up failure: the system message box (not NelWnd), no owner.
// expandMacros: the text names install-info macros (%ProductName%).
void ShowStartupError(UINT textId, UINT captionId, UINT flags, bool expandMacros = false);

enum StartupMutexResult {
    kMutexTaken,          // we own it (or no name was given)
    kMutexFailed,         // could not be created
    kMutexAlreadyRunning  // another copy holds the same name
};

// Takes the single-instance mutex named by the install-info file. The
// handle stays open for the life of the process: the system releases it
// when the process ends.
StartupMutexResult TakeInstanceMutex(const CNelStrW& name);

// The icon-title font, else the stock GUI font.
HFONT CreateDialogFont();

// Icon 130 at the system's small and large icon sizes (NULL on failure).
void LoadAppIcons(HICON& small, HICON& large);
