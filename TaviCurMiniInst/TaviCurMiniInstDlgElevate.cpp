// OK of the main dialog, where the folder or the all-users key needs
// administrator permission: the question, the helper run with "runas" and
// every way that can end.
#include "TaviCurMiniInstDlg.h"
#include "ElevatedInstall.h"
#include "InstallInfo.h"
#include "NelWndBinding.h"
#include "TaviGlobals.h"
#include "resource.h"

namespace {

// An [Elevation] text (multi-line, macro-expanded), else string id.
CNelStrW ElevationText(const wchar_t* key, UINT id)
{
    return ReadInfoMultiLineOr(L"Elevation", key, id);
}

} // namespace

bool CTaviCurMiniInstDlg::ContinueElevated(const ElevatedRequest& request, UINT fallbackId,
                                           int fallbackFocus)
{
    if (!CanRequestElevation()) {
        if (fallbackId != IDS_ACCESS_DENIED)
            return Fail(fallbackId, fallbackFocus);
        return Fail(ElevationText(L"DeniedMes", IDS_ACCESS_DENIED), fallbackFocus);
    }
    CNelStrW question = ElevationText(L"Mes", IDS_ELEVATE_QUESTION);
    question.PermStr(L"|fp|", request.folder.t());
    CNelStrW caption = ElevationText(L"DlgTitle", IDS_ELEVATE_CAPTION);
    if (CallNelMsgBoxW(question.t(), caption.t(), MB_YESNO | MB_ICONQUESTION, nullptr, nullptr,
                       nullptr) != IDYES) {
        // The question said what to do instead: choose another folder.
        SendMessageW(m_hWnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, IDC_INSTALL_FOLDER)), TRUE);
        return false;
    }
    DWORD launchError = ERROR_SUCCESS;
    const int result = RunElevatedHelper(request, m_hWnd, &launchError);
    if (result == kElevatedDone)
        return true;
    if (result < 0 && launchError == ERROR_CANCELLED)
        return Fail(ElevationText(L"DeclinedMes", IDS_ELEVATE_DECLINED), IDC_INSTALL_FOLDER);
    return Fail(ElevationText(L"FailedMes", IDS_ELEVATE_FAILED), IDC_INSTALL_FOLDER);
}
