// NelBrowseFolder driven as a user would: a timer on the test's thread
// finds the dialog while it runs modally, looks at it, and presses OK or
// Cancel. Every wait is bounded by the driver's deadline.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "NelPath.h"
#include "SupportTestUtil.h"
#include "TestFiles.h"

using namespace SupportTest;

namespace {

const DWORD kDeadlineMs = 20000;

// What the timer found and did.
struct Driver {
    HWND owner = nullptr;
    std::function<bool(HWND)> ready;   // the dialog has settled (none: at once)
    std::function<void(HWND)> inspect; // runs once on the open dialog
    WORD button = IDCANCEL;            // then pressed
    HWND dialog = nullptr;
    DWORD start = 0;
    bool pressed = false;
    bool timedOut = false;
};
Driver* g_driver = nullptr;

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd) &&
        GetWindow(hwnd, GW_OWNER) == g_driver->owner) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

VOID CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD)
{
    Driver& d = *g_driver;
    if (d.pressed)
        return;
    if (GetTickCount() - d.start > kDeadlineMs) {
        d.timedOut = true;
        if (d.dialog)
            PostMessageW(d.dialog, WM_COMMAND, IDCANCEL, 0);
        d.pressed = true;
        return;
    }
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&found));
    if (!found)
        return;
    // One more tick after the dialog shows, so that its start-up
    // selection has been made.
    if (d.dialog != found) {
        d.dialog = found;
        return;
    }
    if (d.ready && !d.ready(found))
        return;
    if (d.inspect)
        d.inspect(found);
    d.pressed = true;
    PostMessageW(found, WM_COMMAND, d.button, 0);
}

// Runs NelBrowseFolder with the driver's timer; true when the driver
// pressed its button before the deadline.
bool RunBrowse(Driver& driver, wchar_t* path, const BROWSEINFOW* tmpl, int root, BOOL* result)
{
    g_driver = &driver;
    driver.start = GetTickCount();
    UINT_PTR timer = SetTimer(nullptr, 0, 100, DriverTick);
    *result = NelBrowseFolder(driver.owner, path, tmpl, root);
    KillTimer(nullptr, timer);
    g_driver = nullptr;
    return driver.pressed && !driver.timedOut;
}

BOOL CALLBACK FindTree(HWND hwnd, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (lstrcmpW(cls, WC_TREEVIEWW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
}

// The text of the folder tree's selected item.
std::wstring SelectedFolder(HWND dlg)
{
    HWND tree = nullptr;
    EnumChildWindows(dlg, FindTree, reinterpret_cast<LPARAM>(&tree));
    HTREEITEM item = tree ? TreeView_GetSelection(tree) : nullptr;
    wchar_t text[MAX_PATH] = {};
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    if (!item || !TreeView_GetItem(tree, &tv))
        return L"";
    return text;
}

POINT Centre(const RECT& r)
{
    return { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
}

class BrowseFolder : public ::testing::Test {
protected:
    TestWindow m_owner{ WS_OVERLAPPEDWINDOW, 0, { 200, 150, 800, 600 } };
};

TEST_F(BrowseFolder, OkReturnsTheStartFolderOfADialogCentredWithoutHelpButton)
{
    // A start folder right under the drive: the dialog reaches it in two
    // steps, where the temporary folder lies below the profile's folders
    // (some of them links to large trees that Wine lists slowly).
    const std::wstring start = L"C:\\NelBrowseStart" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(start.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    struct Remove {
        std::wstring path;
        ~Remove() { RemoveDirectoryW(path.c_str()); }
    } remove{start};
    wchar_t path[MAX_PATH + 1] = {};
    lstrcpynW(path, start.c_str(), MAX_PATH + 1);
    Driver driver;
    driver.owner = m_owner.hwnd();
    driver.button = IDOK;
    // The dialog walks down to the start folder after it shows; OK before
    // it gets there would return a folder on the way.
    const std::wstring leaf = start.substr(start.rfind(L'\\') + 1);
    driver.ready = [&](HWND dlg) { return lstrcmpiW(SelectedFolder(dlg).c_str(), leaf.c_str()) == 0; };
    DWORD exStyle = WS_EX_CONTEXTHELP;
    RECT rect = {};
    driver.inspect = [&](HWND dlg) {
        exStyle = static_cast<DWORD>(GetWindowLongW(dlg, GWL_EXSTYLE));
        GetWindowRect(dlg, &rect);
    };
    BOOL result = FALSE;
    ASSERT_TRUE(RunBrowse(driver, path, nullptr, CSIDL_DRIVES, &result));
    EXPECT_TRUE(result);
    EXPECT_EQ(0, lstrcmpiW(start.c_str(), path)) << Narrow(path);
    EXPECT_EQ(0u, exStyle & WS_EX_CONTEXTHELP);
    POINT dialogCentre = Centre(rect), ownerCentre = Centre(WindowRectOf(m_owner.hwnd()));
    EXPECT_LE(std::abs(dialogCentre.x - ownerCentre.x), 1) << rect;
    EXPECT_LE(std::abs(dialogCentre.y - ownerCentre.y), 1) << rect;
}

TEST_F(BrowseFolder, CancelWithEmptyPathLeavesASingleSpace)
{
    wchar_t path[MAX_PATH + 1] = {};
    Driver driver;
    driver.owner = m_owner.hwnd();
    BOOL result = TRUE;
    ASSERT_TRUE(RunBrowse(driver, path, nullptr, CSIDL_DRIVES, &result));
    EXPECT_FALSE(result);
    EXPECT_EQ(std::wstring(L" "), std::wstring(path));
}

// The callback on a stand-in dialog of the tests' own class, which records
// the dialog messages it is sent. (The system dialog re-validates OK after
// its callback returns, in an order that differs between systems, so the
// callback's own answers are checked here.)
class BrowseCallback : public ::testing::Test {
protected:
    void SetUp() override
    {
        WatchMessage(BFFM_ENABLEOK);
        WatchTextMessage(BFFM_SETSELECTIONW);
        ClearDeliveries();
    }
    void TearDown() override { ClearDeliveries(); }
    TestWindow m_owner{ WS_OVERLAPPEDWINDOW, 0, { 200, 150, 800, 600 } };
};

TEST_F(BrowseCallback, InitialisedSelectsTheStartFolderDropsHelpAndCentres)
{
    TestWindow dlg(WS_POPUP | WS_CAPTION, WS_EX_CONTEXTHELP | WS_EX_DLGMODALFRAME, { 0, 0, 300, 200 },
                   m_owner.hwnd());
    wchar_t start[] = L"C:\\windows";
    EXPECT_EQ(0, NelBrowseFolderProc(dlg.hwnd(), BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(start)));
    ASSERT_EQ(1u, Deliveries().size());
    EXPECT_EQ(static_cast<UINT>(BFFM_SETSELECTIONW), Deliveries()[0].msg);
    EXPECT_EQ(static_cast<WPARAM>(TRUE), Deliveries()[0].wParam);
    EXPECT_EQ(std::wstring(start), Deliveries()[0].text);
    EXPECT_EQ(0, GetWindowLongW(dlg.hwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    RECT rect = WindowRectOf(dlg.hwnd());
    POINT dialogCentre = Centre(rect), ownerCentre = Centre(WindowRectOf(m_owner.hwnd()));
    EXPECT_LE(std::abs(dialogCentre.x - ownerCentre.x), 1) << rect;
    EXPECT_LE(std::abs(dialogCentre.y - ownerCentre.y), 1) << rect;

    // No start folder: nothing to select.
    ClearDeliveries();
    NelBrowseFolderProc(dlg.hwnd(), BFFM_INITIALIZED, 0, 0);
    EXPECT_TRUE(Deliveries().empty());
}

TEST_F(BrowseCallback, SelectionOfAVirtualItemDisablesOkAndAFolderIsSelectedByPath)
{
    TestWindow dlg(WS_POPUP | WS_CAPTION, 0, { 0, 0, 300, 200 }, m_owner.hwnd());
    LPITEMIDLIST computer = nullptr, windows = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_WINDOWS, &windows)));

    EXPECT_EQ(0, NelBrowseFolderProc(dlg.hwnd(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(computer), 0));
    ASSERT_EQ(1u, Deliveries().size());
    EXPECT_EQ(static_cast<UINT>(BFFM_ENABLEOK), Deliveries()[0].msg);
    EXPECT_EQ(0, Deliveries()[0].lParam);

    ClearDeliveries();
    NelBrowseFolderProc(dlg.hwnd(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(windows), 0);
    ASSERT_EQ(1u, Deliveries().size());
    EXPECT_EQ(static_cast<UINT>(BFFM_SETSELECTIONW), Deliveries()[0].msg);
    EXPECT_EQ(static_cast<WPARAM>(TRUE), Deliveries()[0].wParam);
    wchar_t windowsDir[MAX_PATH + 1] = {};
    GetWindowsDirectoryW(windowsDir, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiW(windowsDir, Deliveries()[0].text.c_str())) << Narrow(Deliveries()[0].text);
    CoTaskMemFree(computer);
    CoTaskMemFree(windows);
}

} // namespace
