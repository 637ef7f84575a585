// Entry point of the cursor-set installer: finds the install-info file
// beside the program, keeps a second copy of the same set from running,
// prepares what both dialogs share, runs the main dialog and cleans up.
// The command line is ignored, except for "/uninstall" (and "/quiet") of
// an installed uninstaller and for the helper modes that the program
// starts itself (where a folder needs administrator permission, and to
// remove the uninstaller's own files); those return their result as the
// exit code. Every other path returns 0 after posting a quit message with
// exit code 0.
#include <windows.h>
#include "DialogClass.h"
#include "ElevatedInstall.h"
#include "InfoMacros.h"
#include "NelIni.h"
#include "NelPath.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"
#include "Uninstall.h"
#include "UninstallCleanup.h"
#include "UninstallElevated.h"
#include "UninstallRecord.h"
#include "resource.h"

namespace {

int Quit()
{
    PostQuitMessage(0);
    return 0;
}

// Locates the install-info file and takes the single-instance mutex;
// false (after any message, none when quiet) when the program must end.
bool PrepareInstall(bool quiet)
{
    CNelStrW programPath;
    if (!NelGetModulePath(programPath)) {
        if (!quiet)
            ShowStartupError(IDS_NO_MODULE_PATH, IDS_FATAL_CAPTION, MB_ICONERROR);
        return false;
    }
    if (!BuildInfoFilePath(programPath, g_strInfoFile))
        return false;  // no "." anywhere in the path: end silently
    if (!NelFileExists(g_strInfoFile.t())) {
        if (!quiet)
            ShowStartupError(IDS_NO_INFO_FILE, IDS_ERR_CAPTION, MB_ICONERROR);
        return false;
    }

    CNelStrW mutexName;
    NelIniGetStr(L"CurInfo", L"MutexName", mutexName, g_strInfoFile.t());
    ExpandInfoMacros(mutexName);
    switch (TakeInstanceMutex(mutexName)) {
    case kMutexFailed:
        if (!quiet)
            ShowStartupError(IDS_CANNOT_START, IDS_FATAL_CAPTION, MB_ICONERROR);
        return false;
    case kMutexAlreadyRunning:
        if (!quiet)
            ShowStartupError(IDS_ALREADY_RUNNING, IDS_ERR_CAPTION, MB_ICONINFORMATION, true);
        return false;
    case kMutexTaken:
        break;
    }
    return true;
}

// The helper modes: no window, no single-instance check (the process that
// started them holds the mutex); the install-info file beside the program.
bool LocateHelperInfoFile()
{
    CNelStrW programPath;
    return NelGetModulePath(programPath) && BuildInfoFilePath(programPath, g_strInfoFile) &&
           NelFileExists(g_strInfoFile.t());
}

// The installation's helper: the request on the command line, checked
// before anything is done.
int RunHelperMode()
{
    ElevatedRequest request = {};
    if (!LocateHelperInfoFile() || !ParseElevatedCommandLine(GetCommandLineW(), request))
        return kElevatedRefused;
    return RunElevatedInstall(request);
}

void ReleaseSharedResources(ATOM dlgClass)
{
    if (dlgClass)
        UnregisterClassW(MAKEINTATOM(dlgClass), g_hInstance);
    DeleteObject(g_hDlgFont);  // a stock font is left alone by the system
    g_hDlgFont = nullptr;
    if (g_hIconSmall)
        DestroyIcon(g_hIconSmall);
    if (g_hIconLarge)
        DestroyIcon(g_hIconLarge);
    g_hIconSmall = g_hIconLarge = nullptr;
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    g_hInstance = hInstance;
    const wchar_t* commandLine = GetCommandLineW();
    if (IsElevatedCommandLine(commandLine))
        return RunHelperMode();
    if (IsUninstallCleanupCommandLine(commandLine))
        return RunUninstallCleanup(commandLine);
    if (IsElevatedUninstallCommandLine(commandLine))
        return LocateHelperInfoFile() ? RunElevatedUninstall(commandLine) : kUninstallRefused;
    const UninstallCommand uninstall = ParseUninstallCommandLine(commandLine);
    if (!PrepareInstall(uninstall.quiet)) {
        Quit();
        return uninstall.requested ? kUninstallRefused : 0;
    }
    // "/uninstall" is for packages that use [Uninstall]; any other shows
    // its dialog, as it did before the switch existed.
    if ((uninstall.requested && IsUninstallUsed()) || IsInstalledUninstaller())
        return RunUninstall(uninstall.quiet);

    g_hDlgFont = CreateDialogFont();
    LoadAppIcons(g_hIconSmall, g_hIconLarge);
    ATOM dlgClass = RegisterDialogClass(g_hInstance);
    {
        CTaviCurMiniInstDlg dlg(nullptr);
        dlg.ShowDlg();
        PostQuitMessage(0);
        ReleaseSharedResources(dlgClass);
    }
    return 0;
}
