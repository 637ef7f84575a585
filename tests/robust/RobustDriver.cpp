#include "RobustDriver.h"
#include "ProcessDriver.h"

using namespace NelTest;

namespace Robust {

namespace {

const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const int kFolderEdit = 1001;

void Answer(HWND box, Outcome& out)
{
    std::wstring text;
    for (const std::wstring& part : VisibleStaticTexts(box))
        text += (text.empty() ? L"" : L" ") + part;
    out.boxes.push_back(WindowText(box) + L": " + text);
    if (HWND button = FindButtonWithWord(box, {L"はい", L"Yes", L"OK"}))
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
    else
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (DWORD start = GetTickCount(); IsWindow(box) && GetTickCount() - start < 3000;)
        Sleep(20);
    if (IsWindow(box))
        PostMessageW(box, WM_CLOSE, 0, 0);
}

// Asks for the OK button's help as a right click would and closes the
// balloon with Escape; true when a balloon appeared.
bool ShowOkHelp(DWORD pid, HWND dlg)
{
    HWND ok = GetDlgItem(dlg, IDOK);
    RECT rc;
    GetWindowRect(ok, &rc);
    PostMessageW(dlg, WM_CONTEXTMENU, (WPARAM)ok, MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(20)) {
        for (HWND w : TopWindows(pid)) {
            if (w == dlg || !(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
                continue;
            PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(w, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            for (DWORD wait = GetTickCount(); IsWindow(w) && GetTickCount() - wait < 3000;)
                Sleep(20);
            return true;
        }
    }
    return false;
}

} // namespace

Outcome RunInstaller(const std::wstring& exe, DWORD timeoutMs)
{
    Outcome out;
    ChildProcess installer;
    if (!installer.Start(exe))
        return out;
    out.started = true;
    DWORD okAt = 0;
    const DWORD start = GetTickCount();
    while (installer.Running() && GetTickCount() - start < timeoutMs) {
        HWND dlg = nullptr, box = nullptr;
        for (HWND w : TopWindows(installer.Pid())) {
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (lstrcmpW(cls, kMainClass) == 0)
                dlg = w;
            else if (!box)
                box = w;
        }
        if (box) {
            Answer(box, out);
        } else if (dlg && !out.pressedOk) {
            out.dialog = true;
            out.helpShown = ShowOkHelp(installer.Pid(), dlg);
            out.folder = WindowText(GetDlgItem(dlg, kFolderEdit));
            PostMessageW(dlg, WM_COMMAND, IDOK, 0);
            out.pressedOk = true;
            okAt = GetTickCount();
        } else if (dlg && GetTickCount() - okAt > 3000) {
            // OK was refused and its message answered: give up as a user would.
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
            okAt = GetTickCount();
        }
        Sleep(50);
    }
    out.hung = !installer.WaitExit(2000, &out.exitCode);
    return out;
}

} // namespace Robust
