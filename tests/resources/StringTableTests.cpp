// The installer's string table, read from the built program: every text the
// program shows or uses, in Japanese (0x411), exactly as it must read.
#include <algorithm>
#include <gtest/gtest.h>
#include "ExpectedResources.h"
#include "ResourceReader.h"
#include "TextMatch.h"

using namespace ResTest;

namespace {

class InstallerStringTable : public ::testing::Test {
protected:
    InstallerStringTable() : m_exe(BinPath(L"TaviCurMiniInst.exe")) {}
    void SetUp() override
    {
        ASSERT_NE(m_exe.Handle(), nullptr)
            << "cannot map TaviCurMiniInst.exe as data, error " << m_exe.LoadError();
    }
    DataModule m_exe;
};

TEST_F(InstallerStringTable, EveryStringHasItsExactTextInJapanese)
{
    for (size_t i = 0; i < kInstallerStringCount; ++i) {
        const ExpectedString& want = kInstallerStrings[i];
        SCOPED_TRACE("string ID " + std::to_string(want.id));
        std::wstring text;
        ASSERT_TRUE(TableString(m_exe.Handle(), want.id, kLangJapanese, &text))
            << "missing in language 0x411";
        EXPECT_TRUE(SameText(text, want.text));
    }
}

// LoadString picks a block by the thread's language with fallbacks; a stray
// block in another language would shadow the Japanese texts on some systems.
TEST_F(InstallerStringTable, BlocksExistInJapaneseOnly)
{
    std::vector<UINT> blocks = ResourceIds(m_exe.Handle(), RT_STRING);
    ASSERT_FALSE(blocks.empty());
    for (UINT block : blocks) {
        SCOPED_TRACE("string block " + std::to_string(block));
        std::vector<WORD> langs =
            ResourceLanguages(m_exe.Handle(), RT_STRING, MAKEINTRESOURCEW(block));
        ASSERT_EQ(langs.size(), 1u);
        EXPECT_EQ(langs[0], kLangJapanese);
    }
}

// A string under a mistyped ID would leave the right ID empty (caught above)
// and show up here as an ID nobody asks for.
TEST_F(InstallerStringTable, HoldsNoStringOutsideTheKnownIds)
{
    std::vector<UINT> present = TableStringIds(m_exe.Handle(), kLangJapanese);
    for (UINT id : present) {
        bool known = std::any_of(kInstallerStrings, kInstallerStrings + kInstallerStringCount,
                                 [id](const ExpectedString& s) { return s.id == id; });
        EXPECT_TRUE(known) << "unexpected string ID " << id;
    }
    EXPECT_EQ(present.size(), kInstallerStringCount);
}

}  // namespace
