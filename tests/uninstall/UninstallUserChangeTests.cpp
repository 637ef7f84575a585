// The user changed things between installing and removing: what is the
// user's stays and the closing message lists it; a file in use stays, the
// record too, and a second removal finishes the job. Each case compares
// the whole drive and registry with the state before the installation.
#include <algorithm>
#include <functional>
#include "UninstallHarness.h"

using namespace UninstallTest;

namespace {

const wchar_t kLeftIntro[] =
    L"NelProduct をアンインストールしました。\nあとから変更・追加されたものがあるため、次のものは残しました。\n";

class UninstallUserChange : public UninstallFixture {
protected:
    // Design 2 (the one applied) installed for the current user and made
    // the current pointer set, with the files named in extra installed
    // too; the boxes are the system's.
    void InstallApplied(const std::wstring& tag, const std::vector<std::wstring>& extra = {})
    {
        BeginCase(tag);
        UseLibrary(false);
        InfoFile info = UninstallInfo(true);
        for (size_t i = 0; i < extra.size(); ++i) {
            ASSERT_TRUE(NelTest::WriteBytes(Pkg() + L"\\" + extra[i], "extra"));
            info.Set(L"InstallFiles", L"File" + std::to_wstring(3 + i), extra[i]);
        }
        Prepare(info);
        m_before = Robust::TakeSnapshot();
        Install(false, true);
    }

    // Applying replaced the other set's pointers; whatever the removal
    // does with them, they differ from before.
    std::vector<std::wstring> PointerChanges() const
    {
        std::vector<std::wstring> changes;
        const std::wstring cursors = std::wstring(L"HKEY_CURRENT_USER\\") + kUserCursors;
        for (const wchar_t* role : kRoleNames)
            changes.push_back(Change(L"changed", cursors + L"\\[" + role + L"]"));
        changes.push_back(Change(L"changed", cursors + L"\\[]"));
        changes.push_back(Change(L"changed", cursors + L"\\[Scheme Source]"));
        return changes;
    }

    Robust::Snapshot m_before;
};

// What the installation made, as the cases see it.
struct Installed {
    std::wstring dest, name1;
    std::wstring Scheme1() const { return std::wstring(L"HKEY_CURRENT_USER\\") + kUserSchemes + L"\\" + name1; }
};

struct UserChange {
    const char* name;
    std::function<void(const Installed&)> make;
    // The closing message, and the changes beyond the pointers'.
    std::function<std::wstring(const Installed&)> closing;
    std::function<std::vector<std::wstring>(const Installed&)> kept;
};

const UserChange kChanges[] = {
    {"a file of the user's own in the folder",
     [](const Installed& i) { NelTest::WriteBytes(i.dest + L"\\notes.txt", "mine"); },
     [](const Installed& i) { return kLeftIntro + i.dest; },
     [](const Installed& i) {
         return std::vector<std::wstring>{Change(L"added", i.dest + L"\\"), Change(L"added", i.dest + L"\\notes.txt")};
     }},
    {"a scheme pointed at other files",
     [](const Installed& i) {
         WriteRegStr(HKEY_CURRENT_USER, kUserSchemes, i.name1, L"C:\\mine\\arrow.cur,,,C:\\mine\\busy.ani", REG_EXPAND_SZ);
     },
     [](const Installed& i) { return kLeftIntro + i.Scheme1(); },
     [](const Installed& i) {
         const std::wstring key = std::wstring(L"HKEY_CURRENT_USER\\") + kUserSchemes;
         return std::vector<std::wstring>{Change(L"added", key + L"\\[" + i.name1 + L"]")};
     }},
    {"the current pointers switched to another set",
     [](const Installed&) {
         for (const wchar_t* role : kRoleNames)
             WriteRegStr(HKEY_CURRENT_USER, kUserCursors, role, std::wstring(L"C:\\mine\\") + role + L".cur",
                         REG_EXPAND_SZ);
         WriteRegStr(HKEY_CURRENT_USER, kUserCursors, L"", L"Mine");
     },
     [](const Installed&) { return std::wstring(kDone); },
     [](const Installed&) { return std::vector<std::wstring>(); }},
};

TEST_F(UninstallUserChange, KeepsWhatIsTheUsersAndSaysSo)
{
    for (const UserChange& c : kChanges) {
        SCOPED_TRACE(c.name);
        InstallApplied(L" " + std::to_wstring(&c - kChanges));
        const Installed installed = {Dest(), m_name1};
        c.make(installed);
        StartUninstall(false, false);
        AnswerUninstall(c.closing(installed));
        std::vector<std::wstring> expected = PointerChanges();
        for (const std::wstring& kept : c.kept(installed))
            expected.push_back(kept);
        const std::vector<std::wstring> changes = WaitForChanges(m_before, expected);
        EXPECT_EQ(expected, changes);
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, RecordKey())) << "the record stayed";
        NelTest::RemoveTree(Dest());
    }
    // The user's pointers of the last case are theirs still.
    EXPECT_EQ(L"C:\\mine\\Arrow.cur", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"Arrow").Str());
    EXPECT_EQ(L"Mine", ReadReg(HKEY_CURRENT_USER, kUserCursors, L"").Str());
}

// Cursor files in use cannot go: they are listed (the first ten, then
// an ellipsis, so that the box fits on the screen), the uninstaller and
// the record stay, and once the files are free a second removal finishes.
TEST_F(UninstallUserChange, FilesInUseStayWithTheRecordUntilASecondRun)
{
    std::vector<std::wstring> extra;
    for (int i = 0; i < 11; ++i)
        extra.push_back(L"extra" + std::to_wstring(10 + i) + L".cur");
    InstallApplied(L"", extra);
    std::vector<std::wstring> listed = {L"arrow.cur", L"busy.ani", L"hand.cur"};  // [InstallFiles] order
    listed.insert(listed.end(), extra.begin(), extra.end());
    std::vector<HANDLE> held;
    std::wstring shown;
    for (const std::wstring& name : listed) {
        const std::wstring path = Dest() + L"\\" + name;
        held.push_back(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(INVALID_HANDLE_VALUE, held.back()) << testing::PrintToString(path);
        if (held.size() <= 10)
            shown += path + L"\n";
    }
    StartUninstall(false, false);
    AnswerUninstall(L"次のものを削除できなかったため、アンインストールを完了できませんでした。\n" + shown +
                        L"\x2026\n使用中のファイルを閉じてから、もう一度アンインストールしてください。",
                    IDI_WARNING);
    for (HANDLE file : held)
        CloseHandle(file);
    Sleep(1000);  // a temporary copy would have had time to act
    std::vector<std::wstring> left = listed;
    left.push_back(L"Uninstall.exe");
    left.push_back(L"Uninstall.nelcmi");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, DestFiles(Dest()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, RecordKey())) << "the record went";

    StartUninstall(false, false);
    AnswerUninstall(kDone);
    std::vector<std::wstring> expected = PointerChanges();
    const std::vector<std::wstring> changes = WaitForChanges(m_before, expected);
    EXPECT_EQ(expected, changes);
}

} // namespace
