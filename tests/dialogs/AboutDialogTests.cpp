// The about dialog, opened from the main dialog's system menu: the
// program's name and version, the cursor set's texts, and its layout.
#include <gtest/gtest.h>
#include <vector>
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "resource.h"

using namespace DlgTest;

namespace {

const int kLaidOut[] = {IDOK, IDC_ABOUT_APP_ICON, IDC_ABOUT_PROGRAM, IDC_ABOUT_COPYRIGHT,
                        IDC_ABOUT_SEPARATOR, IDC_ABOUT_HEADING, IDC_ABOUT_PRODUCT,
                        IDC_ABOUT_PRODUCT_COPYRIGHT, IDC_ABOUT_HOMEPAGE};

// "FileVersion" of the program file's version resource.
std::wstring FileVersion(const std::wstring& file)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    std::vector<BYTE> data(size);
    if (!size || !GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        return L"";
    struct Translation { WORD language, codePage; }* tr = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&tr), &len) || !len)
        return L"";
    wchar_t key[64];
    wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\FileVersion", tr->language, tr->codePage);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&value), &len))
        return L"";
    return value;
}

class AboutDialog : public testing::Test {
protected:
    // Starts the installer and opens the about dialog from the system menu.
    HWND Open(const std::wstring& curInfo, const std::wstring& mainDlg = L"",
              const std::wstring& productName = L"Foo")
    {
        if (!m_run.Start(InfoFile(mainDlg, curInfo, productName)))
            return nullptr;
        PostMessageW(m_run.Dlg(), WM_SYSCOMMAND, ID_SYS_ABOUT, 0);
        return m_run.WaitForWindowTitled(TemplateCaption());
    }

    static std::wstring TemplateCaption()
    {
        TemplateDialog t(IDD_ABOUT);
        wchar_t buf[256] = {};
        GetWindowTextW(t.Hwnd(), buf, 256);
        return buf;
    }

    static std::wstring Text(HWND about, int id) { return NelTest::WindowText(GetDlgItem(about, id)); }

    static RECT ItemRect(HWND about, int id)
    {
        RECT rc = {};
        GetWindowRect(GetDlgItem(about, id), &rc);
        MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    static void ExpectLayout(HWND about, const AboutTexts& texts)
    {
        const std::map<int, RECT> expected = ExpectedAboutLayout(texts);
        for (int id : kLaidOut) {
            const RECT actual = ItemRect(about, id);
            EXPECT_TRUE(EqualRect(&expected.at(id), &actual))
                << "control " << id << ": expected " << testing::PrintToString(RectText(expected.at(id)))
                << ", actual " << testing::PrintToString(RectText(actual));
        }
        RECT client = {};
        GetClientRect(about, &client);
        EXPECT_EQ(expected.at(0).right, client.right) << "client width";
        EXPECT_EQ(expected.at(0).bottom, client.bottom) << "client height";
    }

    // The texts the dialog should show for the given product copyright.
    AboutTexts Expected(const std::wstring& setCopyright, const std::wstring& productName = L"Foo")
    {
        TemplateDialog t(IDD_ABOUT);
        AboutTexts texts;
        texts.program = LoadResString(IDS_ABOUT_VERSION);
        texts.program.replace(texts.program.find(L"%ver%"), 5, FileVersion(m_run.Path(L"set.exe")));
        texts.copyright = t.Text(IDC_ABOUT_COPYRIGHT);
        texts.heading = t.Text(IDC_ABOUT_HEADING);
        texts.product = productName + L" Version 1.50";
        texts.setCopyright = setCopyright;
        return texts;
    }

    void Close(HWND about)
    {
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        DWORD start = GetTickCount();
        while (IsWindow(about) && GetTickCount() - start < kWait)
            Sleep(50);
        EXPECT_FALSE(IsWindow(about)) << "OK did not close the about dialog";
    }

    InstallerRun m_run;
};

} // namespace

TEST_F(AboutDialog, ShowsProgramVersionProductLineCopyrightAndHomePage)
{
    HWND about = Open(L"Copyright=(C) %CompanyName% 2026\r\nCompanyName=Bar\r\n"
                      L"Homepage=https://example.com/%CurName%\r\n");
    ASSERT_NE(nullptr, about) << "no about dialog";
    const AboutTexts texts = Expected(L"(C) Bar 2026");
    ASSERT_FALSE(FileVersion(m_run.Path(L"set.exe")).empty());
    EXPECT_EQ(texts.program, Text(about, IDC_ABOUT_PROGRAM));
    EXPECT_EQ(texts.copyright, Text(about, IDC_ABOUT_COPYRIGHT));
    EXPECT_EQ(texts.heading, Text(about, IDC_ABOUT_HEADING));
    EXPECT_EQ(L"Foo Version 1.50", Text(about, IDC_ABOUT_PRODUCT));
    EXPECT_EQ(L"(C) Bar 2026", Text(about, IDC_ABOUT_PRODUCT_COPYRIGHT));
    EXPECT_EQ(L"https://example.com/Test Set", Text(about, IDC_ABOUT_HOMEPAGE));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(about, IDC_ABOUT_HOMEPAGE)));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(about, IDC_ABOUT_HOMEPAGE), GWL_STYLE) & ES_READONLY);
    ExpectLayout(about, texts);
    Close(about);
}

TEST_F(AboutDialog, LongCopyrightWidensTheDialogAndOkAndHomePageFollow)
{
    const std::wstring longCopyright =
        L"Copyright (C) 2026 とても長い名前のカーソル作者とその仲間たち All rights reserved.";
    HWND about = Open(L"Copyright=" + longCopyright + L"\r\nHomepage=http://x\r\n");
    ASSERT_NE(nullptr, about) << "no about dialog";
    ExpectLayout(about, Expected(longCopyright));
    RECT client = {};
    GetClientRect(about, &client);
    TemplateDialog t(IDD_ABOUT);
    EXPECT_GT(client.right, t.ClientRect().right) << "the dialog did not widen";
    const int m = ItemRect(about, IDC_ABOUT_APP_ICON).left;
    EXPECT_EQ(client.right - m, ItemRect(about, IDOK).right);
    EXPECT_EQ(client.right - m, ItemRect(about, IDC_ABOUT_HOMEPAGE).right);
    EXPECT_EQ(client.right - m, ItemRect(about, IDC_ABOUT_PRODUCT_COPYRIGHT).right);
    Close(about);
}

TEST_F(AboutDialog, WithoutHomepageTheFieldIsDisabledAndEmpty)
{
    HWND about = Open(L"");
    ASSERT_NE(nullptr, about) << "no about dialog";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(about, IDC_ABOUT_HOMEPAGE)));
    EXPECT_EQ(L"", Text(about, IDC_ABOUT_HOMEPAGE));
    EXPECT_EQ(L"", Text(about, IDC_ABOUT_PRODUCT_COPYRIGHT));
    ExpectLayout(about, Expected(L""));
    Close(about);
}

TEST_F(AboutDialog, WithoutProductIconTheImageIsTheDesignImageBesideTheProductLine)
{
    // CurIcon names icon 0 of the copied program, loaded at the large size.
    HWND about = Open(L"", L"CurIcon=" + m_run.Path(L"set.exe") + L",0\r\n");
    ASSERT_NE(nullptr, about) << "no about dialog";
    const RECT image = ItemRect(about, IDC_ABOUT_SET_IMAGE);
    const RECT expected = {ItemRect(about, IDC_ABOUT_APP_ICON).left,
                           ItemRect(about, IDC_ABOUT_PRODUCT).top,
                           ItemRect(about, IDC_ABOUT_APP_ICON).left + GetSystemMetrics(SM_CXICON),
                           ItemRect(about, IDC_ABOUT_PRODUCT).top + GetSystemMetrics(SM_CYICON)};
    EXPECT_TRUE(EqualRect(&expected, &image))
        << "expected " << testing::PrintToString(RectText(expected)) << ", actual "
        << testing::PrintToString(RectText(image));
    Close(about);
}

// The product line and the copyright are drawn without mnemonics, so every
// "&" shows; measured the same way, each fits its control on one line.
TEST_F(AboutDialog, TextsWithAmpersandsShowWholeOnOneLine)
{
    const std::wstring product = L"Tom & Jerry & Co";
    const std::wstring copyright = L"(C) 2026 Tom & Jerry & Co & friends, all rights reserved";
    HWND about = Open(L"Copyright=" + copyright + L"\r\n", L"", product);
    ASSERT_NE(nullptr, about) << "no about dialog";
    const AboutTexts texts = Expected(copyright, product);
    EXPECT_EQ(texts.product, Text(about, IDC_ABOUT_PRODUCT));
    EXPECT_EQ(copyright, Text(about, IDC_ABOUT_PRODUCT_COPYRIGHT));
    ExpectLayout(about, texts);
    FontMeter f;
    for (int id : {IDC_ABOUT_PRODUCT, IDC_ABOUT_PRODUCT_COPYRIGHT}) {
        const RECT rc = ItemRect(about, id);
        const SIZE drawn = f.Line(Text(about, id), true);
        EXPECT_GE(rc.right - rc.left, drawn.cx + 2) << "control " << id << " is too narrow";
    }
    Close(about);
}
