// "check": each finding shown by a package made to show it, a clean
// package, unreadable paths, and the message language.
#include <gtest/gtest.h>
#include <windows.h>
#include "CheckPackage.h"
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

struct CheckCase {
    const char* name;
    std::wstring find, replacement;  // edit of the clean text
    int line;                        // 0: the finding has no line
    std::wstring expected;           // part of the finding's text
    unsigned long exitCode;
    const wchar_t* file = nullptr;   // a package file to overwrite
    std::string fileBytes = std::string();
};

std::wstring LinePrefix(int line)
{
    return line > 0 ? L"line " + std::to_wstring(line) + L": " : L"";
}

std::ostream& operator<<(std::ostream& os, const CheckCase& c)
{
    return os << c.name;
}

const CheckCase kCases[] = {
    {"SpaceBeforeEquals", L"DN1_Help=", L"DN1_Help =", kLineHelp,
     L"key \"DN1_Help\" has a space before \"=\"", 1},
    {"SpaceBeforeKey", L"DN1_Help=", L" DN1_Help=", kLineHelp,
     L"key \"DN1_Help\" has a space before its name", 1},
    {"KeyInWrongCase", L"DN1_Beam=", L"dn1_beam=", kLineBeam,
     L"\"dn1_beam\" is spelt in the wrong letter case; the installer looks for \"DN1_Beam\"", 1},
    {"SectionInWrongCase", L"[Strings]", L"[strings]", kLineStrings,
     L"section [strings] is spelt in the wrong letter case; the installer looks for [Strings]", 1},
    {"KeyOnHeaderLine", L"[MainDlg]", L"[MainDlg] DlgTitle=Setup", kLineMainDlg,
     L"key \"DlgTitle\" stands on the header line of [MainDlg]", 1},
    {"DuplicateHidesLaterOne", L"DN1_Help=", L"DN1_Arrow=busy.ani\r\nDN1_Help=", kLineHelp,
     L"key \"DN1_Arrow\" is given again (first on line 16)", 1},
    {"KeyOutsideItsSection", L"Mes=", L"DN1_Arrow=arrow.cur\r\nMes=", kLineMes,
     L"key \"DN1_Arrow\" belongs in [DesignList], not in [MainDlg]", 1},
    {"KeyBeforeAnySection", L"[NelvoInfo]", L"CurName=Early\r\n[NelvoInfo]", 1,
     L"key \"CurName\" stands before any section header", 1},
    {"HeaderWithLeadingSpace", L"[Strings]", L" [Strings]", kLineStrings,
     L"section header [Strings] does not start at the beginning of the line", 1},
    {"SecondSectionOfSameNameIsNeverRead", L"[Strings]",
     L"[CurInfo]\r\nCompanyName=Late\r\n[Strings]", kLineStrings + 1,
     L"key \"CompanyName\" is not what the installer reads from [CurInfo]", 1},
    {"UnknownKeyCloseToKnownOne", L"DN1_Arrow=", L"DN1_Arow=", kLineArrow,
     L"unknown key \"DN1_Arow\" in [DesignList]; did you mean DN1_Arrow?", 1},
    {"MissingRequiredKey", L"DN1CurName=Clean Set", L"DN1CurName=", kLineDN1CurName,
     L"required key [MainDlg] DN1CurName is missing or empty", 1},
    {"MissingRequiredKeyWithoutLine", L"ProductName=Clean Set\r\n", L"", 0,
     L"required key [CurInfo] ProductName is missing or empty", 1},
    {"GapEndsFileList", L"File1=busy.ani", L"File2=busy.ani", kLineFile1,
     L"File2 is never read: the list ends at File1", 1},
    {"NoFileList", L"File0=arrow.cur\r\nFile1=busy.ani\r\n", L"", 0,
     L"[InstallFiles] has no File0", 1},
    {"FileDoesNotExist", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=gone.cur", kLineFile1 + 1,
     L"File2=gone.cur: the file", 1},
    {"TraversalName", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=..\\up.cur", kLineFile1 + 1,
     L"File2=..\\up.cur: invalid file name", 1},
    {"WildcardName", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=a*.cur", kLineFile1 + 1,
     L"File2=a*.cur: invalid file name", 1},
    {"DesignFileNotInFileList", L"DN1_Pen=arrow.cur", L"DN1_Pen=pen.cur", kLinePen,
     L"DN1_Pen=pen.cur: the file is not listed in [InstallFiles]", 1},
    {"EmptyRoleIsAWarningOnly", L"DN1_No=arrow.cur", L"DN1_No=", kLineNo,
     L"warning: DN1_No is empty: the No pointer stays the system's standard one", 0},
    {"IconIsNoCursor", L"", L"", kLineArrow,
     L"DN1_Arrow=arrow.cur: not a valid .cur or .ani file (no cursor directory of type 2)", 1,
     L"arrow.cur", std::string("\0\0\1\0\1\0", 6) + std::string(64, '\0')},
    {"AconWithoutAnih", L"", L"", kLineWait,
     L"DN1_Wait=busy.ani: not a valid .cur or .ani file (ACON without an anih chunk)", 1,
     L"busy.ani", std::string("RIFF\x0c\0\0\0ACONLIST\0\0\0\0", 20)},
    {"RiffThatIsNotAcon", L"", L"", kLineWait,
     L"DN1_Wait=busy.ani: not a valid .cur or .ani file (RIFF file that is not ACON)", 1,
     L"busy.ani", std::string("RIFF\x04\0\0\0WAVE", 12)},
    {"FileVersionAbove100", L"NelCMIFileVer=100", L"NelCMIFileVer=101", kLineVersion,
     L"NelCMIFileVer 101 (1.01) is above 1.00", 1},
    {"MacroStaysUnexpanded", L"Mes=%Greeting%", L"Mes=%Greting%", kLineMes,
     L"[MainDlg] Mes: %Greting% stays unexpanded", 1},
    {"RegistryPathWithShortRoot", L"HKEY_CURRENT_USER\\", L"HKCU\\", kLineFolderKey,
     L"[MainDlg] InstallFolderKey: \"HKCU\\Software\\NelCmiToolTest\\Folder\" has an unknown "
     L"registry root",
     1},
};

class CheckFinding : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckFinding, IsReportedOnItsLineWithItsExitCode)
{
    const CheckCase& c = GetParam();
    NelTest::TempDir dir;
    std::wstring text = CleanInfoText();
    if (!c.find.empty()) {
        ASSERT_NE(text.find(c.find), std::wstring::npos) << "case edits a line the text lacks";
        text = Replace(text, c.find, c.replacement);
    }
    WritePackage(dir.Path(), Utf16Le(text, true));
    if (c.file) {
        ASSERT_TRUE(NelTest::WriteBytes(dir / c.file, c.fileBytes));
    }
    ToolResult r = RunTool(L"check " + Quote(dir.Path()) + L" --lang en");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(c.exitCode, r.exitCode) << testing::PrintToString(r.output);
    std::wstring line = r.Find(LinePrefix(c.line), c.expected);
    EXPECT_FALSE(line.empty()) << "expected \"" << testing::PrintToString(LinePrefix(c.line) + c.expected)
                               << "\" in:\n" << testing::PrintToString(r.output);
}

INSTANTIATE_TEST_SUITE_P(Findings, CheckFinding, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

// Texts with a Japanese name, so that UTF-8 and ANSI differ from ASCII.
std::wstring JapaneseText()
{
    return Replace(CleanInfoText(), L"ProductName=Clean Set", L"ProductName=\x30AB\x30FC\x30BD\x30EB");
}

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::wstring expected;
    unsigned long exitCode;
};

TEST(CheckEncoding, WrongEncodingsAreNamedAndNoBomIsOnlyAWarning)
{
    const EncodingCase cases[] = {
        {"utf8-bom", Utf8(JapaneseText(), true), L"the file is UTF-8 with a byte-order mark", 1},
        {"utf8", Utf8(JapaneseText(), false), L"the file is UTF-8 without a byte-order mark", 1},
        {"ansi", CodePage(JapaneseText(), 932), L"the file is ANSI", 1},
        {"ascii", CodePage(CleanInfoText(), 1252), L"the file is ANSI", 1},
        {"utf16be", Utf16Be(JapaneseText()), L"the file is UTF-16 big-endian", 1},
        {"utf16le-nobom", Utf16Le(JapaneseText(), false),
         L"warning: the file is UTF-16LE without a byte-order mark", 0},
    };
    for (const EncodingCase& c : cases) {
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
