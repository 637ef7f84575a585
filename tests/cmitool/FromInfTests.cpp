// "from-inf": the package written for each inf style, what is reported,
// and that the written package passes "check".
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include "CheckPackage.h"
#include "InfSamples.h"
#include "NelIni.h"
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

const wchar_t* const kRoleKeys[17] = {
    L"DN1_Arrow", L"DN1_Help",  L"DN1_Wait",  L"DN1_Busy",  L"DN1_Cross",
    L"DN1_Beam",  L"DN1_Pen",   L"DN1_No",    L"DN1_Size4", L"DN1_Size3",
    L"DN1_Size2", L"DN1_Size1", L"DN1_Move",  L"DN1_Up",    L"DN1_Hand",
    L"DN1_Pin",   L"DN1_Person"};

std::wstring Ini(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    CNelStrW value;
    if (!NelIniGetStr(section, key, value, file.c_str()))
        return L"<missing>";
    return value.t() ? value.t() : L"";
}

std::vector<std::wstring> InstallFiles(const std::wstring& file)
{
    std::vector<std::wstring> names;
    for (int n = 0;; ++n) {
        std::wstring name = Ini(file, L"InstallFiles", (L"File" + std::to_wstring(n)).c_str());
        if (name == L"<missing>" || name.empty())
            return names;
        names.push_back(name);
    }
}

std::string P(const std::wstring& s)
{
    return testing::PrintToString(s);
}

// The lines of the output that start with prefix.
std::vector<std::wstring> LinesWith(const ToolResult& r, const std::wstring& prefix)
{
    std::vector<std::wstring> lines;
    for (const std::wstring& line : r.Lines())
        if (line.compare(0, prefix.size(), prefix) == 0)
            lines.push_back(line);
    return lines;
}

// Each expected part in its own line, in order, and no other line.
void ExpectRemarks(const std::vector<std::wstring>& lines, const std::vector<std::wstring>& parts,
                   const std::wstring& output)
{
    EXPECT_EQ(parts.size(), lines.size()) << P(output);
    for (size_t i = 0; i < parts.size() && i < lines.size(); ++i)
        EXPECT_NE(std::wstring::npos, lines[i].find(parts[i]))
            << P(parts[i]) << " in " << P(lines[i]);
}

class FromInf : public testing::TestWithParam<InfSample> {};

TEST_P(FromInf, WritesThePackageTheInfDescribesAndCheckPassesIt)
{
    const InfSample& sample = GetParam();
    NelTest::TempDir dir;
    std::wstring src = dir / L"src", out = dir / L"out";
    CreateDirectoryW(src.c_str(), nullptr);
    std::wstring inf = WriteInfSample(sample, src);
    ToolResult r = RunTool(FromInfArgs(sample, inf, out));
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(sample.warnings.empty() ? 0u : 1u, r.exitCode) << P(r.output);
    ExpectRemarks(LinesWith(r, L"warning: "), sample.warnings, r.output);
    ExpectRemarks(LinesWith(r, L"note: "), sample.notes, r.output);

    std::wstring info = out + L"\\" + sample.scheme + L".nelcmi";
    std::string bytes = ReadAllBytes(info);
    ASSERT_GE(bytes.size(), 2u) << P(info);
    EXPECT_EQ(std::string("\xFF\xFE"), bytes.substr(0, 2)) << "UTF-16LE mark expected";
    EXPECT_EQ(sample.scheme, Ini(info, L"CurInfo", L"CurName"));
    EXPECT_EQ(sample.scheme, Ini(info, L"CurInfo", L"ProductName"));
    EXPECT_NE(L"<missing>", Ini(info, L"CurInfo", L"MutexName"));
    EXPECT_EQ(sample.scheme, Ini(info, L"MainDlg", L"DN1CurName"));
    EXPECT_EQ(sample.folder, Ini(info, L"MainDlg", L"DefInstallFolder"));

    std::vector<std::wstring> files = InstallFiles(info), expected = sample.files;
    std::sort(files.begin(), files.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, files);
    for (size_t i = 0; i < 17; ++i) {
        std::wstring want = sample.roles[i].empty() ? L"<missing>" : sample.roles[i];
        EXPECT_EQ(want, Ini(info, L"DesignList", kRoleKeys[i])) << P(kRoleKeys[i]);
    }
    for (const std::wstring& file : sample.files)
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((out + L"\\" + file).c_str())) << P(file);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesW((out + L"\\" + sample.scheme + L".exe").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((out + L"\\NelWnd.dll").c_str()));

    // What the converter writes, the checker accepts (named by its installer).
    ToolResult check = RunTool(L"check " + Quote(out + L"\\" + sample.scheme + L".exe") + L" --lang en");
    EXPECT_EQ(0u, check.exitCode) << P(check.output);
}

INSTANTIATE_TEST_SUITE_P(Corpus, FromInf, testing::ValuesIn(InfSamples()),
                         [](const testing::TestParamInfo<InfSample>& info) {
                             return SampleId(info.param);
                         });

TEST(FromInfAbsent, ListedFileThatIsAbsentIsReportedAndNotInvented)
{
    const InfSample& sample = InfSamples()[0];
    NelTest::TempDir dir;
    std::wstring src = dir / L"src", out = dir / L"out";
    CreateDirectoryW(src.c_str(), nullptr);
    std::wstring inf = WriteInfSample(sample, src);
    ASSERT_TRUE(DeleteFileW((src + L"\\Link Select.cur").c_str()));
    ToolResult r = RunTool(FromInfArgs(sample, inf, out));
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(1u, r.exitCode) << P(r.output);
    EXPECT_FALSE(r.Find(L"", L"listed file Link Select.cur does not exist beside the inf; left out").empty())
        << P(r.output);
    EXPECT_FALSE(r.Find(L"", L"DN1_Hand: file Link Select.cur is not in the package").empty())
        << P(r.output);
    std::wstring info = out + L"\\" + sample.scheme + L".nelcmi";
    std::vector<std::wstring> files = InstallFiles(info);
    EXPECT_EQ(4u, files.size());
    EXPECT_EQ(files.end(), std::find(files.begin(), files.end(), L"Link Select.cur"));
    EXPECT_EQ(L"<missing>", Ini(info, L"DesignList", L"DN1_Hand"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((out + L"\\Link Select.cur").c_str()));
}

TEST(FromInfFailures, UnreadableInfAndInfWithoutSchemeExitTwo)
{
    NelTest::TempDir dir;
    ToolResult missing = RunTool(L"from-inf " + Quote(dir / L"none.inf") + L" " + Quote(dir / L"out") + L" --lang en");
    ASSERT_TRUE(missing.finished);
    EXPECT_EQ(2u, missing.exitCode);
    EXPECT_EQ(0u, missing.output.find(L"cannot read ")) << P(missing.output);

    ASSERT_TRUE(NelTest::WriteBytes(dir / L"plain.inf", "[Version]\r\nsignature=\"$CHICAGO$\"\r\n"));
    ToolResult plain = RunTool(L"from-inf " + Quote(dir / L"plain.inf") + L" " + Quote(dir / L"out") + L" --lang en");
    ASSERT_TRUE(plain.finished);
    EXPECT_EQ(2u, plain.exitCode);
    EXPECT_EQ(0u, plain.output.find(L"no AddReg line writes")) << P(plain.output);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((dir / L"out").c_str()));

    ToolResult badPage = RunTool(L"from-inf " + Quote(dir / L"plain.inf") + L" " + Quote(dir / L"out") +
                                 L" --codepage 12345 --lang en");
    ASSERT_TRUE(badPage.finished);
    EXPECT_EQ(2u, badPage.exitCode);
    EXPECT_EQ(0u, badPage.output.find(L"code page 12345 is not available")) << P(badPage.output);
}

} // namespace

namespace {

// Converts an inf that copies a.cur with the given [DestinationDirs] line
// and registers it as the first field of the scheme; the package goes to
// dir\out.
ToolResult ConvertOneFileInf(const NelTest::TempDir& dir, const std::string& destinationLine,
                             const std::string& scheme, const std::string& field)
{
    NelTest::WriteBytes(
        dir / L"install.inf",
        "[Version]\r\nsignature=\"$CHICAGO$\"\r\n[DefaultInstall]\r\nCopyFiles=Scheme.Cur\r\n"
        "AddReg=Scheme.Reg\r\n[DestinationDirs]\r\n" + destinationLine +
        "\r\n[Scheme.Reg]\r\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"" + scheme + "\",,\"" + field +
        ",,,,,,,,,,,,,,\"\r\n[Scheme.Cur]\r\na.cur\r\n");
    NelTest::WriteBytes(dir / L"a.cur", ValidCur());
    return RunTool(L"from-inf " + Quote(dir / L"install.inf") + L" " + Quote(dir / L"out") + L" --lang en");
}

TEST(FromInfFolder, SchemeFolderUnlikeCopyFolderIsReportedAndCopyFolderUsed)
{
    NelTest::TempDir dir;
    std::wstring out = dir / L"out";
    ToolResult r = ConvertOneFileInf(dir, "DefaultDestDir=10,Cursors\\Copied", "Folder Test",
                                     "%10%\\Cursors\\Elsewhere\\a.cur");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(1u, r.exitCode) << P(r.output);
    EXPECT_FALSE(r.Find(L"warning: the scheme names the folder ", L"\\Cursors\\Elsewhere").empty()) << P(r.output);
    std::wstring info = out + L"\\Folder Test.nelcmi";
    EXPECT_EQ(L"%WindowsFolder%\\Cursors\\Copied", Ini(info, L"MainDlg", L"DefInstallFolder"));
    EXPECT_EQ(L"a.cur", Ini(info, L"DesignList", L"DN1_Arrow"));
}

// A destination outside the Windows folder, relative or not known here
// never becomes the package's folder: the installer's own default place
// for the scheme does, with a note that names the inf's destination.
TEST(FromInfFolder, DestinationOutsideTheWindowsFolderGivesTheDefaultFolderWithANote)
{
    const struct {
        const char* destination;
        const wchar_t* named;  // how the note names the inf's destination
    } cases[] = {
        {"-1,Cursors\\Relative", L"the inf copies the files to Cursors\\Relative,"},
        {"-1,D:\\Cursors\\Other Drive", L"the inf copies the files to D:\\Cursors\\Other Drive,"},
        {"16422,\"Cursors\\Program Files\"", L"the inf copies the files to Cursors\\Program Files,"},
        {"-1,\\\\server\\share\\cursors", L"the inf copies the files to \\\\server\\share\\cursors,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.destination);
        NelTest::TempDir dir;
        std::wstring out = dir / L"out";
        ToolResult r = ConvertOneFileInf(dir, std::string("Scheme.Cur=") + c.destination,
                                         "Elsewhere: Set", "a.cur");
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(0u, r.exitCode) << P(r.output);
        // The scheme name holds a ":", which no folder name may.
        std::wstring folder = L"%WindowsFolder%\\Cursors\\Elsewhere_ Set";
        EXPECT_FALSE(r.Find(L"note: ", std::wstring(c.named) + L" which is not a folder inside the "
                                       L"Windows folder; the package installs into " + folder)
                         .empty())
            << P(r.output);
        EXPECT_EQ(folder, Ini(out + L"\\Elsewhere_ Set.nelcmi", L"MainDlg", L"DefInstallFolder"));
    }
}

} // namespace
