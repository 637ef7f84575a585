// The installer's dialog templates 129 and 103 as stored in the built
// program: header (styles, caption, class, font) and every control in tab
// order (ID, class, style, rectangle, text).
#include <gtest/gtest.h>
#include "DialogTemplate.h"
#include "ExpectedResources.h"
#include "ResourceReader.h"
#include "TextMatch.h"

using namespace ResTest;

namespace {

// Window class names are case-insensitive, and the resource compiler may
// store them in capitals ("STATIC", and the CLASS statement's name too), so
// class names are compared ignoring case.
bool SameClass(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

std::string Hex(DWORD v)
{
    char buf[16];
    wsprintfA(buf, "0x%08lX", static_cast<unsigned long>(v));
    return buf;
}

class InstallerDialogTemplate : public ::testing::TestWithParam<const ExpectedDialog*> {
protected:
    InstallerDialogTemplate() : m_exe(BinPath(L"TaviCurMiniInst.exe")) {}

    void SetUp() override
    {
        ASSERT_NE(m_exe.Handle(), nullptr)
            << "cannot map TaviCurMiniInst.exe as data, error " << m_exe.LoadError();
        std::vector<BYTE> bytes = ResourceBytes(m_exe.Handle(), RT_DIALOG,
                                                MAKEINTRESOURCEW(Want().id), kLangJapanese);
        ASSERT_FALSE(bytes.empty()) << "no dialog " << Want().id << " in language 0x411";
        std::string error;
        ASSERT_TRUE(ParseDialogTemplate(bytes, &m_dlg, &error)) << error;
    }

    const ExpectedDialog& Want() const { return *GetParam(); }

    DataModule m_exe;
    DlgInfo m_dlg;
};

TEST_P(InstallerDialogTemplate, HeaderHasStylesCaptionClassAndFont)
{
    EXPECT_EQ(Hex(m_dlg.style), Hex(Want().style));
    EXPECT_EQ(Hex(m_dlg.exStyle), Hex(Want().exStyle));
    EXPECT_TRUE(SameText(m_dlg.caption, Want().caption));
    EXPECT_FALSE(m_dlg.windowClass.isOrdinal) << "class given as ordinal "
                                              << m_dlg.windowClass.ordinal;
    EXPECT_TRUE(SameClass(m_dlg.windowClass.text, Want().className))
        << Show(m_dlg.windowClass.text) << " instead of " << Show(Want().className);
    EXPECT_FALSE(m_dlg.menu.isOrdinal || !m_dlg.menu.text.empty()) << "the dialog has a menu";
    ASSERT_TRUE(m_dlg.hasFont);
    EXPECT_EQ(m_dlg.pointSize, kDialogFontPoints);
    EXPECT_TRUE(SameText(m_dlg.faceName, kDialogFontFace));
    if (m_dlg.extended) {  // only the extended form stores a character set
        EXPECT_EQ(m_dlg.charset, SHIFTJIS_CHARSET);
    }
}

TEST_P(InstallerDialogTemplate, ControlsMatchTheTableInTabOrder)
{
    ASSERT_EQ(m_dlg.items.size(), Want().controlCount);
    for (size_t i = 0; i < Want().controlCount; ++i) {
        const ExpectedControl& want = Want().controls[i];
        const DlgItemInfo& item = m_dlg.items[i];
        SCOPED_TRACE("control #" + std::to_string(i) + ", expected ID " + std::to_string(want.id));
        EXPECT_EQ(item.id, want.id);
        EXPECT_TRUE(SameClass(ControlClassName(item.windowClass), want.className))
            << Show(ControlClassName(item.windowClass)) << " instead of " << Show(want.className);
        EXPECT_EQ(Hex(item.style), Hex(want.style));
        EXPECT_EQ(Hex(item.exStyle), Hex(0));
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_FALSE(item.title.isOrdinal) << "text given as resource ordinal "
                                           << item.title.ordinal;
        EXPECT_TRUE(SameText(item.title.text, want.text));
        EXPECT_TRUE(item.creationData.empty()) << item.creationData.size() << " bytes";
    }
}

// The program lays the dialogs out anew, but it reads the template
// rectangles first; a control outside the template would be clipped in
// the first layout and would show that the table was copied wrongly.
TEST_P(InstallerDialogTemplate, ControlsLieInsideTheDialog)
{
    ASSERT_GT(m_dlg.cx, 0);
    ASSERT_GT(m_dlg.cy, 0);
    for (const DlgItemInfo& item : m_dlg.items) {
        SCOPED_TRACE("control ID " + std::to_string(item.id));
        EXPECT_GE(item.x, 0);
        EXPECT_GE(item.y, 0);
        EXPECT_LE(item.x + item.cx, m_dlg.cx);
        EXPECT_LE(item.y + item.cy, m_dlg.cy);
    }
}

TEST_P(InstallerDialogTemplate, ExistsInJapaneseOnly)
{
    std::vector<WORD> langs = ResourceLanguages(m_exe.Handle(), RT_DIALOG,
                                                MAKEINTRESOURCEW(Want().id));
    ASSERT_EQ(langs.size(), 1u);
    EXPECT_EQ(langs[0], kLangJapanese);
}

INSTANTIATE_TEST_SUITE_P(Templates, InstallerDialogTemplate,
                         ::testing::Values(&kMainDialog, &kAboutDialog),
                         [](const ::testing::TestParamInfo<const ExpectedDialog*>& info) {
                             return info.param == &kMainDialog ? std::string("Main129")
                                                               : std::string("About103");
                         });

}  // namespace
