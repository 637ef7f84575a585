// Runs the installer once on the install-info file beside it, as an
// impatient user would: a right click on OK for its help balloon (closed
// with Escape), then OK on the main dialog, the first positive answer on
// every box (Yes, OK), Cancel when the dialog is still there after its
// boxes. Every wait is bounded.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace Robust {

struct Outcome {
    bool started = false;
    bool dialog = false;          // the main dialog appeared
    bool helpShown = false;       // OK's help balloon appeared
    bool pressedOk = false;
    bool hung = false;            // still running at the time limit (then stopped)
    DWORD exitCode = 0;
    std::wstring folder;          // the install folder the dialog showed at OK
    std::vector<std::wstring> boxes; // caption: text of every box answered

    // An unhandled exception ends a process with its exception code.
    bool Crashed() const { return !hung && (exitCode & 0xF0000000u) == 0xC0000000u; }
};

Outcome RunInstaller(const std::wstring& exe, DWORD timeoutMs);

} // namespace Robust
