// Library entry point: remembers the module handle and nothing else.
#include "NelModule.h"

HINSTANCE g_hModule = nullptr;

extern "C" BOOL WINAPI DllMain(HINSTANCE hModule, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_hModule = hModule;
    return TRUE;
}
