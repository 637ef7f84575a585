// Driving real help popups from inside the thread that shows them: a
// popup call blocks its thread in the popup's own message loop, so the
// tests act from a thread timer that loop dispatches.
#pragma once
#include "WindowRects.h"
#include <windows.h>
#include <functional>
#include <ostream>
#include <string>
#include "HelpPopupExports.h"

std::ostream& operator<<(std::ostream& os, const RECT& r);

namespace HpTest {

using NelTest::ClientRectOf;
using NelTest::WindowRectOf;

// The visible help popup of this thread (a dialog holding the text
// control), or NULL.
HWND FindPopup();

// Runs step on a thread timer every 20 ms while a popup call blocks the
// thread. step receives the popup (NULL while none is up) and returns true
// once it has done its work. When the time limit passes, the driver
// destroys any popup still up, so the call always returns, and reports the
// timeout. One driver at a time.
class PopupDriver {
public:
    typedef std::function<bool(HWND popup)> Step;
    explicit PopupDriver(Step step, DWORD limitMs = 5000);
    ~PopupDriver();
    PopupDriver(const PopupDriver&) = delete;
    PopupDriver& operator=(const PopupDriver&) = delete;

    bool TimedOut() const { return m_timedOut; }
    bool Done() const { return m_done; }
    // Milliseconds from the end of step's work to the popup's destruction
    // beginning (0: the work itself destroyed it; -1: not seen). Hiding or
    // destroying an activated window under Wine without a window manager
    // takes seconds of its own, so the call's return time says little.
    long CloseDelay() const;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnTick();

    Step m_step;
    DWORD m_start;
    DWORD m_limit;
    DWORD m_doneAt = 0;
    UINT_PTR m_timer = 0;
    HHOOK m_hook = nullptr;
    DWORD m_destroyAt = 0;
    bool m_destroyedInStep = false;
    bool m_done = false;
    bool m_timedOut = false;
};

// Pumps this thread's messages until pred is true or the time is up.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs);

// Posts a key press (down and up) to the window with the keyboard focus,
// or to the popup when nothing has it.
void PostKey(HWND popup, UINT vk);

// The popup's text control and its object (the control's user data).
HWND TextControl(HWND popup);
CNelHelpPopupMesCtlW* MesW(HWND popup);
CNelHelpPopupMesCtlA* MesA(HWND popup);

// Work area of the monitor holding the point.
RECT WorkAreaAt(POINT pt);

// A pixel of a window's client area as its window surface holds it.
COLORREF PixelOf(HWND hwnd, int x, int y);

// Counts windows created and activated on this thread while it lives.
class WindowCounter {
public:
    WindowCounter();
    ~WindowCounter();
    int Created() const;
    int Activated() const;

private:
    HHOOK m_hook;
};

// A plain visible top-level window of the tests' own class, destroyed
// with the object.
class TopWindow {
public:
    explicit TopWindow(const RECT& rect, bool activate = true);
    ~TopWindow();
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    HWND hwnd() const { return m_hwnd; }
    void Forget() { m_hwnd = nullptr; }

private:
    HWND m_hwnd;
};

// A font of the given pixel height, deleted with the object.
class TestFont {
public:
    explicit TestFont(int height, const wchar_t* face = L"Tahoma");
    ~TestFont();
    TestFont(const TestFont&) = delete;
    TestFont& operator=(const TestFont&) = delete;
    HFONT get() const { return m_font; }
    // Size of one line of text in this font.
    SIZE Extent(const std::wstring& text) const;

private:
    HFONT m_font;
};

// The n-character text of string resource IDS_HP_PATTERN(n).
std::wstring PatternText(int n);
std::string PatternTextA(int n);

// Per-channel distance of two colours (largest of the three).
int ColourDistance(COLORREF a, COLORREF b);

} // namespace HpTest
