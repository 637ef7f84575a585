// End-to-end installation tests: a package folder with a copy of the
// installer, its install-info file and dummy cursor files; the installer
// run as a process and driven through its windows; the registry read and
// restored from here (Wine's registry is shared by the whole prefix).
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include "ProcessDriver.h"
#include "RegValuesGuard.h"
#include "TestFiles.h"
#include "TestText.h"

namespace InstallTest {

extern const wchar_t kUserCursors[];      // HKCU, relative
extern const wchar_t kUserSchemes[];      // HKCU, relative
extern const wchar_t kMachineSchemes[];   // HKLM, relative
extern const wchar_t kErrorCaption[];
extern const wchar_t kRoleValueNames[15][12];

// An install-info file built section by section, written as UTF-16.
class InfoFile {
public:
    InfoFile& Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    InfoFile& Remove(const std::wstring& section, const std::wstring& key);
    std::wstring Text() const;

private:
    struct Section {
        std::wstring name;
        std::vector<std::pair<std::wstring, std::wstring>> keys;
    };
    std::vector<Section> m_sections;
};

// One registry value as read from the test process.
struct RegValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    std::wstring Str() const;  // REG_SZ / REG_EXPAND_SZ text without the terminator
    DWORD Dword() const;
};
RegValue ReadReg(HKEY root, const std::wstring& key, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& key);
void DeleteKeyTree(HKEY root, const std::wstring& key);
bool WriteRegStr(HKEY root, const std::wstring& key, const std::wstring& name,
                 const std::wstring& value, DWORD type = REG_SZ);

using NelTest::ExpandEnv;
using NelTest::RegValuesGuard;
using NelTest::SplitFields;

// Makes Wine report another Windows version ("win98", "win2k", ...) to
// the program of that file name; removed on scope exit.
struct VersionOverride {
    std::wstring key;
    VersionOverride(const std::wstring& exe, const std::wstring& version);
    ~VersionOverride();
};

// The running installer's main dialog.
struct Dialog {
    HWND hwnd = nullptr;
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    std::wstring Text(int id) const { return NelTest::WindowText(Item(id)); }
    void SetText(int id, const std::wstring& text) const;
    void SetCheck(bool checked) const;
    bool Checked() const;
    // Moves the keyboard focus to a control (as the Tab key would).
    void Focus(int id) const;
    void PressOK() const { PostMessageW(hwnd, WM_COMMAND, IDOK, 0); }
    void Cancel() const { PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0); }
};

struct Box {
    HWND hwnd = nullptr;
    std::wstring text, caption;
};

// Fixture: a fresh package folder (pkg) with three dummy cursor files, a
// destination folder path (dest, not created), and the cursor keys of
// both users restored after each test.
class InstallFixture : public testing::Test {
protected:
    InstallFixture();
    ~InstallFixture() override;

    // The standard install-info file: three files, two designs (design 1
    // without DN1_Help), no completion prompt, folder = Dest().
    InfoFile StandardInfo() const;
    // Writes the info file and copies the installer as pkg\<exeName>.
    void Prepare(const InfoFile& info);
    std::wstring Pkg() const { return m_dir / L"pkg"; }
    std::wstring Dest() const { return m_dir / L"dest"; }
    std::wstring Root() const { return m_dir.Path(); }
    // Name unique to this test, for scheme names and registry keys.
    std::wstring Unique(const std::wstring& suffix) const;

    // Starts the installer (ending an earlier run) with the command-line
    // arguments given and waits for its main dialog; dlg.hwnd stays null
    // when none appeared.
    void Start(Dialog& dlg, const std::wstring& args = L"");
    // The dialog stays open after a refused OK, so the cases of a table can
    // share one run; a new one starts only when the dialog has gone.
    void EnsureDialog(Dialog& dlg)
    {
        if (!dlg.hwnd || !Running() || !IsWindow(dlg.hwnd))
            Start(dlg);
    }
    // Only starts the installer (for runs that end before the dialog),
    // with the command-line arguments given.
    void Launch(const std::wstring& args = L"");
    // Waits for a message box of the installer.
    Box WaitBox();
    // Presses a box's button and waits until the box has gone.
    void Answer(const Box& box, int id);
    // Checks text, caption and icon of the next box, answers it with answer
    // and waits until it has gone.
    void ExpectBox(const std::wstring& text, const std::wstring& caption, int answer = IDOK,
                   LPCWSTR icon = IDI_ERROR);
    // The focused control of the installer's GUI thread, polled until it is
    // expected or the time is up; returns the last one seen.
    HWND WaitFocus(const Dialog& dlg, HWND expected);
    // Waits for the installer to end.
    bool WaitEnd();
    // Waits for the installer to end; false (and the box's text in
    // boxText) when a message box appears first.
    bool WaitEndWithoutBox(std::wstring& boxText);
    // Presses OK and waits for a completed run with no message box.
    void PressOKAndExpectSilentEnd(const Dialog& dlg);
    // Presses OK, answers the completion prompt with Yes and waits for the
    // installer to end; false (with the reason reported) when either fails.
    bool PressOKAndApply(const Dialog& dlg);
    bool Running() const { return m_proc && m_proc->Running(); }
    // Files of the destination folder (names, sorted), empty if absent.
    std::vector<std::wstring> DestFiles(const std::wstring& folder) const;
    std::string ReadFileBytes(const std::wstring& path) const;

    // Declared in this order so that the installer ends first, then the
    // registry is restored, then the folder goes.
    std::wstring m_exeName = L"set.exe";
    NelTest::TempDir m_dir;
    RegValuesGuard m_userCursors, m_userSchemes, m_machineSchemes;
    std::unique_ptr<NelTest::ChildProcess> m_proc;  // the current run
};

} // namespace InstallTest
