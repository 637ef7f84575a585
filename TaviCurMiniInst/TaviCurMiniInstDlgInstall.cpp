// OK of the main dialog: the installation itself.
#include "TaviCurMiniInstDlg.h"
#include "Installation.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "NelWndBinding.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtilInternal.h"
#include "resource.h"

namespace {

CNelStrW ControlText(HWND dlg, int id)
{
    CNelStrW text(L"");
    text.GetWndText(GetDlgItem(dlg, id));
    return text;
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

// Trims the folder text, creates the folder and leaves it ending in "\".
bool CTaviCurMiniInstDlg::PrepareInstallFolder(CNelStrW& folder)
{
    folder.Trim(L" \"\\");
    NelCreateDirTree(folder.t());  // advisory: the folder is tested below
    if (!NelIsDirectory(folder.t()))
        return Fail(IDS_CANNOT_CREATE_FOLDER, IDC_INSTALL_FOLDER);
    return true;
}

bool CTaviCurMiniInstDlg::RegisterSchemes(const CNelStrW& folder, const CNelStrW& name1,
                                          const CNelStrW& name2, int allUsers)
{
    // The all-users key takes plain strings; the 9x family has neither the
    // all-users key nor expandable scheme strings.
    const bool win9x = NelIsWin9xPlatform() != FALSE;
    const bool machine = allUsers == 1 && !win9x;
    CNelStrW schemes(machine ? kAllUsersCursorsKey : kUserCursorsKey);
    schemes += L"\\Schemes";
    const DWORD type = (win9x || allUsers == 1) ? REG_SZ : REG_EXPAND_SZ;

    const CNelStrW* names[2] = {&name1, &name2};
    const wchar_t* numbers[2] = {L"1", L"2"};
    for (int k = 0; k < (m_bUseDesign2 ? 2 : 1); ++k) {
        CNelStrW scheme;
        BuildSchemeString(numbers[k], folder.t(), scheme, g_strInfoFile.t());
        if (!WriteSchemeValue(schemes, *names[k], scheme, type))
            return Fail(IDS_REGISTRY_FAILED, 0);
    }
    return true;
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
    if (!PrepareInstallFolder(folder))
        return false;

    if (InfoValueIs(L"MainDlg", L"SaveInstallData", L"Yes"))
        SaveInstallChoices({folder, name1, name2, m_bUseDesign2 != 0, locationVisible, allUsers});

    folder += L"\\";
    if (!CopyInstallFiles(source, folder))
        return Fail(IDS_COPY_FAILED, 0);
    if (!RegisterSchemes(folder, name1, name2, allUsers))
        return false;
    if (IsEndDlgUsed(g_strInfoFile.t()))
        OfferToApply(folder, name1, name2, allUsers);
    return true;
}
