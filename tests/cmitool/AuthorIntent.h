// What the author of a package meant it to install, read from the lines
// as a person reads them: section and key names in any letter case,
// spaces around keys and "=" ignored, any encoding. The installer's own,
// strict reading is not used, so that a test can tell whether the
// installer did what the lines say.
#pragma once
#include <string>
#include <vector>

namespace CmiTest {

struct AuthorIntent {
    bool clear = true;                // no installation key written twice with two values
    std::vector<std::wstring> files;  // every [InstallFiles] File<n> value
    // [DesignList] values by design (1, 2) and role (the 17 in scheme order).
    std::wstring roles[2][17];
};

AuthorIntent ReadAuthorIntent(const std::wstring& infoFile);

} // namespace CmiTest
