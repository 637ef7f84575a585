// The robustness run is only as good as its eyes: these tests show that a
// snapshot comparison sees a stray file or registry value, lets the allowed
// places (and the parents made for them) pass, and that an input number
// always gives the same damaged file.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include "RobustMutator.h"
#include "RobustSnapshot.h"
#include "TestFiles.h"

using namespace Robust;
using namespace NelTest;

namespace {

const wchar_t kTestKey[] = L"Software\\NelRobustHarnessTest";

std::string SoundFile()
{
    return std::string("\xFF\xFE", 2) +
           Utf16Bytes(L"[CurInfo]\r\nCurName=Demo\r\nMutexName=m\r\n[InstallFiles]\r\nFile0=a.cur\r\n");
}

std::string Joined(const std::vector<std::wstring>& changes)
{
    std::string out;
    for (const std::wstring& c : changes)
        out += std::string(c.begin(), c.end()) + "\n";
    return out;
}

TEST(RobustSnapshot, FileWrittenOutsideIsReportedInsideTheAllowedFolderItIsNot)
{
    TempDir dir;
    const std::wstring allowed = dir / L"Install\\Deep";
    Snapshot before;
    AddFiles(before, dir.Path(), {});
    CreateDirectoryW((dir / L"Install").c_str(), nullptr);
    CreateDirectoryW(allowed.c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(allowed + L"\\a.cur", "x"));
    ASSERT_TRUE(WriteBytes(dir / L"stray.cur", "y"));
    Snapshot after;
    AddFiles(after, dir.Path(), {});
    const std::vector<std::wstring> changes = Changes(before, after, {allowed});
    ASSERT_EQ(1u, changes.size()) << Joined(changes);
    EXPECT_EQ(L"added " + Upper(dir / L"stray.cur"), changes[0]);
}

TEST(RobustSnapshot, ChangedAndRemovedFilesAreReported)
{
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"keep.ini", "1"));
    ASSERT_TRUE(WriteBytes(dir / L"gone.ini", "1"));
    Snapshot before;
    AddFiles(before, dir.Path(), {});
    ASSERT_TRUE(WriteBytes(dir / L"keep.ini", "longer"));
    DeleteFileW((dir / L"gone.ini").c_str());
    Snapshot after;
    AddFiles(after, dir.Path(), {});
    const std::vector<std::wstring> changes = Changes(before, after, {});
    ASSERT_EQ(2u, changes.size()) << Joined(changes);
    EXPECT_EQ(L"changed " + Upper(dir / L"keep.ini"), changes[0]);
    EXPECT_EQ(L"removed " + Upper(dir / L"gone.ini"), changes[1]);
}

TEST(RobustSnapshot, RegistryValueOutsideTheNamedKeyIsReported)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    const std::wstring root = L"HKEY_CURRENT_USER\\" + std::wstring(kTestKey);
    Snapshot before;
    AddRegistry(before, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"Software", {});
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kTestKey) + L"\\Named").c_str(), 0,
                                             nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExW(key, L"Folder", 0, REG_SZ, (const BYTE*)L"C", 4);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                             nullptr));
    RegSetValueExW(key, L"Stray", 0, REG_SZ, (const BYTE*)L"S", 4);
    RegCloseKey(key);
    Snapshot after;
    AddRegistry(after, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"Software", {});
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    const std::vector<std::wstring> changes = Changes(before, after, {root + L"\\Named"});
    ASSERT_EQ(1u, changes.size()) << Joined(changes);
    EXPECT_EQ(L"added " + Upper(root + L"\\[Stray]"), changes[0]);
}

TEST(RobustMutator, SameSeedAndNumberGiveTheSameBytesAndEveryKindDamages)
{
    const std::string base = SoundFile();
    for (int i = 0; i < 2 * Kinds(); ++i) {
        const Mutation a = Mutate(base, 99, i), b = Mutate(base, 99, i);
        EXPECT_EQ(a.bytes, b.bytes) << "input " << i << " (" << a.kind << ")";
        EXPECT_NE(base, a.bytes) << "input " << i << " (" << a.kind << ") left the file as it was";
    }
    EXPECT_NE(Mutate(base, 99, 2).bytes, Mutate(base, 100, 2).bytes) << "the seed changes nothing";
}

} // namespace
