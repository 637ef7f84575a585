// The hooked button, run by XPBtnTests under a Windows 2000 version
// override: subclassing, hot and pressed tracking with the mouse capture,
// and what OnPaint puts on the screen in each situation.
#include "XPBtn/NelXPBtn.h"
#include "XPBtnTestUtil.h"
#include "WndTestUtil.h"
#include <gtest/gtest.h>
#include <iomanip>
#include <memory>
#include <sstream>

using namespace XPBtnTest;

namespace {

std::string Hex(COLORREF c)
{
    std::ostringstream s;
    s << "0x" << std::hex << std::setw(6) << std::setfill('0') << c;
    return s.str();
}

// A host window with button 1002 taken over, a recorder on top of the
// button's new procedure, and the cursor parked outside.
class HookedButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<Host>(1002, L"");
        ASSERT_NE(nullptr, host->Button());
        // The procedure as the build's own (wide or multibyte) call sees it.
#ifdef NEL_INSTALLER_BUILD
        original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host->Button(), GWLP_WNDPROC));
#else
        original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(host->Button(), GWLP_WNDPROC));
#endif
        SetCursorTo(host->OutsideButton());
        ASSERT_TRUE(btn.HookDlgItem(1002, host->Window(), nullptr));
        recorder = std::make_unique<Recorder>(host->Button());
        DrainMessages();
    }
    void TearDown() override
    {
        recorder.reset();
        if (GetCapture())
            ReleaseCapture();
        host.reset();
        DrainMessages();
    }
    void SetCursorTo(POINT pt) { SetCursorPos(pt.x, pt.y); }
    // A mouse message as the system would send it, with the cursor at pt.
    LRESULT Mouse(UINT msg, POINT pt, WPARAM keys = 0)
    {
        SetCursorTo(pt);
        ScreenToClient(host->Button(), &pt);
        return SendMessageW(host->Button(), msg, keys, MAKELPARAM(pt.x, pt.y));
    }
    // The painted colour of the inner top strip's middle, which tells the
    // states apart (highlight normal, accents when hot or focused, the
    // face-shadow blend when pressed, the light blend when disabled).
    COLORREF TopStrip() { return WindowPixel(host->Button(), 50, 2); }
    COLORREF Face() { return WindowPixel(host->Button(), 50, 12); }

    std::unique_ptr<Host> host;
    CNelXPBtn btn;
    WNDPROC original = nullptr;
    std::unique_ptr<Recorder> recorder;
};

} // namespace

TEST(Win2kHost, RunsAsWindows2000)
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(5u, info.dwMajorVersion);
    EXPECT_EQ(0u, info.dwMinorVersion);
    EXPECT_FALSE(CNelXPBtn::IsThemeOS());
}

TEST_F(HookedButton, SubclassesMarksOwnerDrawnAndStoresItself)
{
    EXPECT_TRUE(btn.m_bHooked);
    EXPECT_EQ(original, btn.m_pfnOldProc);
    EXPECT_EQ(GetModuleHandleW(nullptr), btn.m_hInst) << "null module means the program's";
    EXPECT_EQ(0xBu, GetWindowLongW(host->Button(), GWL_STYLE) & 0xFu) << "BS_OWNERDRAW";
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&btn), GetWindowLongPtrW(host->Button(), GWLP_USERDATA));
    EXPECT_FALSE(btn.m_bHot);
    EXPECT_FALSE(btn.m_bPressed);
    RedrawWindow(host->Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(1, recorder->Count(WM_PAINT));
    EXPECT_EQ(Hex(ExpectedFor(0).innerTL), Hex(TopStrip())) << "painted in the normal state";
    EXPECT_EQ(Hex(ExpectedFor(0).inner), Hex(Face()));
}

TEST_F(HookedButton, CursorOnMakesHotOnceCursorOffClearsAndReleasesTheCapture)
{
    Mouse(WM_MOUSEMOVE, host->OverButton());
    EXPECT_TRUE(btn.m_bHot);
    EXPECT_EQ(host->Button(), GetCapture());
    EXPECT_EQ(1, recorder->Count(WM_PAINT)) << "one repaint on becoming hot";
    EXPECT_EQ(Hex(ExpectedFor(6).accentTop), Hex(TopStrip()));
    Mouse(WM_MOUSEMOVE, host->OverButton());
    EXPECT_EQ(1, recorder->Count(WM_PAINT)) << "no repaint while staying hot";

    recorder->Reset();
    Mouse(WM_MOUSEMOVE, host->OutsideButton());
    EXPECT_FALSE(btn.m_bHot);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(1, recorder->Count(WM_PAINT)) << "one repaint on leaving";
    EXPECT_EQ(Hex(ExpectedFor(0).innerTL), Hex(TopStrip()));
}

TEST_F(HookedButton, SetCursorTracksLikeMouseMoveAndGivesTheCaptureBack)
{
    HWND other = host->Window();
    SetCapture(other);
    POINT over = host->OverButton();
    SetCursorTo(over);
    SendMessageW(host->Button(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host->Button()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_TRUE(btn.m_bHot);
    EXPECT_EQ(host->Button(), GetCapture());
    EXPECT_EQ(other, btn.m_hPrevCapture);
    EXPECT_EQ(1, recorder->Count(WM_PAINT));

    SetCursorTo(host->OutsideButton());
    SendMessageW(host->Button(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host->Button()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_FALSE(btn.m_bHot);
    EXPECT_EQ(other, GetCapture()) << "the capture goes back to its previous holder";
    EXPECT_EQ(2, recorder->Count(WM_PAINT));
}

TEST_F(HookedButton, LeavingWithTheLeftButtonHeldKeepsTheCapture)
{
    Mouse(WM_MOUSEMOVE, host->OverButton());
    ASSERT_EQ(host->Button(), GetCapture());
    KeysDown held({VK_LBUTTON});
    Mouse(WM_MOUSEMOVE, host->OutsideButton(), MK_LBUTTON);
    EXPECT_FALSE(btn.m_bHot);
    EXPECT_EQ(host->Button(), GetCapture());
}

TEST_F(HookedButton, PressDragOffAndBackPressesAgainAndReleaseClicks)
{
    Mouse(WM_MOUSEMOVE, host->OverButton());
    {
        KeysDown held({VK_LBUTTON});
        Mouse(WM_LBUTTONDOWN, host->OverButton(), MK_LBUTTON);
        EXPECT_TRUE(btn.m_bPressed);
        EXPECT_EQ(Hex(ExpectedFor(1).innerTL), Hex(TopStrip())) << "pressed look";
        EXPECT_EQ(Hex(ExpectedFor(1).inner), Hex(Face()));

        Mouse(WM_MOUSEMOVE, host->OutsideButton(), MK_LBUTTON);
        EXPECT_FALSE(btn.m_bHot);
        EXPECT_EQ(host->Button(), GetCapture()) << "capture kept while the button is held";
        EXPECT_EQ(Hex(ExpectedFor(0).inner), Hex(Face())) << "not pressed while off the button";

        recorder->Reset();
        Mouse(WM_MOUSEMOVE, host->OverButton(), MK_LBUTTON);
        EXPECT_EQ(1, recorder->Count(WM_LBUTTONDOWN)) << "the press is sent again";
        EXPECT_TRUE(btn.m_bHot);
        EXPECT_EQ(Hex(ExpectedFor(1).inner), Hex(Face())) << "pressed look returns";
    }
    EXPECT_EQ(1, Mouse(WM_LBUTTONUP, host->OverButton()));
    EXPECT_FALSE(btn.m_bPressed);
    EXPECT_EQ(nullptr, GetCapture());
    ASSERT_EQ(1u, host->commands.size()) << "one click reported";
    EXPECT_EQ(MAKEWPARAM(1002, BN_CLICKED), host->commands[0]);
}

TEST_F(HookedButton, ButtonUpWithoutCaptureOnlyClearsPressed)
{
    btn.m_bPressed = TRUE;
    Mouse(WM_RBUTTONUP, host->OutsideButton());
    EXPECT_FALSE(btn.m_bPressed);
    EXPECT_TRUE(host->commands.empty());
    EXPECT_EQ(0, recorder->Count(WM_PAINT));
}

TEST_F(HookedButton, DoubleClickIsASecondPressRightDoubleClickIsNot)
{
    Mouse(WM_MOUSEMOVE, host->OverButton());
    recorder->Reset();
    EXPECT_EQ(0, Mouse(WM_LBUTTONDBLCLK, host->OverButton(), MK_LBUTTON));
    EXPECT_EQ(1, recorder->Count(WM_LBUTTONDOWN));
    EXPECT_TRUE(btn.m_bPressed);
    recorder->Reset();
    EXPECT_EQ(0, Mouse(WM_RBUTTONDBLCLK, host->OverButton(), MK_RBUTTON));
    EXPECT_EQ(0, recorder->Count(WM_RBUTTONDOWN) + recorder->Count(WM_LBUTTONDOWN));
    EXPECT_EQ(0, recorder->Count(WM_PAINT));
    EXPECT_EQ(host->Window(), GetForegroundWindow()) << "the owner is in front";
}

TEST_F(HookedButton, SpaceKeyShowsThePressedLook)
{
    KeysDown held({VK_SPACE});
    RedrawWindow(host->Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Hex(ExpectedFor(1).inner), Hex(Face()));
    EXPECT_EQ(Hex(ExpectedFor(1).innerTL), Hex(TopStrip()));
}

TEST_F(HookedButton, FocusShowsTheFocusAccentAndRepaints)
{
    SetFocus(host->Button());
    ASSERT_EQ(host->Button(), GetFocus());
    EXPECT_GE(recorder->Count(WM_PAINT), 1);
    EXPECT_EQ(Hex(ExpectedFor(5).accentTop), Hex(TopStrip()));
    // The focus mark's first dot, right of the face's top-left corner.
    COLORREF top = ExpectedFor(5).accentTop;
    EXPECT_EQ(Hex(Darker(top, 126)), Hex(WindowPixel(host->Button(), 4, 3)));
    EXPECT_EQ(Hex(top), Hex(WindowPixel(host->Button(), 5, 3)));
}

TEST_F(HookedButton, DisabledButtonGreyDisabledDialogPlain)
{
    EnableWindow(host->Button(), FALSE);
    EXPECT_GE(recorder->Count(WM_PAINT), 1) << "WM_ENABLE repaints";
    EXPECT_EQ(Hex(ExpectedFor(9).inner), Hex(Face()));
    EXPECT_EQ(Hex(ExpectedFor(9).outline), Hex(WindowPixel(host->Button(), 50, 1)));
    EnableWindow(host->Window(), FALSE);
    RedrawWindow(host->Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Hex(ExpectedFor(0).inner), Hex(Face())) << "a disabled dialog shows state 0";
    EXPECT_EQ(Hex(ExpectedFor(0).outline), Hex(WindowPixel(host->Button(), 50, 1)));
    EnableWindow(host->Window(), TRUE);
}

TEST_F(HookedButton, NewCaptionIsPaintedAtOnce)
{
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    auto textPixels = [&]() {
        int n = 0;
        for (int y = 3; y < 27; ++y)
            for (int x = 3; x < 97; ++x)
                n += WindowPixel(host->Button(), x, y) == text;
        return n;
    };
    EXPECT_EQ(0, textPixels());
    recorder->Reset();
    SetWindowTextW(host->Button(), L"WWW");
    EXPECT_EQ(1, recorder->Count(WM_PAINT));
    EXPECT_GT(textPixels(), 10);
}

TEST_F(HookedButton, TrackingAndPaintingLeaveNoGdiObjectBehind)
{
    SetWindowTextW(host->Button(), L"Leak?");
    SetFocus(host->Button());
    // One round first, so that objects the system creates once are there.
    Mouse(WM_MOUSEMOVE, host->OverButton());
    Mouse(WM_MOUSEMOVE, host->OutsideButton());
    const int before = NelTest::GdiObjectCount();
    ASSERT_GT(before, 0) << "GDI objects cannot be counted here";
    for (int i = 0; i < 20; ++i) {
        Mouse(WM_MOUSEMOVE, host->OverButton());
        {
            KeysDown held({VK_LBUTTON});
            Mouse(WM_LBUTTONDOWN, host->OverButton(), MK_LBUTTON);
        }
        Mouse(WM_LBUTTONUP, host->OverButton());
        Mouse(WM_MOUSEMOVE, host->OutsideButton());
        EnableWindow(host->Button(), i % 2);
    }
    EnableWindow(host->Button(), TRUE);
    EXPECT_EQ(before, NelTest::GdiObjectCount());
    EXPECT_GE(recorder->Count(WM_PAINT), 80) << "every round repaints";
}
