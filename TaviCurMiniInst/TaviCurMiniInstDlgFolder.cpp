// The main dialog's install folder: its first text, Browse and Default.
#include "TaviCurMiniInstDlg.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelPath.h"
#include "TaviGlobals.h"
#include "resource.h"

CNelStrW CTaviCurMiniInstDlg::DefaultInstallFolder()
{
    CNelStrW folder(L"");
    if (!ReadInfoText(L"MainDlg", L"DefInstallFolder", folder)) {
        folder.LoadStr(IDS_DEF_INSTALL_FOLDER, g_hInstance);
        ExpandInfoMacros(folder);
    }
    return folder;
}

// The folder saved by an earlier run, else the default one.
void CTaviCurMiniInstDlg::FillInstallFolder()
{
    CNelStrW folder;
    if (!ReadSavedString(L"InstallFolderKey", folder))
        folder = DefaultInstallFolder();
    folder.SetWndText(m_hWndFolder);
}

int CTaviCurMiniInstDlg::OnBrowse()
{
    if (!CheckInfoFileStillPresent()) {
        EndDialog(m_hWnd, IDCANCEL);
        return 0;
    }
    wchar_t path[261] = {};
    GetWindowTextW(m_hWndFolder, path, 261);
    CNelStrW title(L"");
    title.LoadStr(IDS_BROWSE_TITLE, g_hInstance);
    // Flags left 0 select the browser's defaults.
    BROWSEINFOW info = {};
    info.lpszTitle = title.t();
    if (NelBrowseFolder(m_hWnd, path, &info, CSIDL_DRIVES))
        SetWindowTextW(m_hWndFolder, path);
    return 0;
}

// The saved folder is not consulted: Default means the author's default.
int CTaviCurMiniInstDlg::OnDefaultFolder()
{
    if (!CheckInfoFileStillPresent()) {
        EndDialog(m_hWnd, IDCANCEL);
        return 0;
    }
    DefaultInstallFolder().SetWndText(m_hWndFolder);
    return 0;
}
