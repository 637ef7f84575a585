// The part of a removal that needs administrator permission: the
// installed uninstaller started again with the "runas" verb, which removes
// the machine's schemes and the files and, when all are gone, the
// machine's record and the uninstaller's own files once the uninstaller
// has ended. The user's own values stay with the uninstaller that asked.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// The helper's parameters: its switch and the asking uninstaller's
// process id.
CNelStrW BuildElevatedUninstallParameters(DWORD uninstallerPid);

bool IsElevatedUninstallCommandLine(const wchar_t* commandLine);

// The helper's work (g_strInfoFile: the install-info copy beside it). It
// trusts nothing of the command line but the process to wait for: the
// folder is its own and the record must name it. No window. Returns an
// UninstallResult.
int RunElevatedUninstall(const wchar_t* commandLine);
