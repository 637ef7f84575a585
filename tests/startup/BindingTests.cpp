// How the installer binds NelWnd.dll: per call, by name, with the system
// message box when the library or the entry point is missing.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ProcessDriver.h"
#include "TestFiles.h"

using namespace NelTest;

namespace {

const DWORD kWait = 20000;

class Binding : public testing::Test {
protected:
    // Copies the probe into the temporary folder, with the given NelWnd.dll
    // beside it (empty: none).
    std::wstring PrepareProbe(const std::wstring& nelWnd)
    {
        std::wstring exe = m_dir / L"probe.exe";
        EXPECT_TRUE(CopyFileW(BinFile(L"BindingProbe.exe").c_str(), exe.c_str(), FALSE));
        if (!nelWnd.empty()) {
            EXPECT_TRUE(CopyFileW(nelWnd.c_str(), (m_dir / L"NelWnd.dll").c_str(), FALSE));
        }
        return exe;
    }

    // Runs the probe's message box, expects the system box, answers No.
    void ExpectSystemBoxFallback(const std::wstring& exe)
    {
        ChildProcess p;
        ASSERT_TRUE(p.Start(exe, L"msgbox"));
        HWND box = WaitForWindow(p.Pid(), L"#32770", kWait);
        ASSERT_NE(nullptr, box) << "no system message box";
        EXPECT_EQ(std::wstring(L"probe text"), MessageBoxText(box));
        EXPECT_EQ(std::wstring(L"probe caption"), WindowText(box));
        double q = WaitForMessageBoxIcon(box, IDI_QUESTION, 0.9, 5000);
        EXPECT_GT(q, 0.9) << "question icon match " << q;
        PostMessageW(box, WM_COMMAND, IDNO, 0);
        DWORD code = 0;
        ASSERT_TRUE(p.WaitExit(kWait, &code));
        EXPECT_EQ(static_cast<DWORD>(IDNO), code) << "the box's answer is the result";
    }

    DWORD RunProbe(const std::wstring& exe, const wchar_t* what)
    {
        ChildProcess p;
        EXPECT_TRUE(p.Start(exe, what));
        DWORD code = 0;
        EXPECT_TRUE(p.WaitExit(kWait, &code)) << "probe did not end";
        return code;
    }

    std::wstring ReadLog()
    {
        HANDLE h = CreateFileW(m_log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return L"<no log>";
        wchar_t buf[4096] = {};
        DWORD read = 0;
        ReadFile(h, buf, sizeof(buf) - sizeof(wchar_t), &read, nullptr);
        CloseHandle(h);
        return buf;
    }

    void SetUp() override
    {
        m_log = m_dir / L"fake.log";
        SetEnvironmentVariableW(L"NEL_FAKE_LOG", m_log.c_str());
    }
    void TearDown() override { SetEnvironmentVariableW(L"NEL_FAKE_LOG", nullptr); }

    TempDir m_dir;
    std::wstring m_log;
};

TEST_F(Binding, WithoutNelWndMessageBoxFallsBackToSystemBox)
{
    ExpectSystemBoxFallback(PrepareProbe(L""));
}

TEST_F(Binding, NelWndWithoutTheEntryPointFallsBackToSystemBox)
{
    std::wstring exe = PrepareProbe(BinFile(L"noentry\\NelWnd.dll"));
    HMODULE lib = LoadLibraryExW((m_dir / L"NelWnd.dll").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, lib);
    const bool hasEntry = GetProcAddress(lib, "NelMsgBoxW") != nullptr;
    FreeLibrary(lib);
    ASSERT_FALSE(hasEntry) << "the stand-in library has the entry point after all";
    ExpectSystemBoxFallback(exe);
}

TEST_F(Binding, WithoutNelWndHelpPopupsShowNothingAndReturnZero)
{
    EXPECT_EQ(0u, RunProbe(PrepareProbe(L""), L"popup"));
}

TEST_F(Binding, CallsEntryPointsWithArgumentsUnchangedAndUnloadsAfterEachCall)
{
    std::wstring exe = PrepareProbe(BinFile(L"fake\\NelWnd.dll"));
    // 42 from the fake box; no 1000 added, so the library was unloaded.
    EXPECT_EQ(42u, RunProbe(exe, L"msgbox"));
    EXPECT_EQ(503u, RunProbe(exe, L"popup"));
    std::wstring expected = L"NelMsgBoxW|probe text|probe caption|36|0|0|0\n"
                            L"NelHelpPopupWndW|probe help|10,20|0|0|0\n"
                            L"NelHelpPopupWndRW|109|exe|10,20|0|0|0\n";
    EXPECT_EQ(expected, ReadLog());
}

} // namespace
