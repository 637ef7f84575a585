// The message box seen from outside: the wide entry point on a system of
// the 9x family, and the installer showing its questions in the box.
#include <gtest/gtest.h>
#include "MsgBoxTestUtil.h"
#include "ProcessDriver.h"
#include "TestFiles.h"

using namespace MsgBoxTest;
using NelTest::BinFile;
using NelTest::ChildProcess;
using NelTest::TempDir;

namespace {

const COLORREF kHostPopupBk = RGB(16, 200, 48);

// Reports one Windows version to every program of this file name (Wine's
// per-program setting); removed again when the object goes.
class VersionOverride {
public:
    VersionOverride(const std::wstring& exeName, const wchar_t* version)
        : m_key(L"Software\\Wine\\AppDefaults\\" + exeName)
    {
        HKEY key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) == ERROR_SUCCESS) {
            m_ok = RegSetValueExW(key, L"Version", 0, REG_SZ, (const BYTE*)version,
                                  (DWORD)(wcslen(version) + 1) * sizeof(wchar_t)) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
    }
    ~VersionOverride() { RegDeleteKeyW(HKEY_CURRENT_USER, m_key.c_str()); }
    bool Ok() const { return m_ok; }

private:
    std::wstring m_key;
    bool m_ok = false;
};

struct HostRun {
    bool found = false;
    BoxView view;
    bool popup = false;
    bool popupBody = false;
    COLORREF body = 0;
    DWORD exitCode = 0;
    bool exited = false;
};

// Runs a copy of the host program named exeName beside NelWnd.dll, opens
// the help of its No button, then presses No.
HostRun RunHost(const TempDir& dir, const std::wstring& exeName)
{
    HostRun out;
    const std::wstring exe = dir / exeName;
    if (!CopyFileW(BinFile(L"MsgBoxHost.exe").c_str(), exe.c_str(), FALSE) ||
        !CopyFileW(BinFile(L"NelWnd.dll").c_str(), (dir / L"NelWnd.dll").c_str(), FALSE))
        return out;
    ChildProcess child;
    if (!child.Start(exe))
        return out;
    HWND box = WaitForBox(child.Pid(), L"MsgBoxHost caption");
    out.found = box != nullptr;
    if (box) {
        out.view = ReadBox(box);
        HWND no = GetDlgItem(box, SlotId(2));
        RECT r;
        GetWindowRect(no, &r);
        PostMessageW(box, WM_CONTEXTMENU, (WPARAM)no, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        HWND popup = WaitForPopup(5000, child.Pid());
        out.popup = popup != nullptr;
        if (popup) {
            RECT c;
            GetClientRect(popup, &c);
            POINT inBody = {4, c.bottom / 2};
            ClientToScreen(popup, &inBody);
            out.popupBody = WaitForScreenColour(inBody, kHostPopupBk, 3000, &out.body);
            PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            for (int i = 0; i < 150 && IsWindow(popup); ++i)
                Sleep(20);
        }
        PressSlot(box, 2);
    }
    out.exited = child.WaitExit(10000, &out.exitCode);
    return out;
}

TEST(MsgBoxPlatform, WideEntryPointRunsTheAnsiBoxOnWindows98WithConvertedTextsAndHelp)
{
    TempDir dir;
    VersionOverride win98(L"MsgBoxHost98.exe", L"win98");
    ASSERT_TRUE(win98.Ok());
    HostRun r = RunHost(dir, L"MsgBoxHost98.exe");
    ASSERT_TRUE(r.found) << "no box of the host under win98";
    EXPECT_FALSE(r.view.unicode) << "the wide class ran on the 9x family";
    EXPECT_EQ(L"MsgBoxHost caption", r.view.caption);
    EXPECT_TRUE(r.popup) << "help text of the No button was not converted";
    EXPECT_TRUE(r.popupBody) << "popup body 0x" << std::hex << r.body;
    EXPECT_TRUE(r.exited);
    EXPECT_EQ((DWORD)IDNO, r.exitCode);
}

TEST(MsgBoxPlatform, WideEntryPointRunsTheWideBoxOnNT)
{
    TempDir dir;
    HostRun r = RunHost(dir, L"MsgBoxHostNT.exe");
    ASSERT_TRUE(r.found);
    EXPECT_TRUE(r.view.unicode);
    EXPECT_TRUE(r.popup);
    EXPECT_TRUE(r.popupBody) << "popup body 0x" << std::hex << r.body;
    EXPECT_EQ((DWORD)IDNO, r.exitCode);
}

TEST(MsgBoxInstaller, VersionQuestionOfTheInstallerIsTheLibrarysBox)
{
    TempDir dir;
    const std::wstring exe = dir / L"TaviCurMiniInst.exe";
    ASSERT_TRUE(CopyFileW(BinFile(L"TaviCurMiniInst.exe").c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(BinFile(L"NelWnd.dll").c_str(), (dir / L"NelWnd.dll").c_str(), FALSE));
    ASSERT_TRUE(NelTest::WriteUtf16(dir / L"TaviCurMiniInst.nelcmi",
                                    L"[NelvoInfo]\r\nNelCMIFileVer=101\r\n[CurInfo]\r\nCurName=MsgBoxE2E\r\n"
                                    L"MutexName=MsgBoxE2EMutex\r\n"));
    ChildProcess child;
    ASSERT_TRUE(child.Start(exe));
    HWND box = WaitForBox(child.Pid(), L"エラー");
    ASSERT_NE(nullptr, box) << "no question box from the installer";
    BoxView v = ReadBox(box);
    // The library's dialog: picture and text statics, slots 1002 and 1005.
    EXPECT_NE(nullptr, GetDlgItem(box, 1003));
    EXPECT_NE(nullptr, GetDlgItem(box, 1004));
    const bool ja = JapaneseLayout();
    EXPECT_EQ(ja ? L"はい(&Y)" : L"&Yes", v.captions[0]);
    EXPECT_EQ(ja ? L"いいえ(&N)" : L"&No", v.captions[1]);
    EXPECT_FALSE(v.visible[2]);
    EXPECT_FALSE(v.hasCloseItem);
    PressSlot(box, 2);
    for (int i = 0; i < 250 && IsWindow(box); ++i)
        Sleep(20);
    EXPECT_FALSE(IsWindow(box)) << "No did not close the box";
    DWORD code = 0;
    EXPECT_TRUE(child.WaitExit(10000, &code)) << "the installer kept running after No";
}

} // namespace
