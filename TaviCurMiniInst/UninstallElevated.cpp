#include "UninstallElevated.h"
#include "CommandLine.h"
#include "NelIni.h"
#include "Uninstall.h"
#include "UninstallCleanup.h"
#include "UninstallRemoval.h"

namespace {

const wchar_t kElevatedUninstallSwitch[] = L"/NelElevatedUninstall";

} // namespace

CNelStrW BuildElevatedUninstallParameters(DWORD uninstallerPid)
{
    CNelStrW pid;
    pid.Format(L"%lu", uninstallerPid);
    CNelStrW params(kElevatedUninstallSwitch);
    params += L" ";
    params += pid;
    return params;
}

bool IsElevatedUninstallCommandLine(const wchar_t* commandLine)
{
    return CommandLineArgs(commandLine).Is(1, kElevatedUninstallSwitch);
}

int RunElevatedUninstall(const wchar_t* commandLine)
{
    const CommandLineArgs args(commandLine);
    DWORD pid = 0;
    CNelStrW folder;
    UninstallRecord record;
    bool machine = false;
    if (args.Count() != 3 || !args.Is(1, kElevatedUninstallSwitch) || !ParseDecimalArg(args[2], pid) ||
        !NelGetModuleDir(folder) || !IsUninstallUsed() || !FindUninstallRecord(folder, record, machine))
        return kUninstallRefused;
    HANDLE uninstaller = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!uninstaller)
        return kUninstallRefused;
    RemovalReport report = {CNelStrW(L""), CNelStrW(L""), false};
    if (IsMachineSchemeKey(record.schemeKey))
        RemoveRecordedSchemes(record, report);
    RemoveInstalledFiles(folder, report);
    const bool complete = report.failed.IsEmpty();
    if (complete) {
        if (machine)
            DeleteUninstallRecord(record);
        StartUninstallCleanup(uninstaller, folder);
    }
    CloseHandle(uninstaller);
    return complete ? kUninstallDone : kUninstallIncomplete;
}
