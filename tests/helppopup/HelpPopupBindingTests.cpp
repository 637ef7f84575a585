// End to end with the installer's binding: the installer's help wrappers
// find the popup entry points of the real NelWnd.dll by name, show the
// popups and report them as shown.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ProcessDriver.h"
#include "TestFiles.h"
#include "res/resource.h"

using namespace NelTest;

namespace {

const DWORD kWait = 20000;

// A visible help popup of the process: a dialog holding the text control.
HWND FindProcessPopup(DWORD pid)
{
    for (HWND hwnd : TopWindows(pid, L"#32770")) {
        if (GetDlgItem(hwnd, IDC_NEL_HELPPOPUP_MES))
            return hwnd;
    }
    return nullptr;
}

struct ProbeRun {
    DWORD code = 0;
    bool ended = false;
    int closed = 0;
    RECT firstRect = {};
    BOOL firstUnicode = -1;
};

// Copies the probe (as exeName) and the real NelWnd.dll into a temporary
// folder, runs "probe popup" and closes every popup it shows (the text
// popup, and the string popup when the probe has that string) with Escape.
ProbeRun RunProbe(const TempDir& dir, const wchar_t* exeName)
{
    ProbeRun run;
    std::wstring exe = dir / exeName;
    EXPECT_TRUE(CopyFileW(BinFile(L"BindingProbe.exe").c_str(), exe.c_str(), FALSE));
    EXPECT_TRUE(CopyFileW(BinFile(L"NelWnd.dll").c_str(), (dir / L"NelWnd.dll").c_str(), FALSE));
    ChildProcess probe;
    if (!probe.Start(exe, L"popup")) {
        ADD_FAILURE() << "the probe did not start";
        return run;
    }
    DWORD start = GetTickCount();
    while (probe.Running() && GetTickCount() - start < kWait) {
        HWND popup = FindProcessPopup(probe.Pid());
        if (!popup) {
            Sleep(20);
            continue;
        }
        if (run.closed == 0) {
            GetWindowRect(popup, &run.firstRect);
            run.firstUnicode = IsWindowUnicode(popup);
        }
        PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001u);
        ++run.closed;
        DWORD waitGone = GetTickCount();
        while (IsWindow(popup) && GetTickCount() - waitGone < 5000)
            Sleep(20);
        EXPECT_FALSE(IsWindow(popup)) << "the popup did not close on Escape";
    }
    run.ended = probe.WaitExit(kWait, &run.code);
    return run;
}

// Both wrappers returned 1 (text popup * 100 + string popup) and the
// library was unloaded again (no 1000 added). The probe has no string 109
// of its own, so its string popup closes during set-up unseen and still
// counts as shown.
void ExpectBothShown(const ProbeRun& run)
{
    ASSERT_TRUE(run.ended) << "the probe did not end";
    EXPECT_GE(run.closed, 1) << "no popup was seen";
    EXPECT_EQ(101u, run.code) << "popups closed by the test: " << run.closed;
    // The text popup was placed at the probe's point (10, 20): flush with
    // the work area's left edge, half a cursor lower.
    POINT pt = {10, 20};
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
    EXPECT_EQ(info.rcWork.left, run.firstRect.left) << run.firstRect.left;
    EXPECT_EQ(20 + GetSystemMetrics(SM_CYCURSOR) / 2, run.firstRect.top) << run.firstRect.top;
}

TEST(HelpPopupBinding, InstallerWrappersShowPopupsOfTheRealLibrary)
{
    TempDir dir;
    ProbeRun run = RunProbe(dir, L"probe.exe");
    ExpectBothShown(run);
    EXPECT_EQ(TRUE, run.firstUnicode) << "on NT the wide entry point runs the wide popup";
}

// Wine reports the 9x family to a program named in AppDefaults with the
// version "win98"; the wide entry points then run the ANSI twin.
TEST(HelpPopupBinding, OnThe9xFamilyTheWideEntryPointsRunTheAnsiPopup)
{
    const wchar_t* key = L"Software\\Wine\\AppDefaults\\probe98.exe";
    HKEY hkey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE,
                                             nullptr, &hkey, nullptr));
    const wchar_t version[] = L"win98";
    RegSetValueExW(hkey, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), sizeof(version));
    RegCloseKey(hkey);
    TempDir dir;
    ProbeRun run = RunProbe(dir, L"probe98.exe");
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    ExpectBothShown(run);
    EXPECT_EQ(FALSE, run.firstUnicode) << "the popup is not the ANSI twin's";
}

} // namespace
