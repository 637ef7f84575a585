#include "SchemeInstall.h"
#include "ProcessDriver.h"

namespace CmiTest {

const wchar_t kSchemesKey[] = L"Control Panel\\Cursors\\Schemes";
const wchar_t kCursorsKey[] = L"Control Panel\\Cursors";

std::vector<UserValuesGuard::Value> UserValuesGuard::Read(const std::wstring& key)
{
    std::vector<Value> values;
    HKEY h;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLen = 16384, type = 0, size = 0;
        if (RegEnumValueW(h, i, name, &nameLen, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        Value v = {name, type, std::vector<BYTE>(size)};
        nameLen = 16384;
        RegEnumValueW(h, i, name, &nameLen, nullptr, &type, v.data.empty() ? nullptr : v.data.data(),
                      &size);
        values.push_back(v);
    }
    RegCloseKey(h);
    return values;
}

UserValuesGuard::UserValuesGuard(const std::wstring& key) : m_key(key), m_values(Read(key))
{
    HKEY h;
    m_existed = RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) == ERROR_SUCCESS;
    if (m_existed)
        RegCloseKey(h);
}

UserValuesGuard::~UserValuesGuard()
{
    if (!m_existed) {
        // Fails, leaving the key, when something else created subkeys.
        RegDeleteKeyW(HKEY_CURRENT_USER, m_key.c_str());
        return;
    }
    HKEY h;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &h, nullptr) != ERROR_SUCCESS)
        return;
    for (const Value& now : Read(m_key)) {
        bool kept = false;
        for (const Value& old : m_values)
            kept = kept || old.name == now.name;
        if (!kept)
            RegDeleteValueW(h, now.name.c_str());
    }
    for (const Value& old : m_values)
        RegSetValueExW(h, old.name.c_str(), 0, old.type, old.data.empty() ? nullptr : old.data.data(),
                       (DWORD)old.data.size());
    RegCloseKey(h);
}

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

BOOL CALLBACK FindNoButton(HWND child, LPARAM param)
{
    std::wstring text = NelTest::WindowText(child);
    if (text == L"\x3044\x3044\x3048(&N)" || text == L"&No") {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

// Answers a box with No: the library's box has its own button IDs, so its
// No button is clicked; a system box takes the command ID.
void AnswerNo(HWND box)
{
    HWND button = nullptr;
    EnumChildWindows(box, FindNoButton, reinterpret_cast<LPARAM>(&button));
    if (button)
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

std::wstring ExpandEnv(const std::wstring& text)
{
    wchar_t buffer[32768];
    DWORD n = ExpandEnvironmentStringsW(text.c_str(), buffer, 32768);
    return n > 0 && n <= 32768 ? buffer : text;
}

std::vector<std::wstring> SplitFields(const std::wstring& text)
{
    std::vector<std::wstring> fields;
    for (size_t start = 0;;) {
        size_t comma = text.find(L',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::wstring::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace CmiTest
