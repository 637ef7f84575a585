#include "DialogDriver.h"

using namespace NelTest;

namespace DlgTest {

const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";

namespace {
const wchar_t kRegKey[] = L"Software\\NelDialogTests";
}

std::wstring InfoFile(const std::wstring& mainDlg, const std::wstring& curInfo,
                     const std::wstring& productName)
{
    return L"[NelvoInfo]\r\nNelCMIFileVer=100\r\n"
           L"[CurInfo]\r\nCurName=Test Set\r\nProductName=" + productName +
           L"\r\nVersion=150\r\n" + curInfo + L"[MainDlg]\r\nDN1CurName=Test Normal\r\n" + mainDlg +
           L"[InstallFiles]\r\nFile0=set.nelcmi\r\n";
}

InstallerRun::InstallerRun() {}

InstallerRun::~InstallerRun()
{
    if (m_process.Running())
        Cancel();
}

bool InstallerRun::Start(const std::wstring& info)
{
    if (!WriteUtf16(m_dir / L"set.nelcmi", info))
        return false;
    if (!CopyFileW(BinFile(L"TaviCurMiniInst.exe").c_str(), (m_dir / L"set.exe").c_str(), FALSE))
        return false;
    if (!CopyFileW(BinFile(L"fake\\NelWnd.dll").c_str(), (m_dir / L"NelWnd.dll").c_str(), FALSE))
        return false;
    SetEnvironmentVariableW(L"NEL_FAKE_LOG", (m_dir / L"fake.log").c_str());
    if (!m_process.Start(m_dir / L"set.exe"))
        return false;
    m_dlg = WaitForWindow(m_process.Pid(), kMainClass, kWait);
    return m_dlg != nullptr;
}

RECT InstallerRun::ItemRect(int id) const
{
    RECT rc = {};
    GetWindowRect(Item(id), &rc);
    MapWindowPoints(nullptr, m_dlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

RECT InstallerRun::ClientRect() const
{
    RECT rc = {};
    GetClientRect(m_dlg, &rc);
    return rc;
}

LRESULT InstallerRun::Check(int id) const
{
    DWORD_PTR result = 0xFF;
    SendMessageTimeoutW(Item(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

std::wstring InstallerRun::LogText() const
{
    std::wstring text;
    HANDLE h = CreateFileW((m_dir / L"fake.log").c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return text;
    wchar_t buf[1024];
    DWORD read = 0;
    while (ReadFile(h, buf, sizeof(buf), &read, nullptr) && read)
        text.append(buf, read / sizeof(wchar_t));
    CloseHandle(h);
    return text;
}

std::vector<std::wstring> InstallerRun::Log() const
{
    std::vector<std::wstring> lines;
    const std::wstring text = LogText();
    size_t start = 0;
    for (size_t nl; (nl = text.find(L'\n', start)) != std::wstring::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

std::vector<std::wstring> InstallerRun::WaitLog(size_t n) const
{
    DWORD start = GetTickCount();
    std::vector<std::wstring> lines = Log();
    while (lines.size() < n && GetTickCount() - start < kWait) {
        Sleep(50);
        lines = Log();
    }
    return lines;
}

bool InstallerRun::WaitExit(DWORD* code) { return m_process.WaitExit(kWait, code); }

void InstallerRun::Cancel()
{
    if (m_dlg)
        PostMessageW(m_dlg, WM_COMMAND, IDCANCEL, 0);
    m_process.WaitExit(kWait, nullptr);
}

HWND InstallerRun::WaitForWindowTitled(const std::wstring& caption) const
{
    DWORD start = GetTickCount();
    do {
        for (HWND w : TopWindows(m_process.Pid()))
            if (WindowText(w) == caption)
                return w;
        Sleep(50);
    } while (GetTickCount() - start < kWait);
    return nullptr;
}

std::wstring RegPath(const std::wstring& value)
{
    return std::wstring(L"HKEY_CURRENT_USER\\") + kRegKey + L"\\" + value;
}

void WriteRegString(const std::wstring& value, const std::wstring& data)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void WriteRegDword(const std::wstring& value, DWORD data)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, value.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                   sizeof(data));
    RegCloseKey(key);
}

void DeleteTestRegKey() { RegDeleteKeyW(HKEY_CURRENT_USER, kRegKey); }

std::wstring LoadResString(UINT id)
{
    const wchar_t* p = nullptr;
    int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 ? std::wstring(p, n) : std::wstring();
}

} // namespace DlgTest
