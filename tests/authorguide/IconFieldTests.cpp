// The guide's section 11: an image key's value splits at its last comma
// into the file and the index (0 without a comma), read through the
// installer's own reader.
#include <gtest/gtest.h>
#include "GuideFiles.h"
#include "InstallInfo.h"
#include "TestFiles.h"

using namespace Guide;

namespace {

struct IconCase {
    const wchar_t* value;
    const wchar_t* path;
    int index;
};

const IconCase kCases[] = {
    {L"busy.ani,2", L"busy.ani", 2},
    {L"busy.ani", L"busy.ani", 0},
    {L"a,b.ico,3", L"a,b.ico", 3},
    {L"set,1\\pic.dll,12", L"set,1\\pic.dll", 12},
    {L"pic.ico, 7 ", L"pic.ico", 7},
    {L"pic.ico,", L"pic.ico", 0},
};

TEST(IconFields, SplitAtTheLastComma)
{
    NelTest::TempDir dir;
    const std::wstring path = dir / L"icons.nelcmi";
    for (const IconCase& c : kCases) {
        ASSERT_TRUE(NelTest::WriteUtf16(path, std::wstring(L"[MainDlg]\r\nMesIcon=") + c.value + L"\r\n"));
        CNelStrW file;
        int index = -1;
        ASSERT_TRUE(ReadIconSpec(L"MainDlg", L"MesIcon", file, index, path.c_str())) << Utf8(c.value);
        EXPECT_EQ(Utf8(c.path), Utf8(file.t())) << Utf8(c.value);
        EXPECT_EQ(c.index, index) << Utf8(c.value);
    }
}

} // namespace
