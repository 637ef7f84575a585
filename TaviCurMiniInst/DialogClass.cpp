#include "DialogClass.h"
#include "TaviGlobals.h"
#include "resource.h"

ATOM RegisterDialogClass(HINSTANCE inst)
{
    wchar_t className[100] = {};
    LoadStringW(inst, IDS_DLG_CLASS, className, 100);

    // The system dialog class supplies the dialog window procedure, the
    // extra window bytes (DLGWINDOWEXTRA) and the class styles.
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, L"#32770", &wc))
        return 0;
    wc.hInstance = inst;
    wc.hIcon = g_hIconLarge;
    wc.hIconSm = g_hIconSmall;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc);
}
