// A window of XP-style buttons for looking at them: the live buttons (one
// focused, one under the cursor, one disabled) and, below, each visual
// state drawn with DrawBtn. Run it under a Windows 2000 version override
// so that the buttons are taken over; it closes itself after the time
// given on the command line (milliseconds, default 15000). With "press"
// after the time, real mouse input then holds the left button down on
// Browse, which shows it pressed.
#include "XPBtn/NelXPBtn.h"
#include "NelBmpCtl.h"
#include <cwchar>
#include <cstdlib>

namespace {

const int kLive = 4, kStates = 5;
const wchar_t* const kLiveCaptions[kLive] = {L"OK", L"Cancel", L"Browse...", L"Default"};
const int kLiveIds[kLive] = {IDOK, IDCANCEL, 1002, 1003};
const int kStateValues[kStates] = {0, 1, 5, 6, 9};
const wchar_t* const kStateCaptions[kStates] = {L"Normal", L"Pressed", L"Focused", L"Hot", L"Disabled"};
const int kBtnW = 90, kBtnH = 26;

CNelXPBtn g_live[kLive];
CNelXPBtn g_samples[kStates];
CNelBmpCtl g_folder, g_icon;
HFONT g_font;

void PaintSamples(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, kBtnW, kBtnH);
    HGDIOBJ oldBmp = SelectObject(mem, bmp);
    HGDIOBJ oldFont = SelectObject(mem, g_font);
    RECT rc = {0, 0, kBtnW, kBtnH};
    for (int i = 0; i < kStates; ++i) {
        g_samples[i].DrawBtn(mem, &rc, kStateValues[i]);
        BitBlt(dc, 10 + i * (kBtnW + 8), 80, kBtnW, kBtnH, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBmp);
    DeleteObject(bmp);
    DeleteDC(mem);
    EndPaint(window, &ps);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        PaintSamples(hwnd);
        return 0;
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h)
{
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    return child;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR cmdLine, int)
{
    // The command line may arrive quoted ("8000 press").
    const wchar_t* number = cmdLine ? wcspbrk(cmdLine, L"0123456789") : nullptr;
    int lifetime = number ? _wtoi(number) : 15000;
    g_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"XPBtnShowcase";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"XP-style buttons", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  40, 40, 540, 200, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < kLive; ++i) {
        Child(window, L"BUTTON", kLiveCaptions[i], WS_VISIBLE | WS_TABSTOP, kLiveIds[i], 10 + i * (kBtnW + 8), 20,
              kBtnW, kBtnH);
        g_live[i].HookDlgItem(kLiveIds[i], window, nullptr);
    }
    for (int i = 0; i < kStates; ++i) {
        Child(window, L"BUTTON", kStateCaptions[i], 0, 2000 + i, 0, 0, kBtnW, kBtnH);
        g_samples[i].HookDlgItem(2000 + i, window, nullptr);
    }
    EnableWindow(GetDlgItem(window, 1003), FALSE);
    Child(window, L"STATIC", L"", WS_VISIBLE, 1018, 10, 125, 16, 16);
    Child(window, L"STATIC", L"", WS_VISIBLE, 1000, 40, 120, 32, 32);
    g_folder.HookDlgItem(1018, window, nullptr);
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    g_folder.SetFileIcon(windows, TRUE);
    g_folder.FitToImage();
    HICON info = LoadIconW(nullptr, IDI_INFORMATION);
    g_icon.HookDlgItem(1000, window, nullptr);
    g_icon.SetIcon(info);
    g_icon.FitToImage();

    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(GetDlgItem(window, IDOK));
    // The cursor rests on Cancel, which makes it hot.
    HWND cancel = GetDlgItem(window, IDCANCEL);
    RECT rc;
    GetWindowRect(cancel, &rc);
    SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    POINT pt = {(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
    SendMessageW(cancel, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    if (cmdLine && wcsstr(cmdLine, L"press")) {
        HWND browse = GetDlgItem(window, 1002);
        GetWindowRect(browse, &rc);
        SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &input, sizeof(input));
    }
    SetTimer(window, 1, lifetime, nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
