// Help for the main dialog's controls: F1, the caption's help button and
// right-click show a popup with the control's text.
#include "TaviCurMiniInstDlg.h"
#include "InstallInfo.h"
#include "NelWndBinding.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "resource.h"

namespace {

struct HelpEntry {
    const wchar_t* key;  // [MainDlg] key whose text replaces the resource
    UINT stringId;       // text used when the key is missing or empty
};

// The help of one control, or false when it has none. Hidden and disabled
// controls are asked too, so the second row and the check box answer only
// while they are in use.
bool FindHelp(HWND dlg, int id, HelpEntry& out)
{
    switch (id) {
    case IDOK:
        out = {L"Help_OK", IDS_HELP_OK};
        return true;
    case IDCANCEL:
        out = {L"Help_Cancel", IDS_HELP_CANCEL};
        return true;
    case IDC_INSTALL_FOLDER:
    case IDC_INSTALL_FOLDER_LABEL:
        out = {L"Help_InstPath", IDS_HELP_INST_PATH};
        return true;
    case IDC_BROWSE:
        out = {L"Help_InstPathBrowse", IDS_HELP_INST_PATH_BROWSE};
        return true;
    case IDC_DEFAULT_FOLDER:
        out = {L"Help_InstPathDef", IDS_HELP_INST_PATH_DEF};
        return true;
    case IDC_DESIGN_NAME1:
    case IDC_DESIGN_NAME1_LABEL:
        out = {L"Help_DN1", IDS_HELP_DN1};
        return true;
    case IDC_DESIGN_NAME2:
    case IDC_DESIGN_NAME2_LABEL:
        out = {L"Help_DN2", IDS_HELP_DN2};
        return IsWindowEnabled(GetDlgItem(dlg, IDC_DESIGN_NAME2)) != FALSE;
    case IDC_ALL_USERS:
        out = {L"Help_Location", IDS_HELP_LOCATION};
        return IsWindowVisible(GetDlgItem(dlg, IDC_ALL_USERS)) != FALSE;
    }
    return false;
}

} // namespace

int CTaviCurMiniInstDlg::OnHelp(const HELPINFO* info)
{
    if (!CheckInfoFileStillPresent()) {
        EndDialog(m_hWnd, IDCANCEL);
        return 0;
    }
    if (!info)
        return 0;
    HWND window = static_cast<HWND>(info->hItemHandle);
    if (window != m_hWnd && GetParent(window) != m_hWnd)
        return 0;
    if (window == m_hWnd) {
        // Help on the dialog itself: the control under the point.
        POINT client = info->MousePos;
        ScreenToClient(m_hWnd, &client);
        window = ChildWindowFromPoint(m_hWnd, client);
        if (!window || window == m_hWnd)
            return 0;
    }

    // F1 anchors the popup at the control, a click at the click point.
    POINT pt = info->MousePos;
    if (GetKeyState(VK_F1) & 0x8000) {
        RECT rc;
        GetWindowRect(window, &rc);
        pt.x = rc.left;
        pt.y = rc.top;
    }

    HelpEntry entry;
    if (!FindHelp(m_hWnd, GetDlgCtrlID(window), entry))
        return 0;
    CNelStrW text;
    if (ReadInfoMultiLine(L"MainDlg", entry.key, text))
        CallNelHelpPopupWndW(text.t(), &pt, nullptr, nullptr, nullptr);
    else
        CallNelHelpPopupWndRW(entry.stringId, g_hInstance, &pt, nullptr, nullptr, nullptr);
    return 0;
}

// Right-click works like the help button, except on the caption bar.
int CTaviCurMiniInstDlg::OnContextMenu(HWND clicked, POINT pt)
{
    if (NelIsInCaption(m_hWnd, &pt))
        return 0;
    HELPINFO info = {};
    info.cbSize = sizeof(HELPINFO);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(clicked);
    info.hItemHandle = clicked;
    info.dwContextId = 0;
    info.MousePos = pt;
    return OnHelp(&info);
}
