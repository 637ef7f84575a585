// The macro steps as the guide's section 5 tells them, each shown by a
// small install-info file of its own and a text expanded through the
// installer's own expansion.
#include <gtest/gtest.h>
#include "GuideFiles.h"
#include "InfoMacros.h"
#include "TestFiles.h"

using namespace Guide;

namespace {

struct MacroCase {
    const char* what;
    const wchar_t* file;  // the file's sections
    const wchar_t* text;
    const wchar_t* expected;
};

const MacroCase kCases[] = {
    {"a name of exactly three characters is looked up", L"[Strings]\r\nabc=three\r\n", L"<%abc%>",
     L"<three>"},
    {"a name of four characters is looked up", L"[Strings]\r\nabcd=four\r\n", L"%abcd%", L"four"},
    {"a name of two characters is never looked up", L"[Strings]\r\nab=two\r\n", L"%ab%", L"%ab%"},
    {"an empty [Strings] value leaves the macro", L"[Strings]\r\nabc=\r\n", L"%abc%", L"%abc%"},
    {"an empty [CurInfo] value leaves the macro", L"[CurInfo]\r\nCurName=\r\nProductName=\r\n",
     L"%CurName% %ProductName%", L"%CurName% %ProductName%"},
    {"a missing [CurInfo] key leaves the macro", L"[CurInfo]\r\nCurName=C\r\n", L"%CompanyName%",
     L"%CompanyName%"},
    {"[CurInfo] values replace their macros",
     L"[CurInfo]\r\nCurName=C\r\nCompanyName=Co\r\nProductName=P\r\nCopyright=(c)\r\nHomepage=h\r\n",
     L"%CurName%|%CompanyName%|%ProductName%|%Copyright%|%Homepage%", L"C|Co|P|(c)|h"},
    {"an empty Copyright or Homepage leaves the macro", L"[CurInfo]\r\nCopyright=\r\nHomepage=\r\n",
     L"%Copyright% %Homepage%", L"%Copyright% %Homepage%"},
    {"Version 104 has two decimals", L"[CurInfo]\r\nVersion=104\r\n", L"%Version%", L"1.04"},
    {"Version 5 has a leading zero", L"[CurInfo]\r\nVersion=5\r\n", L"%Version%", L"0.05"},
    {"Version 1000 keeps every digit", L"[CurInfo]\r\nVersion=1000\r\n", L"%Version%", L"10.00"},
    {"a missing Version is 0.00", L"[CurInfo]\r\nCurName=C\r\n", L"%Version%", L"0.00"},
    {"a [CurInfo] value is scanned for [Strings] macros",
     L"[CurInfo]\r\nCurName=%abc%\r\n[Strings]\r\nabc=deep\r\n", L"%CurName%", L"deep"},
    {"a [Strings] value is not scanned again", L"[Strings]\r\nabc=%xyz%\r\nxyz=no\r\n", L"%abc%",
     L"%xyz%"},
    {"names are case-sensitive", L"[Strings]\r\nabc=x\r\n", L"%ABC%", L"%ABC%"},
};

TEST(MacroRules, EachStepAsTheGuideTellsIt)
{
    NelTest::TempDir dir;
    int index = 0;
    for (const MacroCase& c : kCases) {
        const std::wstring path = dir / (L"macros" + std::to_wstring(index++) + L".nelcmi");
        ASSERT_TRUE(NelTest::WriteUtf16(path, c.file));
        UseInfoFile(path);
        CNelStrW text(c.text);
        ExpandInfoMacros(text);
        EXPECT_EQ(Utf8(c.expected), Utf8(text.t())) << c.what;
    }
}

} // namespace
