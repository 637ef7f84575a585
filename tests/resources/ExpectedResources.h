// What the installer's resources must hold: every string of its string
// table, and its two dialog templates control by control in tab order.
// Shared by the tests that read the built program as a data file and the
// tests that create the dialogs from the resource script linked in.
#pragma once
#include <windows.h>
#include <cstddef>

namespace ResTest {

struct ExpectedString {
    UINT id;
    const wchar_t* text;
};

struct ExpectedControl {
    UINT id;
    const wchar_t* className;  // "Button", "Edit" or "Static"
    DWORD style;               // the whole style word of the template item
    short x, y, cx, cy;        // dialog units
    const wchar_t* text;
};

struct ExpectedDialog {
    UINT id;
    const char* name;          // for failure messages
    DWORD style;
    DWORD exStyle;
    const wchar_t* caption;
    const wchar_t* className;  // empty: the system dialog class
    const ExpectedControl* controls;
    size_t controlCount;
};

extern const ExpectedString kInstallerStrings[];
extern const size_t kInstallerStringCount;

extern const ExpectedDialog kMainDialog;
extern const ExpectedDialog kAboutDialog;

// Both dialogs are designed for this font; the program replaces it at
// run time with the icon-title font.
extern const wchar_t kDialogFontFace[];
const WORD kDialogFontPoints = 9;

extern const wchar_t kMainDialogClass[];

}  // namespace ResTest
