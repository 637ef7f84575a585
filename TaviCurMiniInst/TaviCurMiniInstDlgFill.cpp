// The main dialog's design-name rows and all-users check box: their texts
// and choices from the install-info file and from the choices saved by an
// earlier run, and their layout inside the group box.
#include "TaviCurMiniInstDlg.h"
#include <algorithm>
#include "DialogGeometry.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelReg.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtilInternal.h"
#include "resource.h"

using namespace TaviGeometry;

bool CTaviCurMiniInstDlg::ReadSavedString(const wchar_t* key, CNelStrW& out)
{
    CNelStrW path, value;
    if (!ReadInfoText(L"MainDlg", key, path))
        return false;
    if (!NelRegReadStr(path.t(), value) || value.IsEmpty())
        return false;
    out = value;
    return true;
}

CNelStrW CTaviCurMiniInstDlg::DesignName(const wchar_t* savedKey, const wchar_t* defaultKey)
{
    CNelStrW name(L"");
    if (!ReadSavedString(savedKey, name))
        ReadInfoText(L"MainDlg", defaultKey, name);
    return name;
}

namespace {

// Moves a control down (or up) keeping it shown without activating it.
void MoveDown(HWND control, int dy)
{
    NelOffsetWindow(control, 0, dy, SW_SHOWNA);
}

} // namespace

bool CTaviCurMiniInstDlg::HasSecondRow()
{
    CNelStrW dn2;
    return ReadInfoStr(L"MainDlg", L"DN2CurName", dn2);
}

bool CTaviCurMiniInstDlg::HidesAllUsers()
{
    return InfoValueIs(L"MainDlg", L"HideLocation", L"Yes") || NelIsWin9xPlatform();
}

// Rows start U + h below the group's top T; returns where they end.
int CTaviCurMiniInstDlg::LayoutDesignRows(const Layout& L, int T)
{
    const int top = T + L.U + L.h;
    const int editLeft = L.W - 2 * L.BW - 2 * L.m;
    DesignName(L"DesignName1Key", L"DN1CurName").SetWndText(m_hWndName1);

    HWND image = m_imgDesign.GetHwnd();
    SetWindowPos(image, nullptr, 2 * L.m, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT img = ChildRect(image);

    const SIZE label1 = MeasureControl(m_hWndName1Label);
    Place(m_hWndName1Label, img.right + 2 * L.h, top, label1.cx + 2, L.BH);
    Place(m_hWndName1, editLeft, top, 2 * L.BW, L.BH);
    const RECT row1 = ChildRect(m_hWndName1Label);

    if (L.twoRows) {
        const SIZE label2 = MeasureControl(m_hWndName2Label);
        const int top2 = row1.bottom + L.h;
        Place(m_hWndName2Label, row1.left, top2, label2.cx + 2, L.BH);
        Place(m_hWndName2, editLeft, top2, 2 * L.BW, L.BH);
        DesignName(L"DesignName2Key", L"DN2CurName").SetWndText(m_hWndName2);
        // The image is centred on the two rows.
        const int rowsEnd = top2 + L.BH;
        if (img.bottom < rowsEnd)
            MoveDown(image, (rowsEnd - img.bottom) / 2);
        return rowsEnd;
    }

    // One row: the second is switched off, and the image and the shown
    // row are centred on each other (the hidden row plays no part).
    m_bUseDesign2 = 0;
    EnableWindow(m_hWndName2Label, FALSE);
    ShowWindow(m_hWndName2Label, SW_HIDE);
    EnableWindow(m_hWndName2, FALSE);
    ShowWindow(m_hWndName2, SW_HIDE);
    SetWindowTextW(m_hWndName2, L"");
    if (row1.bottom < img.bottom) {
        const int dy = (img.bottom - row1.bottom) / 2;
        MoveDown(m_hWndName1Label, dy);
        MoveDown(m_hWndName1, dy);
        return img.bottom;
    }
    MoveDown(image, (row1.bottom - img.bottom) / 2);
    return row1.bottom;
}

// Returns the check box's bottom, or 0 when it is hidden.
int CTaviCurMiniInstDlg::LayoutAllUsers(const Layout& L, int rowsEnd)
{
    if (L.hideAllUsers) {
        ShowWindow(m_hWndAllUsers, SW_HIDE);
        NelSetCheck(m_hWndAllUsers, 0);
        return 0;
    }
    const SIZE text = MeasureControl(m_hWndAllUsers);
    const int left = ChildRect(m_imgDesign.GetHwnd()).left;
    Place(m_hWndAllUsers, left, rowsEnd + 2 * L.h, L.g + text.cx + L.U, L.U + 2);

    NelSetCheck(m_hWndAllUsers, InfoValueIs(L"MainDlg", L"Location", L"All") ? 1 : 0);
    CNelStrW path;
    if (ReadInfoText(L"MainDlg", L"LocationKey", path)) {
        const int saved = NelRegReadByte(path.t(), -1);
        if (saved != -1)
            NelSetCheck(m_hWndAllUsers, saved == 1 ? 1 : 0);
    }
    return ChildRect(m_hWndAllUsers).bottom;
}
