// The author guides show NelCmiTool at work: every "console" block is a
// command ("> NelCmiTool ...") and the output it prints, run here in a
// copy of docs/examples; a plain "ini" block right after a from-inf
// command is the install-info file it writes, and an "ini install.inf"
// block shows that example file as it is.
#include <gtest/gtest.h>
#include <windows.h>
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

struct Block {
    std::string info;  // the text after the opening fence
    std::string body;  // LF line ends
};

std::vector<Block> Blocks(const std::string& markdown)
{
    std::vector<Block> blocks;
    bool open = false;
    for (size_t pos = 0; pos < markdown.size();) {
        size_t end = markdown.find('\n', pos);
        if (end == std::string::npos)
            end = markdown.size();
        std::string line = markdown.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, 3, "```") == 0) {
            if (!open)
                blocks.push_back({line.substr(3), std::string()});
            open = !open;
        } else if (open) {
            blocks.back().body += line + "\n";
        }
    }
    return blocks;
}

std::string Utf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

std::string WithoutCr(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

// Copies docs\examples (files only) into folder.
void CopyExamples(const std::wstring& folder)
{
    std::wstring examples = NelTest::SourcePath(L"docs\\examples");
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((examples + L"\\*").c_str(), &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, search) << Utf8(examples);
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileW((examples + L"\\" + data.cFileName).c_str(),
                      (folder + L"\\" + data.cFileName).c_str(), FALSE);
    while (FindNextFileW(search, &data));
    FindClose(search);
}

class GuideOutput : public testing::TestWithParam<const wchar_t*> {};

TEST_P(GuideOutput, ConsoleBlocksShowWhatTheToolPrints)
{
    std::string markdown = ReadAllBytes(NelTest::SourcePath(GetParam()));
    ASSERT_FALSE(markdown.empty()) << "NEL_SOURCE_DIR unset or guide missing";
    std::vector<Block> blocks = Blocks(markdown);
    int commands = 0, written = 0, infs = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].info.compare(0, 4, "ini ") == 0 && blocks[i].info.find(".nelcmi") == std::string::npos) {
            std::wstring name = FromUtf8(blocks[i].info.substr(4));
            EXPECT_EQ(WithoutCr(ReadAllBytes(NelTest::SourcePath(L"docs\\examples\\" + name))), blocks[i].body)
                << blocks[i].info;
            ++infs;
            continue;
        }
        if (blocks[i].info != "console")
            continue;
        const std::string& body = blocks[i].body;
        size_t eol = body.find('\n');
        std::string command = body.substr(0, eol);
        ASSERT_EQ(0u, command.find("> NelCmiTool ")) << command;
        SCOPED_TRACE(command);
        ++commands;
        NelTest::TempDir dir;
        CopyExamples(dir.Path());
        std::wstring args = FromUtf8(command.substr(13));
        ToolResult r = RunTool(args, dir.Path());
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(body.substr(eol + 1), WithoutCr(Utf8(r.output)));
        // The package a from-inf command writes, when the guide shows it.
        size_t at = r.output.find(L": out\\");
        if (args.compare(0, 8, L"from-inf") != 0 || i + 1 >= blocks.size() ||
            blocks[i + 1].info != "ini" || at == std::wstring::npos)
            continue;
        std::wstring name = r.output.substr(at + 2, r.output.find(L"\r\n", at) - at - 2);
        std::string bytes = ReadAllBytes(dir / name);
        ASSERT_GE(bytes.size(), 2u) << Utf8(name);
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
        EXPECT_EQ(blocks[i + 1].body, WithoutCr(Utf8(text)));
        ++written;
    }
    EXPECT_GE(commands, 2) << "the guide shows check and from-inf";
    EXPECT_GE(infs, 1) << "the guide shows the example install.inf";
    EXPECT_GE(written, 1) << "the guide shows a written package";
}

INSTANTIATE_TEST_SUITE_P(Guides, GuideOutput,
                         testing::ValuesIn(NelTest::kAuthorGuides),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             return NelTest::GuideLanguage(info.param);
                         });

} // namespace
