// The corpus of cursor install.inf files (tests/cmitool/corpus/<name>/
// install.inf), each written in the ways real ones differ, with the files
// that lie beside it and what a conversion must produce.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace CmiTest {

struct InfSample {
    const char* name;                // folder in the corpus
    unsigned codePage;               // --codepage given to from-inf, 0 none
    std::vector<std::wstring> disk;  // cursor files beside the inf (may be in a subfolder)
    // Expected package:
    std::wstring scheme;
    std::wstring folder;                     // DefInstallFolder
    std::vector<std::wstring> roles;         // DN1_ values by role (17), "" = none
    std::vector<std::wstring> files;         // [InstallFiles], any order
    std::vector<std::wstring> warnings;      // a part of each "warning: " line, in order
    std::vector<std::wstring> notes;         // a part of each "note: " line, in order
    int setupapiFields;  // fields setupapi registers; 0: not installed by setupapi alike
};

const std::vector<InfSample>& InfSamples();

// Test names print the sample's name, not its contents.
void PrintTo(const InfSample& sample, std::ostream* os);

// The sample's name as a test-name part (letters, digits and "_").
std::string SampleId(const InfSample& sample);

// Copies the sample's inf into folder and writes its cursor files there,
// each a loadable cursor with content of its own; returns the inf's path.
std::wstring WriteInfSample(const InfSample& sample, const std::wstring& folder);

// The bytes written for one cursor file of a sample.
std::string SampleCursorBytes(const std::wstring& name);

// The from-inf arguments for the sample (inf, output folder, options).
std::wstring FromInfArgs(const InfSample& sample, const std::wstring& inf, const std::wstring& out);

std::wstring WindowsDir();

} // namespace CmiTest
