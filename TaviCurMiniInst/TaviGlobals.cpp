#include "TaviGlobals.h"

HINSTANCE g_hInstance = nullptr;
CNelStrW g_strInfoFile;
HFONT g_hDlgFont = nullptr;
HICON g_hIconSmall = nullptr;
HICON g_hIconLarge = nullptr;
