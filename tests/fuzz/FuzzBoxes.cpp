// Fuzz targets of the message box and the help popup with hostile texts
// (huge, all trail bytes, no spaces, only line breaks): their layout run on
// a hidden window of the library's own template, for every style word's
// button set, picture and default button over a run; and now and then the
// exported entry points for real, the box or popup closed from a thread
// timer as a user would.
#include <windows.h>
#include <string>
#include "FuzzInfoMutator.h"
#include "FuzzRun.h"
#include "HelpPopup/NelHelpPopup.h"
#include "MsgBox/NelMsgBox.h"
#include "res/resource.h"

namespace Fuzz {

namespace {

// The style word's tables: buttons shown per set (7 to 15 keep the
// template's three) and the result of the first button.
const int kButtons[16] = {1, 2, 3, 3, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
const int kFirstResult[16] = {IDOK, IDOK, IDABORT, IDYES, IDYES, IDRETRY, IDCANCEL};
const int kSlotIds[3] = {IDC_NEL_MSGBOX_BTN1, IDC_NEL_MSGBOX_BTN2, IDC_NEL_MSGBOX_BTN3};

HMODULE Library()
{
    return GetModuleHandleW(L"NelWnd.dll");
}

std::string Hex(UINT v)
{
    char buffer[16];
    wsprintfA(buffer, "0x%08X", v);
    return buffer;
}

// A hostile ANSI text: code page 932 double-byte characters cut anywhere,
// runs of trail bytes, lone lead bytes at the end.
std::string HostileAnsiText(Random& r)
{
    std::string s;
    const uint32_t length = Skewed(r, 0, 3000);
    const uint32_t shape = r.Below(4);
    while (s.size() < length) {
        switch (shape) {
        case 0: s += (char)(0x40 + r.Below(0xBD)); break;           // trail bytes only
        case 1: s += "\x82\xA0"; break;                             // no spaces
        case 2: s += '\n'; break;                                   // only line breaks
        default: s += (char)(1 + r.Below(255)); break;
        }
    }
    if (r.Below(2))
        s += (char)(0x81 + r.Below(0x1F));  // a lead byte with nothing after it
    return s;
}

std::wstring HostileBoxText(Random& r)
{
    return r.Below(25) == 0 ? std::wstring(Skewed(r, 2000, 20000), L'\x3042') : HostileText(r, 3000);
}

// --- Layout on a hidden window -------------------------------------------

template <class Box>
INT_PTR CALLBACK HiddenBoxProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        reinterpret_cast<Box*>(lParam)->OnInit(hwnd, lParam);
        return FALSE;
    }
    return FALSE;
}

RECT ChildRect(HWND dialog, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void CheckBoxLayout(HWND box, UINT type, const std::string& text)
{
    const UINT set = type & MB_TYPEMASK;
    RECT client;
    GetClientRect(box, &client);
    RECT window;
    GetWindowRect(box, &window);
    const std::string what = "box " + Hex(type) + " with " + text;
    if (client.right <= 0 || client.bottom <= 0)
        return Finding(what + " has no client area");
    const RECT textRect = ChildRect(box, GetDlgItem(box, IDC_NEL_MSGBOX_TEXT));
    const RECT picture = ChildRect(box, GetDlgItem(box, IDC_NEL_MSGBOX_ICON));
    char sizes[160];
    wsprintfA(sizes, " (text %d,%d-%d,%d; box %d,%d-%d,%d; client %d x %d)", textRect.left, textRect.top,
              textRect.right, textRect.bottom, window.left, window.top, window.right, window.bottom, client.right,
              client.bottom);
    // Sets 7 to 15 keep the template's buttons and the box's height follows
    // them, whatever the text; only the button count and the default
    // button are theirs to check.
    if (set < 7 && (!Inside(textRect, client) || !Inside(picture, client)))
        Finding(what + ": the text or the picture reaches outside the box" + sizes);
    // The box is centred over the desktop and lies entirely on it.
    RECT desk;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0);
    if (!Inside(window, desk))
        Finding(what + ": the box does not lie entirely on the desktop" + sizes);
    int shown = 0;
    RECT previous = {};
    for (int slot = 0; slot < 3; ++slot) {
        HWND button = GetDlgItem(box, kSlotIds[slot]);
        if (!(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE))
            continue;
        ++shown;
        if (set >= 7)
            continue;
        const RECT b = ChildRect(box, button);
        char where[160];
        wsprintfA(where, " (button %d,%d-%d,%d; client %d x %d)", b.left, b.top, b.right, b.bottom, client.right,
                  client.bottom);
        if (!Inside(b, client))
            Finding(what + ": button " + std::to_string(slot + 1) + " reaches outside the box" + where);
        if (b.top < textRect.bottom || b.top < picture.bottom)
            Finding(what + ": button " + std::to_string(slot + 1) + " lies over the text" + where);
        if (shown > 1 && b.left < previous.right)
            Finding(what + ": buttons overlap" + where);
        previous = b;
    }
    if (shown != kButtons[set])
        Finding(what + " shows " + std::to_string(shown) + " buttons, its set has " +
                std::to_string(kButtons[set]));
    // The default button: the second or third slot by the style word, for
    // sets of more than one button; the first otherwise.
    const UINT def = type & MB_DEFMASK;
    const int defSlot = kButtons[set] > 1 && set < 7 ? (def == MB_DEFBUTTON2 ? 2 : def == MB_DEFBUTTON3 ? 3 : 1) : 1;
    const LRESULT defId = SendMessageW(box, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) != DC_HASDEFID || LOWORD(defId) != kSlotIds[defSlot - 1])
        Finding(what + ": the default button is " + std::to_string(LOWORD(defId)) + ", the style word names slot " +
                std::to_string(defSlot));
}

template <class Box, class Char>
void LayoutBox(const std::basic_string<Char>& text, const std::basic_string<Char>& caption, UINT type,
               const std::string& shown)
{
    Box box(text.c_str(), caption.c_str(), type, nullptr, nullptr, nullptr);
    box.m_strText = text.c_str();
    box.m_strCaption = caption.c_str();
    box.m_nBmpWidth = box.m_nBmpHeight = 48;
    HWND hwnd;
    if (sizeof(Char) == sizeof(wchar_t))
        hwnd = CreateDialogParamW(Library(), MAKEINTRESOURCEW(IDD_NEL_MSGBOX), nullptr, HiddenBoxProc<Box>,
                                  (LPARAM)&box);
    else
        hwnd = CreateDialogParamA(Library(), MAKEINTRESOURCEA(IDD_NEL_MSGBOX), nullptr, HiddenBoxProc<Box>,
                                  (LPARAM)&box);
    if (!hwnd)
        return Finding("the message box template could not be created");
    if (IsWindowVisible(hwnd))
        Finding("the layout showed the box");
    CheckBoxLayout(hwnd, type, shown);
    DestroyWindow(hwnd);
    box.OnDestroy(nullptr);
}

// Every combination of button set, picture and default button comes up
// once in every 4096 layouts of a run (three per input); the other bits
// are random.
UINT SweptType(Random& r, int k)
{
    const UINT combo = (UINT)((TargetOrdinal() * 3 + k) % 4096);
    return (combo & 0xF) | ((combo >> 4 & 0xF) << 4) | ((combo >> 8 & 0xF) << 8) | (r.Next() & 0xFFFFF000u);
}

// Mostly short texts; now and then a huge one.
void RunBoxLayout(Random& r)
{
    if (r.Below(2)) {
        const std::wstring text = HostileBoxText(r), caption = HostileText(r, 200);
        for (int k = 0; k < 3; ++k)
            LayoutBox<CNelMsgBoxW>(text, caption, SweptType(r, k), Show(text));
    } else {
        const std::string text = HostileAnsiText(r), caption = HostileAnsiText(r).substr(0, 300);
        for (int k = 0; k < 3; ++k)
            LayoutBox<CNelMsgBoxA>(text, caption, SweptType(r, k), Show(text));
    }
}

// The popup's set-up is protected: a probe reaches it.
template <class Popup, class Data>
class PopupProbe : public Popup {
public:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam)
    {
        if (msg == WM_INITDIALOG) {
            PopupProbe* self = reinterpret_cast<PopupProbe*>(lParam);
            self->Popup::OnInit(hwnd, lParam);
            return FALSE;
        }
        if (msg == WM_DESTROY) {
            if (PopupProbe* self = reinterpret_cast<PopupProbe*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
                self->Popup::OnDestroy();
        }
        return FALSE;
    }
    void Use(Data* data) { this->m_pData = data; }
};

RECT WorkAreaOf(HWND hwnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

template <class Popup, class Data, class Char>
void LayoutPopup(const std::basic_string<Char>& text, Random& r, const std::string& shown)
{
    POINT anchor = {(LONG)r.Below(1400) - 200, (LONG)r.Below(1000) - 100};
    const COLORREF bk = r.Next() & 0xFFFFFF, fg = r.Next() & 0xFFFFFF;
    Data data = {text.c_str(), 0, nullptr, r.Below(4) ? &anchor : nullptr, r.Below(2) ? &bk : nullptr,
                 r.Below(2) ? &fg : nullptr, nullptr, nullptr, 0};
    PopupProbe<Popup, Data> popup;
    popup.Use(&data);
    HWND hwnd;
    if (sizeof(Char) == sizeof(wchar_t))
        hwnd = CreateDialogParamW(Library(), MAKEINTRESOURCEW(IDD_NEL_HELPPOPUP), nullptr,
                                  PopupProbe<Popup, Data>::Proc, (LPARAM)&popup);
    else
        hwnd = CreateDialogParamA(Library(), MAKEINTRESOURCEA(IDD_NEL_HELPPOPUP), nullptr,
                                  PopupProbe<Popup, Data>::Proc, (LPARAM)&popup);
    if (!hwnd)
        return;  // closed itself in set-up (result 2)
    RECT w, c;
    GetWindowRect(hwnd, &w);
    GetClientRect(hwnd, &c);
    const RECT area = WorkAreaOf(hwnd);
    const std::string what = "popup with " + shown;
    if (c.right < 26 || c.bottom < 26)
        Finding(what + " is smaller than its margins");
    if (w.right - w.left <= area.right - area.left && (w.left < area.left || w.right > area.right))
        Finding(what + " sticks out of the work area sideways");
    if (w.bottom - w.top <= area.bottom - area.top && (w.top < area.top || w.bottom > area.bottom))
        Finding(what + " sticks out of the work area at the top or bottom");
    if (IsWindowVisible(hwnd))
        Finding("the layout showed the popup");
    DestroyWindow(hwnd);
}

void RunPopupLayout(Random& r)
{
    if (r.Below(2)) {
        const std::wstring text = HostileBoxText(r);
        if (!text.empty())
            LayoutPopup<CNelHelpPopupWndW, tagNEL_HELPPOPUPWND_DATAW>(text, r, Show(text));
    } else {
        const std::string text = HostileAnsiText(r);
        if (!text.empty())
            LayoutPopup<CNelHelpPopupWndA, tagNEL_HELPPOPUPWND_DATAA>(text, r, Show(text));
    }
}

// --- The entry points, shown and closed ------------------------------------

BOOL CALLBACK FindThreadDialog(HWND hwnd, LPARAM found)
{
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (IsWindowVisible(hwnd) && lstrcmpW(cls, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
            return FALSE;  // a popup goes first
    }
    return TRUE;
}

// Closes what the call shows: a popup with Enter, a box with its first
// button.
void CALLBACK CloseShown(HWND, UINT, UINT_PTR, DWORD)
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindThreadDialog, (LPARAM)&found);
    if (!found)
        return;
    if (GetWindowLongW(found, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        PostMessageW(found, WM_COMMAND, IDOK, 0);
    else
        PostMessageW(found, WM_COMMAND, MAKEWPARAM(IDC_NEL_MSGBOX_BTN1, BN_CLICKED),
                     (LPARAM)GetDlgItem(found, IDC_NEL_MSGBOX_BTN1));
}

void RunEntryPoints(Random& r)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseShown);
    const UINT type = SweptType(r, 0);
    const UINT set = type & MB_TYPEMASK;
    const int expected = set < 7 ? kFirstResult[set] : 0;
    int result;
    std::string shown;
    switch (r.Below(4)) {
    case 0: {
        const std::wstring text = HostileBoxText(r), help = HostileText(r, 300);
        tagNEL_MSGBOX_HELPDATAW record = {r.Next() & 0xFFF, help.c_str(), help.c_str(), nullptr, nullptr,
                                          r.Next() & 0xFFFFFF, 0, nullptr};
        result = NelMsgBoxW(text.c_str(), HostileText(r, 100).c_str(), type, nullptr, nullptr,
                            r.Below(2) ? &record : nullptr);
        shown = "NelMsgBoxW " + Hex(type) + " " + Show(text);
        break;
    }
    case 1: {
        const std::string text = HostileAnsiText(r);
        result = NelMsgBoxA(text.c_str(), HostileAnsiText(r).c_str(), type, nullptr, nullptr, nullptr);
        shown = "NelMsgBoxA " + Hex(type) + " " + Show(text);
        break;
    }
    case 2: {
        const std::wstring text = HostileBoxText(r);
        POINT at = {(LONG)r.Below(1100) - 50, (LONG)r.Below(900) - 50};
        result = NelHelpPopupWndW(text.c_str(), &at, nullptr, nullptr, nullptr);
        KillTimer(nullptr, timer);
        if (result != (text.empty() ? 0 : 1))
            Finding("NelHelpPopupWndW(" + Show(text) + ") returned " + std::to_string(result));
        return;
    }
    default: {
        const std::string text = HostileAnsiText(r);
        result = NelHelpPopupWndA(text.c_str(), nullptr, nullptr, nullptr, nullptr);
        KillTimer(nullptr, timer);
        if (result != (text.empty() ? 0 : 1))
            Finding("NelHelpPopupWndA(" + Show(text) + ") returned " + std::to_string(result));
        return;
    }
    }
    KillTimer(nullptr, timer);
    if (result != expected)
        Finding(shown + " returned " + std::to_string(result) + " for its first button, the style word gives " +
                std::to_string(expected));
}

} // namespace

const Target kBoxTargets[] = {
    {"msgbox-layout", 14, RunBoxLayout},
    {"popup-layout", 8, RunPopupLayout},
    {"shown-entries", 2, RunEntryPoints},
    {nullptr, 0, nullptr},
};

} // namespace Fuzz
