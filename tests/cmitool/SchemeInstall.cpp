#include "SchemeInstall.h"
#include "ProcessDriver.h"

namespace CmiTest {

const wchar_t kSchemesKey[] = L"Control Panel\\Cursors\\Schemes";
const wchar_t kCursorsKey[] = L"Control Panel\\Cursors";

SchemeValue ReadScheme(const std::wstring& name)
{
    SchemeValue v;
    HKEY h;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSchemesKey, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return v;
    DWORD size = 0;
    if (RegQueryValueExW(h, name.c_str(), nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<wchar_t> data(size / 2 + 1);
        RegQueryValueExW(h, name.c_str(), nullptr, &v.type, reinterpret_cast<BYTE*>(data.data()),
                         &size);
        v.present = true;
        v.text = data.data();
    }
    RegCloseKey(h);
    return v;
}

void DeleteScheme(const std::wstring& name)
{
    HKEY h;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSchemesKey, 0, KEY_SET_VALUE, &h) == ERROR_SUCCESS) {
        RegDeleteValueW(h, name.c_str());
        RegCloseKey(h);
    }
}

bool InstallWithSetupapi(const std::wstring& infPath)
{
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    NelTest::ChildProcess run;
    if (!run.Start(std::wstring(system) + L"\\rundll32.exe",
                   L"setupapi.dll,InstallHinfSection DefaultInstall 132 " + infPath))
        return false;
    DWORD code = 0;
    return run.WaitExit(60000, &code);
}

namespace {

// Answers a box with No: the library's box has its own button IDs, so its
// No button is clicked; a system box takes the command ID.
void AnswerNo(HWND box)
{
    if (HWND button = NelTest::FindButtonWithWord(box, {L"いいえ", L"No"}))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_COMMAND, IDNO, 0);
}

} // namespace

bool InstallWithInstaller(const std::wstring& exePath, std::wstring& log)
{
    NelTest::ChildProcess run;
    if (!run.Start(exePath))
        return false;
    HWND dialog = NelTest::WaitForWindow(run.Pid(), L"Orvandel_TaviCurMiniInst", 30000);
    if (!dialog) {
        log += L"[no main dialog]";
        return false;
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // Answer every box with No (the completion question), and a box that
    // does not close on No (an error box) with OK; bounded.
    DWORD start = GetTickCount();
    HWND answered = nullptr;
    while (run.Running() && GetTickCount() - start < 30000) {
        std::vector<HWND> boxes = NelTest::TopWindows(run.Pid(), L"#32770");
        if (!boxes.empty()) {
            HWND box = boxes[0];
            if (box != answered) {
                log += L"[" + NelTest::WindowText(box) + L"] " + NelTest::MessageBoxText(box);
                AnswerNo(box);
                answered = box;
            } else {
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
        }
        Sleep(100);
    }
    DWORD code = 0;
    return run.WaitExit(5000, &code);
}

} // namespace CmiTest
