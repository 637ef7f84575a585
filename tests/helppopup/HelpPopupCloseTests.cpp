// What closes a help popup (a click, a click on the text, Space, Escape,
// Enter, losing activation, its owner going away) and what does not (other
// keys, the release of the click that opened it).
#include <gtest/gtest.h>
#include "HelpPopupTestUtil.h"

using namespace HpTest;

namespace {

const POINT kPos = {300, 200};

// Shows a popup, runs act once it is up, and reports the entry point's
// result and whether the driver had to close the popup itself.
struct CloseRun {
    int result = -1;
    bool timedOut = false;
};

CloseRun RunWith(const std::function<void(HWND)>& act)
{
    CloseRun run;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        act(popup);
        return true;
    });
    run.result = Lib::NelHelpPopupWndW(L"Close me", &kPos, nullptr, nullptr, nullptr);
    run.timedOut = driver.TimedOut();
    return run;
}

struct CloseCase {
    const char* name;
    std::function<void(HWND)> act;
};

TEST(HelpPopupClose, EachUserCloseRequestClosesWithResultOne)
{
    const CloseCase cases[] = {
        {"left-button release on the balloon",
         [](HWND p) { PostMessageW(p, WM_LBUTTONUP, 0, MAKELPARAM(3, 3)); }},
        {"click on the text",
         [](HWND p) {
             HWND text = TextControl(p);
             PostMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
             PostMessageW(text, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
         }},
        {"Space released", [](HWND p) { PostMessageW(p, WM_KEYUP, VK_SPACE, 0xC0000001u); }},
        {"Escape released", [](HWND p) { PostMessageW(p, WM_KEYUP, VK_ESCAPE, 0xC0000001u); }},
        {"Space pressed", [](HWND p) { PostKey(p, VK_SPACE); }},
        {"Escape pressed", [](HWND p) { PostKey(p, VK_ESCAPE); }},
        {"Enter pressed", [](HWND p) { PostKey(p, VK_RETURN); }},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        CloseRun run = RunWith(c.act);
        EXPECT_FALSE(run.timedOut) << "the popup stayed open";
        EXPECT_EQ(1, run.result);
        EXPECT_EQ(nullptr, FindPopup());
    }
}

TEST(HelpPopupClose, OtherKeysAndHelpRequestsLeaveItOpen)
{
    int phase = 0;
    bool openAfterKeys = false;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        if (phase == 0) {
            PostKey(popup, 'A');
            PostKey(popup, VK_F1);
            PostMessageW(popup, WM_KEYUP, VK_TAB, 0xC0000001u);
            phase = 1;
            return false;
        }
        if (phase < 5) { // a few ticks: every posted message has been handled
            ++phase;
            return false;
        }
        openAfterKeys = IsWindowVisible(popup) != FALSE;
        PostKey(popup, VK_ESCAPE);
        return true;
    });
    int result = Lib::NelHelpPopupWndW(L"Stay open", &kPos, nullptr, nullptr, nullptr);
    EXPECT_TRUE(openAfterKeys) << "closed by a key that should not close it";
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(1, result);
}

TEST(HelpPopupClose, ActivatingAnotherWindowClosesIt)
{
    RECT other = {600, 400, 800, 550};
    HWND otherWnd = nullptr;
    CloseRun run = RunWith([&](HWND) {
        otherWnd = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                   other.left, other.top, 200, 150, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(otherWnd);
        SetActiveWindow(otherWnd);
    });
    EXPECT_FALSE(run.timedOut) << "the popup stayed open after losing activation";
    EXPECT_EQ(1, run.result);
    if (otherWnd)
        DestroyWindow(otherWnd);
}

// The release of a left button that was already down over the spot where
// the popup opened belongs to the click that asked for help.
TEST(HelpPopupClose, FirstReleaseOfAButtonHeldAtOpeningIsIgnored)
{
    POINT cursor = {420, 300};
    ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
    // The popup's top edge lands 4 pixels above the pointer: the pointer is
    // over its top margin.
    POINT pos = {cursor.x, cursor.y - GetSystemMetrics(SM_CYCURSOR) / 2 - 4};

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = 0x80;
    SetKeyboardState(keys);

    int phase = 0;
    bool openAfterFirst = false;
    bool underPointer = false;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        POINT inside = cursor;
        ScreenToClient(popup, &inside);
        if (phase == 0) {
            RECT r = WindowRectOf(popup);
            underPointer = PtInRect(&r, cursor) != FALSE;
            BYTE up[256] = {};
            GetKeyboardState(up);
            up[VK_LBUTTON] = 0;
            SetKeyboardState(up);
            PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
            phase = 1;
            return false;
        }
        if (phase < 4) {
            ++phase;
            return false;
        }
        openAfterFirst = IsWindowVisible(popup) != FALSE;
        PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
        return true;
    });
    int result = Lib::NelHelpPopupWndW(L"Opened by a held click", &pos, nullptr, nullptr, nullptr);
    keys[VK_LBUTTON] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(underPointer) << "test set-up: the pointer is not over the popup";
    EXPECT_TRUE(openAfterFirst) << "the first release closed the popup";
    EXPECT_FALSE(driver.TimedOut()) << "the second release did not close it";
    EXPECT_EQ(1, result);
}

TEST(HelpPopupClose, AHeldButtonAwayFromThePopupDoesNotProtectIt)
{
    ASSERT_TRUE(SetCursorPos(50, 700));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = 0x80;
    SetKeyboardState(keys);
    CloseRun run = RunWith([&](HWND p) {
        BYTE up[256] = {};
        GetKeyboardState(up);
        up[VK_LBUTTON] = 0;
        SetKeyboardState(up);
        PostMessageW(p, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    });
    keys[VK_LBUTTON] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(run.timedOut) << "the first release did not close the popup";
    EXPECT_EQ(1, run.result);
}

class HelpPopupOwner : public ::testing::Test {
protected:
    // Shows a popup from an active window of this process (which the popup
    // takes as its owner), runs act on the owner once the popup is up, and
    // reports how long the popup stayed after that.
    void RunAndAct(const std::function<void(HWND owner)>& act, long maxDelayMs)
    {
        RECT rect = {100, 100, 500, 400};
        TopWindow owner(rect);
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == owner.hwnd(); }, 3000))
            << "the owner window did not become the foreground window";
        HWND ownerSeen = nullptr;
        int ticksOpen = 0;
        PopupDriver driver([&](HWND popup) {
            if (!popup)
                return false;
            ownerSeen = GetWindow(popup, GW_OWNER);
            if (++ticksOpen < 8) // stays up while the owner is there
                return false;
            act(owner.hwnd());
            return true;
        });
        int result = Lib::NelHelpPopupWndW(L"Owned help", &kPos, nullptr, nullptr, nullptr);
        long delay = driver.CloseDelay();
        EXPECT_EQ(owner.hwnd(), ownerSeen) << "the foreground window of this process owns the popup";
        EXPECT_FALSE(driver.TimedOut()) << "the popup outlived its owner";
        EXPECT_EQ(1, result);
        EXPECT_GE(delay, 0) << "the owner was never acted on";
        EXPECT_LE(delay, maxDelayMs) << "closing took too long after the owner went";
    }
};

TEST_F(HelpPopupOwner, HidingTheOwnerClosesThePopupWithinTheOwnerCheck)
{
    RunAndAct([](HWND owner) {
        SetWindowPos(owner, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }, 600);
}

TEST_F(HelpPopupOwner, DestroyingTheOwnerClosesThePopupAndCountsAsClosed)
{
    RunAndAct([](HWND owner) { DestroyWindow(owner); }, 600);
}

TEST(HelpPopupOwnerCheck, ARequestOwnerThatIsHiddenClosesThePopup)
{
    RECT rect = {600, 100, 800, 300};
    TopWindow owner(rect, false);
    tagNEL_HELPPOPUPWND_DATAW data = {L"Owner from the request", 0, nullptr, &kPos,
                                      nullptr, nullptr, nullptr, owner.hwnd(), 0};
    CNelHelpPopupWndW popupObj;
    int ticks = 0;
    PopupDriver driver([&](HWND popup) {
        if (!popup)
            return false;
        if (++ticks < 5)
            return false;
        ShowWindow(owner.hwnd(), SW_HIDE);
        return true;
    });
    EXPECT_EQ(1, popupObj.ShowDlg(&data));
    long delay = driver.CloseDelay();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(1, popupObj.GetResult());
    EXPECT_GE(delay, 0) << "the owner was never hidden";
    EXPECT_LE(delay, 600) << "closing took too long after the owner was hidden";
}

} // namespace
