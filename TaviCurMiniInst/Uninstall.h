// The removal of an installed set, run by the uninstaller's copy in the
// install folder: "Uninstall.exe /uninstall" (and "/quiet"), as the
// uninstall record tells Programs and Features to start it, or
// Uninstall.exe started plainly.
#pragma once
#include <windows.h>

enum UninstallResult {
    kUninstallDone = 0,        // removed; what the user changed or added is kept
    kUninstallIncomplete = 1,  // something could not be removed; the record stays
    kUninstallCancelled = 2,   // the user answered No
    kUninstallRefused = 3,     // no record of this set names the program's folder
};

struct UninstallCommand {
    bool requested;  // "/uninstall"
    bool quiet;      // with "/quiet": no question and no message
};

// "/uninstall" alone, or with "/quiet" before or after it, in any case.
// Any other command line asks for no removal.
UninstallCommand ParseUninstallCommandLine(const wchar_t* commandLine);

// Whether this program is an installed set's uninstaller started plainly:
// it is called Uninstall.exe, its package uses [Uninstall] and the set's
// record names its folder. It then removes the set after asking.
bool IsInstalledUninstaller();

// The removal, with g_strInfoFile the uninstaller's install-info copy:
// asks (not when quiet); releases the current pointers where they use the
// set; removes the schemes and the files, asking for administrator
// permission where the folder needs it; removes the saved choices and the
// record when nothing is left that could not be removed; says how it
// went (not when quiet); and leaves a temporary copy to delete the
// uninstaller's own files once it has ended. Returns an UninstallResult.
int RunUninstall(bool quiet);
