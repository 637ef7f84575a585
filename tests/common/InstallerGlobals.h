// The installer's process globals as its entry point sets them up before
// the main dialog (the install-info path, dialog font, icons, dialog
// class) and releases them after it, for programs that run the
// installer's code in-process.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

namespace NelTest {

class InstallerGlobals {
public:
    InstallerGlobals();
    ~InstallerGlobals();
    InstallerGlobals(const InstallerGlobals&) = delete;
    InstallerGlobals& operator=(const InstallerGlobals&) = delete;

    // False when the dialog class could not be registered.
    bool Ready() const { return m_class != 0; }

private:
    ATOM m_class;
};

} // namespace NelTest
