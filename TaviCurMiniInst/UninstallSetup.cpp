#include "UninstallSetup.h"
#include "Installation.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtilInternal.h"

bool PlaceUninstallCopies(const CNelStrW& folder)
{
    CNelStrW program, source;
    if (!NelGetModulePath(program) || !NelGetModuleDir(source))
        return false;
    const CNelStrW target = folder + L"\\";
    const CNelStrW library = source + L"\\" + kUninstallLibraryName;
    return ReplaceFileCopy(program, target + kUninstallProgramName) &&
           (!NelFileExists(library.t()) || ReplaceFileCopy(library, target + kUninstallLibraryName)) &&
           ReplaceFileCopy(g_strInfoFile, target + kUninstallInfoName);
}

UninstallRecord MakeUninstallRecord(const CNelStrW& folder, int allUsers, const CNelStrW& name1,
                                    const CNelStrW& name2,
                                    const CNelStrW savedChoices[kSavedChoiceCount],
                                    ULONGLONG listedBytes)
{
    UninstallRecord record;
    record.folder = folder;
    // The same choice of key as WriteDesignSchemes.
    record.schemeKey = allUsers == 1 && !NelIsWin9xPlatform() ? kAllUsersCursorsKey : kUserCursorsKey;
    record.schemeKey += L"\\Schemes";
    record.schemes[0] = name1;
    record.schemes[1] = name2;
    for (int i = 0; i < kSavedChoiceCount; ++i)
        record.savedChoices[i] = savedChoices[i];
    record.listedBytes = listedBytes;
    return record;
}

bool IsUninstallRegistered(const CNelStrW& folder, bool machine)
{
    UninstallRecord record;
    const CNelStrW program = folder + L"\\" + kUninstallProgramName;
    return ReadUninstallRecord(machine, record) && record.folder.CompareNC(folder.t()) == 0 &&
           NelFileExists(program.t()) && !NelIsDirectory(program.t());
}
