// Library version: 122 stands for 1.22. Exported under two names.
#pragma once
#include <windows.h>
#include "../NelWndApi.h"

NELWND_FUNC(int) NelGetDllVersion(void);
NELWND_FUNC(int) NelWndGetDllVersion(void);
