// One installation with the installer, driven from outside: start it, wait
// for its main dialog, press OK, wait for the completion question, answer
// Yes, wait for the process to end.
#pragma once
#include <string>

namespace NelBench {

struct InstallerSpans {
    double toQuestion;  // ms from posting OK until the question box is visible
    double toExit;      // ms from posting Yes until the process has ended
    std::wstring folder;  // the install folder as the dialog showed it
};

// True when the run went as described and the installer ended with 0;
// otherwise false with error set (the process is stopped).
bool RunInstallerOnce(const std::wstring& exe, InstallerSpans& spans, std::wstring& error);

} // namespace NelBench
