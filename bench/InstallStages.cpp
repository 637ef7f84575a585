// InstallStages <package folder>
//
// Where the installer's time from OK to its end goes. The program carries
// the installer's code and resources and runs its main dialog in-process
// against the package's install-info file, as if it were the package's
// program (its module path is reported as the package's DemoSet.exe, so
// the files are copied from the package folder). Once the dialog has
// shown, OK is sent to it; the completion question is answered Yes as
// soon as it is active. Three stages: OK until the question is asked, the
// question box (call to return: made, shown, answered, closed), and Yes
// until the dialog has ended.
//
// Inside each stage the time and count of these calls is summed by
// replacing this program's imports of them: install-info lookups (each
// open of the file; find/open/size/read/close timed), file copies
// (CopyFileW, with the attribute resets around it), registry keys opened
// or created (and closed), registry values set or deleted, registry
// reads, and the loading and unloading of NelWnd.dll for the box.
//
// Every run starts from the same state and is checked to land the same
// files and registry values as the untimed first; the registry keys it
// writes to and the install folder are put back as they were afterwards.
// Prints the medians of several runs after one untimed run.
#include <windows.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>
#include "BenchFigures.h"
#include "BoxAnswer.h"
#include "InstallFileList.h"
#include "InstallFolder.h"
#include "InstallerGlobals.h"
#include "NelIni.h"
#include "RegValues.h"
#include "RegValuesGuard.h"
#include "StageTimer.h"
#include "TaviCurMiniInstDlg.h"
#include "TaviGlobals.h"
#include "UninstallRecord.h"
#include "resource.h"

using namespace NelBench;

namespace {

const int kRuns = 9;

enum Stage { kToQuestion, kBox, kToEnd, kStageCount };
enum Kind { kInfo, kCopy, kKeyOpen, kValueWrite, kValueRead, kLibrary, kKindCount };

std::wstring g_program;  // the package's program, reported as this one's path
std::wstring g_problem;  // why the run failed, empty while it goes well
HWND g_dialog;
std::wstring g_folder;   // the install folder as the dialog showed it

const wchar_t* InfoFile() { return g_strInfoFile.t(); }

enum Slot {
    kGetModuleFileName, kCopyFile, kSetFileAttributes, kRegOpenKeyEx, kRegCreateKeyEx, kRegCloseKey,
    kRegSetValueEx, kRegDeleteValue, kRegDeleteKey, kRegQueryValueEx, kRegEnumValue, kRegEnumKeyEx,
    kLoadLibrary, kFreeLibrary, kGetProcAddress, kSlotCount
};
const ImportPatches* g_patches;

DWORD WINAPI HookGetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size)
{
    if (module || size == 0)
        return g_patches->Original<decltype(&GetModuleFileNameW)>(kGetModuleFileName)(module, buffer, size);
    // As the system does: a name that does not fit is cut, and the whole
    // buffer size is returned.
    const DWORD length = static_cast<DWORD>(g_program.size());
    const DWORD copied = length < size ? length : size - 1;
    lstrcpynW(buffer, g_program.c_str(), static_cast<int>(copied) + 1);
    if (copied < length) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return length;
}

BOOL WINAPI HookCopyFileW(LPCWSTR from, LPCWSTR to, BOOL failIfExists)
{
    CTimed timed(kCopy);
    CountCall(kCopy);
    return g_patches->Original<decltype(&CopyFileW)>(kCopyFile)(from, to, failIfExists);
}

BOOL WINAPI HookSetFileAttributesW(LPCWSTR path, DWORD attributes)
{
    CTimed timed(kCopy);
    return g_patches->Original<decltype(&SetFileAttributesW)>(kSetFileAttributes)(path, attributes);
}

LSTATUS WINAPI HookRegOpenKeyExW(HKEY root, LPCWSTR sub, DWORD options, REGSAM sam, PHKEY key)
{
    CTimed timed(kKeyOpen);
    CountCall(kKeyOpen);
    return g_patches->Original<decltype(&RegOpenKeyExW)>(kRegOpenKeyEx)(root, sub, options, sam, key);
}

LSTATUS WINAPI HookRegCreateKeyExW(HKEY root, LPCWSTR sub, DWORD reserved, LPWSTR cls, DWORD options,
                                   REGSAM sam, const LPSECURITY_ATTRIBUTES sa, PHKEY key,
                                   LPDWORD disposition)
{
    CTimed timed(kKeyOpen);
    CountCall(kKeyOpen);
    return g_patches->Original<decltype(&RegCreateKeyExW)>(kRegCreateKeyEx)(root, sub, reserved, cls, options, sam,
                                                             sa, key, disposition);
}

LSTATUS WINAPI HookRegCloseKey(HKEY key)
{
    CTimed timed(kKeyOpen);
    return g_patches->Original<decltype(&RegCloseKey)>(kRegCloseKey)(key);
}

LSTATUS WINAPI HookRegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                  const BYTE* data, DWORD size)
{
    CTimed timed(kValueWrite);
    CountCall(kValueWrite);
    return g_patches->Original<decltype(&RegSetValueExW)>(kRegSetValueEx)(key, name, reserved, type, data, size);
}

LSTATUS WINAPI HookRegDeleteValueW(HKEY key, LPCWSTR name)
{
    CTimed timed(kValueWrite);
    CountCall(kValueWrite);
    return g_patches->Original<decltype(&RegDeleteValueW)>(kRegDeleteValue)(key, name);
}

LSTATUS WINAPI HookRegDeleteKeyW(HKEY key, LPCWSTR sub)
{
    CTimed timed(kValueWrite);
    CountCall(kValueWrite);
    return g_patches->Original<decltype(&RegDeleteKeyW)>(kRegDeleteKey)(key, sub);
}

LSTATUS WINAPI HookRegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                    LPBYTE data, LPDWORD size)
{
    CTimed timed(kValueRead);
    CountCall(kValueRead);
    return g_patches->Original<decltype(&RegQueryValueExW)>(kRegQueryValueEx)(key, name, reserved, type, data, size);
}

LSTATUS WINAPI HookRegEnumValueW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength,
                                 LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size)
{
    CTimed timed(kValueRead);
    CountCall(kValueRead);
    return g_patches->Original<decltype(&RegEnumValueW)>(kRegEnumValue)(key, index, name, nameLength, reserved, type,
                                                         data, size);
}

LSTATUS WINAPI HookRegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength,
                                 LPDWORD reserved, LPWSTR cls, LPDWORD clsLength, PFILETIME time)
{
    CTimed timed(kValueRead);
    CountCall(kValueRead);
    return g_patches->Original<decltype(&RegEnumKeyExW)>(kRegEnumKeyEx)(key, index, name, nameLength, reserved, cls,
                                                         clsLength, time);
}

// NelWnd.dll while it is loaded for a box.
HMODULE g_library;

HMODULE WINAPI HookLoadLibraryW(LPCWSTR name)
{
    const bool library = name && lstrcmpiW(name, L"NelWnd.dll") == 0;
    CTimed timed(kLibrary, library);
    HMODULE h = g_patches->Original<decltype(&LoadLibraryW)>(kLoadLibrary)(name);
    if (library)
        g_library = h;
    return h;
}

BOOL WINAPI HookFreeLibrary(HMODULE h)
{
    const bool library = h && h == g_library;
    CTimed timed(kLibrary, library);
    if (library)
        g_library = nullptr;
    return g_patches->Original<decltype(&FreeLibrary)>(kFreeLibrary)(h);
}

// The box: the question is answered Yes, anything else OK (and fails the
// run), each as soon as its window is active.
typedef int(WINAPI* NelMsgBoxWProc)(const wchar_t*, const wchar_t*, UINT, HWND, HFONT, void*);
NelMsgBoxWProc g_realBox;
UINT g_boxSet;
int g_boxAnswer;
bool g_answered;

LRESULT CALLBACK AnswerHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && !g_answered && box != g_dialog)
        g_answered = PostAnswer(box, g_boxSet, g_boxAnswer);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int WINAPI TimedNelMsgBoxW(const wchar_t* text, const wchar_t* caption, UINT type, HWND owner,
                           HFONT font, void* help)
{
    g_boxSet = type & MB_TYPEMASK;
    const bool question = g_boxSet == MB_YESNO && CurrentStage() == kToQuestion;
    if (!question && g_problem.empty())
        g_problem = std::wstring(L"the installer showed a message: ") + (text ? text : L"");
    g_boxAnswer = question ? IDYES : (g_boxSet == MB_YESNO ? IDNO : IDOK);
    g_answered = false;
    if (question)
        EnterStage(kBox, NowMs());
    HHOOK hook = SetWindowsHookExW(WH_CBT, AnswerHook, nullptr, GetCurrentThreadId());
    const int result = g_realBox(text, caption, type, owner, font, help);
    UnhookWindowsHookEx(hook);
    if (question)
        EnterStage(kToEnd, NowMs());
    return result;
}

FARPROC WINAPI HookGetProcAddress(HMODULE module, LPCSTR name)
{
    FARPROC proc = g_patches->Original<decltype(&GetProcAddress)>(kGetProcAddress)(module, name);
    if (proc && reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && lstrcmpA(name, "NelMsgBoxW") == 0) {
        g_realBox = reinterpret_cast<NelMsgBoxWProc>(reinterpret_cast<void*>(proc));
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&TimedNelMsgBoxW));
    }
    return proc;
}

const PatchEntry kPatchTable[kSlotCount] = {
    {"kernel32.dll", "GetModuleFileNameW", reinterpret_cast<void*>(&HookGetModuleFileNameW)},
    {"kernel32.dll", "CopyFileW", reinterpret_cast<void*>(&HookCopyFileW)},
    {"kernel32.dll", "SetFileAttributesW", reinterpret_cast<void*>(&HookSetFileAttributesW)},
    {"advapi32.dll", "RegOpenKeyExW", reinterpret_cast<void*>(&HookRegOpenKeyExW)},
    {"advapi32.dll", "RegCreateKeyExW", reinterpret_cast<void*>(&HookRegCreateKeyExW)},
    {"advapi32.dll", "RegCloseKey", reinterpret_cast<void*>(&HookRegCloseKey)},
    {"advapi32.dll", "RegSetValueExW", reinterpret_cast<void*>(&HookRegSetValueExW)},
    {"advapi32.dll", "RegDeleteValueW", reinterpret_cast<void*>(&HookRegDeleteValueW)},
    {"advapi32.dll", "RegDeleteKeyW", reinterpret_cast<void*>(&HookRegDeleteKeyW)},
    {"advapi32.dll", "RegQueryValueExW", reinterpret_cast<void*>(&HookRegQueryValueExW)},
    {"advapi32.dll", "RegEnumValueW", reinterpret_cast<void*>(&HookRegEnumValueW)},
    {"advapi32.dll", "RegEnumKeyExW", reinterpret_cast<void*>(&HookRegEnumKeyExW)},
    {"kernel32.dll", "LoadLibraryW", reinterpret_cast<void*>(&HookLoadLibraryW)},
    {"kernel32.dll", "FreeLibrary", reinterpret_cast<void*>(&HookFreeLibrary)},
    {"kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&HookGetProcAddress)},
};

// The registry keys an installation of the package writes to, under
// HKEY_CURRENT_USER.
std::vector<std::wstring> WrittenKeys(const std::wstring& infoFile)
{
    std::vector<std::wstring> keys = {L"Control Panel\\Cursors", L"Control Panel\\Cursors\\Schemes"};
    CNelStrW path;
    if (NelIniGetStr(L"MainDlg", L"InstallFolderKey", path, infoFile.c_str()) &&
        !UserKeyOfValuePath(path.t()).empty())
        keys.push_back(UserKeyOfValuePath(path.t()));
    const std::wstring record = UserKeyOfValuePath(UninstallRecordKey(false).t() + std::wstring(L"\\"));
    if (!record.empty())
        keys.push_back(record);
    return keys;
}

bool KeyExists(const std::wstring& key)
{
    HKEY h;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

// The values of the keys, and the parent keys that do not exist yet, put
// back as they were when it ends (keys it did not find are removed).
class KeysGuard {
public:
    explicit KeysGuard(const std::vector<std::wstring>& keys)
    {
        for (const std::wstring& key : keys) {
            for (size_t slash = key.find(L'\\'); slash != std::wstring::npos;
                 slash = key.find(L'\\', slash + 1))
                if (!KeyExists(key.substr(0, slash)))
                    Guard(key.substr(0, slash));
            Guard(key);
        }
    }
    ~KeysGuard()
    {
        while (!m_guards.empty())
            m_guards.pop_back();  // the deepest key first
    }

private:
    void Guard(const std::wstring& key)
    {
        for (const std::wstring& guarded : m_keys)
            if (guarded == key)
                return;
        m_keys.push_back(key);
        m_guards.emplace_back(new NelTest::RegValuesGuard(HKEY_CURRENT_USER, key));
    }
    std::vector<std::wstring> m_keys;
    std::vector<std::unique_ptr<NelTest::RegValuesGuard>> m_guards;
};

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The files an installation puts into the install folder that are not
// there yet, and the folder and those of its parents that do not exist
// yet, removed again when it ends.
class FolderGuard {
public:
    FolderGuard(const std::wstring& folder, const std::vector<std::wstring>& names)
    {
        for (const std::wstring& name : names)
            if (!Exists(folder + L"\\" + name))
                m_added.push_back(folder + L"\\" + name);
        for (std::wstring dir = folder; dir.size() > 3 && !Exists(dir);
             dir = dir.substr(0, dir.rfind(L'\\')))
            m_created.push_back(dir);
    }
    ~FolderGuard()
    {
        for (const std::wstring& file : m_added) {
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
        for (const std::wstring& dir : m_created)
            RemoveDirectoryW(dir.c_str());
    }

private:
    std::vector<std::wstring> m_added;
    std::vector<std::wstring> m_created;
};

std::vector<std::wstring> g_leftFiles;   // what an installation puts into the folder
std::unique_ptr<FolderGuard> g_folderGuard;

// OK, once the dialog has shown and painted: a timer set when its
// initialisation returns comes only when no paint is pending.
const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const UINT_PTR kOkTimer = 0x4F4B;

void CALLBACK PressOk(HWND dialog, UINT, UINT_PTR id, DWORD)
{
    // The modal loop shows the dialog only when no message waits; until
    // then its controls count as hidden (the all-users box among them).
    if (!IsWindowVisible(dialog))
        return;
    KillTimer(dialog, id);
    wchar_t folder[MAX_PATH] = {};
    GetDlgItemTextW(dialog, IDC_INSTALL_FOLDER, folder, MAX_PATH);
    g_folder = folder;
    g_folderGuard.reset(new FolderGuard(g_folder, g_leftFiles));
    StartStages(kStageCount, kKindCount, kToQuestion);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK ReturnedHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_INITDIALOG && !g_dialog) {
        wchar_t name[64] = {};
        GetClassNameW(m->hwnd, name, 64);
        if (lstrcmpiW(name, kMainClass) == 0) {
            g_dialog = m->hwnd;
            SetTimer(g_dialog, kOkTimer, USER_TIMER_MINIMUM, PressOk);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One installation from OK to the end, in-process, with the values it
// wrote to the keys; the registry is put back before it returns. False
// when it went otherwise (g_problem tells).
bool RunOnce(const std::vector<std::wstring>& keys, StageFigures& figures,
             std::vector<RegValue>& written)
{
    g_dialog = nullptr;
    g_problem.clear();
    g_folder.clear();
    KeysGuard keysGuard(keys);
    NelTest::InstallerGlobals globals;
    if (!globals.Ready()) {
        g_problem = L"the dialog class cannot be registered";
        return false;
    }
    CTaviCurMiniInstDlg dlg(nullptr);
    const INT_PTR result = dlg.ShowDlg();
    StopStages(NowMs());
    if (result != IDOK && g_problem.empty())
        g_problem = L"the dialog did not end with OK";
    if (g_folder.empty() && g_problem.empty())
        g_problem = L"OK was never pressed";
    figures = Figures();
    written = ReadValues(keys);
    return g_problem.empty();
}

int Fail(const std::wstring& problem)
{
    PrintLine(L"InstallStages: FAILED: " + problem);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::puts("usage: InstallStages <package folder>");
        return 2;
    }
    const std::wstring package = argv[1];
    g_program = package + L"\\DemoSet.exe";
    g_strInfoFile = (package + L"\\DemoSet.nelcmi").c_str();
    g_hInstance = GetModuleHandleW(nullptr);
    std::vector<std::wstring> names = NelTest::ReadInstallFileList(g_strInfoFile.t());
    if (names.empty())
        return Fail(L"no [InstallFiles] in " + std::wstring(g_strInfoFile.t()));
    g_leftFiles = names;
    for (const wchar_t* copy : kUninstallCopies)
        g_leftFiles.push_back(copy);

    HMODULE self = GetModuleHandleW(nullptr);
    g_patches = new ImportPatches(self, kPatchTable, kSlotCount);
    if (!WatchInfoFileReading(self, InfoFile, kInfo) || !g_patches->Active(kGetModuleFileName) ||
        !g_patches->Active(kGetProcAddress))
        return Fail(L"cannot replace the file, module path and library imports");
    HHOOK returned = SetWindowsHookExW(WH_CALLWNDPROCRET, ReturnedHook, nullptr, GetCurrentThreadId());

    const std::vector<std::wstring> keys = WrittenKeys(g_strInfoFile.t());
    std::vector<StageFigures> runs;
    std::vector<RegValue> expected;
    for (int i = 0; i <= kRuns; ++i) {
        StageFigures figures;
        std::vector<RegValue> written;
        bool ok = RunOnce(keys, figures, written);
        if (ok) {
            std::wstring problem = CheckInstalledFiles(package, g_folder, names);
            if (problem.empty() && i > 0)
                problem = DescribeDifference(expected, written);
            if (!problem.empty()) {
                g_problem = problem;
                ok = false;
            }
        }
        g_folderGuard.reset();
        if (!ok)
            return Fail(g_problem);
        if (i == 0 && written.empty())
            return Fail(L"no registry values written");
        if (i == 0)
            expected = written;
        else
            runs.push_back(figures);
    }
    UnhookWindowsHookEx(returned);

    const StageRow rows[] = {
        {"OK to the question", kToQuestion, kWhole, 0, -1, ""},
        {"  install-info lookups", kToQuestion, kOfKind, kInfo, kInfo, "lookups"},
        {"  file copies (with attribute resets)", kToQuestion, kOfKind, kCopy, kCopy, "copies"},
        {"  registry keys opened or created, and closed", kToQuestion, kOfKind, kKeyOpen, kKeyOpen, "opens"},
        {"  registry values set or deleted", kToQuestion, kOfKind, kValueWrite, kValueWrite, "writes"},
        {"  registry reads", kToQuestion, kOfKind, kValueRead, kValueRead, "reads"},
        {"  NelWnd.dll loaded for the box", kToQuestion, kOfKind, kLibrary, -1, ""},
        {"  the rest: folder, file checks, texts, dialog", kToQuestion, kRest, 0, -1, ""},
        {"the box: made, shown, answered Yes, closed", kBox, kWhole, 0, -1, ""},
        {"Yes to the end", kToEnd, kWhole, 0, -1, ""},
        {"  install-info lookups", kToEnd, kOfKind, kInfo, kInfo, "lookups"},
        {"  registry keys opened or created, and closed", kToEnd, kOfKind, kKeyOpen, kKeyOpen, "opens"},
        {"  registry values set or deleted", kToEnd, kOfKind, kValueWrite, kValueWrite, "writes"},
        {"  registry reads", kToEnd, kOfKind, kValueRead, kValueRead, "reads"},
        {"  NelWnd.dll unloaded", kToEnd, kOfKind, kLibrary, -1, ""},
        {"  the rest: cursor reload, dialog end", kToEnd, kRest, 0, -1, ""},
        {"all stages", kAllStages, kWhole, 0, kInfo, "lookups"},
    };
    PrintStageRows("installation in stages, in-process, from OK to the end, after one untimed run", rows,
                   sizeof rows / sizeof rows[0], runs);
    return 0;
}
