// NelMsgBoxW (NelWnd.dll) against MessageBoxW: time from the call until the
// box is visible. A helper thread polls every millisecond for a visible
// window with the box's caption, notes the time and closes the box. The
// two kinds take turns; one untimed box of each comes first.
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchFigures.h"
#include "BoxAnswer.h"
#include "MsgBoxEntry.h"

using namespace NelBench;

namespace {

const int kRuns = 15;

struct Watch {
    std::wstring caption;
    double shownAt;  // NowMs() when seen, 0 when never seen
};

// Notes when the box shows and answers it. A box that never shows or does
// not close would leave the main thread waiting in it: the program then
// reports the failure and ends.
DWORD WINAPI WatchAndClose(void* param)
{
    Watch* watch = static_cast<Watch*>(param);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(1)) {
        HWND box = FindWindowW(nullptr, watch->caption.c_str());
        if (!box || !IsWindowVisible(box))
            continue;
        watch->shownAt = NowMs();
        PostAnswer(box, MB_OK, IDOK);
        for (DWORD closing = GetTickCount(); GetTickCount() - closing < 5000; Sleep(1))
            if (!IsWindow(box))
                return 0;
        break;
    }
    PrintLine(L"MsgBoxBench: FAILED: \"" + watch->caption + L"\" did not show or did not close");
    ExitProcess(1);
}

// Milliseconds from the call until the box was visible, or negative when
// it was never seen.
template <typename ShowBox>
double TimeBox(const std::wstring& caption, ShowBox show)
{
    Watch watch = {caption, 0.0};
    HANDLE thread = CreateThread(nullptr, 0, WatchAndClose, &watch, 0, nullptr);
    if (!thread)
        return -1;
    double start = NowMs();
    show(caption.c_str());
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return watch.shownAt > 0 ? watch.shownAt - start : -1;
}

const wchar_t kText[] = L"The cursor set was installed.\nApply it now?";

int ShowNel(const wchar_t* caption)
{
    return MsgBoxTest::MsgBoxW(kText, caption, MB_OK | MB_ICONINFORMATION, nullptr, nullptr,
                               nullptr);
}

int ShowSystem(const wchar_t* caption)
{
    return MessageBoxW(nullptr, kText, caption, MB_OK | MB_ICONINFORMATION);
}

} // namespace

int main()
{
    std::vector<double> nel, sys;
    for (int i = 0; i <= kRuns; ++i) {
        std::wstring n = std::to_wstring(i);
        double a = TimeBox(L"MsgBoxBench NelMsgBoxW " + n, ShowNel);
        double b = TimeBox(L"MsgBoxBench MessageBoxW " + n, ShowSystem);
        if (a < 0 || b < 0)
            return 1;
        if (i > 0) {
            nel.push_back(a);
            sys.push_back(b);
        }
    }
    std::printf("%-34s %13s %13s %8s\n", "", "NelMsgBoxW", "MessageBoxW", "ratio");
    PrintComparison("call to box visible", "ms", nel, sys, 2);
    return 0;
}
