// The main dialog's initialisation: checks the install-info file, fills
// every text from it and lays the controls out anew from the measured
// texts, so that an author can replace any caption without breaking the
// dialog. All coordinates are pixels in the dialog's client area.
#include "TaviCurMiniInstDlg.h"
#include <algorithm>
#include "DialogGeometry.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelWndHelp.h"
#include "TaviGlobals.h"
#include "WndUtil/NelGdiUtil.h"
#include "WndUtil/NelWndUtil.h"
#include "resource.h"

namespace {

// The default product bitmap is drawn on teal, which shows through.
const COLORREF kDefaultImageBackground = RGB(0, 128, 128);

} // namespace

using namespace TaviGeometry;

int CTaviCurMiniInstDlg::OnInit(HWND hwnd, LPARAM)
{
    m_hWnd = hwnd;
    m_hMesIcon = m_hCurIcon = nullptr;
    m_hMesCursor = m_hCurCursor = nullptr;
    m_hDefBitmap = m_hDefMask = nullptr;
    m_bUseDesign2 = 1;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    NelSetFontToTree(hwnd, g_hDlgFont);

    BindControls();
    Layout L = MeasureUnits();
    AddAboutMenuItem();
    if (!CheckInfoFile()) {
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    SetCaption();
    LayoutProductImage(L);
    LayoutMessage(L);
    FillTexts();
    LoadRowImages();
    L.twoRows = HasSecondRow();
    L.hideAllUsers = HidesAllUsers();
    L.W = std::max(L.W, RequiredWidth(L));
    const int sepTop = L.h + std::max(ChildRect(m_hWndMessage).bottom,
                                      ChildRect(m_imgProduct.GetHwnd()).bottom);
    Place(m_hWndSeparator, L.m, sepTop, L.W - 2 * L.m, Height(ChildRect(m_hWndSeparator)));
    const int editBottom = LayoutFolderRow(L);

    const int T = editBottom + 2 * L.h;
    const int rowsEnd = LayoutDesignRows(L, T);
    const int checkBottom = LayoutAllUsers(L, rowsEnd);
    const int groupBottom = (checkBottom ? checkBottom : rowsEnd) + 2 * L.h;
    Place(m_hWndGroup, L.m, T, L.W - 2 * L.m, groupBottom - T);
    LayoutButtons(L, groupBottom);
    FillInstallFolder();

    NelSetClientSize(hwnd, L.W, ChildRect(m_hWndCancel).bottom + L.m,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    NelCenterWindowW(hwnd, TRUE);
    return TRUE;
}

void CTaviCurMiniInstDlg::BindControls()
{
    m_hWndOK = GetDlgItem(m_hWnd, IDOK);
    m_hWndCancel = GetDlgItem(m_hWnd, IDCANCEL);
    m_hWndBrowse = GetDlgItem(m_hWnd, IDC_BROWSE);
    m_hWndDefault = GetDlgItem(m_hWnd, IDC_DEFAULT_FOLDER);
    m_hWndMessage = GetDlgItem(m_hWnd, IDC_MESSAGE);
    m_hWndSeparator = GetDlgItem(m_hWnd, IDC_SEPARATOR);
    m_hWndFolderLabel = GetDlgItem(m_hWnd, IDC_INSTALL_FOLDER_LABEL);
    m_hWndFolder = GetDlgItem(m_hWnd, IDC_INSTALL_FOLDER);
    m_hWndGroup = GetDlgItem(m_hWnd, IDC_DESIGN_GROUP);
    m_hWndName1Label = GetDlgItem(m_hWnd, IDC_DESIGN_NAME1_LABEL);
    m_hWndName2Label = GetDlgItem(m_hWnd, IDC_DESIGN_NAME2_LABEL);
    m_hWndName1 = GetDlgItem(m_hWnd, IDC_DESIGN_NAME1);
    m_hWndName2 = GetDlgItem(m_hWnd, IDC_DESIGN_NAME2);
    m_hWndAllUsers = GetDlgItem(m_hWnd, IDC_ALL_USERS);

    m_btnOK.HookDlgItem(IDOK, m_hWnd, nullptr);
    m_btnCancel.HookDlgItem(IDCANCEL, m_hWnd, nullptr);
    m_btnBrowse.HookDlgItem(IDC_BROWSE, m_hWnd, nullptr);
    m_btnDefault.HookDlgItem(IDC_DEFAULT_FOLDER, m_hWnd, nullptr);
    m_imgProduct.HookDlgItem(IDC_PRODUCT_IMAGE, m_hWnd, nullptr);
    m_imgFolder.HookDlgItem(IDC_FOLDER_ICON, m_hWnd, nullptr);
    m_imgDesign.HookDlgItem(IDC_DESIGN_IMAGE, m_hWnd, nullptr);
}

// U, h, BH, BW and W come from Cancel's template caption and size, so
// they stay the same whatever texts the install-info file brings.
CTaviCurMiniInstDlg::Layout CTaviCurMiniInstDlg::MeasureUnits()
{
    Layout L = {};
    CNelStrW caption(L"");
    caption.GetWndText(m_hWndCancel);
    RECT text = {0, 0, 0, 0};
    L.U = NelMeasureText(g_hDlgFont, caption.t(), &text, TRUE);
    L.h = L.U / 2;
    const RECT cancel = ChildRect(m_hWndCancel);
    L.BH = std::max(L.U + L.h, Height(cancel));
    L.BW = std::max(Width(text) + 2 * L.U, Width(cancel));
    RECT client = {0, 0, 0, 0};
    GetClientRect(m_hWnd, &client);
    L.W = std::max(static_cast<int>(client.right), 5 * L.BW);
    SIZE box = {0, 0};
    L.g = NelGetCheckBoxSize(&box) ? box.cy : L.U;
    L.m = ChildRect(GetDlgItem(m_hWnd, IDC_PRODUCT_IMAGE)).left;
    return L;
}

void CTaviCurMiniInstDlg::AddAboutMenuItem()
{
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    CNelStrW text;
    if (!menu || !text.LoadStr(IDS_ABOUT_MENU, g_hInstance) || text.IsEmpty())
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, ID_SYS_ABOUT, text.t());
}

void CTaviCurMiniInstDlg::SetCaption()
{
    CNelStrW title;
    if (ReadInfoText(L"MainDlg", L"DlgTitle", title))
        title.SetWndText(m_hWnd);
}

// The MesIcon image, else the built-in bitmap. The layout uses the size
// the image really has, so a large icon pushes the message aside instead
// of lying under it.
void CTaviCurMiniInstDlg::LayoutProductImage(Layout& L)
{
    CNelStrW path;
    int index = 0;
    bool loaded = ReadIconSpec(L"MainDlg", L"MesIcon", path, index, g_strInfoFile.t()) &&
                  LoadIconOrCursor(m_imgProduct, path.t(), index, m_hMesIcon, m_hMesCursor);
    if (!loaded) {
        m_hDefBitmap = static_cast<HBITMAP>(LoadImageW(
            g_hInstance, MAKEINTRESOURCEW(IDB_DEFAULT_PRODUCT), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        if (m_hDefBitmap)
            m_hDefMask = NelGDICreateMaskBmp(m_hDefBitmap, kDefaultImageBackground);
        if (m_hDefBitmap && m_hDefMask && m_imgProduct.SetBitmap(m_hDefBitmap, m_hDefMask))
            m_imgProduct.FitToImage();
    }
    L.m = ChildRect(m_imgProduct.GetHwnd()).left;
}

// The message wraps to the width left beside the image; the dialog grows
// when the image pushes it further right than the template had it.
void CTaviCurMiniInstDlg::LayoutMessage(Layout& L)
{
    CNelStrW text;
    if (!ReadInfoMultiLine(L"MainDlg", L"Mes", text)) {
        text.GetWndText(m_hWndMessage);
        ExpandInfoMacros(text);
    }
    text.SetWndText(m_hWndMessage);

    const RECT tmpl = ChildRect(m_hWndMessage);
    const RECT image = ChildRect(m_imgProduct.GetHwnd());
    SetWindowPos(m_hWndMessage, nullptr, 0, 0, L.W - L.m - tmpl.left, Height(tmpl),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CNelStrW wrapped;
    RECT rc = {0, 0, 0, 0};
    if (NelWrapText(m_hWndMessage, text.t(), wrapped, &rc) >= 0) {
        Place(m_hWndMessage, image.right + 2 * L.h, L.m, Width(rc) + 2, Height(rc) + 2);
        wrapped.SetWndText(m_hWndMessage);
    }
    L.W = std::max(L.W, static_cast<int>(ChildRect(m_hWndMessage).right) + L.m);
}

// Every label, button and check-box text: the [MainDlg] key, macro-
// expanded, replaces the template text when non-empty.
void CTaviCurMiniInstDlg::FillTexts()
{
    SetControlText(m_hWndFolderLabel, L"InstallFolderStc");
    SetControlText(m_hWndDefault, L"DefBtn");
    SetControlText(m_hWndBrowse, L"BrowseBtn");
    SetControlText(m_hWndGroup, L"DesignNameStc");
    SetControlText(m_hWndName1Label, L"DN1CurStc");
    SetControlText(m_hWndName2Label, L"DN2CurStc");
    SetControlText(m_hWndAllUsers, L"LocationStc");
    SetControlText(m_hWndCancel, L"CancelBtn");
    SetControlText(m_hWndOK, L"OKBtn");
}

// The folder icon and the design image, whose sizes the rows need.
void CTaviCurMiniInstDlg::LoadRowImages()
{
    CNelStrW cursors(L"%WindowsFolder%\\Cursors");
    ExpandInfoMacros(cursors);
    if (m_imgFolder.SetFileIcon(cursors.t(), TRUE))
        m_imgFolder.FitToImage();

    CNelStrW path;
    int index = 0;
    if (ReadIconSpec(L"MainDlg", L"CurIcon", path, index, g_strInfoFile.t()))
        LoadIconOrCursor(m_imgDesign, path.t(), index, m_hCurIcon, m_hCurCursor);
}

// The least width at which the rows below the message keep long texts from
// the install-info file out of their neighbours and inside the margins:
// the folder label within the right margin, a name label not past its
// edit's left edge, the check box within the group box, OK not past the
// left margin. Texts that fit ask for nothing more, so the width grows only
// for texts that would not fit; it never shrinks.
int CTaviCurMiniInstDlg::RequiredWidth(const Layout& L)
{
    const int folderRow = L.m + Width(ChildRect(m_imgFolder.GetHwnd())) + L.h +
                          MeasureControl(m_hWndFolderLabel).cx + 2 + L.m;
    int labels = MeasureControl(m_hWndName1Label).cx;
    if (L.twoRows)
        labels = std::max(labels, static_cast<int>(MeasureControl(m_hWndName2Label).cx));
    const int rows = 2 * L.m + Width(ChildRect(m_imgDesign.GetHwnd())) + 2 * L.h + labels + 2 +
                     2 * L.BW + 2 * L.m;
    const int checkBox = L.hideAllUsers ? 0
        : 2 * L.m + L.g + MeasureControl(m_hWndAllUsers).cx + L.U + L.m;
    const int cancelWidth = ButtonWidth(L, m_hWndCancel);
    const int buttons = L.m + OKSlotWidth(ButtonWidth(L, m_hWndOK), cancelWidth) + 2 * L.h +
                        cancelWidth + L.h + L.m;
    return std::max({folderRow, rows, checkBox, buttons});
}

// OK stands a Cancel width plus 2h left of Cancel, as the buttons were
// always placed. An OK wider than Cancel would run into that 2h gap there,
// so it is placed by its own width instead: the smaller x of the two.
int CTaviCurMiniInstDlg::OKSlotWidth(int okWidth, int cancelWidth)
{
    return std::max(okWidth, cancelWidth);
}

int CTaviCurMiniInstDlg::ButtonWidth(const Layout& L, HWND button)
{
    return std::max(L.BW, static_cast<int>(MeasureControl(button).cx) + L.U);
}

// Folder icon, label, edit, Browse and Default; returns the edit's bottom.
int CTaviCurMiniInstDlg::LayoutFolderRow(const Layout& L)
{
    const int top = ChildRect(m_hWndSeparator).bottom + L.h;
    HWND icon = m_imgFolder.GetHwnd();
    SetWindowPos(icon, nullptr, L.m, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const SIZE label = MeasureControl(m_hWndFolderLabel);
    Place(m_hWndFolderLabel, ChildRect(icon).right + L.h, top, label.cx + 2, label.cy + 2);
    const int rowTop = ChildRect(m_hWndFolderLabel).bottom + L.h;

    const SIZE def = MeasureControl(m_hWndDefault);
    const int defWidth = std::max(Width(ChildRect(m_hWndDefault)), static_cast<int>(def.cx) + L.U);
    const int defLeft = L.W - defWidth - L.m;
    Place(m_hWndDefault, defLeft, rowTop, defWidth, L.BH);

    const SIZE browse = MeasureControl(m_hWndBrowse);
    const int browseWidth = std::max(Width(ChildRect(m_hWndBrowse)), static_cast<int>(browse.cx) + L.U);
    Place(m_hWndBrowse, defLeft - browseWidth - L.h, rowTop, browseWidth, L.BH);

    Place(m_hWndFolder, L.m, rowTop, L.W - 2 * L.m - defWidth - browseWidth - 2 * L.h, L.BH);
    return rowTop + L.BH;
}

// Cancel at the right, OK to its left; a long caption widens its own
// button only.
void CTaviCurMiniInstDlg::LayoutButtons(const Layout& L, int groupBottom)
{
    const int top = groupBottom + 2 * L.h;
    const int cancelWidth = ButtonWidth(L, m_hWndCancel);
    const int cancelLeft = L.W - cancelWidth - L.m - L.h;
    Place(m_hWndCancel, cancelLeft, top, cancelWidth, L.BH);

    const int okWidth = ButtonWidth(L, m_hWndOK);
    Place(m_hWndOK, cancelLeft - 2 * L.h - OKSlotWidth(okWidth, cancelWidth), top, okWidth,
          L.BH);
}

void CTaviCurMiniInstDlg::SetControlText(HWND control, const wchar_t* key)
{
    CNelStrW text;
    if (ReadInfoText(L"MainDlg", key, text))
        text.SetWndText(control);
}

SIZE CTaviCurMiniInstDlg::MeasureControl(HWND control)
{
    CNelStrW text(L"");
    text.GetWndText(control);
    RECT rc = {0, 0, 0, 0};
    NelMeasureText(g_hDlgFont, text.IsEmpty() ? L"" : text.t(), &rc, TRUE);
    SIZE size = {Width(rc), Height(rc)};
    return size;
}
