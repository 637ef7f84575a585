// DemoDriver <installer.exe> <screenshot folder>
//
// Uses the installer the way a person would and reports what it sees: the
// main dialog (screenshot main.bmp), the about dialog (about.bmp), a help
// balloon (help.bmp), then OK, the completion question (question.bmp)
// answered Yes, and finally what was installed: the files in the install
// folder, the scheme values, the applied pointer values, the current
// scheme name and the installed programs as Wine's uninstaller lists them
// (the set's uninstall record). Exit code 0 when the installer ended with
// 0 and the scheme of the first design is registered.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <initializer_list>
#include <vector>
#include "ProcessDriver.h"
#include "Utf8Out.h"

using namespace NelTest;

namespace {

void Print(const std::wstring& text) { PrintLine(text); }

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


const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const wchar_t kCursorsKey[] = L"Control Panel\\Cursors";

// A visible top-level window of the process other than except, or NULL.
HWND OtherWindow(DWORD pid, HWND except)
{
    for (HWND w : TopWindows(pid))
        if (w != except)
            return w;
    return nullptr;
}

HWND WaitForOtherWindow(ChildProcess& p, HWND except, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100)) {
        if (HWND w = OtherWindow(p.Pid(), except))
            return w;
        if (!p.Running())
            break;
    }
    return nullptr;
}

// Presses the box's button whose caption holds one of the words, as a
// click would (the box answers with the button's own result).
bool PressButton(HWND box, std::initializer_list<const wchar_t*> words)
{
    HWND button = FindButtonWithWord(box, words);
    if (!button)
        return false;
    Print(L"pressed \"" + WindowText(button) + L"\"");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

void Shot(const std::wstring& folder, const wchar_t* name)
{
    Sleep(800);  // let it paint
    std::wstring path = folder + L"\\" + name;
    Print(SaveScreen(path) ? L"screenshot: " + path : L"screenshot failed: " + path);
}

void ShowAbout(ChildProcess& p, HWND dlg, const std::wstring& shots)
{
    PostMessageW(dlg, WM_SYSCOMMAND, 16, 0);
    HWND about = WaitForOtherWindow(p, dlg, 10000);
    if (!about) {
        Print(L"about dialog: did not open");
        return;
    }
    Print(L"about dialog: \"" + WindowText(about) + L"\"");
    EnumChildWindows(about, PrintControl, 0);
    Shot(shots, L"about.bmp");
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    for (DWORD start = GetTickCount(); IsWindow(about) && GetTickCount() - start < 5000;)
        Sleep(100);
}

// Right click on the folder box: the dialog shows that control's help.
void ShowHelp(ChildProcess& p, HWND dlg, const std::wstring& shots)
{
    HWND edit = GetDlgItem(dlg, 1001);
    RECT rc;
    GetWindowRect(edit, &rc);
    PostMessageW(dlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
                 MAKELPARAM(rc.left + 10, rc.top + 5));
    HWND balloon = WaitForOtherWindow(p, dlg, 5000);
    if (!balloon) {
        Print(L"help balloon: none shown (no NelWnd.dll help popup)");
        return;
    }
    Print(L"help balloon shown");
    Shot(shots, L"help.bmp");
    PostMessageW(balloon, WM_KEYDOWN, VK_ESCAPE, 0);
    for (DWORD start = GetTickCount(); IsWindow(balloon) && GetTickCount() - start < 3000;)
        Sleep(100);
    if (IsWindow(balloon))
        PostMessageW(balloon, WM_CLOSE, 0, 0);
}

// What a box says, one indented line per text.
void PrintBoxText(HWND box)
{
    for (const std::wstring& text : VisibleStaticTexts(box))
        Print(L"    " + text);
}

std::wstring RegString(HKEY root, const wchar_t* key, const wchar_t* value)
{
    wchar_t data[4096] = {};
    DWORD size = sizeof(data) - sizeof(wchar_t), type = 0;
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return L"(none)";
    LONG result = RegQueryValueExW(h, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(h);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return L"(none)";
    return data;
}

void ReportInstalled(const std::wstring& folder, const std::vector<std::wstring>& names)
{
    Print(L"installed files in " + folder + L":");
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    int count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                Print(L"    " + std::wstring(fd.cFileName));
                ++count;
            }
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    Print(L"    (" + std::to_wstring(count) + L" files)");
    std::wstring schemes = std::wstring(kCursorsKey) + L"\\Schemes";
    for (const std::wstring& name : names) {
        std::wstring scheme = RegString(HKEY_CURRENT_USER, schemes.c_str(), name.c_str());
        size_t fields = std::count(scheme.begin(), scheme.end(), L',') + 1;
        Print(L"scheme \"" + name + L"\" (" + std::to_wstring(fields) + L" fields) = " + scheme);
    }
    const wchar_t* roles[] = {L"Arrow", L"Help", L"AppStarting", L"Wait", L"Crosshair",
                              L"IBeam", L"NWPen", L"No", L"SizeNS", L"SizeWE", L"SizeNWSE",
                              L"SizeNESW", L"SizeAll", L"UpArrow", L"Hand", L"Pin", L"Person"};
    Print(L"current pointer values:");
    for (const wchar_t* role : roles)
        Print(L"    " + std::wstring(role) + L" = " + RegString(HKEY_CURRENT_USER, kCursorsKey, role));
    Print(L"current scheme name = " + RegString(HKEY_CURRENT_USER, kCursorsKey, nullptr));
}

// The installed programs as Wine's own uninstaller lists them, as
// Programs and Features does on Windows: "key|||name" per program.
void ReportUninstallList()
{
    wchar_t system[MAX_PATH + 1] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::string out;
    if (!RunAndReadOutput(std::wstring(system) + L"\\uninstaller.exe", L"--list", 20000, out)) {
        Print(L"uninstaller --list: did not run");
        return;
    }
    // It writes in the console's code page when its output is no console.
    std::wstring text(out.size(), L'\0');
    text.resize(MultiByteToWideChar(GetConsoleOutputCP(), 0, out.data(), static_cast<int>(out.size()),
                                    &text[0], static_cast<int>(text.size())));
    Print(L"uninstaller --list:");
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (!line.empty())
            Print(L"    " + line);
        start = end == std::wstring::npos ? text.size() : end + 1;
    }
}

} // namespace

namespace {

int RunDemo(int argc, wchar_t** argv)
{
    if (argc < 3) {
        Print(L"usage: DemoDriver <installer.exe> <screenshot folder>");
        return 2;
    }
    const std::wstring shots = argv[2];
    ChildProcess installer;
    if (!installer.Start(argv[1])) {
        Print(L"could not start " + std::wstring(argv[1]));
        return 1;
    }
    Print(L"started " + std::wstring(argv[1]));

    HWND dlg = WaitForWindow(installer.Pid(), kMainClass, 20000);
    if (!dlg) {
        if (HWND box = OtherWindow(installer.Pid(), nullptr)) {
            Print(L"message instead of the dialog: \"" + WindowText(box) + L"\"");
            PrintBoxText(box);
            Shot(shots, L"message.bmp");
        }
        Print(L"the main dialog did not appear");
        return 1;
    }
    Print(L"main dialog: \"" + WindowText(dlg) + L"\"");
    EnumChildWindows(dlg, PrintControl, 0);
    Shot(shots, L"main.bmp");
    const std::wstring folder = WindowText(GetDlgItem(dlg, 1001));
    std::vector<std::wstring> names = {WindowText(GetDlgItem(dlg, 1004))};
    if (IsWindowVisible(GetDlgItem(dlg, 1005)))
        names.push_back(WindowText(GetDlgItem(dlg, 1005)));

    ShowAbout(installer, dlg, shots);
    ShowHelp(installer, dlg, shots);

    PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    Print(L"pressed OK");
    bool asked = false;
    for (DWORD start = GetTickCount(); installer.Running() && GetTickCount() - start < 60000;) {
        HWND box = OtherWindow(installer.Pid(), dlg);
        if (!box) {
            Sleep(100);
            continue;
        }
        Print(L"message: \"" + WindowText(box) + L"\"");
        PrintBoxText(box);
        if (!asked) {
            Shot(shots, L"question.bmp");
            asked = true;
        }
        if (!PressButton(box, {L"はい", L"Yes", L"OK"}))
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (DWORD wait = GetTickCount(); IsWindow(box) && GetTickCount() - wait < 5000;)
            Sleep(100);
    }
    DWORD code = 0;
    if (!installer.WaitExit(5000, &code)) {
        Print(L"installer did not end; stopped");
        return 1;
    }
    Print(L"installer ended with exit code " + std::to_wstring(code));
    ReportInstalled(folder, names);
    ReportUninstallList();
    std::wstring schemes = std::wstring(kCursorsKey) + L"\\Schemes";
    bool registered = RegString(HKEY_CURRENT_USER, schemes.c_str(), names[0].c_str()) != L"(none)";
    return code == 0 && registered ? 0 : 1;
}

} // namespace

// The last line says how the demo ended: the Wine virtual desktop the demo
// runs in does not pass the exit code on, so the script reads this line.
int wmain(int argc, wchar_t** argv)
{
    const int code = RunDemo(argc, argv);
    Print(code == 0 ? L"result: success" : L"result: failure");
    return code;
}
