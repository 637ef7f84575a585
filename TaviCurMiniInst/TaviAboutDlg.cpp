// The about dialog: texts from the program's version resource and from the
// install-info file, laid out from their measured sizes. All coordinates
// are pixels in the dialog's client area.
#include "TaviAboutDlg.h"
#include <algorithm>
#include "DialogGeometry.h"
#include "InfoMacros.h"
#include "InstallInfo.h"
#include "NelIni.h"
#include "NelPath.h"
#include "NelWndHelp.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "WndUtil/NelWndUtil.h"
#include "resource.h"

using namespace TaviGeometry;

namespace {

// The control's text measured as one line in the dialog font, as the
// control draws it: a static with SS_NOPREFIX shows every "&", so its text
// is measured without mnemonic processing, or a product name such as
// "Tom & Jerry" would be measured short and wrap. An empty text still
// takes one line's height (lineHeight), so an empty copyright keeps its
// place.
SIZE MeasureControl(HWND control, int lineHeight)
{
    CNelStrW text(L"");
    text.GetWndText(control);
    RECT rc = {0, 0, 0, 0};
    const bool noPrefix = (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) != 0;
    int height = text.IsEmpty() ? 0
                 : noPrefix     ? NelMeasureTextNoPrefix(g_hDlgFont, text.t(), &rc)
                                : NelMeasureText(g_hDlgFont, text.t(), &rc, TRUE);
    SIZE size = {Width(rc), height > 0 ? Height(rc) : lineHeight};
    return size;
}

// Places a text control at (x, y) sized to its text plus a pixel each side.
RECT PlaceText(HWND control, int x, int y, int lineHeight)
{
    const SIZE size = MeasureControl(control, lineHeight);
    SetWindowPos(control, nullptr, x, y, size.cx + 2, size.cy + 2, SWP_NOZORDER | SWP_NOACTIVATE);
    return ChildRect(control);
}

} // namespace

CTaviAboutDlg::CTaviAboutDlg(HWND hWndParent)
    : m_hWnd(nullptr), m_hWndParent(hWndParent), m_hAppIcon(nullptr), m_cxAppIcon(32),
      m_cyAppIcon(32), m_hWndOK(nullptr), m_hWndProgram(nullptr), m_hWndCopyright(nullptr),
      m_hWndSeparator(nullptr), m_hSetCursor(nullptr), m_hSetIcon(nullptr),
      m_hWndHeading(nullptr), m_hWndProduct(nullptr), m_hWndProductCopyright(nullptr),
      m_hWndHomepage(nullptr)
{
}

CTaviAboutDlg::~CTaviAboutDlg() {}

INT_PTR CTaviAboutDlg::ShowDlg()
{
    return DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(IDD_ABOUT), m_hWndParent, DlgProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CTaviAboutDlg::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        reinterpret_cast<CTaviAboutDlg*>(lParam)->OnInit(hwnd);
        return FALSE;
    }
    CTaviAboutDlg* self = reinterpret_cast<CTaviAboutDlg*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return FALSE;
    switch (msg) {
    case WM_DESTROY:
        self->OnDestroy();
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hwnd, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

int CTaviAboutDlg::OnInit(HWND hwnd)
{
    m_hWnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    NelSetFontToTree(hwnd, g_hDlgFont);
    BindControls();
    LoadImages();

    const int m = ChildRect(m_imgApp.GetHwnd()).left;
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    int A = client.right;
    const RECT okTemplate = ChildRect(m_hWndOK);
    const RECT sepTemplate = ChildRect(m_hWndSeparator);

    SetProgramLine();
    CNelStrW line(L"");
    line.GetWndText(m_hWndProgram);
    RECT lineRect = {0, 0, 0, 0};
    const int U = NelMeasureText(g_hDlgFont, line.t(), &lineRect, TRUE);
    const int h = U / 2;
    const int BH = std::max(U + h, Height(okTemplate));

    // Upper half: the program.
    const RECT icon = ChildRect(m_imgApp.GetHwnd());
    const RECT program = PlaceText(m_hWndProgram, icon.right + 2 * h, ChildRect(m_hWndProgram).top, U);
    const RECT copyright = PlaceText(m_hWndCopyright, program.left, program.bottom + h, U);
    const RECT heading = PlaceText(m_hWndHeading, copyright.left, copyright.bottom + 3 * h, U);

    // Lower half: the cursor set.
    SetCursorSetTexts();
    const RECT product = PlaceText(m_hWndProduct, copyright.left, heading.bottom + h, U);
    const RECT setCopyright = PlaceText(m_hWndProductCopyright, copyright.left, product.bottom + h, U);
    SetWindowPos(m_imgCursorSet.GetHwnd(), nullptr, m, product.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    for (const RECT& rc : {program, copyright, heading, product, setCopyright})
        A = std::max(A, static_cast<int>(rc.right) + m);

    Place(m_hWndSeparator, m, copyright.bottom + 2 * h, A - 2 * m, Height(sepTemplate));
    const int homeTop = setCopyright.bottom + h;
    Place(m_hWndHomepage, copyright.left, homeTop, A - m - copyright.left, BH);

    CNelStrW ok(L"");
    ok.GetWndText(m_hWndOK);
    RECT okText = {0, 0, 0, 0};
    NelMeasureText(g_hDlgFont, ok.t(), &okText, TRUE);
    const int okWidth = std::max(Width(okTemplate), Width(okText) + BH);
    const int okLeft = A - okWidth - m;
    const int okTop = homeTop + BH + 2 * h;
    Place(m_hWndOK, okLeft, okTop, okWidth, BH);

    NelSetClientSize(hwnd, okLeft + okWidth + m, okTop + BH + m,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    NelCenterWindowW(hwnd, TRUE);
    return 0;
}

void CTaviAboutDlg::BindControls()
{
    m_hWndOK = GetDlgItem(m_hWnd, IDOK);
    m_hWndProgram = GetDlgItem(m_hWnd, IDC_ABOUT_PROGRAM);
    m_hWndCopyright = GetDlgItem(m_hWnd, IDC_ABOUT_COPYRIGHT);
    m_hWndSeparator = GetDlgItem(m_hWnd, IDC_ABOUT_SEPARATOR);
    m_hWndHeading = GetDlgItem(m_hWnd, IDC_ABOUT_HEADING);
    m_hWndProduct = GetDlgItem(m_hWnd, IDC_ABOUT_PRODUCT);
    m_hWndProductCopyright = GetDlgItem(m_hWnd, IDC_ABOUT_PRODUCT_COPYRIGHT);
    m_hWndHomepage = GetDlgItem(m_hWnd, IDC_ABOUT_HOMEPAGE);
    m_imgApp.HookDlgItem(IDC_ABOUT_APP_ICON, m_hWnd, nullptr);
    m_imgCursorSet.HookDlgItem(IDC_ABOUT_SET_IMAGE, m_hWnd, nullptr);
}

// The program icon at 32 by 32 in its template place; the cursor set's
// image from ProductIcon, else from the main dialog's CurIcon.
void CTaviAboutDlg::LoadImages()
{
    m_hAppIcon = static_cast<HICON>(LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                               m_cxAppIcon, m_cyAppIcon, LR_DEFAULTCOLOR));
    if (m_hAppIcon && m_imgApp.SetIcon(m_hAppIcon))
        m_imgApp.FitToImage();

    CNelStrW path;
    int index = 0;
    if (ReadIconSpec(L"CurInfo", L"ProductIcon", path, index, g_strInfoFile.t()) ||
        ReadIconSpec(L"MainDlg", L"CurIcon", path, index, g_strInfoFile.t()))
        CTaviCurMiniInstDlg::LoadIconOrCursor(m_imgCursorSet, path.t(), index, m_hSetIcon,
                                              m_hSetCursor);
}

// String 105 with the program file's "FileVersion"; without a version the
// template's name stays.
void CTaviAboutDlg::SetProgramLine()
{
    CNelStrW module, version, text;
    if (!NelGetModulePath(module) ||
        !NelGetFileVerStr(version, module.t(), L"FileVersion") ||
        !text.LoadStr(IDS_ABOUT_VERSION, g_hInstance))
        return;
    text.Replace(L"%ver%", version.t());
    text.SetWndText(m_hWndProgram);
}

void CTaviAboutDlg::SetCursorSetTexts()
{
    CNelStrW product(L"");
    product.LoadStr(IDS_PRODUCT_VERSION, g_hInstance);
    ExpandInfoMacros(product);
    product.SetWndText(m_hWndProduct);

    CNelStrW copyright(L"");
    if (!ReadInfoText(L"CurInfo", L"Copyright", copyright))
        copyright = L"";
    copyright.SetWndText(m_hWndProductCopyright);

    CNelStrW homepage;
    if (ReadInfoText(L"CurInfo", L"Homepage", homepage)) {
        homepage.SetWndText(m_hWndHomepage);
    } else {
        SetWindowTextW(m_hWndHomepage, L"");
        EnableWindow(m_hWndHomepage, FALSE);
    }
}

int CTaviAboutDlg::OnDestroy()
{
    if (m_hAppIcon)
        DestroyIcon(m_hAppIcon);
    if (m_hSetCursor)
        DestroyCursor(m_hSetCursor);
    if (m_hSetIcon)
        DestroyIcon(m_hSetIcon);
    m_hAppIcon = nullptr;
    m_hSetCursor = nullptr;
    m_hSetIcon = nullptr;
    return 0;
}
