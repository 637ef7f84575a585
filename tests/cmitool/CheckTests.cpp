// "check": each finding shown by a package made to show it, a clean
// package, unreadable paths, and the message language.
#include <gtest/gtest.h>
#include <windows.h>
#include "CheckPackage.h"
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

std::wstring LinePrefix(int line)
{
    return line > 0 ? L"line " + std::to_wstring(line) + L": " : L"";
}

class CheckFinding : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckFinding, IsReportedOnItsLineWithItsExitCode)
{
    const CheckCase& c = GetParam();
    NelTest::TempDir dir;
    ASSERT_TRUE(c.find.empty() || CleanInfoText().find(c.find) != std::wstring::npos)
        << "case edits a line the text lacks";
    WriteCheckCase(c, dir.Path());
    ToolResult r = RunTool(L"check " + Quote(dir.Path()) + L" --lang en");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(c.exitCode, r.exitCode) << testing::PrintToString(r.output);
    std::wstring line = r.Find(LinePrefix(c.line), c.expected);
    EXPECT_FALSE(line.empty()) << "expected \"" << testing::PrintToString(LinePrefix(c.line) + c.expected)
                               << "\" in:\n" << testing::PrintToString(r.output);
}

INSTANTIATE_TEST_SUITE_P(Findings, CheckFinding, testing::ValuesIn(CheckCases()),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CheckEncoding, WrongEncodingsAreNamedAndNoBomIsOnlyAWarning)
{
    for (const EncodingCase& c : EncodingCases()) {
        SCOPED_TRACE(c.name);
        NelTest::TempDir dir;
        WritePackage(dir.Path(), c.bytes);
        ToolResult r = RunTool(L"check " + Quote(dir / L"set.nelcmi") + L" --lang en");
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(c.exitCode, r.exitCode) << testing::PrintToString(r.output);
        ASSERT_FALSE(r.Lines().empty());
        EXPECT_EQ(0u, r.Lines()[0].find(c.expected)) << testing::PrintToString(r.output);
        // A file the installer cannot read says nothing about its keys.
        if (c.exitCode == 1) {
            EXPECT_EQ(1u, r.Lines().size()) << testing::PrintToString(r.output);
        }
    }
}

TEST(CheckClean, CleanPackageReportsNothingAndExitsZero)
{
    NelTest::TempDir dir;
    WritePackage(dir.Path(), Utf16Le(CleanInfoText(), true));
    ToolResult r = RunTool(L"check " + Quote(dir.Path()) + L" --lang en");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_EQ(L"no problems found\r\n", r.output) << testing::PrintToString(r.output);
}

TEST(CheckUnreadable, MissingPathAndFolderWithoutInfoFileExitTwo)
{
    NelTest::TempDir dir;
    ToolResult missing = RunTool(L"check " + Quote(dir / L"nothing here") + L" --lang en");
    ASSERT_TRUE(missing.finished);
    EXPECT_EQ(2u, missing.exitCode);
    EXPECT_EQ(0u, missing.output.find(L"cannot read the package: ")) << testing::PrintToString(missing.output);

    ToolResult empty = RunTool(L"check " + Quote(dir.Path()) + L" --lang en");
    ASSERT_TRUE(empty.finished);
    EXPECT_EQ(2u, empty.exitCode);
    EXPECT_EQ(0u, empty.output.find(L"no .nelcmi file in the folder")) << testing::PrintToString(empty.output);

    ToolResult usage = RunTool(L"check");
    ASSERT_TRUE(usage.finished);
    EXPECT_EQ(2u, usage.exitCode);
}

TEST(CheckLanguage, LangOptionChoosesAndDefaultFollowsUserLanguage)
{
    NelTest::TempDir dir;
    WritePackage(dir.Path(), Utf16Le(Replace(CleanInfoText(), L"DN1_Help=", L"DN1_Help ="), true));
    std::wstring args = L"check " + Quote(dir.Path());
    ToolResult en = RunTool(args + L" --lang en");
    ToolResult ja = RunTool(args + L" --lang ja");
    ToolResult byUser = RunTool(args);
    ASSERT_TRUE(en.finished && ja.finished && byUser.finished);
    EXPECT_FALSE(en.Find(L"line 17: ", L"has a space before \"=\"").empty()) << testing::PrintToString(en.output);
    EXPECT_FALSE(ja.Find(L"17 \x884C\x76EE: ", L"\"=\" \x306E\x524D\x306B\x7A7A\x767D").empty())
        << testing::PrintToString(ja.output);
    bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    EXPECT_EQ(japanese ? ja.output : en.output, byUser.output);
    // The Japanese locale of this test run must really give Japanese.
    const char* acp = getenv("NEL_EXPECT_ACP");
    if (acp && strcmp(acp, "932") == 0) {
        EXPECT_TRUE(japanese);
    }
}

} // namespace
