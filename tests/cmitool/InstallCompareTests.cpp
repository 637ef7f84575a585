// Each converted corpus package installed by the real installer registers
// the scheme the inf describes and copies its files; where setupapi
// installs the inf alike, both give the same fields (the first seventeen,
// after environment expansion), the same scheme name and the same files.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include "InfSamples.h"
#include "SchemeInstall.h"
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

std::string P(const std::wstring& s)
{
    return testing::PrintToString(s);
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), (int)a.size(), b.c_str(),
                          (int)b.size()) == CSTR_EQUAL;
}

// The files of a folder tree: lower-case relative name and content.
std::vector<std::pair<std::wstring, std::string>> FolderFiles(const std::wstring& folder,
                                                              const std::wstring& prefix = L"")
{
    std::vector<std::pair<std::wstring, std::string>> files;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            auto sub = FolderFiles(folder + L"\\" + name, prefix + name + L"\\");
            files.insert(files.end(), sub.begin(), sub.end());
        } else {
            std::wstring lower = prefix + name;
            CharLowerBuffW(&lower[0], (DWORD)lower.size());
            files.push_back({lower, ReadAllBytes(folder + L"\\" + name)});
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    std::sort(files.begin(), files.end());
    return files;
}

std::wstring Names(const std::vector<std::pair<std::wstring, std::string>>& files)
{
    std::wstring names;
    for (const auto& f : files)
        names += f.first + L"; ";
    return names;
}

class InstallCompare : public testing::TestWithParam<InfSample> {};

TEST_P(InstallCompare, InstallerRegistersTheSchemeAndFilesSetupapiDoes)
{
    const InfSample& sample = GetParam();
    // Schemes is restored (or removed) before its parent key.
    RegValuesGuard cursors(HKEY_CURRENT_USER, kCursorsKey), schemes(HKEY_CURRENT_USER, kSchemesKey);
    NelTest::TempDir dir;
    std::wstring src = dir / L"src", out = dir / L"out";
    CreateDirectoryW(src.c_str(), nullptr);
    std::wstring inf = WriteInfSample(sample, src);
    ToolResult r = RunTool(FromInfArgs(sample, inf, out));
    ASSERT_TRUE(r.finished);
    ASSERT_LE(r.exitCode, 1u) << P(r.output);
    std::wstring folder = sample.folder;
    folder.replace(0, wcslen(L"%WindowsFolder%"), WindowsDir());
    ASSERT_FALSE(ReadScheme(sample.scheme).present) << "scheme exists before the test";
    NelTest::RemoveTree(folder);

    std::wstring log;
    bool ended = InstallWithInstaller(out + L"\\" + sample.scheme + L".exe", log);
    SchemeValue ours = ReadScheme(sample.scheme);
    auto ourFiles = FolderFiles(folder);
    DeleteScheme(sample.scheme);
    NelTest::RemoveTree(folder);
    ASSERT_TRUE(ended) << P(log);
    ASSERT_TRUE(ours.present) << "the installer registered nothing; boxes: " << P(log);

    // The scheme: the folder and the role files, 15 fields or 17 with Pin or Person.
    bool extras = !sample.roles[15].empty() || !sample.roles[16].empty();
    std::vector<std::wstring> mine = SplitFields(ExpandEnv(ours.text));
    ASSERT_EQ(extras ? 17u : 15u, mine.size()) << P(ours.text);
    for (size_t i = 0; i < mine.size(); ++i) {
        std::wstring expected = sample.roles[i].empty() ? L"" : folder + L"\\" + sample.roles[i];
        EXPECT_TRUE(SamePath(expected, mine[i])) << "field " << i + 1 << ": " << P(mine[i]);
    }
    std::vector<std::pair<std::wstring, std::string>> expectedFiles;
    for (const std::wstring& name : sample.files) {
        std::wstring lower = name;
        CharLowerBuffW(&lower[0], (DWORD)lower.size());
        expectedFiles.push_back({lower, SampleCursorBytes(name)});
    }
    std::sort(expectedFiles.begin(), expectedFiles.end());
    EXPECT_TRUE(expectedFiles == ourFiles) << "installed " << P(Names(ourFiles)) << ", expected "
                                           << P(Names(expectedFiles));

    if (!sample.setupapiFields)
        return;
    ASSERT_TRUE(InstallWithSetupapi(inf));
    SchemeValue peer = ReadScheme(sample.scheme);
    auto peerFiles = FolderFiles(folder);
    DeleteScheme(sample.scheme);
    NelTest::RemoveTree(folder);
    ASSERT_TRUE(peer.present) << "setupapi registered nothing for " << P(sample.scheme);
    std::vector<std::wstring> theirs = SplitFields(ExpandEnv(peer.text));
    EXPECT_EQ((size_t)sample.setupapiFields, theirs.size()) << P(peer.text);
    for (size_t i = 0; i < mine.size() && i < theirs.size(); ++i)
        EXPECT_TRUE(SamePath(theirs[i], mine[i]))
            << "field " << i + 1 << ": setupapi " << P(theirs[i]) << ", installer " << P(mine[i]);
    EXPECT_TRUE(peerFiles == ourFiles) << "setupapi " << P(Names(peerFiles)) << ", installer "
                                       << P(Names(ourFiles));
}

INSTANTIATE_TEST_SUITE_P(Corpus, InstallCompare, testing::ValuesIn(InfSamples()),
                         [](const testing::TestParamInfo<InfSample>& info) {
                             return SampleId(info.param);
                         });

} // namespace
