// What "check" found: one line of output each.
#pragma once
#include <string>
#include <vector>

struct Finding {
    int line;      // line of the install-info file, 0 when none applies
    bool warning;  // the installer still installs as the author meant
    std::wstring text;
};

using Findings = std::vector<Finding>;
