// Texts from string resources, help records, the help popup a right click
// on a button opens, and copying box objects.
#include <gtest/gtest.h>
#include "MsgBox/NelMsgBox.h"
#include "MsgBoxTestRes.h"
#include "MsgBoxEntry.h"
#include "MsgBoxTestUtil.h"

using namespace MsgBoxTest;

namespace {

const COLORREF kPopupBk = RGB(16, 200, 48);
const COLORREF kPopupText = RGB(200, 0, 0);

tagNEL_MSGBOX_HELPDATAR ResourceHelp(UINT flags)
{
    return tagNEL_MSGBOX_HELPDATAR{flags, IDS_MB_HELP1, IDS_MB_HELP2, IDS_MB_HELP3, IDS_MB_HELP4,
                                   kPopupBk, kPopupText, nullptr};
}

TEST(MsgBoxResourceForm, LoadsTextsLongerThanTheFirstBufferCompletely)
{
    CNelMsgBoxW w(IDS_MB_LONG_TEXT, IDS_MB_CAPTION, MB_OK, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(IDS_MB_LONG_LENGTH, w.m_strText.GetLength());
    EXPECT_STREQ(L"MsgBoxRes caption", w.m_strCaption.t());
    EXPECT_EQ(1, w.m_bStrLoaded);
    CNelMsgBoxA a(IDS_MB_LONG_TEXT, IDS_MB_CAPTION, MB_OK, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(IDS_MB_LONG_LENGTH, a.m_strText.GetLength());
    EXPECT_STREQ("MsgBoxRes caption", a.m_strCaption.t());
}

TEST(MsgBoxResourceForm, EntryPointsShowTheLoadedCaption)
{
    for (int ansi = 0; ansi < 2; ++ansi) {
        RunResult r = RunBox(
            [&] {
                return ansi ? MsgBoxRA(IDS_MB_LONG_TEXT, IDS_MB_CAPTION, MB_OKCANCEL, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr)
                            : MsgBoxRW(IDS_MB_LONG_TEXT, IDS_MB_CAPTION, MB_OKCANCEL, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
            },
            L"MsgBoxRes caption", [](HWND box) { PressSlot(box, 2); });
        EXPECT_TRUE(r.found) << (ansi ? "NelMsgBoxRA" : "NelMsgBoxRW");
        EXPECT_EQ(IDCANCEL, r.result);
        EXPECT_EQ(ansi == 0, r.view.unicode);
    }
}

TEST(MsgBoxResourceForm, HelpFlags0x111LoadFourTextsAnd0x110NoneAtAll)
{
    tagNEL_MSGBOX_HELPDATAR on = ResourceHelp(0x111);
    CNelMsgBoxW box(IDS_MB_LONG_TEXT, 0, MB_OK, nullptr, nullptr, GetModuleHandleW(nullptr), &on);
    ASSERT_EQ(&box.m_helpData, box.m_pHelpData);
    EXPECT_STREQ(L"Help of the first button", box.m_helpData.lpszHelp1);
    EXPECT_STREQ(L"Help of the third button", box.m_helpData.lpszHelp3);
    EXPECT_STREQ(L"Fourth help text", box.m_helpData.lpszHelp4);
    EXPECT_EQ(kPopupBk, box.m_helpData.crPopupBk) << "background stays background";
    EXPECT_EQ(kPopupText, box.m_helpData.crPopupText);

    tagNEL_MSGBOX_HELPDATAR off = ResourceHelp(0x110);
    CNelMsgBoxW none(IDS_MB_LONG_TEXT, 0, MB_OK, nullptr, nullptr, GetModuleHandleW(nullptr), &off);
    EXPECT_EQ(nullptr, none.m_pHelpData);
    EXPECT_TRUE(none.m_strHelp[0].IsEmpty());
}

TEST(MsgBoxCopy, CopyKeepsItsOwnHelpTextsAfterTheSourceIsGone)
{
    tagNEL_MSGBOX_HELPDATAR on = ResourceHelp(0x111);
    CNelMsgBoxA* source =
        new CNelMsgBoxA(IDS_MB_LONG_TEXT, 0, MB_OK, nullptr, nullptr, GetModuleHandleW(nullptr), &on);
    CNelMsgBoxA copy(*source);
    delete source;
    ASSERT_EQ(&copy.m_helpData, copy.m_pHelpData);
    EXPECT_EQ(copy.m_strHelp[1].t(), copy.m_helpData.lpszHelp2);
    EXPECT_STREQ("Help of the second button", copy.m_helpData.lpszHelp2);
}

TEST(MsgBoxCopy, CreatedFontIsDeletedOnceByItsOwner)
{
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    ASSERT_NE(nullptr, font);
    CNelMsgBoxW* owner = new CNelMsgBoxW(L"t", L"c", MB_OK, nullptr, nullptr, nullptr);
    owner->m_hCreatedFont = font;
    owner->m_hFont = font;
    {
        CNelMsgBoxW copy(*owner);
        CNelMsgBoxW assigned(L"x", L"y", MB_OK, nullptr, nullptr, nullptr);
        assigned = *owner;
        EXPECT_EQ(font, copy.m_hFont);
        EXPECT_EQ(nullptr, copy.m_hCreatedFont);
    }
    EXPECT_EQ((DWORD)OBJ_FONT, GetObjectType(font)) << "a copy deleted the source's font";
    delete owner;
    EXPECT_EQ(0u, GetObjectType(font)) << "the owner did not delete its font";
}

// Right-clicks a slot, waits for the help popup and reads its body colour.
struct PopupSeen {
    bool shown = false;
    bool bodyMatched = false;
    COLORREF body = 0;
};

std::function<void(HWND)> RightClickSlot(int slot, PopupSeen* seen, int endSlot)
{
    return [=](HWND box) {
        HWND button = GetDlgItem(box, SlotId(slot));
        RECT r;
        GetWindowRect(button, &r);
        PostMessageW(box, WM_CONTEXTMENU, (WPARAM)button,
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        HWND popup = WaitForPopup(3000);
        seen->shown = popup != nullptr;
        if (popup) {
            RECT c;
            GetClientRect(popup, &c);
            POINT inBody = {4, c.bottom / 2};
            ClientToScreen(popup, &inBody);
            seen->bodyMatched = WaitForScreenColour(inBody, kPopupBk, 3000, &seen->body);
            PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            for (int i = 0; i < 150 && IsWindow(popup); ++i)
                Sleep(20);
        }
        PressSlot(box, endSlot);
    };
}

TEST(MsgBoxHelp, RightClickOnAButtonShowsItsHelpInTheRecordsBackground)
{
    tagNEL_MSGBOX_HELPDATAW w = {0x011, L"Yes help", L"No help", nullptr, nullptr, kPopupBk, kPopupText, nullptr};
    tagNEL_MSGBOX_HELPDATAA a = {0x011, "Yes help", "No help", nullptr, nullptr, kPopupBk, kPopupText, nullptr};
    tagNEL_MSGBOX_HELPDATAR res = ResourceHelp(0x011);
    for (int form = 0; form < 3; ++form) {
        const wchar_t* caption = L"MsgBoxHelp popup";
        PopupSeen seen;
        RunResult r = RunBox(
            [&] {
                switch (form) {
                case 0:
                    return MsgBoxW(L"Help?", caption, MB_YESNO, nullptr, nullptr, &w);
                case 1:
                    return MsgBoxA("Help?", "MsgBoxHelp popup", MB_YESNO, nullptr, nullptr, &a);
                default:
                    return MsgBoxRW(IDS_MB_HELP4, IDS_MB_HELP4, MB_YESNO, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), &res);
                }
            },
            form == 2 ? L"Fourth help text" : caption, RightClickSlot(2, &seen, 2));
        const char* name = form == 0 ? "W" : form == 1 ? "A" : "RW";
        ASSERT_TRUE(r.found) << name;
        EXPECT_TRUE(seen.shown) << name << ": no help popup";
        EXPECT_TRUE(seen.bodyMatched) << name << ": popup body 0x" << std::hex << seen.body << ", want 0x"
                                      << kPopupBk;
        EXPECT_EQ(IDNO, r.result) << name;
    }
}

TEST(MsgBoxHelp, NoPopupWhenTheRecordIsSwitchedOffOrTheSlotHasNoText)
{
    tagNEL_MSGBOX_HELPDATAW off = {0x010, L"Yes help", L"No help", nullptr, nullptr, kPopupBk, kPopupText,
                                   nullptr};
    tagNEL_MSGBOX_HELPDATAW noText = {0x001, L"Yes help", nullptr, nullptr, nullptr, 0, 0, nullptr};
    tagNEL_MSGBOX_HELPDATAW* records[2] = {&off, &noText};
    for (tagNEL_MSGBOX_HELPDATAW* rec : records) {
        const wchar_t* caption = L"MsgBoxHelp none";
        bool popup = true;
        RunResult r = RunBox([&] { return MsgBoxW(L"Help?", caption, MB_YESNO, nullptr, nullptr, rec); },
                             caption, [&](HWND box) {
                                 HWND button = GetDlgItem(box, SlotId(2));
                                 RECT rc;
                                 GetWindowRect(button, &rc);
                                 PostMessageW(box, WM_CONTEXTMENU, (WPARAM)button,
                                              MAKELPARAM(rc.left + 3, rc.top + 3));
                                 popup = WaitForPopup(700) != nullptr;
                                 PressSlot(box, 1);
                             });
        ASSERT_TRUE(r.found);
        EXPECT_FALSE(popup) << "flags 0x" << std::hex << rec->uFlags;
        EXPECT_EQ(IDYES, r.result);
    }
}

} // namespace
