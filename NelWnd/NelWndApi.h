// Import/export decoration of everything NelWnd.dll exports.
// NELWND_EXPORTS: building the DLL. NELWND_STATIC: the sources are built
// into another module (the installer carries its own wide build), so
// nothing is imported or exported.
#pragma once

#if defined(NELWND_STATIC)
#define NELWND_API
#elif defined(NELWND_EXPORTS)
#define NELWND_API __declspec(dllexport)
#else
#define NELWND_API __declspec(dllimport)
#endif

#define NELWND_FUNC(ret) extern "C" NELWND_API ret WINAPI
