// The install-info file deleted while the main dialog is open: the next
// action shows message 1098 and ends the installer.
#include <gtest/gtest.h>
#include "DialogDriver.h"
#include "resource.h"

using namespace DlgTest;

namespace {

struct Action {
    const char* name;
    UINT msg;
    int id;  // control for WM_COMMAND and WM_CONTEXTMENU, command for WM_SYSCOMMAND
};

class VanishedInfoFile : public testing::TestWithParam<Action> {};

} // namespace

TEST_P(VanishedInfoFile, NextActionShowsMessage1098AndEndsTheInstaller)
{
    const Action a = GetParam();
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    ASSERT_TRUE(DeleteFileW(run.InfoPath().c_str()));
    HWND control = run.Item(a.id);
    if (a.msg == WM_COMMAND) {
        PostMessageW(run.Dlg(), WM_COMMAND, MAKEWPARAM(a.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    } else if (a.msg == WM_CONTEXTMENU) {
        RECT rc = {};
        GetWindowRect(control, &rc);
        PostMessageW(run.Dlg(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    } else {
        PostMessageW(run.Dlg(), a.msg, a.id, 0);
    }
    DWORD code = 12345;
    ASSERT_TRUE(run.WaitExit(&code)) << "the installer did not end";
    EXPECT_EQ(0u, code);
    // The fake box records text, caption, flags (MB_ICONERROR), owner,
    // font and help data; the text itself holds a line break. Nothing else
    // was called: no popup, no second box.
    EXPECT_EQ(L"NelMsgBoxW|" + LoadResString(IDS_INFO_FILE_VANISHED) + L"|" +
                  LoadResString(IDS_FATAL_CAPTION) + L"|16|0|0|0\n",
              run.LogText());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, VanishedInfoFile,
    testing::Values(Action{"OK", WM_COMMAND, IDOK}, Action{"Browse", WM_COMMAND, IDC_BROWSE},
                    Action{"Default", WM_COMMAND, IDC_DEFAULT_FOLDER},
                    Action{"Help", WM_CONTEXTMENU, IDC_INSTALL_FOLDER},
                    Action{"About", WM_SYSCOMMAND, ID_SYS_ABOUT}),
    [](const testing::TestParamInfo<Action>& info) { return std::string(info.param.name); });
