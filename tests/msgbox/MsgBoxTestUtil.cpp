#include "MsgBoxTestUtil.h"
#include <process.h>

namespace MsgBoxTest {

namespace {

const int kSlotIds[3] = {1002, 1005, 1006};

RECT ChildRect(HWND box, HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TextOf(HWND w)
{
    wchar_t buf[512] = {0};
    GetWindowTextW(w, buf, 512);
    return buf;
}

struct ThreadArgs {
    std::wstring caption;
    std::function<void(HWND)> drive;
    RunResult* out;
};

unsigned __stdcall HelperThread(void* p)
{
    ThreadArgs* args = static_cast<ThreadArgs*>(p);
    HWND box = WaitForBox(GetCurrentProcessId(), args->caption);
    if (!box)
        return 0;
    args->out->found = true;
    args->out->view = ReadBox(box);
    if (args->drive)
        args->drive(box);
    for (int i = 0; i < 250 && IsWindow(box); ++i)
        Sleep(20);
    if (IsWindow(box)) {
        args->out->leftOpen = true;
        PressSlot(box, 1);
    }
    return 0;
}

} // namespace

int SlotId(int slot) { return kSlotIds[slot - 1]; }

BoxView ReadBox(HWND box)
{
    BoxView v;
    v.box = box;
    v.caption = TextOf(box);
    GetWindowRect(box, &v.window);
    GetClientRect(box, &v.client);
    v.picture = ChildRect(box, GetDlgItem(box, 1003));
    v.text = ChildRect(box, GetDlgItem(box, 1004));
    for (int i = 0; i < 3; ++i) {
        HWND b = GetDlgItem(box, kSlotIds[i]);
        v.buttons[i] = ChildRect(box, b);
        v.visible[i] = IsWindowVisible(b) != FALSE;
        v.enabled[i] = IsWindowEnabled(b) != FALSE;
        v.isDefault[i] = (GetWindowLongW(b, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
        v.captions[i] = TextOf(b);
    }
    v.buttonFont = (HFONT)SendMessageW(GetDlgItem(box, kSlotIds[0]), WM_GETFONT, 0, 0);
    HMENU menu = GetSystemMenu(box, FALSE);
    v.hasCloseItem = menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != (UINT)-1;
    v.owner = GetWindow(box, GW_OWNER);
    v.ownerEnabled = v.owner ? IsWindowEnabled(v.owner) != FALSE : true;
    v.unicode = IsWindowUnicode(box) != FALSE;
    SetRect(&v.templateButton, 0, 0, 50, 14);
    MapDialogRect(box, &v.templateButton);
    return v;
}

HWND WaitForBox(DWORD pid, const std::wstring& caption, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"#32770", caption.c_str())) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && IsWindowVisible(w))
                return w;
        }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

RunResult RunBox(const std::function<int()>& show, const std::wstring& caption,
                 const std::function<void(HWND)>& drive)
{
    RunResult out;
    ThreadArgs args{caption, drive, &out};
    HANDLE thread = (HANDLE)_beginthreadex(nullptr, 0, HelperThread, &args, 0, nullptr);
    out.result = show();
    if (thread) {
        WaitForSingleObject(thread, 30000);
        CloseHandle(thread);
    }
    return out;
}

void PressSlot(HWND box, int slot)
{
    HWND b = GetDlgItem(box, kSlotIds[slot - 1]);
    PostMessageW(b, BM_CLICK, 0, 0);
}

void PressKey(HWND box, UINT vk)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    HWND target = box;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus)
        target = info.hwndFocus;
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}

void PressCloseBox(HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool JapaneseLayout()
{
    wchar_t name[KL_NAMELENGTH] = {0};
    if (!GetKeyboardLayoutNameW(name))
        return true;
    std::wstring s = name;
    return s.size() >= 3 && s.compare(s.size() - 3, 3, L"411") == 0;
}

SIZE MeasureCaption(HFONT font, const std::wstring& text)
{
    HDC dc = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, 1, 1};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return SIZE{r.right, r.bottom};
}

bool WaitForScreenColour(POINT pt, COLORREF colour, DWORD timeoutMs, COLORREF* last)
{
    const DWORD start = GetTickCount();
    do {
        HDC dc = GetDC(nullptr);
        COLORREF c = GetPixel(dc, pt.x, pt.y);
        ReleaseDC(nullptr, dc);
        if (last)
            *last = c;
        if (c == colour)
            return true;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

HWND WaitForPopup(DWORD timeoutMs, DWORD wantPid)
{
    const DWORD start = GetTickCount();
    do {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"#32770", nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == (wantPid ? wantPid : GetCurrentProcessId()) && IsWindowVisible(w) &&
                (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
                return w;
        }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

} // namespace MsgBoxTest
