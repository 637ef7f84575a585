// StartupFloor: the floor of the installer's start-up. It loads the system
// libraries the installer loads (common controls 6 by its manifest, ole32,
// shell32, shlwapi, version), registers the installer's window class with
// the installer's own function, and shows an empty dialog of that class
// until it is closed. StartupBench times it
// beside the installer; what the installer takes beyond it is its own work.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include "DialogClass.h"

namespace {

// Taking each address makes the library an import of this program, so the
// loader maps it at start, as it does for the installer.
void* volatile g_imports[] = {
    reinterpret_cast<void*>(&InitCommonControlsEx), reinterpret_cast<void*>(&CoTaskMemFree),
    reinterpret_cast<void*>(&SHGetPathFromIDListW), reinterpret_cast<void*>(&StrFormatByteSizeW),
    reinterpret_cast<void*>(&GetFileVersionInfoSizeW)};

const int kDialogId = 1;

INT_PTR CALLBACK FloorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    ATOM dlgClass = RegisterDialogClass(instance);
    if (!dlgClass)
        return 1;
    INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(kDialogId), nullptr, FloorProc, 0);
    UnregisterClassW(MAKEINTATOM(dlgClass), instance);
    return g_imports[0] && result > 0 ? 0 : 1;
}
