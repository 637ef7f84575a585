// Process-wide state of the installer, set up by the entry point and read
// by the dialogs.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

extern HINSTANCE g_hInstance;   // the program's own module; source of all resources
extern CNelStrW g_strInfoFile;  // full path of the install-info file
extern HFONT g_hDlgFont;        // font given to every control of both dialogs
extern HICON g_hIconSmall;      // icon 130 at the small-icon size
extern HICON g_hIconLarge;      // icon 130 at the large-icon size
