// Installing a cursor scheme two ways under Wine and reading what each
// registered: Wine's setupapi on the original inf, and the installer on
// the converted package (OK in its main dialog, No to the completion
// question). The registry values touched are put back afterwards.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "RegValuesGuard.h"
#include "TestText.h"

namespace CmiTest {

using NelTest::RegValuesGuard;

extern const wchar_t kSchemesKey[];   // HKCU, relative
extern const wchar_t kCursorsKey[];

// The scheme value name under HKCU's Schemes key: present, its type and
// text (without the terminator).
struct SchemeValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::wstring text;
};
SchemeValue ReadScheme(const std::wstring& name);
void DeleteScheme(const std::wstring& name);

// Runs setupapi's InstallHinfSection DefaultInstall on the inf; true when
// it ended in time.
bool InstallWithSetupapi(const std::wstring& infPath);

// What one run of the installer showed.
struct InstallerRun {
    bool ended = false;        // the process ended in time
    bool dialog = false;       // the main dialog appeared
    bool errorBox = false;     // a box captioned "エラー" appeared (before or after OK)
    std::wstring folder;       // the folder edit's text when OK was pressed
    std::wstring name1, name2; // the design names; name2 empty without a second row
    std::wstring log;          // captions and texts of the boxes
};

// Runs the installer exe, presses OK, answers the completion question
// (and any question before the dialog) with No.
InstallerRun RunInstaller(const std::wstring& exePath);

// The same; true when it ended in time. log receives the texts of the
// boxes it showed.
bool InstallWithInstaller(const std::wstring& exePath, std::wstring& log);

using NelTest::ExpandEnv;
using NelTest::SplitFields;

} // namespace CmiTest
