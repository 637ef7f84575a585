// The installer started for real, as a user would: copied into a fresh
// folder with or without its install-info file, and watched from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ProcessDriver.h"
#include "TestFiles.h"

using namespace NelTest;

namespace {

const wchar_t kMainClass[] = L"Orvandel_TaviCurMiniInst";
const wchar_t kBoxClass[] = L"#32770";
const wchar_t kErrorCaption[] = L"エラー";
const wchar_t kFatalCaption[] = L"致命的なエラー";
const wchar_t kNoInfoFile[] = L"インストール情報ファイルが見つかりません。";
const wchar_t kCannotStart[] = L"おるばんでる カーソルインストーラを起動できません。";
const wchar_t kNoCurName[] = L"必須データ [カーソル名] が設定されていません。";
const DWORD kWait = 20000;

// The least a package needs for its dialog to open: the required keys.
const wchar_t kRequired[] = L"CurName=Test\r\nProductName=Foo\r\n[MainDlg]\r\nDN1CurName=Test\r\n";


class InstallerProcess : public testing::Test {
protected:
    // Copies the built installer into the temporary folder under name
    // (a path relative to the folder; sub-folders are created).
    std::wstring Install(const std::wstring& name)
    {
        std::wstring path = m_dir / name;
        std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(CopyFileW(BinFile(L"TaviCurMiniInst.exe").c_str(), path.c_str(), FALSE))
            << "copy to " << testing::PrintToString(path) << " failed, error " << GetLastError();
        return path;
    }

    void WriteInfo(const std::wstring& name, const std::wstring& text)
    {
        ASSERT_TRUE(WriteUtf16(m_dir / name, text));
    }

    // Waits for a message box of the process, checks its texts and icon,
    // presses its button and returns.
    void ExpectBox(ChildProcess& p, const std::wstring& text, const std::wstring& caption,
                   LPCWSTR icon, LPCWSTR otherIcon)
    {
        HWND box = WaitForWindow(p.Pid(), kBoxClass, kWait);
        ASSERT_NE(nullptr, box) << "no message box appeared";
        EXPECT_EQ(text, MessageBoxText(box));
        EXPECT_EQ(caption, WindowText(box));
        double right = WaitForMessageBoxIcon(box, icon, 0.9, 5000);
        double wrong = MessageBoxIconMatch(box, otherIcon);
        EXPECT_GT(right, 0.9) << "icon match " << right << " (other icon " << wrong << ")";
        EXPECT_LT(wrong, right);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

    void ExpectCleanExit(ChildProcess& p)
    {
        DWORD code = 12345;
        ASSERT_TRUE(p.WaitExit(kWait, &code)) << "installer did not end";
        EXPECT_EQ(0u, code);
    }

    // Ends a running main dialog with Cancel.
    void CancelMainDialog(HWND dlg) { PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0); }

    TempDir m_dir;
};

TEST_F(InstallerProcess, MissingInfoFileShowsSystemErrorBoxThenExitsWithZero)
{
    ChildProcess p;
    ASSERT_TRUE(p.Start(Install(L"set.exe")));
    ExpectBox(p, kNoInfoFile, kErrorCaption, IDI_ERROR, IDI_INFORMATION);
    ExpectCleanExit(p);
}

TEST_F(InstallerProcess, ProgramWithoutExtensionTakesInfoPathFromFolderDot)
{
    std::wstring exe = Install(L"my.sets\\install");
    {
        ChildProcess p;
        ASSERT_TRUE(p.Start(exe));
        ExpectBox(p, kNoInfoFile, kErrorCaption, IDI_ERROR, IDI_INFORMATION);
        ExpectCleanExit(p);
    }
    // With my.nelcmi beside the folder the same program gets to its dialog.
    WriteInfo(L"my.nelcmi", std::wstring(L"[CurInfo]\r\n") + kRequired);
    ChildProcess p;
    ASSERT_TRUE(p.Start(exe));
    HWND dlg = WaitForWindow(p.Pid(), kMainClass, kWait);
    ASSERT_NE(nullptr, dlg) << "main dialog did not appear";
    EXPECT_EQ(std::wstring(L"おるばんでる カーソルインストーラ みに"), WindowText(dlg));
    CancelMainDialog(dlg);
    ExpectCleanExit(p);
}

TEST_F(InstallerProcess, ProgramPathWithoutAnyDotEndsSilently)
{
    ASSERT_EQ(std::wstring::npos, m_dir.Path().find(L'.'))
        << "temporary folder has a dot: " << testing::PrintToString(m_dir.Path());
    ChildProcess p;
    ASSERT_TRUE(p.Start(Install(L"install")));
    DWORD code = 12345;
    bool ended = false;
    bool sawWindow = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWait;) {
        if (!TopWindows(p.Pid()).empty())
            sawWindow = true;
        if ((ended = p.WaitExit(50, &code)))
            break;
    }
    ASSERT_TRUE(ended) << "installer did not end";
    EXPECT_FALSE(sawWindow);
    EXPECT_EQ(0u, code);
}

TEST_F(InstallerProcess, SecondCopyWithSameMutexIsRefusedAndFirstGoesOn)
{
    // The mutex name is macro-expanded: both copies name Foo_setup.
    WriteInfo(L"a.nelcmi", std::wstring(L"[CurInfo]\r\nMutexName=%ProductName%_setup\r\n") + kRequired);
    WriteInfo(L"b.nelcmi", std::wstring(L"[CurInfo]\r\nMutexName=Foo_setup\r\n") + kRequired);
    ChildProcess first;
    ASSERT_TRUE(first.Start(Install(L"a.exe")));
    HWND dlg = WaitForWindow(first.Pid(), kMainClass, kWait);
    ASSERT_NE(nullptr, dlg) << "first copy shows no dialog";
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Foo_setup");
    EXPECT_NE(nullptr, mutex) << "no mutex named Foo_setup, error " << GetLastError();
    if (mutex)
        CloseHandle(mutex);

    ChildProcess second;
    ASSERT_TRUE(second.Start(Install(L"b.exe")));
    HWND box = WaitForWindow(second.Pid(), kBoxClass, kWait);
    ASSERT_NE(nullptr, box) << "second copy shows no message";
    EXPECT_EQ(std::wstring(L"すでに「Foo」のインストール作業中です。"), MessageBoxText(box));
    EXPECT_EQ(std::wstring(kErrorCaption), WindowText(box));
    double info = WaitForMessageBoxIcon(box, IDI_INFORMATION, 0.9, 5000);
    EXPECT_GT(info, 0.9) << "information icon match " << info;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ExpectCleanExit(second);

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindowVisible(dlg));
    CancelMainDialog(dlg);
    ExpectCleanExit(first);
}

TEST_F(InstallerProcess, CopiesWithoutMutexNameRunSideBySide)
{
    WriteInfo(L"a.nelcmi", std::wstring(L"[CurInfo]\r\n") + kRequired);
    std::wstring exe = Install(L"a.exe");
    ChildProcess first, second;
    ASSERT_TRUE(first.Start(exe));
    HWND dlg1 = WaitForWindow(first.Pid(), kMainClass, kWait);
    ASSERT_TRUE(second.Start(exe));
    HWND dlg2 = WaitForWindow(second.Pid(), kMainClass, kWait);
    ASSERT_NE(nullptr, dlg1);
    ASSERT_NE(nullptr, dlg2);
    CancelMainDialog(dlg1);
    CancelMainDialog(dlg2);
    ExpectCleanExit(first);
    ExpectCleanExit(second);
}

TEST_F(InstallerProcess, MutexNameHeldByAnEventShowsCannotStart)
{
    HANDLE ev = CreateEventW(nullptr, TRUE, FALSE, L"NelTest_EventNotMutex");
    ASSERT_NE(nullptr, ev);
    WriteInfo(L"set.nelcmi", L"[CurInfo]\r\nMutexName=NelTest_EventNotMutex\r\n");
    ChildProcess p;
    ASSERT_TRUE(p.Start(Install(L"set.exe")));
    ExpectBox(p, kCannotStart, kFatalCaption, IDI_ERROR, IDI_INFORMATION);
    ExpectCleanExit(p);
    CloseHandle(ev);
}

// No install-info file, however malformed, may crash or hang start-up: the
// reader finds nothing, so there is no mutex check, and the dialog reports
// the first missing required key and ends.
TEST_F(InstallerProcess, MalformedInfoFilesEndWithTheMissingKeyMessage)
{
    std::string huge(3 * 1024 * 1024, '\0');
    for (size_t i = 0; i < huge.size(); ++i)
        huge[i] = static_cast<char>((i * 7919u) >> 3);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"one byte", "["},
        {"odd length", std::string("\xFF\xFE[\0C\0u\0", 9)},
        {"binary", huge},
        {"utf-8 text", "[CurInfo]\r\nMutexName=NelTest_Utf8\r\n"},
        {"no sections", std::string("M\0u\0t\0e\0x\0N\0a\0m\0e\0=\0x\0", 22)},
        {"key of 100000 units", "\xFF\xFE[\0C\0u\0r\0I\0n\0f\0o\0]\0\n\0" + std::string(200000, 'A')},
    };
    std::wstring exe = Install(L"set.exe");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteBytes(m_dir / L"set.nelcmi", c.bytes));
        ChildProcess p;
        ASSERT_TRUE(p.Start(exe));
        ExpectBox(p, kNoCurName, kErrorCaption, IDI_ERROR, IDI_INFORMATION);
        ExpectCleanExit(p);
    }
}

} // namespace
