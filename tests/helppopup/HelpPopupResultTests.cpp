// What a popup call reports: ShowDlg's answer, the recorded result and the
// entry points' return value when set-up fails, when the window cannot be
// made, when it is destroyed without a close request and when the 9x path
// cannot convert the text; and where the wide twin takes its work area.
#include <gtest/gtest.h>
#include "HelpPopupTestRes.h"
#include "HelpPopupTestUtil.h"
#include "ImportPatch.h"
#include "res/resource.h"

using namespace HpTest;

namespace {

const POINT kPos = {300, 200};
const RECT kFakeWork = {100, 50, 700, 450};

HWND WINAPI NoDialog(HINSTANCE, LPCWSTR, HWND, DLGPROC, LPARAM) { return nullptr; }

BOOL WINAPI Win98Version(OSVERSIONINFOA* info)
{
    info->dwMajorVersion = 4;
    info->dwMinorVersion = 10;
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    return TRUE;
}

int WINAPI NoConversion(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL) { return 0; }

BOOL WINAPI FakeMonitorInfo(HMONITOR, MONITORINFO* info)
{
    info->rcMonitor = info->rcWork = kFakeWork;
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

// Refuses every activation of a help popup on this thread while it lives.
class NoPopupActivation {
public:
    NoPopupActivation() { m_hook = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId()); }
    ~NoPopupActivation() { UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE && GetDlgItem(reinterpret_cast<HWND>(wParam), IDC_NEL_HELPPOPUP_MES))
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
};

TEST(HelpPopupResult, ResultsAndWorkAreaFollowWhatReallyHappened)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    {
        SCOPED_TRACE("set-up fails: no window, result 2, the entry point counts it");
        tagNEL_HELPPOPUPWND_DATAW data = {nullptr, IDS_HP_EMPTY_MISSING, nullptr, &kPos,
                                          nullptr, nullptr, nullptr, nullptr, 0};
        CNelHelpPopupWndW popup;
        EXPECT_EQ(0, popup.ShowDlg(&data));
        EXPECT_EQ(2, popup.GetResult());
        EXPECT_EQ(1, Lib::NelHelpPopupWndRW(IDS_HP_EMPTY_MISSING, nullptr, &kPos, nullptr, nullptr, nullptr));
    }
    {
        SCOPED_TRACE("the window cannot be made: result 0, the entry point returns 0");
        ImportPatch patch(lib, "user32.dll", "CreateDialogParamW", reinterpret_cast<void*>(NoDialog));
        ASSERT_TRUE(patch.Active());
        tagNEL_HELPPOPUPWND_DATAW data = {L"Never shown", 0, nullptr, &kPos,
                                          nullptr, nullptr, nullptr, nullptr, 0};
        CNelHelpPopupWndW popup;
        EXPECT_EQ(0, popup.ShowDlg(&data));
        EXPECT_EQ(0, popup.GetResult());
        EXPECT_EQ(0, Lib::NelHelpPopupWndW(L"Never shown", &kPos, nullptr, nullptr, nullptr));
    }
    {
        SCOPED_TRACE("destroyed without a close request: the result stays 0");
        NoPopupActivation inactive;
        tagNEL_HELPPOPUPWND_DATAW data = {L"Destroyed from outside", 0, nullptr, &kPos,
                                          nullptr, nullptr, nullptr, nullptr, 0};
        CNelHelpPopupWndW popup;
        int resultWhileUp = -1;
        PopupDriver driver([&](HWND p) {
            if (!p)
                return false;
            resultWhileUp = popup.GetResult();
            DestroyWindow(p);
            return true;
        });
        EXPECT_EQ(1, popup.ShowDlg(&data));
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(0, resultWhileUp);
        EXPECT_EQ(0, popup.GetResult());
    }
    {
        SCOPED_TRACE("9x family, text that cannot be converted: set-up fails, the call counts");
        ImportPatch version(lib, "kernel32.dll", "GetVersionExA", reinterpret_cast<void*>(Win98Version));
        ImportPatch convert(lib, "kernel32.dll", "WideCharToMultiByte", reinterpret_cast<void*>(NoConversion));
        ASSERT_TRUE(version.Active() && convert.Active());
        WindowCounter counter;
        EXPECT_EQ(1, Lib::NelHelpPopupWndW(L"Not convertible", &kPos, nullptr, nullptr, nullptr));
        EXPECT_EQ(0, counter.Activated()) << "the popup was shown";
    }
    {
        SCOPED_TRACE("the wide twin's work area comes from GetMonitorInfoA");
        ImportPatch patch(lib, "user32.dll", "GetMonitorInfoA", reinterpret_cast<void*>(FakeMonitorInfo));
        ASSERT_TRUE(patch.Active());
        RECT rect = {};
        PopupDriver driver([&](HWND p) {
            if (!p)
                return false;
            rect = WindowRectOf(p);
            PostKey(p, VK_ESCAPE);
            return true;
        });
        const POINT nearRight = {kFakeWork.right - 10, 100};
        EXPECT_EQ(1, Lib::NelHelpPopupWndW(L"Help near the work area's edge", &nearRight, nullptr,
                                           nullptr, nullptr));
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(kFakeWork.right, rect.right) << rect << ": not flush with the reported work area";
    }
}

} // namespace
