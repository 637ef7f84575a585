// DemoDriver <installer.exe> <screenshot.bmp>
//
// Starts the installer the way a user would, reports the window it opens
// (caption, controls, or a message box's text), saves a screenshot of the
// screen, presses the window's OK button and reports how the installer
// ended. Exit code 0 when a window appeared and the installer ended with 0.
#include <windows.h>
#include <cstdio>
#include <string>
#include "ProcessDriver.h"

using namespace NelTest;

namespace {

void Print(const std::wstring& text)
{
    // UTF-8 on standard output, whatever the console's code page.
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    std::fputs(out.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

BOOL CALLBACK PrintControl(HWND child, LPARAM)
{
    if (!IsWindowVisible(child))
        return TRUE;
    wchar_t cls[64] = {};
    GetClassNameW(child, cls, 64);
    std::wstring text = WindowText(child);
    if (!text.empty())
        Print(L"    " + std::to_wstring(GetDlgCtrlID(child)) + L" " + cls + L": " + text);
    return TRUE;
}

bool SaveScreen(const std::wstring& path)
{
    HWND desktop = GetDesktopWindow();
    RECT rc;
    GetWindowRect(desktop, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;  // bottom-up, as a .bmp file stores it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = ((w * 3 + 3) / 4) * 4;
    DWORD imageSize = stride * h;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + imageSize;
    bool ok = false;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD n = 0;
        ok = WriteFile(f, &fh, sizeof(fh), &n, nullptr) &&
             WriteFile(f, &bi.bmiHeader, sizeof(bi.bmiHeader), &n, nullptr) &&
             WriteFile(f, bits, imageSize, &n, nullptr);
        CloseHandle(f);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        Print(L"usage: DemoDriver <installer.exe> <screenshot.bmp>");
        return 2;
    }
    ChildProcess installer;
    if (!installer.Start(argv[1])) {
        Print(L"could not start " + std::wstring(argv[1]));
        return 1;
    }
    Print(L"started " + std::wstring(argv[1]));

    HWND shown = nullptr;
    for (DWORD start = GetTickCount(); !shown && GetTickCount() - start < 20000; Sleep(100)) {
        if (!(shown = WaitForWindow(installer.Pid(), L"Orvandel_TaviCurMiniInst", 0)))
            shown = WaitForWindow(installer.Pid(), L"#32770", 0);
        if (!installer.Running())
            break;
    }
    if (!shown) {
        DWORD code = 0;
        installer.WaitExit(0, &code);
        Print(L"no window appeared; installer exit code " + std::to_wstring(code));
        return 1;
    }
    Print(L"window: \"" + WindowText(shown) + L"\"");
    EnumChildWindows(shown, PrintControl, 0);

    Sleep(1000);  // let it paint before the screenshot
    Print(SaveScreen(argv[2]) ? L"screenshot: " + std::wstring(argv[2]) : L"screenshot failed");

    PostMessageW(shown, WM_COMMAND, IDOK, 0);
    Print(L"pressed OK");
    DWORD code = 0;
    if (!installer.WaitExit(20000, &code)) {
        Print(L"installer did not end; stopped");
        return 1;
    }
    Print(L"installer ended with exit code " + std::to_wstring(code));
    return code == 0 ? 0 : 1;
}
