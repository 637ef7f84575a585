// Entry point of the cursor-set installer: finds the install-info file
// beside the program, keeps a second copy of the same set from running,
// prepares what both dialogs share, runs the main dialog and cleans up.
// The command line is ignored, except for the helper mode that the program
// starts itself where the install folder needs administrator permission;
// that mode returns its result as the exit code. Every other path returns
// 0 after posting a quit message with exit code 0.
#include <windows.h>
#include "DialogClass.h"
#include "ElevatedInstall.h"
#include "InfoMacros.h"
#include "NelIni.h"
#include "NelPath.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"
#include "resource.h"

namespace {

int Quit()
{
    PostQuitMessage(0);
    return 0;
}

// Locates the install-info file and takes the single-instance mutex;
// false (after any message) when the program must end.
bool PrepareInstall()
{
    CNelStrW programPath;
    if (!NelGetModulePath(programPath)) {
        ShowStartupError(IDS_NO_MODULE_PATH, IDS_FATAL_CAPTION, MB_ICONERROR);
        return false;
    }
    if (!BuildInfoFilePath(programPath, g_strInfoFile))
        return false;  // no "." anywhere in the path: end silently
    if (!NelFileExists(g_strInfoFile.t())) {
        ShowStartupError(IDS_NO_INFO_FILE, IDS_ERR_CAPTION, MB_ICONERROR);
        return false;
    }

    CNelStrW mutexName;
    NelIniGetStr(L"CurInfo", L"MutexName", mutexName, g_strInfoFile.t());
    ExpandInfoMacros(mutexName);
    switch (TakeInstanceMutex(mutexName)) {
    case kMutexFailed:
        ShowStartupError(IDS_CANNOT_START, IDS_FATAL_CAPTION, MB_ICONERROR);
        return false;
    case kMutexAlreadyRunning:
        ShowStartupError(IDS_ALREADY_RUNNING, IDS_ERR_CAPTION, MB_ICONINFORMATION, true);
        return false;
    case kMutexTaken:
        break;
    }
    return true;
}

// The helper mode: no window, no single-instance check (the process that
// started it holds the mutex); the install-info file beside the program
// and the request on the command line, checked before anything is done.
int RunHelperMode()
{
    CNelStrW programPath;
    ElevatedRequest request = {};
    if (!NelGetModulePath(programPath) || !BuildInfoFilePath(programPath, g_strInfoFile) ||
        !NelFileExists(g_strInfoFile.t()) || !ParseElevatedCommandLine(GetCommandLineW(), request))
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
    if (IsElevatedCommandLine(GetCommandLineW()))
        return RunHelperMode();
    if (!PrepareInstall())
        return Quit();

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
