// The privileged part of an installation, run by a second copy of the
// installer that the user started with administrator permission.
//
// A program that asks for no elevation cannot create a folder under the
// Windows folder on systems with user account control. Rather than run the
// whole installer elevated (the schemes and pointers would then land in the
// administrator's registry, not the user's), the installer starts itself
// again with the shell's "runas" verb in a helper mode that only creates
// the folder, copies the listed files and, for all users, writes the
// machine's scheme values. Everything of the user's own is written by the
// first process.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// The first argument that selects the helper mode.
extern const wchar_t kElevatedSwitch[];

// What the first process asks the helper to do.
struct ElevatedRequest {
    CNelStrW folder;  // absolute, trimmed, without a trailing backslash
    int allUsers;     // 1: write the machine's scheme values
    CNelStrW name1;
    CNelStrW name2;   // empty when the package has one design
};

// The helper's exit codes.
enum ElevatedResult {
    kElevatedDone = 0,
    kElevatedRefused = 1,      // the request or the package did not pass the checks
    kElevatedNoFolder = 2,     // the folder could not be created
    kElevatedCopyFailed = 3,   // a file could not be copied
    kElevatedNoRegistry = 4,   // a machine scheme value could not be written
};

// The helper's parameters (after the program name), each quoted so that
// the system's command-line parser gives them back unchanged.
CNelStrW BuildElevatedParameters(const ElevatedRequest& request);

// True when the command line (the whole of it, program name first) asks
// for the helper mode.
bool IsElevatedCommandLine(const wchar_t* commandLine);

// Reads a request back from a whole command line; false when its shape is
// wrong. The values are checked by RunElevatedInstall, not here.
bool ParseElevatedCommandLine(const wchar_t* commandLine, ElevatedRequest& request);

// The helper mode: checks the request against the install-info file
// (g_strInfoFile) as the dialog would, then creates the folder, copies the
// files from the program's folder and writes the machine's scheme values
// when asked to. Never shows a window. Returns an ElevatedResult.
int RunElevatedInstall(const ElevatedRequest& request);

// Whether this system can start a program with administrator permission
// on request: the NT family from version 6 (user account control) on.
bool CanRequestElevation();

// Starts this program in the helper mode with the "runas" verb, owned by
// owner, and waits for it while keeping owner's windows painted. Returns
// the helper's exit code, or -1 with *launchError set when it did not
// start (ERROR_CANCELLED when the user declined the system's prompt).
int RunElevatedHelper(const ElevatedRequest& request, HWND owner, DWORD* launchError);

// Starts this program with params and the "runas" verb and waits for it
// as RunElevatedHelper does; the uninstaller's helper starts this way too.
int RunThisProgramElevated(const CNelStrW& params, HWND owner, DWORD* launchError);
