// Each converted package installed by the real installer registers the
// same scheme as Wine's setupapi does for the original inf.
#include <gtest/gtest.h>
#include <windows.h>
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

class InstallCompare : public testing::TestWithParam<InfSample> {};

TEST_P(InstallCompare, InstallerRegistersWhatSetupapiRegisters)
{
    const InfSample& sample = GetParam();
    // Schemes is restored (or removed) before its parent key.
    RegValuesGuard cursors(HKEY_CURRENT_USER, kCursorsKey), schemes(HKEY_CURRENT_USER, kSchemesKey);
    NelTest::TempDir dir;
    std::wstring src = dir / L"src", out = dir / L"out";
    CreateDirectoryW(src.c_str(), nullptr);
    std::wstring inf = WriteInfSample(sample, src);
    ToolResult r = RunTool(L"from-inf " + Quote(inf) + L" " + Quote(out) + L" --lang en");
    ASSERT_TRUE(r.finished);
    ASSERT_LE(r.exitCode, 1u) << P(r.output);
    std::wstring folder = ExpandEnv(sample.folder);
    folder.replace(0, wcslen(L"%WindowsFolder%"), WindowsDir());
    ASSERT_FALSE(ReadScheme(sample.scheme).present) << "scheme exists before the test";

    ASSERT_TRUE(InstallWithSetupapi(inf));
    SchemeValue peer = ReadScheme(sample.scheme);
    DeleteScheme(sample.scheme);
    NelTest::RemoveTree(folder);
    ASSERT_TRUE(peer.present) << "setupapi registered nothing for " << P(sample.scheme);

    std::wstring log;
    bool ended = InstallWithInstaller(out + L"\\" + sample.scheme + L".exe", log);
    SchemeValue ours = ReadScheme(sample.scheme);
    DeleteScheme(sample.scheme);
    NelTest::RemoveTree(folder);
    ASSERT_TRUE(ended) << P(log);
    ASSERT_TRUE(ours.present) << "the installer registered nothing; boxes: " << P(log);

    std::vector<std::wstring> theirs = SplitFields(ExpandEnv(peer.text));
    std::vector<std::wstring> mine = SplitFields(ExpandEnv(ours.text));
    EXPECT_EQ((size_t)sample.schemeFields, theirs.size()) << P(peer.text);
    ASSERT_EQ(sample.roles.size(), mine.size()) << P(ours.text);
    for (size_t i = 0; i < mine.size() && i < theirs.size(); ++i) {
        EXPECT_TRUE(SamePath(theirs[i], mine[i]))
            << "field " << i + 1 << ": setupapi " << P(theirs[i]) << ", installer " << P(mine[i]);
        // Both name the installed file itself, not just the same text.
        std::wstring expected = sample.roles[i].empty() ? L"" : folder + L"\\" + sample.roles[i];
        EXPECT_TRUE(SamePath(expected, mine[i])) << "field " << i + 1 << ": " << P(mine[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, InstallCompare, testing::ValuesIn(InfSamples()),
                         [](const testing::TestParamInfo<InfSample>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
