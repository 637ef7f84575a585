#include "InstallerRun.h"
#include <windows.h>
#include "BenchFigures.h"
#include "BoxAnswer.h"
#include "ProcessDriver.h"

using namespace NelTest;

namespace NelBench {

namespace {

const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const int kFolderEditId = 1001;

// The first visible top-level window of the process other than the main
// dialog, polled every millisecond.
HWND WaitForBox(ChildProcess& p, HWND dlg, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(1)) {
        for (HWND w : TopWindows(p.Pid()))
            if (w != dlg)
                return w;
        if (!p.Running())
            break;
    }
    return nullptr;
}

} // namespace

bool RunInstallerOnce(const std::wstring& exe, InstallerSpans& spans, std::wstring& error)
{
    ChildProcess installer;
    if (!installer.Start(exe)) {
        error = L"cannot start " + exe;
        return false;
    }
    HWND dlg = WaitForWindow(installer.Pid(), kMainClass, 20000);
    if (!dlg) {
        error = L"the main dialog did not appear";
        return false;
    }
    spans.folder = WindowText(GetDlgItem(dlg, kFolderEditId));
    Sleep(200);  // let the dialog settle; not part of the figure

    PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    double okAt = NowMs();
    HWND box = WaitForBox(installer, dlg, 60000);
    spans.toQuestion = NowMs() - okAt;
    HWND yes = box ? AnswerButton(box, MB_YESNO, IDYES) : nullptr;
    if (!yes) {
        error = box ? L"a box without Yes instead of the question: \"" + WindowText(box) + L"\""
                    : L"no completion question";
        return false;
    }

    PostAnswer(box, MB_YESNO, IDYES);
    double yesAt = NowMs();
    DWORD code = 0;
    bool ended = installer.WaitExit(30000, &code);
    spans.toExit = NowMs() - yesAt;
    if (!ended || code != 0) {
        error = ended ? L"the installer ended with " + std::to_wstring(code)
                      : L"the installer did not end after Yes";
        return false;
    }
    return true;
}

} // namespace NelBench
