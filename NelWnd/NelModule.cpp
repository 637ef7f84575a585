// Library entry point: remembers the module handle, and gives back what
// the C++ runtime keeps when the library is unloaded.
#include "NelModule.h"

HINSTANCE g_hModule = nullptr;

#if defined(__GLIBCXX__)
// GCC's C++ library sets aside an emergency pool for exceptions (73 KiB in
// the 64-bit build) when the module loads and never frees it. The installer
// loads and unloads this library for every message box and help popup, so
// each of them used to leave one pool behind. This frees it.
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE hModule, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_hModule = hModule;
#if defined(__GLIBCXX__)
    // Only for FreeLibrary (reserved NULL): at process exit the memory goes
    // with the process, and other modules may still be running code.
    if (reason == DLL_PROCESS_DETACH && !reserved)
        __gnu_cxx::__freeres();
#endif
    return TRUE;
}
