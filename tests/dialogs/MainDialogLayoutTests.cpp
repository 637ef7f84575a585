// The main dialog lays itself out from its measured texts: each control's
// rectangle is computed here from the template and the dialog font and
// compared with what the running installer shows.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "resource.h"

using namespace DlgTest;

namespace {

const int kLaidOut[] = {IDOK, IDCANCEL, IDC_PRODUCT_IMAGE, IDC_MESSAGE, IDC_SEPARATOR,
                        IDC_FOLDER_ICON, IDC_INSTALL_FOLDER_LABEL, IDC_INSTALL_FOLDER,
                        IDC_BROWSE, IDC_DEFAULT_FOLDER, IDC_DESIGN_GROUP, IDC_DESIGN_IMAGE,
                        IDC_DESIGN_NAME1_LABEL, IDC_DESIGN_NAME1, IDC_DESIGN_NAME2_LABEL,
                        IDC_DESIGN_NAME2, IDC_ALL_USERS};

// Every control the expectation places sits exactly there, and the client
// area has the expected size.
void ExpectLayout(const InstallerRun& run, const std::map<int, RECT>& expected)
{
    for (int id : kLaidOut) {
        auto it = expected.find(id);
        if (it == expected.end())
            continue;
        const RECT actual = run.ItemRect(id);
        EXPECT_TRUE(EqualRect(&it->second, &actual))
            << "control " << id << ": expected " << testing::PrintToString(RectText(it->second))
            << ", actual " << testing::PrintToString(RectText(actual));
    }
    const RECT client = run.ClientRect();
    EXPECT_EQ(expected.at(0).right, client.right) << "client width";
    EXPECT_EQ(expected.at(0).bottom, client.bottom) << "client height";
}

int Width(const RECT& rc) { return rc.right - rc.left; }

} // namespace

TEST(MainDialogLayout, TwoRowsWithTemplateTextsFollowTheLayoutRules)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n")));
    ExpectLayout(run, ExpectedMainLayout(TemplateTexts(L"Foo")));
    EXPECT_TRUE(run.Visible(IDC_DESIGN_NAME2));
    EXPECT_TRUE(run.Visible(IDC_ALL_USERS));
}

TEST(MainDialogLayout, OneRowHidesTheSecondRowAndCentresImageOnTheShownRow)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"")));
    MainTexts texts = TemplateTexts(L"Foo");
    texts.twoRows = false;
    ExpectLayout(run, ExpectedMainLayout(texts));
    EXPECT_FALSE(run.Visible(IDC_DESIGN_NAME2));
    EXPECT_FALSE(run.Visible(IDC_DESIGN_NAME2_LABEL));
    EXPECT_FALSE(run.Enabled(IDC_DESIGN_NAME2));
    EXPECT_FALSE(run.Enabled(IDC_DESIGN_NAME2_LABEL));
    EXPECT_EQ(L"", run.Text(IDC_DESIGN_NAME2));
    // The image and the shown row share a centre line (within the pixel
    // that halving an odd difference loses).
    const RECT image = run.ItemRect(IDC_DESIGN_IMAGE);
    const RECT label = run.ItemRect(IDC_DESIGN_NAME1_LABEL);
    EXPECT_LE(std::abs((image.top + image.bottom) - (label.top + label.bottom)), 1)
        << "image " << testing::PrintToString(RectText(image)) << ", row "
        << testing::PrintToString(RectText(label));
}

TEST(MainDialogLayout, LongCancelCaptionWidensCancelAloneAndKeepsTheUnits)
{
    const std::wstring longCancel = L"インストールを今すぐ取りやめる (&C)";
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\nCancelBtn=" + longCancel + L"\r\n")));
    MainTexts texts = TemplateTexts(L"Foo");
    const std::map<int, RECT> plain = ExpectedMainLayout(texts);
    texts.cancel = longCancel;
    ExpectLayout(run, ExpectedMainLayout(texts));
    // Wider than the plain button; OK, the edits and the dialog keep the
    // sizes the template's Cancel caption gives.
    EXPECT_GT(Width(run.ItemRect(IDCANCEL)), Width(plain.at(IDCANCEL)));
    EXPECT_EQ(Width(plain.at(IDOK)), Width(run.ItemRect(IDOK)));
    EXPECT_EQ(Width(plain.at(IDC_DESIGN_NAME1)), Width(run.ItemRect(IDC_DESIGN_NAME1)));
    EXPECT_EQ(plain.at(0).right, run.ClientRect().right);
    EXPECT_LT(run.ItemRect(IDOK).right, run.ItemRect(IDCANCEL).left) << "OK runs into Cancel";
}

// Three lines of this font are about as tall as the default image (42
// pixels); a fourth line makes the message the taller of the two.
TEST(MainDialogLayout, MultiLineMessageTallerThanTheImagePushesEverythingBelowItDown)
{
    const std::wstring lines[] = {L"一行目のメッセージです。", L"二行目のメッセージです。",
                                  L"三行目のメッセージです。", L"四行目のメッセージです。"};
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\nMes=" + lines[0] + L"\\n" +
                                   lines[1] + L"\\n" + lines[2] + L"\\n" + lines[3] + L"\r\n")));
    MainTexts texts = TemplateTexts(L"Foo");
    const std::map<int, RECT> plain = ExpectedMainLayout(texts);
    texts.message = lines[0] + L"\n" + lines[1] + L"\n" + lines[2] + L"\n" + lines[3];
    ExpectLayout(run, ExpectedMainLayout(texts));
    const RECT message = run.ItemRect(IDC_MESSAGE);
    EXPECT_LT(run.ItemRect(IDC_PRODUCT_IMAGE).bottom, message.bottom)
        << "four lines should reach below the image";
    EXPECT_GT(run.ItemRect(IDC_SEPARATOR).top, message.bottom);
    EXPECT_GT(run.ClientRect().bottom, plain.at(0).bottom) << "the dialog grows";
    EXPECT_GT(run.ItemRect(IDOK).top, plain.at(IDOK).top);
}

TEST(MainDialogLayout, HideLocationYesHidesTheCheckBoxAndEndsTheGroupBelowTheRows)
{
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\nHideLocation=yes\r\nLocation=All\r\n")));
    MainTexts texts = TemplateTexts(L"Foo");
    texts.checkBox = false;
    ExpectLayout(run, ExpectedMainLayout(texts));
    EXPECT_FALSE(run.Visible(IDC_ALL_USERS));
    EXPECT_EQ(BST_UNCHECKED, run.Check(IDC_ALL_USERS)) << "a hidden box is never checked";
}

TEST(MainDialogLayout, LoadedMesIconIsLaidOutAtItsRealSize)
{
    // The installer's own icon, number 0 of the copied program file, is
    // loaded at the large-icon size.
    InstallerRun run;
    ASSERT_TRUE(run.Start(
        InfoFile(L"DN2CurName=Test Animated\r\nMesIcon=" + run.Path(L"set.exe") + L",0\r\n")));
    MainTexts texts = TemplateTexts(L"Foo");
    texts.productImage = SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    ExpectLayout(run, ExpectedMainLayout(texts));
    EXPECT_LT(run.ItemRect(IDC_PRODUCT_IMAGE).right, run.ItemRect(IDC_MESSAGE).left);
}

TEST(MainDialogLayout, LongTextsWidenTheDialogInsteadOfOverlapping)
{
    MainTexts texts = TemplateTexts(L"Foo");
    texts.folderLabel = L"カーソル ファイルをインストールするフォルダをここで指定してください(&I):";
    texts.label1 = L"通常のカーソルのデザイン名をここに入力します(&N):";
    texts.label2 = L"アニメーション カーソルのデザイン名をここに入力します(&A):";
    texts.allUsers = L"このコンピュータのすべてのユーザーで使用する(&L) (管理者権限が必要です。後から削除できません)";
    texts.ok = L"この設定でインストールを開始する(&S)";
    texts.cancel = L"インストールを今すぐ取りやめる(&C)";
    InstallerRun run;
    ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\nInstallFolderStc=" + texts.folderLabel +
                                   L"\r\nDN1CurStc=" + texts.label1 + L"\r\nDN2CurStc=" + texts.label2 +
                                   L"\r\nLocationStc=" + texts.allUsers + L"\r\nOKBtn=" + texts.ok +
                                   L"\r\nCancelBtn=" + texts.cancel + L"\r\n")));
    ExpectLayout(run, ExpectedMainLayout(texts));
    const RECT client = run.ClientRect();
    const RECT group = run.ItemRect(IDC_DESIGN_GROUP);
    const int m = run.ItemRect(IDC_PRODUCT_IMAGE).left;
    EXPECT_GT(client.right, ExpectedMainLayout(TemplateTexts(L"Foo")).at(0).right) << "not widened";
    EXPECT_LE(run.ItemRect(IDC_DESIGN_NAME1_LABEL).right, run.ItemRect(IDC_DESIGN_NAME1).left);
    EXPECT_LE(run.ItemRect(IDC_DESIGN_NAME2_LABEL).right, run.ItemRect(IDC_DESIGN_NAME2).left);
    EXPECT_LE(run.ItemRect(IDC_ALL_USERS).right, group.right);
    EXPECT_LE(run.ItemRect(IDC_INSTALL_FOLDER_LABEL).right, client.right - m);
    EXPECT_GE(run.ItemRect(IDOK).left, m);
    EXPECT_LT(run.ItemRect(IDOK).right, run.ItemRect(IDCANCEL).left);
}

namespace {

// Units as the installer measures them: from the template's Cancel caption.
struct Units {
    int U, h, BW;
};
Units TemplateUnits()
{
    TemplateDialog t(IDD_MAIN);
    const SIZE cancel = FontMeter().Line(t.Text(IDCANCEL));
    const int U = cancel.cy;
    return {U, U / 2, std::max(static_cast<int>(cancel.cx) + 2 * U, Width(t.ItemRect(IDCANCEL)))};
}

} // namespace

// OK stands a Cancel width and 2h left of Cancel, whatever the captions;
// an OK wider than Cancel, which would run into that gap, stands by its
// own width instead (the smaller x), so the 2h gap always stays.
TEST(MainDialogLayout, OKStandsByCancelsWidthUnlessItIsTheWiderButton)
{
    const Units u = TemplateUnits();
    FontMeter f;
    // An OK wider than Cancel (BW) by less than the gap.
    const std::wstring slightlyWider = f.TextUpTo(u.BW - u.U + 2 * u.h);
    ASSERT_GT(f.Line(slightlyWider).cx + u.U, u.BW);
    const struct {
        const char* label;
        std::wstring ok, cancel;
        bool byOwnWidth;
    } cases[] = {
        {"long Cancel caption", L"OK", L"Cancel the whole installation now", false},
        {"OK a little wider than Cancel", slightlyWider, L"", true},
        {"OK far wider than Cancel", L"Start the installation with these settings now", L"", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        MainTexts texts = TemplateTexts(L"Foo");
        std::wstring lines = L"DN2CurName=Test Animated\r\nOKBtn=" + c.ok + L"\r\n";
        texts.ok = c.ok;
        if (!c.cancel.empty()) {
            lines += L"CancelBtn=" + c.cancel + L"\r\n";
            texts.cancel = c.cancel;
        }
        InstallerRun run;
        ASSERT_TRUE(run.Start(InfoFile(lines)));
        ExpectLayout(run, ExpectedMainLayout(texts));
        const RECT ok = run.ItemRect(IDOK), cancel = run.ItemRect(IDCANCEL);
        const int slot = c.byOwnWidth ? Width(ok) : Width(cancel);
        EXPECT_EQ(cancel.left - 2 * u.h - slot, ok.left)
            << "OK " << testing::PrintToString(RectText(ok)) << ", Cancel "
            << testing::PrintToString(RectText(cancel));
        EXPECT_LE(ok.right + 2 * u.h, cancel.left) << "OK closer to Cancel than 2h";
    }
}

// A label or check-box text that fits leaves the dialog at the width the
// template, 5 BW and the message give, even when it fits by less than h;
// one that would not fit widens it by exactly what it lacks.
TEST(MainDialogLayout, TheDialogWidensOnlyForATextThatWouldNotFit)
{
    const Units u = TemplateUnits();
    FontMeter f;
    const MainTexts plainTexts = TemplateTexts(L"Foo");
    const std::map<int, RECT> plain = ExpectedMainLayout(plainTexts);
    const int W = plain.at(0).right;
    const RECT box = plain.at(IDC_ALL_USERS);
    const int g = Width(box) - f.Line(plainTexts.allUsers).cx - u.U;
    // The widest texts that still fit: a label up to its edit, the check
    // box's text up to the group box's edge.
    const int labelRoom = plain.at(IDC_DESIGN_NAME1).left - plain.at(IDC_DESIGN_NAME1_LABEL).left - 2;
    const int boxRoom = plain.at(IDC_DESIGN_GROUP).right - box.left - g - u.U;
    const struct {
        const char* label;
        const wchar_t* key;
        std::wstring MainTexts::*field;
        std::wstring text;
        int room;
    } cases[] = {
        {"name label that fits", L"DN1CurStc", &MainTexts::label1, f.TextUpTo(labelRoom), labelRoom},
        {"check-box text that fits", L"LocationStc", &MainTexts::allUsers, f.TextUpTo(boxRoom),
         boxRoom},
        {"name label wider than its room", L"DN2CurStc", &MainTexts::label2,
         f.TextUpTo(labelRoom + 3 * u.h), labelRoom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const int width = f.Line(c.text).cx;
        ASSERT_GT(width, c.room - u.h) << "a text with h to spare tells nothing";
        InstallerRun run;
        ASSERT_TRUE(run.Start(InfoFile(L"DN2CurName=Test Animated\r\n" + std::wstring(c.key) + L"=" +
                                       c.text + L"\r\n")));
        MainTexts texts = plainTexts;
        texts.*c.field = c.text;
        ExpectLayout(run, ExpectedMainLayout(texts));
        EXPECT_EQ(W + std::max(0, width - c.room), run.ClientRect().right)
            << "text width " << width << ", room " << c.room;
    }
}
