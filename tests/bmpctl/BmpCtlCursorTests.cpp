// Cursor files shown by the bitmap control: a .cur, a monochrome .cur and
// the first frame of an .ani, loaded the way the main dialog loads them.
#include "NelBmpCtl.h"
#include "BmpCtlTestUtil.h"
#include "TestFiles.h"
#include "WndTestUtil.h"
#include <gtest/gtest.h>

using namespace BmpCtlTest;
using NelTest::TempDir;
using NelTest::WriteBytes;

namespace {

const COLORREF kGreen = RGB(0, 160, 0), kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200);

class BmpCtlCursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, host.Control());
        ASSERT_TRUE(ctl.HookDlgItem(1000, host.Window(), nullptr));
    }
    void TearDown() override
    {
        if (cursor)
            DestroyCursor(cursor);
    }
    // Writes the bytes as a file of the name and loads it as a cursor.
    HCURSOR Load(const wchar_t* name, const std::string& bytes)
    {
        std::wstring path = dir / name;
        if (!WriteBytes(path, bytes))
            return nullptr;
        cursor = static_cast<HCURSOR>(LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
        return cursor;
    }

    TempDir dir;
    Host host;
    CNelBmpCtl ctl;
    HCURSOR cursor = nullptr;
};

} // namespace

TEST_F(BmpCtlCursor, CurFileIsShownAtItsSize)
{
    ASSERT_NE(nullptr, Load(L"arrow.cur", CursorFile(32, kBlue)));
    ASSERT_TRUE(ctl.SetIcon(cursor, 0));
    EXPECT_EQ(32, ctl.m_cx);
    EXPECT_EQ(32, ctl.m_cy);
    EXPECT_TRUE(ctl.FitToImage());
    EXPECT_EQ(32, host.Size().cx);
    EXPECT_EQ(kBlue, host.PaintedAt(16, 16));
    EXPECT_EQ(kBlue, host.PaintedAt(31, 31));
}

TEST_F(BmpCtlCursor, MonochromeCurFileHasASizeToo)
{
    ASSERT_NE(nullptr, Load(L"mono.cur", CursorFile(32, 0, true)));
    ASSERT_TRUE(ctl.SetIcon(cursor, 0)) << "a cursor without colour bitmap is sized from its mask";
    EXPECT_EQ(32, ctl.m_cx);
    EXPECT_EQ(32, ctl.m_cy);
    EXPECT_EQ(RGB(255, 255, 255), host.PaintedAt(10, 10));
}

TEST_F(BmpCtlCursor, AniFileShowsTheRequestedFrameAndDoesNotAnimate)
{
    for (bool withSequence : {false, true}) {
        SCOPED_TRACE(withSequence ? "with rate and seq chunks" : "frames only");
        if (cursor)
            DestroyCursor(cursor);
        std::string ani = AnimatedCursorFile({CursorFile(32, kGreen), CursorFile(32, kRed)}, withSequence);
        ASSERT_NE(nullptr, Load(withSequence ? L"seq.ani" : L"busy.ani", ani));
        ASSERT_TRUE(ctl.SetIcon(cursor, 0));
        EXPECT_EQ(0, ctl.m_nIndex);
        EXPECT_EQ(32, ctl.m_cx);
        EXPECT_EQ(32, ctl.m_cy);
        EXPECT_EQ(kGreen, host.PaintedAt(16, 16)) << "frame 0";
        // The control does not step the animation itself: still frame 0
        // after the cursor's rate has passed several times (10 jiffies).
        DWORD until = GetTickCount() + 500;
        MSG msg;
        while (GetTickCount() < until)
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            else
                Sleep(10);
        EXPECT_EQ(kGreen, host.PaintedAt(16, 16)) << "still frame 0";
        ASSERT_TRUE(ctl.SetIcon(cursor, 1));
        EXPECT_EQ(kRed, host.PaintedAt(16, 16)) << "frame 1 when asked for";
    }
}

TEST_F(BmpCtlCursor, SettingAndPaintingPicturesLeavesNoGdiObjectBehind)
{
    ASSERT_NE(nullptr, Load(L"arrow.cur", CursorFile(32, kBlue)));
    HBITMAP bitmap = SolidBitmap(16, 16, kRed);
    HBITMAP mask = MaskBitmap(16, 16, true);
    ctl.SetIcon(cursor, 0);
    host.PaintedAt(1, 1);
    // The shell builds its image lists on first use; they stay.
    CNelBmpCtl fileIcon;
    Host third(1002, 180);
    ASSERT_TRUE(fileIcon.HookDlgItem(1002, third.Window(), nullptr));
    for (BOOL smallIcon : {FALSE, TRUE}) {
        ASSERT_TRUE(fileIcon.SetFileIcon(dir.Path().c_str(), smallIcon));
        third.PaintedAt(1, 1);
    }
    CNelBmpCtl bitmapOnly;
    Host other(1001, 100);
    ASSERT_TRUE(bitmapOnly.HookDlgItem(1001, other.Window(), nullptr));
    // Round 0 lets the windows get their device contexts; from then on the
    // count must stay put.
    int before = -1;
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(ctl.SetIcon(cursor, 0));  // hands out two bitmaps each time
        host.PaintedAt(1, 1);
        EXPECT_TRUE(bitmapOnly.SetBitmap(bitmap, mask));
        other.PaintedAt(1, 1);
        EXPECT_TRUE(fileIcon.SetFileIcon(dir.Path().c_str(), i % 2));
        third.PaintedAt(1, 1);
        if (i == 1) {
            before = NelTest::GdiObjectCount();
            ASSERT_GT(before, 0) << "GDI objects cannot be counted here";
        }
    }
    EXPECT_EQ(before, NelTest::GdiObjectCount());
    DeleteObject(bitmap);
    DeleteObject(mask);
}
