// Calls the installer's NelWnd wrappers once and exits with their result.
//   BindingProbe msgbox  exit code: CallNelMsgBoxW's result
//   BindingProbe popup   exit code: CallNelHelpPopupWndW * 100 + CallNelHelpPopupWndRW
// 1000 is added when NelWnd.dll is still loaded after the call (the
// wrappers must unload it again).
#include <windows.h>
#include "NelWndBinding.h"

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, LPWSTR cmdLine, int)
{
    int result = -1;
    if (lstrcmpW(cmdLine, L"msgbox") == 0) {
        result = CallNelMsgBoxW(L"probe text", L"probe caption", MB_YESNO | MB_ICONQUESTION,
                                nullptr, nullptr, nullptr);
    } else if (lstrcmpW(cmdLine, L"popup") == 0) {
        POINT pt = {10, 20};
        int text = CallNelHelpPopupWndW(L"probe help", &pt, nullptr, nullptr, nullptr);
        int res = CallNelHelpPopupWndRW(109, inst, &pt, nullptr, nullptr, nullptr);
        result = text * 100 + res;
    }
    if (GetModuleHandleW(L"NelWnd.dll"))
        result += 1000;
    return result;
}
