// The library's own module handle, the source of all its resources.
#pragma once
#include <windows.h>

extern HINSTANCE g_hModule;
