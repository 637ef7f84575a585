// Shows a help balloon over a small window, the way a dialog's help would
// appear, and exits when the balloon closes (or after 60 seconds).
#include <windows.h>
#include <initializer_list>
#include "HelpPopupExports.h"

namespace {

LRESULT CALLBACK ShowWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER) {
        // Nobody closed the balloon: take it down so the program ends.
        HWND popup = GetForegroundWindow();
        if (popup && popup != hwnd)
            PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001u);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ShowWndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"HelpPopupShow";
    RegisterClassW(&wc);
    HWND wnd = CreateWindowExW(0, L"HelpPopupShow", L"カーソルのインストール", WS_OVERLAPPEDWINDOW,
                               120, 100, 480, 320, nullptr, nullptr, inst, nullptr);
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HWND label = CreateWindowExW(0, L"STATIC", L"インストール先フォルダ(&F):", WS_CHILD | WS_VISIBLE,
                                 20, 24, 300, 20, wnd, nullptr, inst, nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"C:\\Windows\\Cursors\\Sample", WS_CHILD | WS_VISIBLE,
                                20, 48, 330, 24, wnd, nullptr, inst, nullptr);
    HWND browse = CreateWindowExW(0, L"BUTTON", L"参照(&B)...", WS_CHILD | WS_VISIBLE,
                                  360, 48, 90, 24, wnd, nullptr, inst, nullptr);
    HWND ok = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                              250, 230, 90, 28, wnd, nullptr, inst, nullptr);
    HWND cancel = CreateWindowExW(0, L"BUTTON", L"キャンセル", WS_CHILD | WS_VISIBLE,
                                  350, 230, 90, 28, wnd, nullptr, inst, nullptr);
    for (HWND child : {label, edit, browse, ok, cancel})
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ShowWindow(wnd, SW_SHOW);
    UpdateWindow(wnd);
    SetForegroundWindow(wnd);

    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    SetTimer(wnd, 1, 60000, nullptr);

    POINT at = {285, 200};
    Lib::NelHelpPopupWndW(L"カーソルをインストールするフォルダを指定します。"
                     L"[参照] ボタンでフォルダを選ぶこともできます。",
                     &at, nullptr, nullptr, nullptr);
    DestroyWindow(wnd);
    return 0;
}
