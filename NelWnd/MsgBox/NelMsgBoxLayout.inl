// Layout of a message box when its dialog opens: fonts, picture, text wrap
// and size, buttons, window size and position, sound. Compiled once per
// class (see NelMsgBoxW.cpp / NelMsgBoxA.cpp). No include guard.

namespace {

const UINT kMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_NOFULLWIDTHCHARBREAK;
// One run of text measured on one line.
const UINT kRunFlags = DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX;
const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;

const NELMB_T* TextOf(const NELMB_STR& s)
{
    static const NELMB_T empty[1] = {0};
    return s.t() ? s.t() : empty;
}

// The most text a box shows, in units: more than a screen holds. The rest
// could not be seen, and the wrap and the drawing would still go through
// all of it, so a text of any length is cut to this before the layout.
const int kMaxShownUnits = 2048;

// Cuts a longer text at a whole character and ends it with "...".
void CapShownText(NELMB_STR& text)
{
    if (text.GetLength() <= kMaxShownUnits)
        return;
    const NELMB_T* p = text.t();
    int keep = 0;
    for (;;) {
        const int n = MsgBoxCalls::UnitsOfChar(p + keep);
        if (keep + n > kMaxShownUnits - 3)
            break;
        keep += n;
    }
    text = text.Left(keep);
    const NELMB_T dots[4] = {'.', '.', '.', 0};
    text += dots;
}

// Cuts a text whose lines would make the box taller than the desktop at
// the last whole character that still fits maxHeight with "..." after it,
// so that the box and its buttons stay on the screen. rect is the text's
// measured rectangle; its bottom becomes that of the cut text.
void CapShownHeight(HDC ic, NELMB_STR& text, RECT& rect, int maxHeight)
{
    if (rect.bottom - rect.top <= maxHeight)
        return;
    const NELMB_T dots[4] = {'.', '.', '.', 0};
    const NELMB_T* p = text.t();
    // Character starts, so that no cut splits a double-byte character.
    int* starts = new int[text.GetLength() + 1];
    int count = 0;
    for (int at = 0; at < text.GetLength(); at += MsgBoxCalls::UnitsOfChar(p + at))
        starts[count++] = at;
    int lo = 0, hi = count;  // keeping starts[lo] units fits; starts[hi] does not
    RECT fit = {rect.left, rect.top, rect.right, rect.top};
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        NELMB_STR trial = text.Left(starts[mid]);
        trial += dots;
        RECT r = {rect.left, rect.top, rect.right, rect.top + 1};
        MsgBoxCalls::Draw(ic, TextOf(trial), &r, kMeasureFlags);
        if (r.bottom - r.top <= maxHeight) {
            lo = mid;
            fit = r;
        } else {
            hi = mid;
        }
    }
    const int keep = starts[lo];
    delete[] starts;
    text = text.Left(keep);
    text += dots;
    if (fit.bottom == fit.top)
        MsgBoxCalls::Draw(ic, TextOf(text), &fit, kMeasureFlags);
    rect.bottom = fit.bottom;
}

void MoveChild(HWND child, int x, int y, int cx, int cy) { SetWindowPos(child, nullptr, x, y, cx, cy, kMoveFlags); }

// Where the system may break a line by itself.
bool IsBreakOpportunity(NELMB_T c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Moves the first character of rest to the end of line; its unit count.
int MoveOneChar(NELMB_STR& rest, NELMB_STR& line)
{
    int n = MsgBoxCalls::UnitsOfChar(TextOf(rest));
    line += rest.Left(n);
    rest = rest.Mid(n);
    return n;
}

} // namespace

int NELMB_SELF::OnInit(HWND hWnd, LPARAM)
{
    // Attach and bind the buttons (XP look where the system has no theme).
    m_hWnd = hWnd;
    MsgBoxCalls::SetUserData(hWnd, this);
    HWND buttons[3] = {GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN1), GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN2),
                       GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN3)};
    HWND textCtl = GetDlgItem(hWnd, IDC_NEL_MSGBOX_TEXT);
    HWND picture = GetDlgItem(hWnd, IDC_NEL_MSGBOX_ICON);
    m_btn1.HookDlgItem(IDC_NEL_MSGBOX_BTN1, hWnd, nullptr);
    m_btn2.HookDlgItem(IDC_NEL_MSGBOX_BTN2, hWnd, nullptr);
    m_btn3.HookDlgItem(IDC_NEL_MSGBOX_BTN3, hWnd, nullptr);

    // Font of the text and the buttons: the caller's, else the system's
    // message font, else the stock GUI font.
    if (!m_hFont) {
        m_hCreatedFont = NelCreateSysFont(NEL_SYSFONT_MESSAGE);
        m_hFont = m_hCreatedFont ? m_hCreatedFont : (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    }
    MsgBoxCalls::Send(textCtl, WM_SETFONT, (WPARAM)m_hFont, FALSE);
    for (HWND b : buttons)
        MsgBoxCalls::Send(b, WM_SETFONT, (WPARAM)m_hFont, FALSE);

    // The picture control takes the picture's size; its left offset is the
    // box's margin on the left, right and bottom.
    NelGetChildWndRect(picture, &m_rcIcon);
    if (m_nBmpWidth == 0) {
        m_nBmpWidth = 1;
        m_nBmpHeight = 1;
    }
    MoveChild(picture, m_rcIcon.left, m_rcIcon.top, m_nBmpWidth, m_nBmpHeight);
    NelGetChildWndRect(picture, &m_rcIcon);
    const int margin = m_rcIcon.left;

    MsgBoxCalls::SetText(hWnd, TextOf(m_strCaption));

    // Provisional window: 1/1.75 of the desktop's width, its full height.
    RECT desk;
    if (!MsgBoxCalls::DesktopRect(&desk))
        SetRect(&desk, 0, 0, 800, 600);
    const int startWidth = (int)((double)(desk.right - desk.left) / 1.75);
    RECT start = {0, desk.top, startWidth, desk.bottom};
    SetWindowPos(hWnd, nullptr, 0, 0, startWidth, desk.bottom - desk.top, kMoveFlags);
    RECT client;
    GetClientRect(hWnd, &client);

    if (m_strText.IsEmpty())
        m_strText = " ";
    CapShownText(m_strText);

    // The frame, known before the text so that the text can be held to the
    // height the desktop leaves it.
    int frame = NelGetFrameWidth(hWnd);
    if (frame < 0)
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    RECT slot1;
    NelGetChildWndRect(buttons[0], &slot1);

    RECT text = start;
    if (HDC ic = MsgBoxCalls::DisplayIC()) {
        HGDIOBJ oldFont = SelectObject(ic, m_hFont);
        MsgBoxCalls::Draw(ic, TextOf(m_strText), &text, kMeasureFlags);
        if (text.right > client.right)
            WrapText(ic, text, client);
        // Room for the text: the desktop's height less the caption, the
        // frame, the margins above and below, and the button row (at
        // least as high as the template's buttons or a line plus 9).
        const NELMB_T sample[3] = {'A', 'g', 0};
        RECT line = {0, 0, 1, 1};
        MsgBoxCalls::Draw(ic, sample, &line, DT_CALCRECT | DT_SINGLELINE);
        const int buttonHeight = (slot1.bottom - slot1.top) > line.bottom + 9 ? slot1.bottom - slot1.top
                                                                              : line.bottom + 9;
        const int room = (desk.bottom - desk.top) - GetSystemMetrics(SM_CYCAPTION) - 2 * frame -
                         m_rcIcon.top - 8 - buttonHeight - margin;
        CapShownHeight(ic, m_strText, text, room > line.bottom ? room : line.bottom);
        SelectObject(ic, oldFont);
        DeleteDC(ic);
    }

    // Text beside the picture; a text lower than the picture is centred on it.
    const int textHeight = text.bottom - text.top;
    const int textWidth = text.right - text.left;
    int gapX = m_hBmp ? 8 : 0;
    int gapY = 0;
    if (m_nBmpHeight > textHeight) {
        gapX = 8;
        gapY = (m_nBmpHeight - textHeight) / 2;
    }
    MoveChild(textCtl, m_rcIcon.right + gapX, m_rcIcon.top + gapY, textWidth, textHeight);
    RECT textRect;
    NelGetChildWndRect(textCtl, &textRect);

    int contentWidth = m_rcIcon.right + gapX + textWidth + margin;
    const int buttonTop = (textRect.bottom > m_rcIcon.bottom ? textRect.bottom : m_rcIcon.bottom) + 8;

    int count = 0;
    int defSlot = 1;
    NELMB_STR captions[3];
    SetUpButtons(hWnd, count, defSlot, captions);
    SizeButtons(hWnd, count, captions, contentWidth, buttonTop, contentWidth);

    // The default button; for a two-button set MB_DEFBUTTON3 names the
    // hidden third slot, so no visible button is the default then.
    const int defId = NelMsgBoxSlotControl(defSlot);
    MsgBoxCalls::Send(hWnd, DM_SETDEFID, defId, 0);
    SetFocus(GetDlgItem(hWnd, defId));

    // Window size from the content, then centred over the owner.
    NelGetChildWndRect(buttons[0], &slot1);
    SetWindowPos(hWnd, nullptr, 0, 0, contentWidth + 2 * frame,
                 GetSystemMetrics(SM_CYCAPTION) + slot1.bottom + 2 * frame + margin, kMoveFlags);
    MsgBoxCalls::Center(hWnd);

    MessageBeep(NelMsgBoxSound(m_uType));
    return 1;
}

// Inserts line breaks into m_strText so that no line reaches the client
// width, for text the system cannot break (Japanese without spaces).
// text.bottom becomes the bottom of the text as it will be drawn and
// text.right the client's right edge.
//
// The system breaks lines by itself at spaces, tabs and line feeds, so only
// a run of text without such a break (a long word, or a Japanese sentence)
// can overflow a line. The run being built is measured on one line after
// every character; when it reaches the client width, a line break goes in
// before the character that overflowed, and that character starts the
// next line. Measuring only the current run, rather than the whole line
// so far, keeps the work proportional to the length of the text: a long
// text whose lines the system breaks itself would otherwise be measured
// again in full for every character it has.
void NELMB_SELF::WrapText(HDC ic, RECT& text, const RECT& client)
{
    NELMB_STR rest(m_strText);
    NELMB_STR run;
    int lastUnits = MoveOneChar(rest, run);
    int index = 0; // position in m_strText of the last character moved
    for (;;) {
        const NELMB_T last = TextOf(run)[run.GetLength() - lastUnits];
        if (lastUnits == 1 && IsBreakOpportunity(last)) {
            run.Empty();
        } else {
            RECT measure = {0, 0, 0, 0};
            MsgBoxCalls::Draw(ic, TextOf(run), &measure, kRunFlags);
            if (measure.right - measure.left >= client.right && run.GetLength() > lastUnits) {
                const NELMB_T br[2] = {'\n', 0};
                m_strText.Insert(index, br);
                index += 1;
                run = run.Mid(run.GetLength() - lastUnits);
                continue; // measure the new line's first character
            }
        }
        if (rest.IsEmpty())
            break;
        index += lastUnits;
        lastUnits = MoveOneChar(rest, run);
    }

    // The height is that of the wrapped text drawn at the final width with
    // the drawing flags. Adding up the line measurements instead would count
    // the last line's height from a measurement that did not include its
    // last character, and where the system breaks lines inside the narrow
    // measuring rectangle itself it would count one line per character.
    text.right = client.right;
    RECT all = {text.left, text.top, text.right, text.top + 1};
    MsgBoxCalls::Draw(ic, TextOf(m_strText), &all, kMeasureFlags);
    text.bottom = all.bottom;
}

// Chooses, captions, hides and disables the buttons of the set; count is
// the number of buttons shown (0 for an unsupported set, which keeps the
// template's buttons), defSlot the default slot.
void NELMB_SELF::SetUpButtons(HWND hWnd, int& count, int& defSlot, NELMB_STR* captions)
{
    NELMB_T layout[KL_NAMELENGTH] = {0};
    const BOOL english = NelMsgBoxLayoutIsEnglish(MsgBoxCalls::LayoutName(layout), layout);
    const UINT set = m_uType & MB_TYPEMASK;
    HMENU sysMenu = GetSystemMenu(hWnd, FALSE);

    count = NelMsgBoxButtonCount(set);
    defSlot = count > 1 ? NelMsgBoxDefaultSlot(m_uType) : 1;
    if (count == 0)
        return;
    for (int slot = 1; slot <= 3; ++slot) {
        HWND button = GetDlgItem(hWnd, NelMsgBoxSlotControl(slot));
        if (slot > count) {
            ShowWindow(button, SW_HIDE);
            EnableWindow(button, FALSE);
            continue;
        }
        captions[slot - 1].LoadStr(NelMsgBoxCaptionID(set, slot, english), g_hModule);
        MsgBoxCalls::SetText(button, TextOf(captions[slot - 1]));
    }
    // Sets without a cancel answer cannot be closed from the frame.
    if (NelMsgBoxCancelResult(set) == 0 && sysMenu)
        DeleteMenu(sysMenu, SC_CLOSE, MF_BYCOMMAND);
}

// Sizes the shown buttons to the widest caption and centres them in a row
// at buttonTop under the content; clientWidth grows when the row needs it.
void NELMB_SELF::SizeButtons(HWND hWnd, int count, NELMB_STR* captions, int contentWidth, int buttonTop,
                             int& clientWidth)
{
    HWND slots[3] = {GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN1), GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN2),
                     GetDlgItem(hWnd, IDC_NEL_MSGBOX_BTN3)};
    RECT r;
    GetWindowRect(slots[0], &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;

    HDC ic = MsgBoxCalls::DisplayIC();
    if (!ic)
        return;
    HGDIOBJ oldFont = SelectObject(ic, m_hFont);
    int maxRight = 0, maxBottom = 0;
    for (int i = 0; i < 3 && !captions[i].IsEmpty(); ++i) {
        // Single-line measuring treats "&" as the mnemonic mark it is.
        RECT m = {0, 0, 1, 1};
        MsgBoxCalls::Draw(ic, TextOf(captions[i]), &m, DT_CALCRECT | DT_SINGLELINE);
        if (m.right > maxRight)
            maxRight = m.right;
        if (m.bottom > maxBottom)
            maxBottom = m.bottom;
    }
    SelectObject(ic, oldFont);
    DeleteDC(ic);
    if (maxRight + 24 > width)
        width = maxRight + 24;
    if (maxBottom + 9 > height)
        height = maxBottom + 9;

    int centre = contentWidth / 2;
    int lefts[3] = {0, 0, 0};
    if (count >= 1 && count <= 3) {
        const int needed = count * width + 28 + (count - 1) * 20;
        if (needed > clientWidth) {
            clientWidth = needed;
            centre = needed / 2;
        }
    }
    switch (count) {
    case 1:
        lefts[0] = centre - width / 2;
        break;
    case 2:
        lefts[0] = centre - width - 10;
        lefts[1] = centre + 10;
        break;
    case 3: {
        const int half = width / 2;
        lefts[0] = centre - half - width - 20;
        lefts[1] = centre - half;
        lefts[2] = centre + half + 20;
        break;
    }
    default:
        return;
    }
    for (int i = 0; i < count; ++i)
        MoveChild(slots[i], lefts[i], buttonTop, width, height);
}
