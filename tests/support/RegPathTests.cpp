// NelRegParsePath: the six long root names in any letter case, the split at
// the last backslash, the default-value spellings, and the rejected roots.
#include <gtest/gtest.h>
#include "NelReg.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

TEST(RegParsePath, RootsInAnyCaseSplitAtTheLastBackslashAndDefaultValueSpellings)
{
    const struct {
        const wchar_t* path;
        HKEY root;
        const wchar_t* subKey;
        const wchar_t* valueName;
    } cases[] = {
        { L"HKEY_CLASSES_ROOT\\.cur\\Content Type", HKEY_CLASSES_ROOT, L".cur", L"Content Type" },
        { L"hkey_current_user\\Control Panel\\Cursors\\Arrow", HKEY_CURRENT_USER, L"Control Panel\\Cursors", L"Arrow" },
        { L"HKEY_LOCAL_MACHINE\\SOFTWARE\\x\\v", HKEY_LOCAL_MACHINE, L"SOFTWARE\\x", L"v" },
        { L"hKeY_uSeRs\\.DEFAULT\\v", HKEY_USERS, L".DEFAULT", L"v" },
        { L"hkey_dyn_data\\PerfStats\\v", HKEY_DYN_DATA, L"PerfStats", L"v" },
        { L"HKEY_PERFORMANCE_DATA\\Global\\v", HKEY_PERFORMANCE_DATA, L"Global", L"v" },
        // Only a root and one name: the value sits directly under the root.
        { L"HKEY_CURRENT_USER\\Name", HKEY_CURRENT_USER, L"", L"Name" },
        // A trailing backslash and "%NULL%" in any case name the default value.
        { L"HKEY_CURRENT_USER\\a\\b\\", HKEY_CURRENT_USER, L"a\\b", L"" },
        { L"HKEY_CURRENT_USER\\a\\b\\%NULL%", HKEY_CURRENT_USER, L"a\\b", L"" },
        { L"HKEY_CURRENT_USER\\a\\%nUlL%", HKEY_CURRENT_USER, L"a", L"" },
        { L"HKEY_CURRENT_USER\\%null%", HKEY_CURRENT_USER, L"", L"" },
        { L"HKEY_CURRENT_USER\\a\\%NULL%x", HKEY_CURRENT_USER, L"a", L"%NULL%x" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.path));
        CNelStrW subKey, valueName;
        EXPECT_EQ(c.root, NelRegParsePath(c.path, subKey, valueName));
        EXPECT_EQ(std::wstring(c.subKey), Text(subKey));
        EXPECT_EQ(std::wstring(c.valueName), Text(valueName));
    }
}

TEST(RegParsePath, RejectsShortFormsOtherRootsAndRootsWithoutBackslash)
{
    const wchar_t* rejected[] = {
        L"HKCU\\Software\\x\\v", L"HKLM\\Software\\x\\v", L"HKEY_CURRENT_CONFIG\\Software\\v",
        L"HKEY_CURRENT_USER", L"HKEY_CURRENT_USERS\\x\\v", L" HKEY_CURRENT_USER\\x\\v",
        L"HKEY_CURRENT_USER/x/v", L"", nullptr,
    };
    for (const wchar_t* path : rejected) {
        SCOPED_TRACE(path ? Narrow(path) : "null");
        CNelStrW subKey(L"key"), valueName(L"value");
        EXPECT_EQ(nullptr, NelRegParsePath(path, subKey, valueName));
        EXPECT_EQ(std::wstring(L"key"), Text(subKey));
        EXPECT_EQ(std::wstring(L"value"), Text(valueName));
    }
}

} // namespace
