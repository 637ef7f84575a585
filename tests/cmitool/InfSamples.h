// Cursor install.inf files written in the styles found in the wild, with
// the files beside them and what a conversion must produce.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace CmiTest {

enum class InfEncoding { Ascii, Cp932, Utf16 };

struct InfSample {
    const char* name;
    std::wstring text;          // "\n" line ends; "{WINDIR}" = the Windows folder
    bool crlf;
    InfEncoding encoding;
    std::vector<std::wstring> disk;  // cursor files beside the inf
    // Expected package:
    std::wstring scheme;
    std::wstring folder;             // DefInstallFolder
    std::vector<std::wstring> roles; // fifteen or seventeen DN1_ values, "" = none
    std::vector<std::wstring> remarks;  // parts of remark lines
    int schemeFields;                // fields setupapi writes
};

const std::vector<InfSample>& InfSamples();

// Test names print the sample's name, not its bytes.
void PrintTo(const InfSample& sample, std::ostream* os);

// Writes the inf (encoded as the sample says) and the cursor files into
// folder; returns the inf's path.
std::wstring WriteInfSample(const InfSample& sample, const std::wstring& folder);

// The sample's text with "{WINDIR}" filled in.
std::wstring SampleText(const InfSample& sample);

std::wstring WindowsDir();

} // namespace CmiTest
