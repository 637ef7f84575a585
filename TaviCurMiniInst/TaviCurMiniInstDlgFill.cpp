// The main dialog's texts and choices from the install-info file and from
// the choices saved by an earlier run.
#include "TaviCurMiniInstDlg.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelReg.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtilInternal.h"
#include "resource.h"

namespace {

// The string saved at the registry path named by key, when the path and
// the value are non-empty.
bool ReadSavedString(const wchar_t* key, CNelStrW& out)
{
    CNelStrW path, value;
    if (!ReadInfoText(L"MainDlg", key, path))
        return false;
    if (!NelRegReadStr(path.t(), value) || value.IsEmpty())
        return false;
    out = value;
    return true;
}

// A design name: the saved one, else the install-info default.
CNelStrW DesignName(const wchar_t* savedKey, const wchar_t* defaultKey)
{
    CNelStrW name;
    if (!ReadSavedString(savedKey, name))
        ReadInfoText(L"MainDlg", defaultKey, name);
    return name;
}

} // namespace

// The default install folder: DefInstallFolder, else string 2001, both
// macro-expanded.
static CNelStrW DefaultInstallFolder()
{
    CNelStrW folder;
    if (!ReadInfoText(L"MainDlg", L"DefInstallFolder", folder)) {
        folder.LoadStr(IDS_DEF_INSTALL_FOLDER, g_hInstance);
        ExpandInfoMacros(folder);
    }
    return folder;
}

void CTaviCurMiniInstDlg::FillControls()
{
    CNelStrW title;
    if (ReadInfoText(L"MainDlg", L"DlgTitle", title))
        title.SetWndText(m_hWnd);

    DesignName(L"DesignName1Key", L"DN1CurName").SetWndText(GetDlgItem(m_hWnd, IDC_DESIGN_NAME1));
    CNelStrW dn2;
    if (ReadInfoStr(L"MainDlg", L"DN2CurName", dn2)) {
        DesignName(L"DesignName2Key", L"DN2CurName")
            .SetWndText(GetDlgItem(m_hWnd, IDC_DESIGN_NAME2));
    } else {
        m_bUseDesign2 = 0;
        const int secondRow[] = {IDC_DESIGN_NAME2_LABEL, IDC_DESIGN_NAME2};
        for (int id : secondRow) {
            HWND ctl = GetDlgItem(m_hWnd, id);
            EnableWindow(ctl, FALSE);
            ShowWindow(ctl, SW_HIDE);
        }
        SetWindowTextW(GetDlgItem(m_hWnd, IDC_DESIGN_NAME2), L"");
    }

    HWND allUsers = GetDlgItem(m_hWnd, IDC_ALL_USERS);
    if (InfoValueIs(L"MainDlg", L"HideLocation", L"Yes") || NelIsWin9xPlatform()) {
        ShowWindow(allUsers, SW_HIDE);
        NelSetCheck(allUsers, 0);
    } else {
        NelSetCheck(allUsers, InfoValueIs(L"MainDlg", L"Location", L"All") ? 1 : 0);
        CNelStrW path;
        if (ReadInfoText(L"MainDlg", L"LocationKey", path)) {
            int saved = NelRegReadByte(path.t(), -1);
            if (saved != -1)
                NelSetCheck(allUsers, saved == 1 ? 1 : 0);
        }
    }

    CNelStrW folder;
    if (!ReadSavedString(L"InstallFolderKey", folder))
        folder = DefaultInstallFolder();
    folder.SetWndText(GetDlgItem(m_hWnd, IDC_INSTALL_FOLDER));
}
