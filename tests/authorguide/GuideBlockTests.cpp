// The guides show the example files verbatim: every code block that names
// an example file ("```ini minimal.nelcmi") holds exactly that file's text
// (UTF-8, LF line ends in the guide; UTF-16, CR LF on disk), and each guide
// shows every example.
#include <gtest/gtest.h>
#include <algorithm>
#include "GuideFiles.h"
#include "TestFiles.h"

using namespace Guide;

namespace {

class GuideText : public testing::TestWithParam<const wchar_t*> {};

TEST_P(GuideText, ShowsEveryExampleFileVerbatim)
{
    std::string markdown;
    ASSERT_TRUE(ReadBytes(SourcePath(GetParam()), markdown)) << Utf8(GetParam());
    std::vector<NamedBlock> blocks = NamedBlocks(markdown);
    for (const std::wstring& name : ExampleNames()) {
        std::string example;
        ASSERT_TRUE(ReadInfoFileAsUtf8(SourcePath(L"docs\\examples\\" + name), example))
            << Utf8(name) << " is not UTF-16LE with a byte-order mark";
        int shown = 0;
        for (const NamedBlock& block : blocks) {
            if (block.fileName != Utf8(name))
                continue;
            ++shown;
            EXPECT_EQ(example, block.body) << "block for " << block.fileName << " differs from the file";
        }
        EXPECT_GE(shown, 1) << Utf8(name) << " is not shown in " << Utf8(GetParam());
    }
    for (const NamedBlock& block : blocks) {
        bool known = std::any_of(ExampleNames().begin(), ExampleNames().end(),
                                 [&](const std::wstring& n) { return Utf8(n) == block.fileName; });
        EXPECT_TRUE(known) << "block names " << block.fileName << ", which is no file in docs/examples";
    }
}

INSTANTIATE_TEST_SUITE_P(Guides, GuideText,
                         testing::ValuesIn(NelTest::kAuthorGuides),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             return NelTest::GuideLanguage(info.param);
                         });

} // namespace
