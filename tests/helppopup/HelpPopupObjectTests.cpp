// The popup object itself: copies own their text buffer and font, a
// quitting thread takes the popup down with it and still quits, and a
// popup ended with EndDialog closes like any other.
#include <gtest/gtest.h>
#include "HelpPopupTestRes.h"
#include "HelpPopupTestUtil.h"

using namespace HpTest;

namespace {

const POINT kPos = {300, 200};

// Exposes the members a copy must not share.
class PeekPopup : public CNelHelpPopupWndW {
public:
    using CNelHelpPopupWndW::CNelHelpPopupWndW;
    HFONT CreatedFont() const { return m_hCreatedFont; }
    const wchar_t* Buffer() const { return m_mes.m_pBuff; }
    const wchar_t* Text() const { return m_mes.m_pszMes; }
    HWND Window() const { return m_hWnd; }
};

// Runs a popup with a loaded string and a created font, closed by Escape.
void ShowLoaded(PeekPopup& popup, tagNEL_HELPPOPUPWND_DATAW& data)
{
    PopupDriver driver([&](HWND p) {
        if (!p)
            return false;
        PostKey(p, VK_ESCAPE);
        return true;
    });
    EXPECT_EQ(1, popup.ShowDlg(&data));
    EXPECT_FALSE(driver.TimedOut());
}

TEST(HelpPopupObject, CopiesOwnTheirTextAndFont)
{
    tagNEL_HELPPOPUPWND_DATAW data = {nullptr, IDS_HP_PATTERN(600), nullptr, &kPos,
                                      nullptr, nullptr, nullptr, nullptr, 0};
    PeekPopup source;
    ShowLoaded(source, data);
    ASSERT_NE(nullptr, source.CreatedFont()) << "no icon-title font was made";
    ASSERT_NE(nullptr, source.Buffer());
    const std::wstring expected = PatternText(600);
    {
        PeekPopup copy(source);
        EXPECT_NE(source.CreatedFont(), copy.CreatedFont());
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(copy.CreatedFont()));
        EXPECT_NE(source.Buffer(), copy.Buffer());
        EXPECT_EQ(copy.Buffer(), copy.Text()) << "the copy must draw its own buffer";
        EXPECT_TRUE(expected == copy.Text());
        EXPECT_EQ(nullptr, copy.Window());
        EXPECT_EQ(source.GetResult(), copy.GetResult());
    }
    // The copy is gone; the source's font and text are intact.
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(source.CreatedFont()));
    EXPECT_TRUE(expected == source.Text());

    PeekPopup target;
    tagNEL_HELPPOPUPWND_DATAW other = {nullptr, IDS_HP_SHORT, nullptr, &kPos,
                                       nullptr, nullptr, nullptr, nullptr, 0};
    ShowLoaded(target, other);
    HFONT targetFont = target.CreatedFont();
    ASSERT_NE(nullptr, targetFont);
    target = source;
    EXPECT_EQ(0u, GetObjectType(targetFont)) << "the replaced font was not deleted";
    EXPECT_NE(source.CreatedFont(), target.CreatedFont());
    EXPECT_NE(source.Buffer(), target.Buffer());
    EXPECT_TRUE(expected == target.Text());
    target = target; // self-assignment keeps everything
    EXPECT_TRUE(expected == target.Text());
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(target.CreatedFont()));
}

TEST(HelpPopupObject, TheCallersFontIsUsedAndNeverDeleted)
{
    TestFont font(15);
    tagNEL_HELPPOPUPWND_DATAW data = {L"Caller font", 0, nullptr, &kPos,
                                      nullptr, nullptr, font.get(), nullptr, 0};
    HFONT used = nullptr;
    {
        PeekPopup popup;
        PopupDriver driver([&](HWND p) {
            if (!p)
                return false;
            used = reinterpret_cast<HFONT>(SendMessageW(TextControl(p), WM_GETFONT, 0, 0));
            PostKey(p, VK_ESCAPE);
            return true;
        });
        EXPECT_EQ(1, popup.ShowDlg(&data));
        EXPECT_EQ(nullptr, popup.CreatedFont());
    }
    EXPECT_EQ(font.get(), used);
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(font.get()));
}

TEST(HelpPopupObject, AQuitMessageTakesThePopupDownAndIsPassedOn)
{
    HWND seen = nullptr;
    int result = -1;
    {
        PopupDriver driver([&](HWND p) {
            if (!p)
                return false;
            seen = p;
            PostQuitMessage(7);
            return true;
        });
        result = Lib::NelHelpPopupWndW(L"Quitting thread", &kPos, nullptr, nullptr, nullptr);
        EXPECT_FALSE(driver.TimedOut());
    }
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen)) << "the popup outlived its call";
    EXPECT_EQ(0, result) << "the popup never recorded a close";
    MSG msg = {};
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was lost";
    EXPECT_EQ(7u, msg.wParam);
}

TEST(HelpPopupObject, EndDialogClosesAndDestroysThePopup)
{
    tagNEL_HELPPOPUPWND_DATAW data = {L"Ended with EndDialog", 0, nullptr, &kPos,
                                      nullptr, nullptr, nullptr, nullptr, 1};
    HWND seen = nullptr;
    PeekPopup popup;
    PopupDriver driver([&](HWND p) {
        if (!p)
            return false;
        seen = p;
        PostMessageW(p, WM_KEYUP, VK_ESCAPE, 0xC0000001u);
        return true;
    });
    EXPECT_EQ(1, popup.ShowDlg(&data));
    EXPECT_FALSE(driver.TimedOut()) << "the loop did not notice the ended dialog";
    EXPECT_EQ(1, popup.GetResult());
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen));
}

TEST(HelpPopupObject, ShowDlgWithoutARequestShowsNothing)
{
    CNelHelpPopupWndW popup;
    EXPECT_EQ(0, popup.ShowDlg(nullptr));
    EXPECT_EQ(0, popup.GetResult());
}

} // namespace
