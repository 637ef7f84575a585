// Whether the button is taken over depends on the system version: only
// below NT 5.1 (and on the 9x family). The default Wine version (6.1) is
// themed and runs here in-process; the hooked behaviour runs in host
// programs started under a Windows 2000 version override.
#include "XPBtn/NelXPBtn.h"
#include "ProcessDriver.h"
#include "TestFiles.h"
#include "XPBtnTestUtil.h"
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <sstream>

using namespace NelTest;
using namespace XPBtnTest;

namespace {

const DWORD kNotRun = 98;

// Runs a program of the test folder with Wine told to report `version`
// (win98, win2k, winxp, ...) to it alone; null keeps the default. Its exit
// code, or kNotRun when it could not be started or did not end in time.
DWORD RunUnder(const wchar_t* exe, const wchar_t* version, const std::wstring& args = L"")
{
    std::wstring key = std::wstring(L"Software\\Wine\\AppDefaults\\") + exe;
    HKEY hkey;
    if (version && RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey,
                                   nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(hkey, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       (lstrlenW(version) + 1) * sizeof(wchar_t));
        RegCloseKey(hkey);
    }
    DWORD code = kNotRun;
    {
        ChildProcess child;
        if (!child.Start(BinFile(exe), args) || !child.WaitExit(120000, &code))
            code = kNotRun;
    }
    if (version)
        RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    return code;
}

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int Attribute(const std::string& xml, const char* name)
{
    std::smatch m;
    std::regex re(std::string("<testsuites[^>]*\\b") + name + "=\"([0-9]+)\"");
    return std::regex_search(xml, m, re) ? std::stoi(m[1].str()) : -1;
}

// Runs one build's hooked-behaviour host under Windows 2000 and checks
// that all its tests ran and passed.
void RunHookedHost(const wchar_t* exe)
{
    TempDir dir;
    std::wstring xml = dir / L"result.xml";
    DWORD code = RunUnder(exe, L"win2k", L"--gtest_color=no --gtest_output=xml:" + xml);
    std::string report = ReadAll(xml);
    EXPECT_EQ(0u, code) << "host exit code (98: not run or timed out)";
    ASSERT_FALSE(report.empty()) << "no result file";
    EXPECT_GE(Attribute(report, "tests"), 8) << report.substr(0, 400);
    EXPECT_EQ(0, Attribute(report, "failures"));
    EXPECT_EQ(0, Attribute(report, "errors"));
    EXPECT_EQ(0, Attribute(report, "disabled"));
}

} // namespace

TEST(XPBtnTheme, ThemedSystemLeavesTheButtonAloneAndStillRecordsIt)
{
    ASSERT_TRUE(CNelXPBtn::IsThemeOS()) << "the default version is themed (6.1)";
    Host host(1002, L"Browse");
    ASSERT_NE(nullptr, host.Button());
    LONG_PTR proc = GetWindowLongPtrW(host.Button(), GWLP_WNDPROC);
    LONG style = GetWindowLongW(host.Button(), GWL_STYLE);
    CNelXPBtn btn;
    EXPECT_TRUE(btn.HookDlgItem(1002, host.Window(), nullptr));
    EXPECT_EQ(host.Button(), btn.m_hWnd);
    EXPECT_EQ(host.Window(), btn.m_hParent);
    EXPECT_EQ(1002, btn.m_nID);
    EXPECT_FALSE(btn.m_bHooked);
    EXPECT_EQ(nullptr, btn.m_pfnOldProc);
    EXPECT_EQ(nullptr, btn.m_hInst) << "the module is recorded only when hooking";
    EXPECT_EQ(proc, GetWindowLongPtrW(host.Button(), GWLP_WNDPROC));
    EXPECT_EQ(style, GetWindowLongW(host.Button(), GWL_STYLE));
    EXPECT_EQ(0, GetWindowLongPtrW(host.Button(), GWLP_USERDATA));
}

TEST(XPBtnTheme, ThemedFromNT51OnNotOnNT50NorThe9xFamily)
{
    struct Case {
        const wchar_t* version;
        DWORD themed;
    } cases[] = {{L"win98", 0}, {L"nt40", 0}, {L"win2k", 0}, {L"winxp", 1}, {L"win2003", 1}, {nullptr, 1}};
    for (const wchar_t* probe : {L"XPBtnThemeProbeLib.exe", L"XPBtnThemeProbeInst.exe"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "probe " << probe << ", version "
                                            << (c.version ? c.version : L"default"));
            EXPECT_EQ(c.themed, RunUnder(probe, c.version));
        }
    }
}

TEST(XPBtnUnderWin2k, LibraryBuildHooksTracksAndPaints) { RunHookedHost(L"XPBtnHookHostLib.exe"); }

TEST(XPBtnUnderWin2k, InstallerBuildHooksTracksAndPaints) { RunHookedHost(L"XPBtnHookHostInst.exe"); }
