// Pin and Person, the roles Windows 10 version 1709 and later read as
// fields 16 and 17: a seventeen-field scheme only for a design that names
// either, and the applied values written, emptied or left alone.
#include "InstallHarness.h"
#include "resource.h"

using namespace InstallTest;

namespace {

struct ExtraRolesCase {
    const char* name;
    const wchar_t* pin;       // DN2_Pin, or null
    const wchar_t* person;    // DN2_Person, or null
    bool earlierValues;       // Pin and Person already under the user's key
};

const ExtraRolesCase kCases[] = {
    {"both", L"arrow.cur", L"hand.cur", false},
    {"person only", nullptr, L"hand.cur", false},
    {"neither, an earlier set's values there", nullptr, nullptr, true},
    {"neither, a key that never had them", nullptr, nullptr, false},
};

// Design 2 of the standard info, role by role (Arrow ... Hand).
const wchar_t* const kDesign2[15] = {L"busy.ani", L"hand.cur", L"busy.ani", nullptr, nullptr,
                                     nullptr,     nullptr,     nullptr,     nullptr, nullptr,
                                     nullptr,     nullptr,     nullptr,     L"arrow.cur", nullptr};

std::wstring InFolder(const std::wstring& folder, const wchar_t* file)
{
    return file ? folder + L"\\" + file : L"";
}

class InstallExtraRoles : public InstallFixture {};

// Design 2 is applied; design 1 never names the new roles and so keeps
// fifteen fields in every case.
TEST_F(InstallExtraRoles, SeventeenFieldsAndPinPersonValuesOnlyWhereTheDesignOrTheSystemHasThem)
{
    HKEY cursors = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kUserCursors, 0, nullptr, 0,
                                             KEY_SET_VALUE, nullptr, &cursors, nullptr));
    for (const ExtraRolesCase& c : kCases) {
        SCOPED_TRACE(c.name);
        for (const wchar_t* value : {L"Pin", L"Person"}) {
            if (c.earlierValues)
                WriteRegStr(HKEY_CURRENT_USER, kUserCursors, value, L"C:\\Other\\set.cur", REG_EXPAND_SZ);
            else
                RegDeleteValueW(cursors, value);
        }
        InfoFile info = StandardInfo();
        info.Remove(L"EndDlg", L"Use");
        if (c.pin)
            info.Set(L"DesignList", L"DN2_Pin", c.pin);
        if (c.person)
            info.Set(L"DesignList", L"DN2_Person", c.person);
        Prepare(info);
        Dialog dlg;
        Start(dlg);
        ASSERT_NE(nullptr, dlg.hwnd);
        const std::wstring name1 = dlg.Text(IDC_DESIGN_NAME1), name2 = dlg.Text(IDC_DESIGN_NAME2);
        ASSERT_TRUE(PressOKAndApply(dlg));

        std::vector<std::wstring> expected;
        for (const wchar_t* file : kDesign2)
            expected.push_back(InFolder(Dest(), file));
        const bool extras = c.pin || c.person;
        if (extras) {
            expected.push_back(InFolder(Dest(), c.pin));
            expected.push_back(InFolder(Dest(), c.person));
        }
        RegValue scheme2 = ReadReg(HKEY_CURRENT_USER, kUserSchemes, name2);
        EXPECT_EQ(expected, SplitFields(scheme2.Str())) << testing::PrintToString(scheme2.Str());
        EXPECT_EQ(15u, SplitFields(ReadReg(HKEY_CURRENT_USER, kUserSchemes, name1).Str()).size());

        const std::pair<const wchar_t*, const wchar_t*> applied[] = {{L"Pin", c.pin},
                                                                     {L"Person", c.person}};
        for (const auto& [value, file] : applied) {
            RegValue v = ReadReg(HKEY_CURRENT_USER, kUserCursors, value);
            if (!extras && !c.earlierValues) {
                EXPECT_FALSE(v.present) << testing::PrintToString(std::wstring(value)) << " was written";
                continue;
            }
            EXPECT_TRUE(v.present) << testing::PrintToString(std::wstring(value));
            EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), v.type);
            EXPECT_EQ(InFolder(Dest(), file), v.Str()) << testing::PrintToString(std::wstring(value));
        }
    }
    RegCloseKey(cursors);
}

} // namespace
