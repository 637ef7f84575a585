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

// Answers a box with No, or with OK when it has no No button: the
// library's box has its own button IDs, so its button is clicked; a
// system box takes the command ID.
void AnswerNo(HWND box)
{
    if (HWND button = NelTest::FindButtonWithWord(box, {L"いいえ", L"No"}))
        PostMessageW(button, BM_CLICK, 0, 0);
    else if (HWND ok = NelTest::FindButtonWithWord(box, {L"OK"}))
        PostMessageW(ok, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_COMMAND, IDNO, 0);
}

} // namespace

namespace {

const wchar_t kErrorCaption[] = L"\x30A8\x30E9\x30FC";  // "エラー", the installer's error caption

// Answers the boxes of the process until it ends or the time is up: No,
// or OK for a box that does not close on No (an error box). After an
// error box the main dialog (when given) stays open for a correction: it
// is cancelled then.
void AnswerBoxes(NelTest::ChildProcess& run, InstallerRun& result, HWND dialog, DWORD limit)
{
    DWORD start = GetTickCount();
    HWND answered = nullptr;
    while (run.Running() && GetTickCount() - start < limit) {
        std::vector<HWND> boxes = NelTest::TopWindows(run.Pid(), L"#32770");
        if (boxes.empty() && result.errorBox && dialog)
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        if (!boxes.empty()) {
            HWND box = boxes[0];
            if (box != answered) {
                std::wstring caption = NelTest::WindowText(box);
                result.errorBox = result.errorBox || caption == kErrorCaption;
                result.log += L"[" + caption + L"] ";
                for (const std::wstring& text : NelTest::VisibleStaticTexts(box))
                    result.log += text + L" ";
                AnswerNo(box);
                answered = box;
            } else {
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
        }
        Sleep(100);
    }
}

// The main dialog, or a box shown before it; null when the process ended first.
HWND WaitForDialogOrBox(NelTest::ChildProcess& run, HWND& box)
{
    DWORD start = GetTickCount();
    while (run.Running() && GetTickCount() - start < 30000) {
        std::vector<HWND> dialogs = NelTest::TopWindows(run.Pid(), L"Orvandel_TaviCurMiniInst");
        if (!dialogs.empty())
            return dialogs[0];
        std::vector<HWND> boxes = NelTest::TopWindows(run.Pid(), L"#32770");
        if (!boxes.empty()) {
            box = boxes[0];
            return nullptr;
        }
        Sleep(50);
    }
    return nullptr;
}

} // namespace

InstallerRun RunInstaller(const std::wstring& exePath)
{
    InstallerRun result;
    NelTest::ChildProcess run;
    if (!run.Start(exePath))
        return result;
    HWND box = nullptr;
    HWND dialog = WaitForDialogOrBox(run, box);
    if (!dialog && box) {
        // A refusal or a question before the dialog: answered, then the
        // dialog may still come (after a Yes it would; No ends the run).
        AnswerBoxes(run, result, nullptr, 10000);
    } else if (dialog) {
        result.dialog = true;
        result.folder = NelTest::WindowText(GetDlgItem(dialog, 1001));   // folder edit
        result.name1 = NelTest::WindowText(GetDlgItem(dialog, 1004));    // design 1 name
        HWND name2 = GetDlgItem(dialog, 1005);                           // design 2 name
        if (name2 && IsWindowVisible(name2))
            result.name2 = NelTest::WindowText(name2);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        AnswerBoxes(run, result, dialog, 30000);
    } else {
        result.log += L"[no main dialog]";
    }
    DWORD code = 0;
    result.ended = run.WaitExit(5000, &code);
    return result;
}

bool InstallWithInstaller(const std::wstring& exePath, std::wstring& log)
{
    InstallerRun run = RunInstaller(exePath);
    log = run.log;
    return run.ended && run.dialog;
}

} // namespace CmiTest
