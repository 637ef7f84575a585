// What the guide says the examples show, read through the installer's own
// reader and macro expansion; and the guide's warnings about the file
// form (a UTF-8 file reads as empty).
#include <gtest/gtest.h>
#include <algorithm>
#include "GuideFiles.h"
#include "InstallInfo.h"
#include "TaviGlobals.h"
#include "TestFiles.h"
#include "resource.h"

using namespace Guide;

namespace {

// A text key as the dialog shows it (macro-expanded; multi-line keys with
// line breaks), or "<not given>".
std::string Shown(const wchar_t* section, const wchar_t* key, bool multiLine = false)
{
    CNelStrW value;
    bool given = multiLine ? ReadInfoMultiLine(section, key, value) : ReadInfoText(section, key, value);
    return given ? Utf8(value.t()) : std::string("<not given>");
}

std::string WindowsFolder()
{
    wchar_t buf[MAX_PATH + 1] = {};
    GetWindowsDirectoryW(buf, MAX_PATH);
    return Utf8(buf);
}

TEST(MinimalExample, GivesOneDesignAndTheDefaults)
{
    UseInfoFile(SourcePath(L"docs\\examples\\minimal.nelcmi"));
    EXPECT_EQ("My Cursors", Shown(L"CurInfo", L"CurName"));
    EXPECT_EQ("My Cursor Set", Shown(L"CurInfo", L"ProductName"));
    EXPECT_EQ("My Cursors", Shown(L"MainDlg", L"DN1CurName"));
    EXPECT_EQ("<not given>", Shown(L"MainDlg", L"DN2CurName")) << "one design row only";
    EXPECT_EQ(100, ReadInfoInt(L"NelvoInfo", L"NelCMIFileVer", 100));
    EXPECT_EQ(2, ReadInfoInt(L"EndDlg", L"ChangeDN", 2));
    EXPECT_FALSE(InfoValueIs(L"MainDlg", L"SaveInstallData", L"Yes"));
}

TEST(TwoDesignsExample, ShowsTheTextsTheGuideQuotes)
{
    UseInfoFile(SourcePath(L"docs\\examples\\two-designs.nelcmi"));
    EXPECT_EQ("ほしぞら カーソル 1.04", Shown(L"MainDlg", L"DlgTitle"));
    EXPECT_EQ("ほしぞら カーソル をインストールします。\n静止版とアニメーション版の 2 つのデザインが入っています。",
              Shown(L"MainDlg", L"Mes", true));
    EXPECT_EQ("Hoshizora", Shown(L"MainDlg", L"DN1CurName"));
    EXPECT_EQ("Hoshizora (アニメーション)", Shown(L"MainDlg", L"DN2CurName"));
    EXPECT_EQ(WindowsFolder() + "\\Cursors\\Hoshizora", Shown(L"MainDlg", L"DefInstallFolder"));
    EXPECT_EQ("ほしぞら カーソル_setup", Shown(L"CurInfo", L"MutexName"));
    EXPECT_EQ("HKEY_CURRENT_USER\\Software\\Example Works\\Hoshizora\\DesignName2",
              Shown(L"MainDlg", L"DesignName2Key"));
    EXPECT_TRUE(InfoValueIs(L"MainDlg", L"SaveInstallData", L"Yes"));
    EXPECT_EQ("インストールできました！\n今すぐアニメーション版に切り替えますか？", Shown(L"EndDlg", L"Mes", true));
    EXPECT_EQ(2, ReadInfoInt(L"EndDlg", L"ChangeDN", 2));
}

TEST(MacrosExample, ExpandsAsTheGuideExplains)
{
    UseInfoFile(SourcePath(L"docs\\examples\\macros.nelcmi"));
    EXPECT_EQ("Sample Cursors 0.05", Shown(L"MainDlg", L"DlgTitle")) << "Version=5 gives 0.05";
    EXPECT_EQ("ようこそ！\nSample / 0.05", Shown(L"MainDlg", L"Mes", true));
    EXPECT_EQ("%Other%", Shown(L"MainDlg", L"Help_OK")) << "user macros do not nest";
    EXPECT_EQ("%Unknown% %ab% Save 50% now", Shown(L"MainDlg", L"Help_Cancel"))
        << "unknown names, two-letter names and a lone % stay as written";
}

TEST(DemoSetFile, ShowsItsJapaneseTextsExpanded)
{
    UseInfoFile(SourcePath(L"samples\\DemoSet\\DemoSet.nelcmi"));
    EXPECT_EQ("くるみデモ カーソルセット 1.20 セットアップ", Shown(L"MainDlg", L"DlgTitle"));
    EXPECT_EQ("くるみデモ カーソルセット_setup", Shown(L"CurInfo", L"MutexName"));
    EXPECT_EQ("Copyright (C) 2026 くるみカーソル工房", Shown(L"CurInfo", L"Copyright"));
    EXPECT_EQ("くるみデモ ミント", Shown(L"MainDlg", L"DN1CurName"));
    EXPECT_EQ("くるみデモ コーラル", Shown(L"MainDlg", L"DN2CurName"));
    EXPECT_EQ("HKEY_CURRENT_USER\\Software\\KurumiCursorWorks\\DemoSet\\InstallFolder",
              Shown(L"MainDlg", L"InstallFolderKey"));
    EXPECT_TRUE(InfoValueIs(L"MainDlg", L"SaveInstallData", L"Yes"));
    std::string mes = Shown(L"MainDlg", L"Mes", true);
    EXPECT_EQ(2, std::count(mes.begin(), mes.end(), '\n')) << mes;
    EXPECT_EQ(std::string::npos, mes.find('%')) << "an unexpanded macro: " << mes;
    for (const wchar_t* key : {L"Help_OK", L"Help_Cancel", L"Help_InstPath", L"Help_DN1", L"Help_DN2"}) {
        std::string help = Shown(L"MainDlg", key, true);
        EXPECT_NE("<not given>", help) << Utf8(key);
        EXPECT_EQ(std::string::npos, help.find('%')) << Utf8(key) << ": " << help;
    }
    EXPECT_EQ(2, ReadInfoInt(L"EndDlg", L"ChangeDN", 0));
    CNelStrW path;
    int index = -1;
    ASSERT_TRUE(ReadIconSpec(L"MainDlg", L"MesIcon", path, index, g_strInfoFile.t()));
    EXPECT_EQ("busy.ani", Utf8(path.t()));
    EXPECT_EQ(2, index);
}

// The guide's warning: saved as UTF-8 the same file reads as empty, so the
// installer stops at the first required key.
TEST(FileForm, Utf8CopyOfAnExampleReadsAsEmpty)
{
    std::string text;
    ASSERT_TRUE(ReadInfoFileAsUtf8(SourcePath(L"docs\\examples\\minimal.nelcmi"), text));
    NelTest::TempDir dir;
    std::wstring copy = dir / L"utf8.nelcmi";
    ASSERT_TRUE(NelTest::WriteBytes(copy, "\xEF\xBB\xBF" + text));
    UseInfoFile(copy);
    EXPECT_EQ("<not given>", Shown(L"CurInfo", L"CurName"));
    EXPECT_EQ(static_cast<UINT>(IDS_NO_CUR_NAME), FindMissingRequiredKey());
}

} // namespace
