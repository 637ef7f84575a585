// Shared helpers of the support library tests: readable views of results,
// windows of the tests' own class, and a font for measuring. Everything
// here releases what it creates.
#pragma once
#include "WindowRects.h"
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>
#include "Str/NelStr.h"

std::ostream& operator<<(std::ostream& os, const RECT& r);

namespace SupportTest {

using NelTest::ClientRectOf;
using NelTest::WindowRectOf;

// UTF-8 copy of a wide text, for messages.
std::string Narrow(const std::wstring& text);

// The text of a string result, with a visible marker for "no buffer".
std::wstring Text(const CNelStrW& s);

// Text with line breaks shown as "\n" and control characters as \xNN,
// for failure messages.
std::string Shown(const std::wstring& text);

// A window of the tests' own class, destroyed with the object. The class's
// procedure records, per window, how often each message in Watched()
// arrived and in which order, and answers BM_GETCHECK with the value set by
// AnswerGetCheck (default: the system's answer).
class TestWindow {
public:
    TestWindow(DWORD style, DWORD exStyle, const RECT& rect, HWND parent = nullptr,
               const wchar_t* text = L"");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// A control of a system class (STATIC, BUTTON, ...), destroyed with the object.
class Control {
public:
    Control(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
            HWND parent, HFONT font = nullptr);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// One delivery of a watched message to a test window.
struct Delivery {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::wstring text; // the text lParam pointed to, for WatchTextMessage
};
// Messages of TestWindow windows recorded since the last ClearDeliveries.
void WatchMessage(UINT msg);
// The same for a message whose lParam is a wide string, copied on arrival.
void WatchTextMessage(UINT msg);
const std::vector<Delivery>& Deliveries();
void ClearDeliveries();
// What TestWindow windows answer to BM_GETCHECK; -1000: DefWindowProc's answer.
void AnswerGetCheck(LRESULT answer);

// A font with full-width (Japanese) glyphs, deleted with the object.
class JapaneseFont {
public:
    explicit JapaneseFont(int pixelHeight = 16);
    ~JapaneseFont();
    JapaneseFont(const JapaneseFont&) = delete;
    JapaneseFont& operator=(const JapaneseFont&) = delete;
    HFONT font() const { return m_font; }

private:
    HFONT m_font;
};

// Single-line extent of text in font, measured independently of the code
// under test (GetTextExtentPoint32 in a screen DC).
SIZE TextExtent(HFONT font, const std::wstring& text);
// Height of one line of font (tmHeight).
int LineHeight(HFONT font);

// The child's rectangle in its parent's client coordinates.
RECT ChildRectOf(HWND child);

} // namespace SupportTest
