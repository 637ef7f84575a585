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

// Sends a real F1 press (the key state the box reads must be down) while
// the second button has the focus, and records where the popup opened.
struct F1Seen {
    bool focused = false;
    bool shown = false;
    RECT button = {};
    RECT popup = {};
};

std::function<void(HWND)> F1OnSecondButton(F1Seen* seen)
{
    return [=](HWND box) {
        HWND second = GetDlgItem(box, SlotId(2));
        SetForegroundWindow(box);
        PostMessageW(box, WM_NEXTDLGCTL, (WPARAM)second, TRUE);
        GUITHREADINFO gui = {sizeof(gui)};
        const DWORD thread = GetWindowThreadProcessId(box, nullptr);
        for (int i = 0; i < 150 && !(GetGUIThreadInfo(thread, &gui) && gui.hwndFocus == second); ++i)
            Sleep(20);
        seen->focused = gui.hwndFocus == second;
        // The pointer is far from the button, so a popup at the pointer
        // cannot pass for one at the button.
        SetCursorPos(5, 5);
        GetWindowRect(second, &seen->button);
        INPUT key[2] = {};
        key[0].type = key[1].type = INPUT_KEYBOARD;
        key[0].ki.wVk = key[1].ki.wVk = VK_F1;
        key[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &key[0], sizeof(INPUT));
        HWND popup = WaitForPopup(3000);
        SendInput(1, &key[1], sizeof(INPUT));
        seen->shown = popup != nullptr;
        if (popup) {
            GetWindowRect(popup, &seen->popup);
            PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0000001);
            for (int i = 0; i < 150 && IsWindow(popup); ++i)
                Sleep(20);
        }
        PressSlot(box, 1);
    };
}

TEST(MsgBoxHelp, F1OnTheFocusedSecondButtonShowsItsHelpAtTheButtonsTopLeftCorner)
{
    tagNEL_MSGBOX_HELPDATAW help = {0x001, L"Yes help", L"Help of the No button", nullptr, nullptr, 0, 0,
                                    nullptr};
    const wchar_t* caption = L"MsgBoxHelp F1";
    F1Seen seen;
    RunResult r = RunBox([&] { return MsgBoxW(L"F1?", caption, MB_YESNO, nullptr, nullptr, &help); }, caption,
                         F1OnSecondButton(&seen));
    ASSERT_TRUE(r.found);
    ASSERT_TRUE(seen.focused) << "the second button did not get the focus";
    ASSERT_TRUE(seen.shown) << "F1 showed no help popup";
    // The popup is centred on its anchor and half a cursor below it.
    const int w = seen.popup.right - seen.popup.left;
    EXPECT_EQ(seen.button.left - w / 2, seen.popup.left) << "button at x " << seen.button.left;
    EXPECT_EQ(seen.button.top + GetSystemMetrics(SM_CYCURSOR) / 2, seen.popup.top)
        << "button at y " << seen.button.top;
    EXPECT_EQ(IDYES, r.result);
}

// Right clicks that must not open help, then one that must, so that the
// absence is seen after the box has handled the earlier requests.
TEST(MsgBoxHelp, CaptionBarMessageTextAndKeyboardRequestGetNoHelp)
{
    tagNEL_MSGBOX_HELPDATAW help = {0x001, L"Yes help", L"No help", nullptr, nullptr, 0, 0, nullptr};
    const wchar_t* caption = L"MsgBoxHelp caption";
    HWND firstPopup = nullptr;
    RECT lastPopup = {};
    POINT onButton = {};
    RunResult r = RunBox(
        [&] { return MsgBoxW(L"Right-click me?", caption, MB_YESNO, nullptr, nullptr, &help); }, caption,
        [&](HWND box) {
            RECT frame, text, button;
            GetWindowRect(box, &frame);
            GetWindowRect(GetDlgItem(box, 1004), &text);
            GetWindowRect(GetDlgItem(box, SlotId(1)), &button);
            const int captionY = frame.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
            PostMessageW(box, WM_CONTEXTMENU, (WPARAM)box, MAKELPARAM((frame.left + frame.right) / 2, captionY));
            PostMessageW(box, WM_CONTEXTMENU, (WPARAM)GetDlgItem(box, 1004),
                         MAKELPARAM((text.left + text.right) / 2, (text.top + text.bottom) / 2));
            // Shift+F10 on the focused button: the system's request names
            // the button and has no position.
            PostMessageW(box, WM_CONTEXTMENU, (WPARAM)GetDlgItem(box, SlotId(1)), MAKELPARAM(-1, -1));
            onButton = POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
            PostMessageW(box, WM_CONTEXTMENU, (WPARAM)GetDlgItem(box, SlotId(1)),
                         MAKELPARAM(onButton.x, onButton.y));
            firstPopup = WaitForPopup(3000);
            if (firstPopup) {
                GetWindowRect(firstPopup, &lastPopup);
                PostMessageW(firstPopup, WM_KEYUP, VK_ESCAPE, 0xC0000001);
                for (int i = 0; i < 150 && IsWindow(firstPopup); ++i)
                    Sleep(20);
            }
            PressSlot(box, 2);
        });
    ASSERT_TRUE(r.found);
    ASSERT_NE(nullptr, firstPopup) << "the right click on the button showed nothing";
    // Help popups run one at a time, so the first one seen is the first
    // one opened: it must be the button's, at the pointer.
    const int w = lastPopup.right - lastPopup.left;
    EXPECT_EQ(onButton.x - w / 2, lastPopup.left) << "a popup opened for an earlier request";
    EXPECT_EQ(onButton.y + GetSystemMetrics(SM_CYCURSOR) / 2, lastPopup.top);
    EXPECT_EQ(IDNO, r.result);
}

} // namespace
