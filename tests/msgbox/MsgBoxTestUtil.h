// Showing a real message box on the test thread while a helper thread
// finds it and works it like a user: reads its windows, presses its keys
// and buttons. The helper only records what it saw; the test asserts on
// the test thread after the box has closed.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace MsgBoxTest {

// What a box looked like while it was up.
struct BoxView {
    HWND box = nullptr;
    std::wstring caption;
    RECT window = {};
    RECT client = {};
    RECT picture = {};          // control 1003, dialog client coordinates
    RECT text = {};             // control 1004
    RECT buttons[3] = {};       // slots 1..3
    bool visible[3] = {};
    bool enabled[3] = {};
    bool isDefault[3] = {};     // BS_DEFPUSHBUTTON style
    std::wstring captions[3];
    bool hasCloseItem = true;   // SC_CLOSE in the system menu
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool unicode = true;
    HFONT buttonFont = nullptr;
    RECT templateButton = {};   // 50 x 14 dialog units in pixels
};

// Reads the view of a box that is up (from any thread of the process).
BoxView ReadBox(HWND box);

// Waits (bounded) for a visible dialog of the process with this caption.
HWND WaitForBox(DWORD pid, const std::wstring& caption, DWORD timeoutMs = 10000);

// Runs show() on this thread; a helper thread waits for the box captioned
// `caption`, records its view and calls drive(box). If the box is still up
// 5 s after drive returned, the helper presses slot 1 so that no test can
// hang, and `leftOpen` says so. Returns show()'s result.
struct RunResult {
    int result = -100;
    bool found = false;
    bool leftOpen = false;
    BoxView view;
};
RunResult RunBox(const std::function<int()>& show, const std::wstring& caption,
                 const std::function<void(HWND)>& drive);

// User actions, posted so that they reach the box in order.
void PressSlot(HWND box, int slot);
void PressKey(HWND box, UINT vk);   // to the box's focus window
void PressCloseBox(HWND box);

// Slot control IDs.
int SlotId(int slot);

// True when the active keyboard layout selects the Japanese captions.
bool JapaneseLayout();

// Width and height of a single-line text in a font (mnemonic "&" not counted).
SIZE MeasureCaption(HFONT font, const std::wstring& text);

// Waits (bounded) until the screen pixel at pt has the colour.
bool WaitForScreenColour(POINT pt, COLORREF colour, DWORD timeoutMs, COLORREF* last);

// A visible help popup of the process (tool-window dialog), or NULL.
HWND WaitForPopup(DWORD timeoutMs, DWORD pid = 0);

} // namespace MsgBoxTest
