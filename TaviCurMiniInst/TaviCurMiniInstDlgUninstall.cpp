// OK of the main dialog, for a package with [Uninstall] Use=Yes: after
// the schemes, the uninstaller's copies and the uninstall record.
#include "TaviCurMiniInstDlg.h"
#include "ElevatedInstall.h"
#include "InstallInfo.h"
#include "NelPath.h"
#include "NelWndBinding.h"
#include "UninstallSetup.h"
#include "resource.h"

void CTaviCurMiniInstDlg::RegisterUninstall(const ElevatedRequest& request, bool elevated,
                                            const CNelStrW savedChoices[kSavedChoiceCount],
                                            ULONGLONG listedBytes)
{
    const bool machine = UninstallRecordInMachine(request.allUsers);
    // Where the helper with administrator permission made the folder, it
    // placed the copies too, and wrote the machine's record. No record
    // names an uninstaller that is not there, nor stays half written.
    const CNelStrW program = request.folder + L"\\" + kUninstallProgramName;
    const bool placed = elevated ? NelFileExists(program.t()) != FALSE
                                 : PlaceUninstallCopies(request.folder);
    if (placed && !(elevated && machine) &&
        !WriteUninstallRecord(MakeUninstallRecord(request.folder, request.allUsers, request.name1,
                                                  request.name2, savedChoices, listedBytes),
                              machine))
        DeleteUninstallRecord(machine);
    if (placed && IsUninstallRegistered(request.folder, machine)) {
        // A record of the same folder in the other key (an earlier
        // installation for the other audience) would be listed twice.
        if (IsUninstallRegistered(request.folder, !machine))
            DeleteUninstallRecord(!machine);
        return;
    }
    // The set is installed all the same; only its removal is not prepared.
    CallNelMsgBoxW(ReadInfoMultiLineOr(L"Uninstall", L"RecordFailedMes", IDS_UNINSTALL_RECORD_FAILED).t(),
                   ReadInfoMultiLineOr(L"Uninstall", L"DlgTitle", IDS_UNINSTALL_CAPTION).t(),
                   MB_ICONWARNING, nullptr, nullptr, nullptr);
}
