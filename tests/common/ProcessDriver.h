// Driving another program from a test: start it, find its windows, read
// their texts, answer its boxes, wait for its exit. Every wait is bounded;
// a ChildProcess still running when it goes out of scope is terminated.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace NelTest {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts exe (full path) with an optional command-line tail.
    bool Start(const std::wstring& exe, const std::wstring& args = L"");
    DWORD Pid() const { return m_pi.dwProcessId; }
    // True when the process ended within the time; exitCode receives its code.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
    bool Running() const;

private:
    PROCESS_INFORMATION m_pi = {};
};

// Runs exe (full path) with args and its standard output and error read
// through a pipe until it ends; false when it did not start or not end
// within the time (it is then stopped).
bool RunAndReadOutput(const std::wstring& exe, const std::wstring& args, DWORD timeoutMs,
                      std::string& output);

// Visible top-level windows of a process (pid 0: of every process),
// optionally of one class.
std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className = nullptr);

// Waits (polling, bounded) for a visible top-level window of the process
// (pid 0: of any process).
HWND WaitForWindow(DWORD pid, const wchar_t* className, DWORD timeoutMs);

std::wstring WindowText(HWND hwnd);

// The first visible button of a box whose caption, without its "&"
// mnemonic marks, holds one of the words (tried in order), or NULL.
HWND FindButtonWithWord(HWND box, std::initializer_list<const wchar_t*> words);

// The non-empty texts of a window's visible static controls, in order:
// what a box says (system box or NelWnd's).
std::vector<std::wstring> VisibleStaticTexts(HWND window);

// The text of a system message box (its static with ID 0xFFFF).
std::wstring MessageBoxText(HWND box);

// How much of a box's icon matches a system icon (IDI_ERROR, ...) drawn
// here: the share, 0 to 1, of the icon's opaque pixels that are equal on
// the screen. Reads the screen, so the box must be visible and uncovered.
double MessageBoxIconMatch(HWND box, LPCWSTR systemIcon);

// The same, polled until the match passes threshold or the time is up (a
// box just shown may not have painted yet); returns the last match.
double WaitForMessageBoxIcon(HWND box, LPCWSTR systemIcon, double threshold, DWORD timeoutMs);

// A file of the folder the running test program lives in.
std::wstring BinFile(const std::wstring& name);

} // namespace NelTest
