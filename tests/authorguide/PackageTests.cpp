// Every package the guide presents is one an author could ship as it is:
// the installer's start-up checks pass, every listed file is there, and
// the design lists only name files that get installed.
#include <gtest/gtest.h>
#include <algorithm>
#include "CursorRoles.h"
#include "GuideFiles.h"
#include "InstallInfo.h"

using namespace Guide;

namespace {

class GuidePackage : public testing::TestWithParam<Package> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(SourceDir().empty()) << "NEL_SOURCE_DIR is not set";
        UseInfoFile(GetParam().InfoFile());
    }
};

std::string PackageName(const testing::TestParamInfo<Package>& info)
{
    std::string name = Utf8(info.param.relativeInfoFile);
    std::string out;
    for (char c : name)
        out += isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

TEST_P(GuidePackage, PassesTheStartUpChecksOfTheInstaller)
{
    EXPECT_EQ(100, ReadInfoInt(L"NelvoInfo", L"NelCMIFileVer", 100))
        << "a version above 100 makes the installer ask before it starts";
    EXPECT_EQ(0u, FindMissingRequiredKey()) << "message ID of the first missing required key";
}

TEST_P(GuidePackage, ListsFilesThatLieBesideIt)
{
    std::vector<std::wstring> files = ReadInstallFileList(GetParam().InfoFile());
    ASSERT_FALSE(files.empty()) << "File0 missing: the installer shows message 1030";
    for (size_t n = 0; n < files.size(); ++n) {
        const std::wstring& f = files[n];
        SCOPED_TRACE("File" + std::to_string(n) + "=" + Utf8(f));
        EXPECT_EQ(std::wstring::npos, f.find_first_of(L"*?,")) << "message 1029 would stop the install";
        std::wstring path = GetParam().Folder() + L"\\" + f;
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << Utf8(path) << " is missing";
    }
}

TEST_P(GuidePackage, DesignListNamesOnlyInstalledFiles)
{
    std::vector<std::wstring> files = ReadInstallFileList(GetParam().InfoFile());
    int named = 0;
    for (const wchar_t* design : {L"1", L"2"}) {
        for (const CursorRole& role : kCursorRoles) {
            CNelStrW file;
            ReadDesignFile(role.keyTemplate, design, L"", file, GetParam().InfoFile().c_str());
            if (file.IsEmpty())
                continue;
            ++named;
            std::wstring name = file.t();
            SCOPED_TRACE(Utf8(std::wstring(role.keyTemplate)) + " design " + Utf8(design) + " = " + Utf8(name));
            EXPECT_NE(files.end(), std::find(files.begin(), files.end(), name))
                << "a role file that [InstallFiles] does not copy";
        }
    }
    EXPECT_GT(named, 0) << "no [DesignList] entry at all";
}

TEST_P(GuidePackage, SecondDesignHasFilesExactlyWhenItHasAName)
{
    CNelStrW name;
    bool secondRow = ReadInfoStr(L"MainDlg", L"DN2CurName", name);
    int files = 0;
    for (const CursorRole& role : kCursorRoles) {
        CNelStrW file;
        ReadDesignFile(role.keyTemplate, L"2", L"", file, GetParam().InfoFile().c_str());
        files += file.IsEmpty() ? 0 : 1;
    }
    EXPECT_EQ(secondRow, files > 0) << files << " design 2 files, DN2CurName "
                                    << (secondRow ? "given" : "missing");
}

INSTANTIATE_TEST_SUITE_P(All, GuidePackage, testing::ValuesIn(AllPackages()), PackageName);

// The demo set fills every role of both designs with its own file, the
// still design with .cur files and the classic fifteen roles, the animated
// one with .ani files and all seventeen (so its scheme has seventeen fields).
TEST(DemoSet, FillsTheClassicRolesOfBothDesignsAndPinAndPersonOfTheAnimatedOne)
{
    std::wstring info = SourcePath(L"samples\\DemoSet\\DemoSet.nelcmi");
    UseInfoFile(info);
    EXPECT_EQ(32u, ReadInstallFileList(info).size());
    for (const wchar_t* design : {L"1", L"2"}) {
        const wchar_t* ext = design[0] == L'1' ? L".cur" : L".ani";
        const int roles = design[0] == L'1' ? kClassicRoleCount : kCursorRoleCount;
        std::vector<std::wstring> seen;
        for (const CursorRole& role : kCursorRoles) {
            if (&role - kCursorRoles >= roles) {
                CNelStrW none;
                ReadDesignFile(role.keyTemplate, design, L"", none, info.c_str());
                EXPECT_TRUE(none.IsEmpty()) << Utf8(std::wstring(role.keyTemplate)) << " in the still design";
                continue;
            }
            CNelStrW file;
            ReadDesignFile(role.keyTemplate, design, L"", file, info.c_str());
            std::wstring name = file.IsEmpty() ? L"" : file.t();
            SCOPED_TRACE(Utf8(std::wstring(role.keyTemplate)) + " design " + Utf8(design) + " = " + Utf8(name));
            ASSERT_GT(name.size(), 4u);
            EXPECT_EQ(std::wstring(ext), name.substr(name.size() - 4));
            EXPECT_EQ(seen.end(), std::find(seen.begin(), seen.end(), name)) << "file used for two roles";
            seen.push_back(name);
        }
    }
}

} // namespace
