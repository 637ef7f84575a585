// Helpers of the XP-style button tests: a 32-bit DIB canvas to draw on and
// read back, the button's colours worked out independently of the product
// code, a host window with one button, and a recorder of the messages that
// reach the button.
#pragma once
#include <windows.h>
#include <vector>

namespace XPBtnTest {

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    bool Ok() const { return m_dc && m_bits; }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const;
    void Clear(COLORREF color);

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
    int m_width, m_height;
};

// Floor of the per-channel average, and per-channel 255 - value.
COLORREF Half(COLORREF a, COLORREF b);
COLORREF Inverse(COLORREF c);
// Each channel lowered by `by`, not below 0.
COLORREF Darker(COLORREF c, int by);

// The colours of one state of the button, worked out from the system
// colours as the look is described (not taken from a drawing).
struct Expected {
    COLORREF outerTL, outerBR, inner, innerTL, innerBR, outline, corner1, corner2, text;
    COLORREF accentTop, accentBottom, accentMid;  // states 5 and 6 only
};
Expected ExpectedFor(int state);

// One push button in a visible popup window (class "XPBtnTestHost") that
// the whole program shares; the window records the WM_COMMAND
// notifications it receives while this object lives.
class Host {
public:
    Host(int buttonId, const wchar_t* caption, DWORD extraStyle = 0);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    HWND Window() const { return m_window; }
    HWND Button() const { return m_button; }
    // Screen points inside and outside the button.
    POINT OverButton() const;
    POINT OutsideButton() const;
    std::vector<WPARAM> commands;

private:
    HWND m_window = nullptr;
    HWND m_button = nullptr;
};

// Subclasses a window on top of whatever procedure it has and counts the
// messages that reach it (including those the product sends itself).
class Recorder {
public:
    explicit Recorder(HWND window);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    int Count(UINT msg) const;
    void Reset() { m_messages.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_window;
    WNDPROC m_old;
    std::vector<UINT> m_messages;
};

// Sets keys as held down in this thread's key state (GetKeyState) for the
// object's lifetime.
class KeysDown {
public:
    explicit KeysDown(std::initializer_list<int> keys);
    ~KeysDown();

private:
    BYTE m_saved[256];
};

// Discards posted messages and input already queued for this thread.
void DrainMessages();

// Reads a pixel of a window from its own DC (the button's painted look).
COLORREF WindowPixel(HWND window, int x, int y);

} // namespace XPBtnTest
