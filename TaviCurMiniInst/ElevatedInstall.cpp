#include "ElevatedInstall.h"
#include <shellapi.h>
#include "CommandLine.h"
#include "Installation.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "TaviGlobals.h"
#include "UninstallSetup.h"

const wchar_t kElevatedSwitch[] = L"/NelElevatedInstall";

namespace {

bool CheckRequest(const ElevatedRequest& request)
{
    if (request.allUsers != 0 && request.allUsers != 1)
        return false;
    if (!NelIsAbsolutePath(request.folder.t()))
        return false;
    CNelStrW unused;
    const bool twoDesigns = ReadInfoStr(L"MainDlg", L"DN2CurName", unused);
    if (request.name1.IsEmpty() || twoDesigns != !request.name2.IsEmpty())
        return false;
    if (twoDesigns && request.name1.CompareNC(request.name2.t()) == 0)
        return false;
    CNelStrW source;
    NelGetModuleDir(source);
    if (source.IsEmpty() || source.GetAt(source.GetLength() - 1) != L'\\')
        source += L"\\";
    return CheckInstallFiles(source).messageId == 0;
}

} // namespace

CNelStrW BuildElevatedParameters(const ElevatedRequest& request)
{
    CNelStrW params(kElevatedSwitch);
    AppendQuotedArg(params, request.folder.t());
    AppendQuotedArg(params, request.allUsers == 1 ? L"1" : L"0");
    AppendQuotedArg(params, request.name1.t());
    if (!request.name2.IsEmpty())
        AppendQuotedArg(params, request.name2.t());
    return params;
}

bool IsElevatedCommandLine(const wchar_t* commandLine)
{
    return CommandLineArgs(commandLine).Is(1, kElevatedSwitch);
}

bool ParseElevatedCommandLine(const wchar_t* commandLine, ElevatedRequest& request)
{
    const CommandLineArgs args(commandLine);
    const int count = args.Count();
    const bool shaped = (count == 5 || count == 6) && args.Is(1, kElevatedSwitch) &&
                        (lstrcmpW(args[3], L"0") == 0 || lstrcmpW(args[3], L"1") == 0);
    if (shaped) {
        request.folder = args[2];
        request.allUsers = args[3][0] == L'1' ? 1 : 0;
        request.name1 = args[4];
        request.name2 = count == 6 ? args[5] : L"";
    }
    return shaped;
}

int RunElevatedInstall(const ElevatedRequest& request)
{
    if (!CheckRequest(request))
        return kElevatedRefused;
    NelCreateDirTree(request.folder.t());  // advisory: the folder is tested below
    if (!NelIsDirectory(request.folder.t()))
        return kElevatedNoFolder;
    CNelStrW source;
    NelGetModuleDir(source);
    if (source.GetAt(source.GetLength() - 1) != L'\\')
        source += L"\\";
    CNelStrW folder = request.folder + L"\\";
    ULONGLONG listedBytes = 0;
    if (!CopyInstallFiles(source, folder, nullptr, &listedBytes))
        return kElevatedCopyFailed;
    if (request.allUsers == 1 &&
        WriteDesignSchemes(true, folder, request.name1,
                           request.name2.IsEmpty() ? nullptr : &request.name2) != ERROR_SUCCESS)
        return kElevatedNoRegistry;
    // The uninstaller goes where only this helper may write, and so does
    // the machine's record. The first process checks both and warns; the
    // installation itself is done either way.
    if (IsUninstallUsed() && PlaceUninstallCopies(request.folder) &&
        UninstallRecordInMachine(request.allUsers)) {
        CNelStrW savedChoices[kSavedChoiceCount];
        ReadSavedChoicePaths(!request.name2.IsEmpty(), true, savedChoices);
        WriteUninstallRecord(MakeUninstallRecord(request.folder, request.allUsers, request.name1,
                                                 request.name2, savedChoices, listedBytes),
                             true);
    }
    return kElevatedDone;
}

bool CanRequestElevation()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6;
}

int RunElevatedHelper(const ElevatedRequest& request, HWND owner, DWORD* launchError)
{
    return RunThisProgramElevated(BuildElevatedParameters(request), owner, launchError);
}

int RunThisProgramElevated(const CNelStrW& params, HWND owner, DWORD* launchError)
{
    CNelStrW program;
    NelGetModulePath(program);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = program.t();
    info.lpParameters = params.t();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info) || !info.hProcess) {
        *launchError = GetLastError();
        if (*launchError == ERROR_SUCCESS)
            *launchError = ERROR_GEN_FAILURE;
        if (info.hProcess)
            CloseHandle(info.hProcess);
        return -1;
    }
    // The owner stays disabled (as under a message box) but painted while
    // the helper works.
    const BOOL wasEnabled = owner ? !EnableWindow(owner, FALSE) : FALSE;
    while (MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, INFINITE, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (owner && wasEnabled)
        EnableWindow(owner, TRUE);
    DWORD code = kElevatedRefused;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}
