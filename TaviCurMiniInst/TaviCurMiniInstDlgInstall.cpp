// OK of the main dialog: the installation itself.
#include "TaviCurMiniInstDlg.h"
#include "ElevatedInstall.h"
#include "Installation.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "NelWndBinding.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "UninstallRecord.h"
#include "WndUtil/NelWndUtilInternal.h"
#include "resource.h"

namespace {

CNelStrW ControlText(HWND dlg, int id)
{
    CNelStrW text(L"");
    text.GetWndText(GetDlgItem(dlg, id));
    return text;
}

// Spaces, double quotes and backslashes go from both ends of the folder
// text, except the "\\" that starts a network path: without it the folder
// would name a place below the current folder.
void TrimInstallFolder(CNelStrW& folder)
{
    CNelStrW start(folder);
    start.TrimL(L" \"");
    const bool network = start.Find(L"\\\\") == 0;
    folder.Trim(L" \"\\");
    if (network)
        folder = L"\\\\" + folder;
}

} // namespace

bool CTaviCurMiniInstDlg::Fail(const CNelStrW& text, int focusId)
{
    CNelStrW caption;
    caption.LoadStr(IDS_ERR_CAPTION, g_hInstance);
    CallNelMsgBoxW(text.t(), caption.t(), MB_ICONERROR, nullptr, nullptr, nullptr);
    if (focusId)
        SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, focusId)),
                     TRUE);
    return false;
}

bool CTaviCurMiniInstDlg::Fail(UINT textId, int focusId)
{
    CNelStrW text;
    text.LoadStr(textId, g_hInstance);
    return Fail(text, focusId);
}

bool CTaviCurMiniInstDlg::IsLocationVisible() const
{
    return IsWindowVisible(GetDlgItem(m_hWnd, IDC_ALL_USERS)) != FALSE;
}

// The folder and the names as typed; false after a message when one is
// missing or the two names are the same.
bool CTaviCurMiniInstDlg::ReadInstallInput(CNelStrW& folder, CNelStrW& name1, CNelStrW& name2)
{
    wchar_t buffer[261] = {};
    GetWindowTextW(GetDlgItem(m_hWnd, IDC_INSTALL_FOLDER), buffer, 261);
    folder = buffer;
    if (folder.IsEmpty())
        return Fail(IDS_NO_FOLDER, IDC_INSTALL_FOLDER);
    name1 = ControlText(m_hWnd, IDC_DESIGN_NAME1);
    name2 = ControlText(m_hWnd, IDC_DESIGN_NAME2);
    if (name1.IsEmpty())
        return Fail(IDS_NO_DESIGN_NAME, IDC_DESIGN_NAME1);
    if (m_bUseDesign2) {
        if (name2.IsEmpty())
            return Fail(IDS_NO_DESIGN_NAME, IDC_DESIGN_NAME2);
        if (name1.CompareNC(name2.t()) == 0)
            return Fail(IDS_SAME_DESIGN_NAMES, IDC_DESIGN_NAME2);
    }
    return true;
}

// A relative folder is refused like one that cannot be created: the files
// would land below the installer's current folder, and the registered
// paths would mean nothing to the system.
CTaviCurMiniInstDlg::FolderState CTaviCurMiniInstDlg::PrepareInstallFolder(CNelStrW& folder)
{
    TrimInstallFolder(folder);
    if (!NelIsAbsolutePath(folder.t())) {
        Fail(IDS_CANNOT_CREATE_FOLDER, IDC_INSTALL_FOLDER);
        return kFolderFailed;
    }
    NelCreateDirTree(folder.t());  // advisory: the folder is tested below
    if (NelIsDirectory(folder.t()))
        return kFolderReady;
    if (FolderCreationDenied(folder))
        return kFolderDenied;
    Fail(IDS_CANNOT_CREATE_FOLDER, IDC_INSTALL_FOLDER);
    return kFolderFailed;
}

bool CTaviCurMiniInstDlg::RegisterSchemes(const CNelStrW& folder, const ElevatedRequest& request,
                                          bool elevated)
{
    if (elevated && request.allUsers == 1)
        return true;
    const LONG result = WriteDesignSchemes(request.allUsers == 1, folder, request.name1,
                                           m_bUseDesign2 ? &request.name2 : nullptr);
    if (result == ERROR_SUCCESS)
        return true;
    // All users on an account without administrator rights.
    if (result == ERROR_ACCESS_DENIED && request.allUsers == 1)
        return ContinueElevated(request, IDS_REGISTRY_FAILED, 0);
    return Fail(IDS_REGISTRY_FAILED, 0);
}

void CTaviCurMiniInstDlg::OfferToApply(const CNelStrW& folder, const CNelStrW& name1,
                                       const CNelStrW& name2, int allUsers)
{
    CNelStrW caption, message;
    int changeDN = 2;
    ReadEndDlgTexts(caption, message, changeDN, g_strInfoFile.t());
    if (CallNelMsgBoxW(message.t(), caption.t(), MB_YESNO | MB_ICONQUESTION, nullptr, nullptr,
                       nullptr) != IDYES)
        return;
    const bool design1 = !m_bUseDesign2 || changeDN == 1;
    ApplyDesign(design1 ? L"1" : L"2", design1 ? name1 : name2, folder,
                !NelIsWin9xPlatform(), allUsers);
}

bool CTaviCurMiniInstDlg::OnInstall()
{
    if (!CheckInfoFileStillPresent()) {
        EndDialog(m_hWnd, IDCANCEL);
        return false;
    }
    CNelStrW folder, name1, name2;
    if (!ReadInstallInput(folder, name1, name2))
        return false;

    CNelStrW source;
    NelGetModuleDir(source);
    if (source.IsEmpty() || source.GetAt(source.GetLength() - 1) != L'\\')
        source += L"\\";
    FileListProblem problem = CheckInstallFiles(source);
    if (problem.messageId)
        return Fail(problem.message, 0);

    const bool locationVisible = IsLocationVisible();
    const int allUsers =
        (locationVisible && NelGetCheck(GetDlgItem(m_hWnd, IDC_ALL_USERS)) == 1) ? 1 : 0;
    const FolderState state = PrepareInstallFolder(folder);
    if (state == kFolderFailed)
        return false;
    // Where the program lacks permission, a helper started with it does
    // the folder, the copies and the all-users values; the rest stays here.
    const ElevatedRequest request = {folder, allUsers, name1, m_bUseDesign2 ? name2 : CNelStrW(L"")};
    bool elevated = false;
    if (state == kFolderDenied) {
        if (!ContinueElevated(request, IDS_ACCESS_DENIED, IDC_INSTALL_FOLDER))
            return false;
        elevated = true;
    }

    // Read once: saved here and named in the uninstall record.
    CNelStrW savedChoices[kSavedChoiceCount];
    ReadSavedChoicePaths(m_bUseDesign2 != 0, locationVisible, savedChoices);
    SaveInstallChoices({folder, name1, name2, allUsers}, savedChoices);

    folder += L"\\";
    bool denied = false;
    ULONGLONG listedBytes = kListedBytesUnknown;
    if (!elevated && !CopyInstallFiles(source, folder, &denied, &listedBytes)) {
        if (!denied)
            return Fail(IDS_COPY_FAILED, 0);
        if (!ContinueElevated(request, IDS_ACCESS_DENIED, IDC_INSTALL_FOLDER))
            return false;
        elevated = true;
    }
    if (!RegisterSchemes(folder, request, elevated))
        return false;
    if (IsUninstallUsed())
        RegisterUninstall(request, elevated, savedChoices, elevated ? kListedBytesUnknown : listedBytes);
    if (IsEndDlgUsed(g_strInfoFile.t()))
        OfferToApply(folder, name1, name2, allUsers);
    return true;
}
