// The window calls of the XP-style button where Win32 has a wide and a
// multibyte form. The library subclasses and reads captions with the
// multibyte forms (which the 9x family has everywhere); the installer's own
// build uses the wide forms. One set per build, so the two never mix.
#pragma once
#include <windows.h>

#ifdef NEL_INSTALLER_BUILD
#define NELXPBTN_SETWNDLONG SetWindowLongPtrW
#define NELXPBTN_GETWNDLONG GetWindowLongPtrW
#define NELXPBTN_CALLPROC CallWindowProcW
#define NELXPBTN_SENDMSG SendMessageW
#define NELXPBTN_TEXTLEN GetWindowTextLengthW
#define NELXPBTN_GETTEXT GetWindowTextW
#define NELXPBTN_DRAWTEXT DrawTextW
#define NELXPBTN_GETVERSION GetVersionExW
typedef wchar_t NelXPBtnChar;
typedef OSVERSIONINFOW NelXPBtnVersionInfo;
#else
#define NELXPBTN_SETWNDLONG SetWindowLongPtrA
#define NELXPBTN_GETWNDLONG GetWindowLongPtrA
#define NELXPBTN_CALLPROC CallWindowProcA
#define NELXPBTN_SENDMSG SendMessageA
#define NELXPBTN_TEXTLEN GetWindowTextLengthA
#define NELXPBTN_GETTEXT GetWindowTextA
#define NELXPBTN_DRAWTEXT DrawTextA
#define NELXPBTN_GETVERSION GetVersionExA
typedef char NelXPBtnChar;
typedef OSVERSIONINFOA NelXPBtnVersionInfo;
#endif
