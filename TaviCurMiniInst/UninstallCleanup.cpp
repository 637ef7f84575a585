#include "UninstallCleanup.h"
#include "CommandLine.h"
#include "Installation.h"
#include "NelIni.h"
#include "NelPath.h"
#include "UninstallRecord.h"

const wchar_t kCleanupSwitch[] = L"/NelUninstallCleanup";

namespace {

const wchar_t kRestartSwitch[] = L"/NelDeleteAtRestart";

// How long a copy may stay in use after its program ended (the system
// may hold a file briefly after the process has gone).
const DWORD kRetryMs = 5000;

CNelStrW TempFolder()
{
    wchar_t temp[MAX_PATH + 1] = {};
    return GetTempPathW(MAX_PATH, temp) ? CNelStrW(temp) : CNelStrW(L"");
}

// Starts the copy, in the temporary folder so that it holds no handle on
// the install folder it is to remove.
bool Launch(const CNelStrW& copy, const CNelStrW& params)
{
    CNelStrW commandLine(L"\"");
    commandLine += copy;
    commandLine += L"\"";
    commandLine += params;
    const CNelStrW current = TempFolder();
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(copy.t(), commandLine.GetBuff(), nullptr, nullptr, TRUE, 0, nullptr,
                        current.IsEmpty() ? nullptr : current.t(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Deletes a file, waiting a little while something still holds it; false
// when it stays.
bool DeleteWithRetry(const CNelStrW& path)
{
    SetFileAttributesW(path.t(), FILE_ATTRIBUTE_NORMAL);
    for (DWORD start = GetTickCount();; Sleep(100)) {
        // A reported success is checked: Wine reports one where the
        // folder may not be written to.
        if (DeleteFileW(path.t()) && GetFileAttributesW(path.t()) == INVALID_FILE_ATTRIBUTES)
            return true;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return true;
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            GetTickCount() - start >= kRetryMs)
            return false;
    }
}

bool RemoveUninstallerCopies(const CNelStrW& folder)
{
    bool allGone = true;
    for (const wchar_t* name : kUninstallCopies) {
        const CNelStrW path = folder + L"\\" + name;
        if (!DeleteWithRetry(path)) {
            MoveFileExW(path.t(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);  // the last resort
            allGone = false;
        }
    }
    // Fails, and the folder stays, while the user's own files are in it.
    if (!RemoveDirectoryW(folder.t()) && !allGone)
        MoveFileExW(folder.t(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return allGone;
}

} // namespace

bool StartUninstallCleanup(HANDLE waitFor, const CNelStrW& folder)
{
    CNelStrW program;
    wchar_t copyPath[MAX_PATH + 1] = {};
    const CNelStrW temp = TempFolder();
    if (!NelGetModulePath(program) || temp.IsEmpty() ||
        !GetTempFileNameW(temp.t(), L"TCU", 0, copyPath))
        return false;
    const CNelStrW copy(copyPath);
    HANDLE wait = nullptr;
    if (!CopyFileW(program.t(), copy.t(), FALSE) ||
        !DuplicateHandle(GetCurrentProcess(), waitFor, GetCurrentProcess(), &wait, SYNCHRONIZE, TRUE,
                         0)) {
        DeleteFileW(copy.t());
        return false;
    }
    // Kernel handles have 32 significant bits in every process.
    CNelStrW handle;
    handle.NumToStr(static_cast<int>(reinterpret_cast<ULONG_PTR>(wait)));
    CNelStrW params(L" ");
    params += kCleanupSwitch;
    params += L" ";
    params += handle;
    AppendQuotedArg(params, folder.t());

    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    HANDLE self = CreateFileW(copy.t(), DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherited,
                              OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    bool started = self != INVALID_HANDLE_VALUE && Launch(copy, params);
    if (self != INVALID_HANDLE_VALUE)
        CloseHandle(self);  // the copy keeps its own; without one the file goes now
    if (!started) {
        started = CopyFileW(program.t(), copy.t(), FALSE) &&
                  Launch(copy, params + L" " + kRestartSwitch);
        if (!started)
            DeleteFileW(copy.t());
    }
    CloseHandle(wait);
    return started;
}

bool IsUninstallCleanupCommandLine(const wchar_t* commandLine)
{
    return CommandLineArgs(commandLine).Is(1, kCleanupSwitch);
}

int RunUninstallCleanup(const wchar_t* commandLine)
{
    const CommandLineArgs args(commandLine);
    const bool restart = args.Count() == 5 && args.Is(4, kRestartSwitch);
    DWORD handle = 0;
    const CNelStrW folder(args[3]);
    if ((args.Count() != 4 && !restart) || !args.Is(1, kCleanupSwitch) ||
        !ParseDecimalArg(args[2], handle) || !NelIsAbsolutePath(folder.t()))
        return 1;
    HANDLE uninstaller = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(handle));
    const bool ended = WaitForSingleObject(uninstaller, INFINITE) == WAIT_OBJECT_0;
    CloseHandle(uninstaller);
    const bool removed = ended && RemoveUninstallerCopies(folder);
    if (restart) {
        CNelStrW self;
        if (NelGetModulePath(self))
            MoveFileExW(self.t(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
    return removed ? 0 : 1;
}
