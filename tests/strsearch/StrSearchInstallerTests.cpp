// The installer's own build of CNelStrW: the case-insensitive FindNC and
// PermStrNC that only it has, and the search and number members it shares
// with the library.
#include "StrSearchTestUtil.h"

TEST(StrInstallerFindNC, FindsRegardlessOfCaseFromStart)
{
    const CNelStrW s(L"xxabcx");
    struct Case {
        const wchar_t* find;
        int start;
        int expected;
    } cases[] = {
        {L"ABC", 0, 2}, {L"abc", 2, 2},  {L"AbC", 3, -1}, {L"X", 3, 5},  {L"x", 0, 0},
        {L"CX", 0, 4},  {L"CXY", 0, -1},  // runs into the terminator: no match
        {L"", 0, -1},   {nullptr, 0, -1}, {L"x", -1, -1}, {L"x", 6, -1}, {L"x", 60, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "FindNC(" << Show(c.find) << ", " << c.start << ")");
        EXPECT_EQ(c.expected, s.FindNC(c.find, c.start));
    }
    EXPECT_EQ(-1, CNelStrW().FindNC(L"a", 0));
    EXPECT_EQ(-1, CNelStrW(L"").FindNC(L"a", 0));
}

TEST(StrInstallerPermStrNC, ReplacesRegardlessOfCaseAndKeepsTheReplacementAsGiven)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* find;
        const wchar_t* repl;
        int count;
        const wchar_t* expected;
    } cases[] = {
        {L"aXbxc", L"x", L"-", 2, L"a-b-c"},
        {L"%CurName%\\%curname%", L"%CURNAME%", L"Tavi", 2, L"Tavi\\Tavi"},
        {L"abab", L"AB", L"ab", 2, L"abab"},
        {L"abc", L"Q", L"r", 0, L"abc"},
        {L"abc", L"", L"r", 0, L"abc"},
        {L"AAA", L"a", L"", 3, L""},  // everything matched: the string is emptied
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Show(c.text) << ": " << Show(c.find) << " -> " << Show(c.repl));
        CNelStrW s(c.text);
        int size = s.GetBuffSize();
        EXPECT_EQ(c.count, s.PermStrNC(c.find, c.repl));
        EXPECT_EQ(std::wstring(c.expected), Text(s));
        EXPECT_EQ(lstrlenW(c.expected), s.GetLength());
        if (lstrlenW(c.expected) < size)
            EXPECT_EQ(size, s.GetBuffSize()) << "the buffer is reused";
    }
}

// The members the installer's build takes from the library's list work
// the same in it.
TEST(StrInstallerShared, SearchSliceEditAndNumberMembers)
{
    CNelStrW s(L"  C:\\Tavi\\Cursors  ");
    s.Trim();
    EXPECT_EQ(std::wstring(L"C:\\Tavi\\Cursors"), Text(s));
    EXPECT_EQ(2, s.Find(L"\\", 0));
    EXPECT_EQ(7, s.RFind(L'\\'));
    EXPECT_EQ(7, s.RFind(L"\\"));
    EXPECT_EQ(std::wstring(L"C:"), Text(s.Left(2)));
    EXPECT_EQ(std::wstring(L"C:"), Text(s.LeftMB(2)));
    EXPECT_EQ(std::wstring(L"Tavi"), Text(s.Mid(3, 4)));
    EXPECT_EQ(std::wstring(L"Cursors"), Text(s.Mid(8)));
    EXPECT_EQ(std::wstring(L"sors"), Text(s.Right(4)));
    EXPECT_EQ(std::wstring(L"sors"), Text(s.RightMB(4)));
    EXPECT_EQ(2, s.PermStr(L"\\", L"/"));
    EXPECT_EQ(1, s.Insert(2, L"/"));
    EXPECT_EQ(1, s.InsertR(0, L"/"));
    EXPECT_EQ(std::wstring(L"C://Tavi/Cursors/"), Text(s));

    CNelStrW n;
    n.NumToStr(-42);
    EXPECT_EQ(-42, n.StrToNum());
    EXPECT_EQ(1, n.Format(L"%s=%d", L"v", 7));
    EXPECT_EQ(std::wstring(L"v=7"), Text(n));
}
