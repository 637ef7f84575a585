// A NelWnd.dll of an older kind: it loads, but has none of the message box
// or help popup entry points, so the installer's calls must fall back.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI NelGetDllVersion() { return 100; }
