// Installing a set with [Uninstall] Use=Yes through the real installer,
// then removing it with the uninstaller its record names, as Programs and
// Features would, with the whole drive and registry compared around both
// (the robustness run's snapshots).
#pragma once
#include "InstallHarness.h"
#include "RobustSnapshot.h"

namespace UninstallTest {

using namespace InstallTest;

extern const wchar_t kUninstallKey[];      // relative, in HKCU and HKLM
extern const wchar_t kCaption[];           // the boxes' caption for "NelProduct"
extern const wchar_t kQuestion[];
extern const wchar_t kDone[];
extern const wchar_t kRoleNames[17][12];   // the fifteen, Pin and Person

// "added PATH" as the snapshot comparison names a change (upper case;
// folders and keys end in "\", values are "KEY\[NAME]").
std::wstring Change(const wchar_t* kind, const std::wstring& path);

class UninstallFixture : public InstallFixture {
protected:
    UninstallFixture();
    ~UninstallFixture() override;

    // Starts a case: as on Windows, the schemes keys hold another set, the
    // current pointers are that set's and the Uninstall keys list another
    // program, all of which the installation and the removal must leave as
    // they find them; no record of this case's set.
    void BeginCase(const std::wstring& tag);

    // StandardInfo with [Uninstall] Use=Yes, a set and design names of
    // this case and the completion question asked; one or two designs.
    InfoFile UninstallInfo(bool twoDesigns) const;
    // The set name (this test's, and m_case's), and its record key
    // relative to HKCU or HKLM.
    std::wstring SetName() const { return Unique(m_case); }
    std::wstring RecordKey() const;
    // Puts NelWnd.dll beside the package's installer, or takes it away
    // (then every box is the system's, whose text can be read whole).
    void UseLibrary(bool beside);
    // Installs through the dialog (all-users box as given) and answers the
    // completion question (a system box or NelWnd's); the names are the
    // dialog's.
    void Install(bool allUsers, bool apply);
    // Starts the UninstallString (or QuietUninstallString) of the record
    // in HKLM or HKCU as Windows does.
    void StartUninstall(bool machine, bool quiet);
    // Asks: question answered Yes, then the closing box (text given) OK;
    // both under caption.
    void AnswerUninstall(const std::wstring& closing, LPCWSTR icon = IDI_INFORMATION,
                         const std::wstring& question = kQuestion, const std::wstring& caption = kCaption);
    // Waits until the drive and registry differ from before by exactly
    // expected (sorted here), or the time is up (the uninstaller's
    // temporary copy works after the uninstaller has ended); returns the
    // last differences, sorted.
    std::vector<std::wstring> WaitForChanges(const Robust::Snapshot& before,
                                             std::vector<std::wstring>& expected);

    NelTest::RegValuesGuard m_userProgram, m_machineProgram;  // the other program's records
    std::wstring m_case;  // tells the sets of a test's cases apart
    std::wstring m_name1, m_name2;
};

} // namespace UninstallTest
