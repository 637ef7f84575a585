// Help on the main dialog's controls: right-click (and F1) hand the
// control's text, or its string ID, to the help popup of NelWnd.dll. The
// stand-in library records what it was given.
#include <gtest/gtest.h>
#include <string>
#include "DialogDriver.h"
#include "resource.h"

using namespace DlgTest;

namespace {

POINT Centre(HWND control)
{
    RECT rc = {};
    GetWindowRect(control, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

std::wstring PointText(POINT pt) { return std::to_wstring(pt.x) + L"," + std::to_wstring(pt.y); }

// Right-click on window at pt, as the system reports it to the dialog.
void RightClick(const InstallerRun& run, HWND window, POINT pt)
{
    PostMessageW(run.Dlg(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(pt.x, pt.y));
}

std::wstring ResourcePopup(UINT id, POINT pt)
{
    return L"NelHelpPopupWndRW|" + std::to_wstring(id) + L"|exe|" + PointText(pt) + L"|0|0|0";
}

struct HelpCase {
    int control;
    UINT stringId;
};

const HelpCase kCases[] = {
    {IDOK, IDS_HELP_OK},
    {IDCANCEL, IDS_HELP_CANCEL},
    {IDC_INSTALL_FOLDER, IDS_HELP_INST_PATH},
    {IDC_INSTALL_FOLDER_LABEL, IDS_HELP_INST_PATH},
    {IDC_BROWSE, IDS_HELP_INST_PATH_BROWSE},
    {IDC_DEFAULT_FOLDER, IDS_HELP_INST_PATH_DEF},
    {IDC_DESIGN_NAME1, IDS_HELP_DN1},
    {IDC_DESIGN_NAME1_LABEL, IDS_HELP_DN1},
    {IDC_DESIGN_NAME2, IDS_HELP_DN2},
    {IDC_DESIGN_NAME2_LABEL, IDS_HELP_DN2},
    {IDC_ALL_USERS, IDS_HELP_LOCATION},
};

} // namespace

TEST(MainDialogHelp, RightClickOnEachControlShowsItsStringResource)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    std::vector<std::wstring> expected;
    for (const HelpCase& c : kCases) {
        const POINT pt = Centre(run.Item(c.control));
        RightClick(run, run.Item(c.control), pt);
        expected.push_back(ResourcePopup(c.stringId, pt));
    }
    // Controls without help show nothing: the separator and the images.
    RightClick(run, run.Item(IDC_SEPARATOR), Centre(run.Item(IDC_SEPARATOR)));
    RightClick(run, run.Item(IDC_PRODUCT_IMAGE), Centre(run.Item(IDC_PRODUCT_IMAGE)));
    const POINT last = Centre(run.Item(IDOK));
    RightClick(run, run.Item(IDOK), last);
    expected.push_back(ResourcePopup(IDS_HELP_OK, last));

    const std::vector<std::wstring> log = run.WaitLog(expected.size());
    ASSERT_EQ(expected.size(), log.size()) << testing::PrintToString(log);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], log[i]) << "call " << i;
}

TEST(MainDialogHelp, HelpKeysReplaceTheResourceTextMacroExpandedWithLineBreaks)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n"
                                   L"Help_InstPathBrowse=Browse for %ProductName%\\nsecond line\r\n"
                                   L"Help_Location=All users of %CurName%\r\n")));
    const POINT browse = Centre(run.Item(IDC_BROWSE));
    const POINT box = Centre(run.Item(IDC_ALL_USERS));
    RightClick(run, run.Item(IDC_BROWSE), browse);
    RightClick(run, run.Item(IDC_ALL_USERS), box);
    run.WaitLog(3);  // the first text holds a line break, so it logs two lines
    EXPECT_EQ(L"NelHelpPopupWndW|Browse for Foo\nsecond line|" + PointText(browse) + L"|0|0|0\n" +
                  L"NelHelpPopupWndW|All users of Test Set|" + PointText(box) + L"|0|0|0\n",
              run.LogText());
}

TEST(MainDialogHelp, HiddenSecondRowAndHiddenCheckBoxGiveNothing)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"HideLocation=Yes\r\n")));
    const int silent[] = {IDC_DESIGN_NAME2, IDC_DESIGN_NAME2_LABEL, IDC_ALL_USERS};
    for (int id : silent)
        RightClick(run, run.Item(id), Centre(run.Item(id)));
    // A last request with help shows that the others have been handled.
    const POINT ok = Centre(run.Item(IDOK));
    RightClick(run, run.Item(IDOK), ok);
    const std::vector<std::wstring> log = run.WaitLog(1);
    ASSERT_EQ(1u, log.size()) << testing::PrintToString(log);
    EXPECT_EQ(ResourcePopup(IDS_HELP_OK, ok), log[0]);
}

TEST(MainDialogHelp, ClickOnTheDialogFindsTheControlUnderThePointAndTheCaptionIsIgnored)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    RECT frame = {};
    GetWindowRect(run.Dlg(), &frame);
    // On the caption bar: ignored.
    RightClick(run, run.Dlg(), POINT{(frame.left + frame.right) / 2, frame.top + 2});
    // On the dialog's own surface over the folder edit: the edit's help.
    const POINT edit = Centre(run.Item(IDC_INSTALL_FOLDER));
    RightClick(run, run.Dlg(), edit);
    const std::vector<std::wstring> log = run.WaitLog(1);
    ASSERT_EQ(1u, log.size()) << testing::PrintToString(log);
    EXPECT_EQ(ResourcePopup(IDS_HELP_INST_PATH, edit), log[0]);
}

TEST(MainDialogHelp, F1OnTheFocusedFolderEditAnchorsThePopupAtItsTopLeftCorner)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    HWND edit = run.Item(IDC_INSTALL_FOLDER);
    PostMessageW(run.Dlg(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SetForegroundWindow(run.Dlg());
    // Wait until the edit has the focus (the installer's thread state).
    GUITHREADINFO gui = {sizeof(gui)};
    const DWORD thread = GetWindowThreadProcessId(run.Dlg(), nullptr);
    DWORD start = GetTickCount();
    while ((!GetGUIThreadInfo(thread, &gui) || gui.hwndFocus != edit) &&
           GetTickCount() - start < kWait)
        Sleep(50);
    ASSERT_EQ(edit, gui.hwndFocus) << "the folder edit did not get the focus";

    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_F1;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &key[0], sizeof(INPUT));
    const std::vector<std::wstring> log = run.WaitLog(1);
    SendInput(1, &key[1], sizeof(INPUT));
    RECT rc = {};
    GetWindowRect(edit, &rc);
    ASSERT_EQ(1u, log.size()) << testing::PrintToString(log);
    EXPECT_EQ(ResourcePopup(IDS_HELP_INST_PATH, POINT{rc.left, rc.top}), log[0]);
}
