#include "NelVersion.h"

// NelWndGetDllVersion is the same function under a second name (NelWnd.def).
NELWND_FUNC(int) NelGetDllVersion(void) { return 122; }
