#include "DialogLayout.h"
#include <algorithm>
#include "resource.h"

namespace DlgTest {

namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }
RECT Rect(int x, int y, int cx, int cy) { return RECT{x, y, x + cx, y + cy}; }
void Offset(RECT& rc, int dy) { OffsetRect(&rc, 0, dy); }

INT_PTR CALLBACK InertProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The main template names the installer's window class; a copy of the
// system dialog class under that name lets the template load here.
void RegisterMainClass()
{
    WNDCLASSEXW wc = {sizeof(wc)};
    if (!GetClassInfoExW(nullptr, L"#32770", &wc))
        return;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Orvandel_TaviCurMiniInst";
    RegisterClassExW(&wc);
}

} // namespace

TemplateDialog::TemplateDialog(int templateId)
{
    RegisterMainClass();
    m_hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                InertProc, 0);
}

TemplateDialog::~TemplateDialog()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

RECT TemplateDialog::ItemRect(int id) const
{
    RECT rc = {};
    GetWindowRect(GetDlgItem(m_hwnd, id), &rc);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::wstring TemplateDialog::Text(int id) const
{
    wchar_t buf[512] = {};
    GetDlgItemTextW(m_hwnd, id, buf, 512);
    return buf;
}

RECT TemplateDialog::ClientRect() const
{
    RECT rc = {};
    GetClientRect(m_hwnd, &rc);
    return rc;
}

FontMeter::FontMeter()
{
    LOGFONTW lf = {};
    if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        m_font = CreateFontIndirectW(&lf);
    m_dc = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    m_old = SelectObject(m_dc, m_font ? static_cast<HGDIOBJ>(m_font) : GetStockObject(DEFAULT_GUI_FONT));
}

FontMeter::~FontMeter()
{
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    if (m_font)
        DeleteObject(m_font);
}

SIZE FontMeter::Line(const std::wstring& text, bool noPrefix) const
{
    RECT rc = {0, 0, 1, 1};
    DrawTextW(m_dc, text.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE | (noPrefix ? DT_NOPREFIX : 0));
    return SIZE{Width(rc), Height(rc)};
}

RECT FontMeter::Wrapped(const std::wstring& text, int width, int height) const
{
    RECT rc = {0, 0, width, height};
    DrawTextW(m_dc, text.c_str(), -1, &rc,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK);
    rc.right = std::max(rc.right, static_cast<LONG>(width));
    return rc;
}

std::wstring FontMeter::TextUpTo(int width) const
{
    std::wstring text;
    for (wchar_t c : std::wstring(L"\x30A2" L"Wni.")) {
        while (Line(text + c).cx <= width)
            text += c;
    }
    return text;
}

MainTexts TemplateTexts(const std::wstring& productName)
{
    TemplateDialog t(IDD_MAIN);
    MainTexts texts;
    texts.message = t.Text(IDC_MESSAGE);
    texts.message.replace(texts.message.find(L"%ProductName%"), 13, productName);
    texts.folderLabel = t.Text(IDC_INSTALL_FOLDER_LABEL);
    texts.browse = t.Text(IDC_BROWSE);
    texts.def = t.Text(IDC_DEFAULT_FOLDER);
    texts.label1 = t.Text(IDC_DESIGN_NAME1_LABEL);
    texts.label2 = t.Text(IDC_DESIGN_NAME2_LABEL);
    texts.allUsers = t.Text(IDC_ALL_USERS);
    texts.ok = t.Text(IDOK);
    texts.cancel = t.Text(IDCANCEL);
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
        MAKEINTRESOURCEW(IDB_DEFAULT_PRODUCT), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP bm = {};
    if (bmp && GetObjectW(bmp, sizeof(bm), &bm))
        texts.productImage = SIZE{bm.bmWidth, bm.bmHeight};
    if (bmp)
        DeleteObject(bmp);
    return texts;
}

std::map<int, RECT> ExpectedMainLayout(const MainTexts& x)
{
    TemplateDialog t(IDD_MAIN);
    FontMeter f;

    // Units from the template's Cancel caption and size.
    const SIZE cancelText = f.Line(t.Text(IDCANCEL));
    const int U = cancelText.cy, h = U / 2;
    const RECT cancelT = t.ItemRect(IDCANCEL);
    const int BH = std::max(U + h, Height(cancelT));
    const int BW = std::max(static_cast<int>(cancelText.cx) + 2 * U, Width(cancelT));
    HBITMAP boxes = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
    BITMAP bm = {};
    const int g = (boxes && GetObjectW(boxes, sizeof(bm), &bm)) ? bm.bmHeight / 3 : U;
    if (boxes)
        DeleteObject(boxes);

    RECT image = t.ItemRect(IDC_PRODUCT_IMAGE);
    if (x.productImage.cx > 0)
        image = Rect(image.left, image.top, x.productImage.cx, x.productImage.cy);
    const int m = image.left;

    // The message wraps at the width the template and 5 BW give; the
    // dialog then takes the message's right edge and margin.
    const int W0 = std::max(static_cast<int>(t.ClientRect().right), 5 * BW);
    const RECT msgT = t.ItemRect(IDC_MESSAGE);
    const RECT wrapped = f.Wrapped(x.message, W0 - m - msgT.left, Height(msgT));
    const RECT msg = Rect(image.right + 2 * h, m, Width(wrapped) + 2, Height(wrapped) + 2);

    // Everything below the message for a client width W.
    auto layoutAt = [&](int W) {
        std::map<int, RECT> r;
        r[IDC_PRODUCT_IMAGE] = image;
        r[IDC_MESSAGE] = msg;
        const RECT sep = Rect(m, h + std::max(msg.bottom, image.bottom), W - 2 * m,
                              Height(t.ItemRect(IDC_SEPARATOR)));
        r[IDC_SEPARATOR] = sep;
        const RECT icon = Rect(m, sep.bottom + h, GetSystemMetrics(SM_CXSMICON),
                               GetSystemMetrics(SM_CYSMICON));
        r[IDC_FOLDER_ICON] = icon;
        const SIZE label = f.Line(x.folderLabel);
        const RECT folderLabel = Rect(icon.right + h, sep.bottom + h, label.cx + 2, label.cy + 2);
        r[IDC_INSTALL_FOLDER_LABEL] = folderLabel;
        const int rowTop = folderLabel.bottom + h;
        const int defW = std::max(Width(t.ItemRect(IDC_DEFAULT_FOLDER)),
                                  static_cast<int>(f.Line(x.def).cx) + U);
        const RECT def = Rect(W - defW - m, rowTop, defW, BH);
        r[IDC_DEFAULT_FOLDER] = def;
        const int browseW = std::max(Width(t.ItemRect(IDC_BROWSE)),
                                     static_cast<int>(f.Line(x.browse).cx) + U);
        r[IDC_BROWSE] = Rect(def.left - browseW - h, rowTop, browseW, BH);
        r[IDC_INSTALL_FOLDER] = Rect(m, rowTop, W - 2 * m - defW - browseW - 2 * h, BH);

        const RECT imgT = t.ItemRect(IDC_DESIGN_IMAGE);
        const int T = rowTop + BH + 2 * h;
        const int top = T + U + h;
        RECT design = Rect(2 * m, top, Width(imgT), Height(imgT));
        RECT label1 = Rect(design.right + 2 * h, top, f.Line(x.label1).cx + 2, BH);
        RECT edit1 = Rect(W - 2 * BW - 2 * m, top, 2 * BW, BH);
        int rowsEnd;
        if (x.twoRows) {
            const RECT label2 = Rect(label1.left, label1.bottom + h, f.Line(x.label2).cx + 2, BH);
            r[IDC_DESIGN_NAME2_LABEL] = label2;
            r[IDC_DESIGN_NAME2] = Rect(edit1.left, label2.top, 2 * BW, BH);
            rowsEnd = label2.bottom;
            if (design.bottom < rowsEnd)
                Offset(design, (rowsEnd - design.bottom) / 2);
        } else if (label1.bottom < design.bottom) {
            const int dy = (design.bottom - label1.bottom) / 2;
            Offset(label1, dy);
            Offset(edit1, dy);
            rowsEnd = design.bottom;
        } else {
            Offset(design, (label1.bottom - design.bottom) / 2);
            rowsEnd = label1.bottom;
        }
        r[IDC_DESIGN_IMAGE] = design;
        r[IDC_DESIGN_NAME1_LABEL] = label1;
        r[IDC_DESIGN_NAME1] = edit1;

        int groupEnd = rowsEnd;
        if (x.checkBox) {
            const RECT box = Rect(design.left, rowsEnd + 2 * h, g + f.Line(x.allUsers).cx + U, U + 2);
            r[IDC_ALL_USERS] = box;
            groupEnd = box.bottom;
        }
        const RECT group = Rect(m, T, W - 2 * m, groupEnd + 2 * h - T);
        r[IDC_DESIGN_GROUP] = group;

        // OK a Cancel width and 2h left of Cancel; where OK itself would
        // then reach into the 2h gap, 2h left of Cancel by its own width.
        const int okW = std::max(BW, static_cast<int>(f.Line(x.ok).cx) + U);
        const int cancelW = std::max(BW, static_cast<int>(f.Line(x.cancel).cx) + U);
        const RECT cancel = Rect(W - cancelW - m - h, group.bottom + 2 * h, cancelW, BH);
        r[IDCANCEL] = cancel;
        int okLeft = cancel.left - 2 * h - cancelW;
        if (okLeft + okW > cancel.left - 2 * h)
            okLeft = cancel.left - 2 * h - okW;
        r[IDOK] = Rect(okLeft, cancel.top, okW, BH);
        r[0] = Rect(0, 0, W, cancel.bottom + m);
        return r;
    };

    // How many pixels the layout at width W lacks: a control past the
    // right margin or past OK's left margin, a name label into its edit,
    // the check box out of the group box.
    auto lacking = [&](std::map<int, RECT>& r) {
        const int W = r[0].right;
        int need = std::max(static_cast<int>(r[IDC_INSTALL_FOLDER_LABEL].right) - (W - m),
                            m - static_cast<int>(r[IDOK].left));
        need = std::max(need, static_cast<int>(r[IDC_DESIGN_NAME1_LABEL].right - r[IDC_DESIGN_NAME1].left));
        if (x.twoRows)
            need = std::max(need, static_cast<int>(r[IDC_DESIGN_NAME2_LABEL].right - r[IDC_DESIGN_NAME2].left));
        if (x.checkBox)
            need = std::max(need, static_cast<int>(r[IDC_ALL_USERS].right - r[IDC_DESIGN_GROUP].right));
        return need;
    };

    int W = std::max(W0, static_cast<int>(msg.right) + m);
    std::map<int, RECT> r = layoutAt(W);
    for (int need = lacking(r); need > 0; need = lacking(r)) {
        W += need;
        r = layoutAt(W);
    }
    return r;
}

std::map<int, RECT> ExpectedAboutLayout(const AboutTexts& x)
{
    TemplateDialog t(IDD_ABOUT);
    FontMeter f;
    std::map<int, RECT> r;
    const RECT iconT = t.ItemRect(IDC_ABOUT_APP_ICON);
    const RECT icon = Rect(iconT.left, iconT.top, 32, 32);
    r[IDC_ABOUT_APP_ICON] = icon;
    const int m = icon.left;
    int A = t.ClientRect().right;
    const SIZE line = f.Line(x.program);
    const int U = line.cy, h = U / 2;
    const RECT okT = t.ItemRect(IDOK);
    const int BH = std::max(U + h, Height(okT));

    // Each line measured as its control draws it: a static with
    // SS_NOPREFIX shows every "&".
    auto text = [&](int id, const std::wstring& s, int left, int top) {
        const bool noPrefix = (GetWindowLongW(GetDlgItem(t.Hwnd(), id), GWL_STYLE) & SS_NOPREFIX) != 0;
        SIZE sz = s.empty() ? SIZE{0, U} : f.Line(s, noPrefix);
        return Rect(left, top, sz.cx + 2, sz.cy + 2);
    };
    const RECT program = text(IDC_ABOUT_PROGRAM, x.program, icon.right + 2 * h,
                              t.ItemRect(IDC_ABOUT_PROGRAM).top);
    const RECT copyright = text(IDC_ABOUT_COPYRIGHT, x.copyright, program.left, program.bottom + h);
    const RECT heading = text(IDC_ABOUT_HEADING, x.heading, copyright.left, copyright.bottom + 3 * h);
    const RECT product = text(IDC_ABOUT_PRODUCT, x.product, copyright.left, heading.bottom + h);
    const RECT setCopyright =
        text(IDC_ABOUT_PRODUCT_COPYRIGHT, x.setCopyright, copyright.left, product.bottom + h);
    for (const RECT& rc : {program, copyright, heading, product, setCopyright})
        A = std::max(A, static_cast<int>(rc.right) + m);
    r[IDC_ABOUT_PROGRAM] = program;
    r[IDC_ABOUT_COPYRIGHT] = copyright;
    r[IDC_ABOUT_HEADING] = heading;
    r[IDC_ABOUT_PRODUCT] = product;
    r[IDC_ABOUT_PRODUCT_COPYRIGHT] = setCopyright;
    r[IDC_ABOUT_SEPARATOR] = Rect(m, copyright.bottom + 2 * h, A - 2 * m,
                                  Height(t.ItemRect(IDC_ABOUT_SEPARATOR)));
    const RECT home = Rect(copyright.left, setCopyright.bottom + h, A - m - copyright.left, BH);
    r[IDC_ABOUT_HOMEPAGE] = home;
    const int okW = std::max(Width(okT), static_cast<int>(f.Line(t.Text(IDOK)).cx) + BH);
    const RECT ok = Rect(A - okW - m, home.bottom + 2 * h, okW, BH);
    r[IDOK] = ok;
    r[0] = Rect(0, 0, ok.right + m, ok.bottom + m);
    return r;
}

std::wstring RectText(const RECT& rc)
{
    return L"(" + std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L")-(" +
           std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom) + L")";
}

} // namespace DlgTest
