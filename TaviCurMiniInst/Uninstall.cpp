#include "Uninstall.h"
#include "CommandLine.h"
#include "ElevatedInstall.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelWndBinding.h"
#include "UninstallCleanup.h"
#include "UninstallElevated.h"
#include "UninstallRemoval.h"
#include "resource.h"

namespace {

const wchar_t kUninstallSwitch[] = L"/uninstall";
const wchar_t kQuietSwitch[] = L"/quiet";

struct UninstallTexts {
    CNelStrW caption, question, done, left, incomplete, elevateCaption, elevate, noRecord;
};

// Every text at the start: the install-info copy goes during the removal.
UninstallTexts ReadUninstallTexts()
{
    UninstallTexts t;
    t.caption = ReadInfoMultiLineOr(L"Uninstall", L"DlgTitle", IDS_UNINSTALL_CAPTION);
    t.question = ReadInfoMultiLineOr(L"Uninstall", L"Mes", IDS_UNINSTALL_QUESTION);
    t.done = ReadInfoMultiLineOr(L"Uninstall", L"DoneMes", IDS_UNINSTALL_DONE);
    t.left = ReadInfoMultiLineOr(L"Uninstall", L"LeftMes", IDS_UNINSTALL_LEFT);
    t.incomplete = ReadInfoMultiLineOr(L"Uninstall", L"IncompleteMes", IDS_UNINSTALL_INCOMPLETE);
    // The permission is asked for under the installation's caption.
    t.elevateCaption = ReadInfoMultiLineOr(L"Elevation", L"DlgTitle", IDS_ELEVATE_CAPTION);
    t.elevate = ReadInfoMultiLineOr(L"Uninstall", L"ElevateMes", IDS_UNINSTALL_ELEVATE);
    t.noRecord = ReadInfoMultiLineOr(L"Uninstall", L"NoRecordMes", IDS_UNINSTALL_NO_RECORD);
    return t;
}

int Show(const CNelStrW& text, const CNelStrW& caption, UINT flags)
{
    return CallNelMsgBoxW(text.t(), caption.t(), flags, nullptr, nullptr, nullptr);
}

// The steps that may need administrator permission.
RemovalReport RemoveSchemesAndFiles(const UninstallRecord& record)
{
    RemovalReport report = {CNelStrW(L""), CNelStrW(L""), false};
    RemoveRecordedSchemes(record, report);
    RemoveInstalledFiles(record.folder, report);
    return report;
}

bool AskPermission(const UninstallTexts& texts, const CNelStrW& folder)
{
    CNelStrW question = texts.elevate;
    question.PermStr(L"|fp|", folder.t());
    return Show(question, texts.elevateCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The first lines of a list, and "…" for the rest: a folder that refuses
// everything would give a box taller than the screen.
CNelStrW ShownList(const CNelStrW& list)
{
    const int kMaxLines = 10;
    int end = -1;
    for (int line = 0; line < kMaxLines && (line == 0 || end >= 0); ++line)
        end = list.Find(L"\n", end + 1);
    return end < 0 ? list : list.Left(end) + L"\n\x2026";
}

void ShowOutcome(const UninstallTexts& texts, const RemovalReport& report)
{
    CNelStrW text = texts.done;
    UINT flags = MB_ICONINFORMATION;
    if (!report.failed.IsEmpty()) {
        text = texts.incomplete;
        text.PermStr(L"|list|", ShownList(report.failed).t());
        flags = MB_ICONWARNING;
    } else if (!report.kept.IsEmpty()) {
        text = texts.left;
        text.PermStr(L"|list|", ShownList(report.kept).t());
    }
    Show(text, texts.caption, flags);
}

} // namespace

UninstallCommand ParseUninstallCommandLine(const wchar_t* commandLine)
{
    const CommandLineArgs args(commandLine);
    UninstallCommand command = {false, false};
    if (args.Count() == 2 && args.Is(1, kUninstallSwitch))
        command.requested = true;
    else if (args.Count() == 3 && ((args.Is(1, kUninstallSwitch) && args.Is(2, kQuietSwitch)) ||
                                   (args.Is(1, kQuietSwitch) && args.Is(2, kUninstallSwitch))))
        command.requested = command.quiet = true;
    return command;
}

bool IsInstalledUninstaller()
{
    CNelStrW program, folder;
    UninstallRecord record;
    bool machine = false;
    if (!NelGetModulePath(program) || !NelGetModuleDir(folder))
        return false;
    const CNelStrW name = program.Mid(folder.GetLength() + 1);
    return name.CompareNC(kUninstallProgramName) == 0 && IsUninstallUsed() &&
           FindUninstallRecord(folder, record, machine);
}

int RunUninstall(bool quiet)
{
    const UninstallTexts texts = ReadUninstallTexts();
    CNelStrW folder;
    UninstallRecord record;
    bool machine = false;
    if (!NelGetModuleDir(folder) || !IsUninstallUsed() ||
        !FindUninstallRecord(folder, record, machine)) {
        if (!quiet)
            Show(texts.noRecord, texts.caption, MB_ICONERROR);
        return kUninstallRefused;
    }
    if (!quiet && Show(texts.question, texts.caption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return kUninstallCancelled;

    KeepSavedChoicesOfInfoFile(record);
    ReleaseCurrentPointers(record);
    RemovalReport report = RemoveSchemesAndFiles(record);
    // Where the folder (or the all-users key) needs permission, a helper
    // started with it does that part; the user's own values stay ours.
    bool helperCleansUp = false;
    if (report.denied && CanRequestElevation() && (quiet || AskPermission(texts, folder))) {
        DWORD launchError = ERROR_SUCCESS;
        helperCleansUp = RunThisProgramElevated(BuildElevatedUninstallParameters(GetCurrentProcessId()),
                                                nullptr, &launchError) == kUninstallDone;
        report = RemoveSchemesAndFiles(record);  // what is left now
    }
    const bool complete = report.failed.IsEmpty();
    if (complete) {
        RemoveSavedChoices(record);
        DeleteUninstallRecord(record);
    }
    if (!quiet)
        ShowOutcome(texts, report);
    if (complete && !helperCleansUp)
        StartUninstallCleanup(GetCurrentProcess(), folder);
    return complete ? kUninstallDone : kUninstallIncomplete;
}
