// The installer started as a user would, with an install-info file of the
// test's own and the recording stand-in NelWnd.dll beside it, and read
// from outside: its dialogs, their controls' texts, states and rectangles,
// and the calls the stand-in library logged.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "ProcessDriver.h"
#include "TestFiles.h"

namespace DlgTest {

const DWORD kWait = 20000;
extern const wchar_t kMainClass[];

// A complete install-info file: the required keys, then mainDlg lines in
// [MainDlg] and curInfo lines in [CurInfo] (each "Key=Value\r\n"), with
// the product named productName.
std::wstring InfoFile(const std::wstring& mainDlg, const std::wstring& curInfo = L"",
                      const std::wstring& productName = L"Foo");

class InstallerRun {
public:
    InstallerRun();
    ~InstallerRun();
    InstallerRun(const InstallerRun&) = delete;
    InstallerRun& operator=(const InstallerRun&) = delete;

    // Writes info as set.nelcmi (UTF-16), starts set.exe and waits for the
    // main dialog; false when it did not appear.
    bool Start(const std::wstring& info);

    HWND Dlg() const { return m_dlg; }
    HWND Item(int id) const { return GetDlgItem(m_dlg, id); }
    std::wstring Text(int id) const { return NelTest::WindowText(Item(id)); }
    // A control's rectangle in the dialog's client coordinates.
    RECT ItemRect(int id) const;
    RECT ClientRect() const;
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    LRESULT Check(int id) const;

    std::wstring InfoPath() const { return m_dir / L"set.nelcmi"; }
    // A file of the folder the installer runs from.
    std::wstring Path(const std::wstring& name) const { return m_dir / name; }
    // The calls the stand-in NelWnd.dll recorded so far, one per line.
    std::vector<std::wstring> Log() const;
    std::wstring LogText() const;
    // Waits until the log has at least n lines; returns the log.
    std::vector<std::wstring> WaitLog(size_t n) const;
    // Waits for the installer to end; false when it did not.
    bool WaitExit(DWORD* code);
    // Ends the dialog with Cancel and waits for the process to end.
    void Cancel();
    // A visible top-level window of the installer with that caption.
    HWND WaitForWindowTitled(const std::wstring& caption) const;

private:
    NelTest::TempDir m_dir;
    NelTest::ChildProcess m_process;
    HWND m_dlg = nullptr;
};

// A registry path in the form the install-info file names values with,
// under a key of the tests' own in HKEY_CURRENT_USER.
std::wstring RegPath(const std::wstring& value);
void WriteRegString(const std::wstring& value, const std::wstring& data);
void WriteRegDword(const std::wstring& value, DWORD data);
void DeleteTestRegKey();

std::wstring LoadResString(UINT id);

} // namespace DlgTest
