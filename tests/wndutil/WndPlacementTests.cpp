// Centring, keeping windows inside the work area and the desktop rectangle
// without the taskbar, through both twins of each function.
#include <memory>
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {

struct Twin {
    const char* name;
    BOOL(WINAPI* centre)(HWND);
    BOOL(WINAPI* inDesktop)(HWND);
    BOOL(WINAPI* desktopRect)(RECT*, int);
};
const Twin kTwins[] = {
    {"W", Lib::NelCenterWindowW, Lib::NelWindowInDesktopW, Lib::NelGetDesktopRectW},
    {"A", Lib::NelCenterWindowA, Lib::NelWindowInDesktopA, Lib::NelGetDesktopRectA},
};
const DWORD kPopup = WS_POPUP | WS_BORDER;
const RECT kSentinel = {-7, -7, -7, -7};

class WindowPlacement : public WindowTest {};

// Centres a window of the given size on an owner at ownerRect (none when
// empty) and returns where it ended up.
RECT Centre(const Twin& twin, const RECT& ownerRect, int cx, int cy, BOOL* result)
{
    std::unique_ptr<TestWindow> owner;
    if (!IsRectEmpty(&ownerRect))
        owner.reset(new TestWindow(kPopup, ownerRect));
    TestWindow box(kPopup, MakeRect(3, 3, cx, cy), owner ? owner->hwnd() : nullptr);
    *result = twin.centre(box.hwnd());
    if (owner) {
        EXPECT_EQ(ownerRect, owner->Rect()) << "the owner moved";
    }
    return box.Rect();
}

} // namespace

TEST_F(WindowPlacement, CentresOnOwnerOrDesktopAndPullsIntoTheWorkArea)
{
    RECT work = PrimaryWorkArea(), desk = DesktopRect(), none = {};
    int deskCx = desk.right - desk.left, deskCy = desk.bottom - desk.top;
    int wide = work.right - work.left + 76;
    struct Case {
        const char* what;
        RECT owner;
        int cx, cy;
        POINT expected;
    } cases[] = {
        // 400/2 - 151/2 = 125, not (400 - 151)/2 = 124; 300/2 - 101/2 = 100.
        {"halves truncated separately", MakeRect(100, 120, 400, 300), 151, 101, {225, 220}},
        {"100 and 51 give 25", MakeRect(200, 200, 100, 80), 51, 41, {225, 220}},
        // (301 - 200)/2 = 50 out on the left, (151 - 100)/2 = 25 out at the top.
        {"wider than the owner", MakeRect(300, 300, 200, 100), 301, 151, {250, 275}},
        {"no owner: the desktop", none, 301, 201,
         {desk.left + deskCx / 2 - 150, desk.top + deskCy / 2 - 100}},
        {"crossing the work area's far edges", MakeRect(work.right - 100, work.bottom - 75, 200, 150),
         300, 200, {work.right - 300, work.bottom - 200}},
        {"wider than the work area", none, wide, 100, {work.left, desk.top + deskCy / 2 - 50}},
    };
    for (const Twin& twin : kTwins) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + ": " + c.what);
            BOOL result = FALSE;
            RECT at = Centre(twin, c.owner, c.cx, c.cy, &result);
            EXPECT_TRUE(result);
            EXPECT_EQ(MakeRect(c.expected.x, c.expected.y, c.cx, c.cy), at);
        }
        EXPECT_FALSE(twin.centre(DestroyedWindow())) << twin.name;
    }
}

TEST_F(WindowPlacement, KeepsWindowsInsideTheWorkAreaAndReportsOnlyRealMoves)
{
    RECT w = PrimaryWorkArea();
    int workCx = w.right - w.left, workCy = w.bottom - w.top;
    struct Case {
        const char* what;
        RECT start, expected;
    } cases[] = {
        {"inside", MakeRect(w.left + 10, w.top + 10, 200, 100), MakeRect(w.left + 10, w.top + 10, 200, 100)},
        {"in the far corner", MakeRect(w.right - 200, w.bottom - 100, 200, 100),
         MakeRect(w.right - 200, w.bottom - 100, 200, 100)},
        {"past right and bottom", MakeRect(w.right - 150, w.bottom - 40, 200, 100),
         MakeRect(w.right - 200, w.bottom - 100, 200, 100)},
        {"past left and top", MakeRect(w.left - 50, w.top - 30, 200, 100), MakeRect(w.left, w.top, 200, 100)},
        {"past right only", MakeRect(w.right - 1, w.top + 40, 200, 100), MakeRect(w.right - 200, w.top + 40, 200, 100)},
        {"larger than the work area", MakeRect(w.left + 5, w.top + 7, workCx + 40, workCy + 30),
         MakeRect(w.left, w.top, workCx + 40, workCy + 30)},
    };
    for (const Twin& twin : kTwins) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + ": " + c.what);
            TestWindow box(kPopup, c.start);
            EXPECT_EQ(!(c.start == c.expected), twin.inDesktop(box.hwnd()) != FALSE);
            EXPECT_EQ(c.expected, box.Rect());
        }
        EXPECT_FALSE(twin.inDesktop(DestroyedWindow())) << twin.name;
        EXPECT_FALSE(twin.inDesktop(nullptr)) << twin.name;
    }
}

TEST_F(WindowPlacement, DesktopRectLeavesOutOnlyATaskbarThatSpansAWholeEdge)
{
    RECT d = DesktopRect();
    int cx = d.right - d.left, cy = d.bottom - d.top;
    struct Case {
        const char* what;
        int exclude;
        RECT bar, expected;
    } cases[] = {
        {"bottom", 1, MakeRect(d.left, d.bottom - 40, cx, 40), MakeRect(d.left, d.top, cx, cy - 40)},
        {"left", 1, MakeRect(d.left, d.top, 60, cy), MakeRect(d.left + 60, d.top, cx - 60, cy)},
        {"top, reaching past the desktop", 1, MakeRect(d.left - 2, d.top - 2, cx + 4, 32),
         MakeRect(d.left, d.top + 30, cx, cy - 30)},
        {"half the bottom edge", 1, MakeRect(d.left, d.bottom - 40, cx / 2, 40), d},
        {"hidden, empty", 1, MakeRect(0, 0, 0, 0), d},
        // Only the value 1 leaves the taskbar out.
        {"bottom, excludeTaskbar 0", 0, MakeRect(d.left, d.bottom - 40, cx, 40), d},
        {"bottom, excludeTaskbar 2", 2, MakeRect(d.left, d.bottom - 40, cx, 40), d},
        {"bottom, excludeTaskbar -1", -1, MakeRect(d.left, d.bottom - 40, cx, 40), d},
    };
    for (const Twin& twin : kTwins) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(twin.name) + ": taskbar " + c.what);
            TestWindow bar(WS_POPUP, c.bar, nullptr, true);
            ASSERT_EQ(bar.hwnd(), FindWindowW(L"Shell_TrayWnd", nullptr)) << "the test's taskbar is found first";
            RECT out = kSentinel;
            EXPECT_TRUE(twin.desktopRect(&out, c.exclude));
            EXPECT_EQ(c.expected, out);
        }
        // Nothing left of the desktop: failure, and the output is not written.
        TestWindow bar(WS_POPUP, d, nullptr, true);
        RECT out = kSentinel;
        EXPECT_FALSE(twin.desktopRect(&out, 1)) << twin.name;
        EXPECT_EQ(kSentinel, out) << twin.name;
        EXPECT_FALSE(twin.desktopRect(nullptr, 0)) << twin.name;
    }
}
