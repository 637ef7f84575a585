// The 9x family has almost no wide window functions: the platform test
// (the library's wide entry points and the installer choose their 9x paths
// by it) and, in the library, the conversion of wide texts to the ANSI
// code page for the multibyte twins.
#include <new>
#include "NelWndUtilInternal.h"

// The multibyte query in every build, the installer's included: it is the
// one that answers on the 9x family, and a failed query counts as NT.
BOOL NelIsWin9xPlatform()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info))
        return FALSE;
    return info.dwPlatformId != VER_PLATFORM_WIN32_NT;
}

#ifndef NEL_INSTALLER_BUILD

char* NelWideToAnsiAlloc(const wchar_t* text)
{
    // The size includes the terminator; 0 means the text cannot be converted.
    int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return nullptr;
    char* buffer = new (std::nothrow) char[size]();
    if (!buffer)
        return nullptr;
    if (!WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, size, nullptr, nullptr)) {
        delete[] buffer;
        return nullptr;
    }
    return buffer;
}

#endif
