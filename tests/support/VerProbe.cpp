// A module that only carries a version resource, for the version-string
// tests; the code is what the linker needs for a DLL.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
