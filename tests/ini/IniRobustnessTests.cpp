// The reader under hostile or unusual conditions: files held open by
// others, large files, garbage, and the release of its file handle.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>
#include "IniTestUtil.h"
#include "TestFiles.h"

using namespace IniTest;

namespace {

class IniRobustness : public ::testing::Test {
protected:
    NelTest::TempDir m_dir;

    std::wstring WriteIni(const std::wstring& name, const std::wstring& text)
    {
        std::wstring path = m_dir / name;
        EXPECT_TRUE(NelTest::WriteUtf16(path, text)) << Narrow(path);
        return path;
    }
};

// Opens a file as another user of it would; closed when the object goes.
class OtherHandle {
public:
    OtherHandle(const std::wstring& path, DWORD access, DWORD share)
        : m_h(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~OtherHandle()
    {
        if (m_h != INVALID_HANDLE_VALUE)
            CloseHandle(m_h);
    }
    OtherHandle(const OtherHandle&) = delete;
    OtherHandle& operator=(const OtherHandle&) = delete;
    bool IsOpen() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

// The reader shares read access only: a file open for writing elsewhere
// cannot be read, a file only open for reading elsewhere can.
TEST_F(IniRobustness, FileOpenForWritingElsewhereIsNotRead)
{
    std::wstring path = WriteIni(L"locked.ini", L"[S]\r\nk=v\r\n");
    {
        OtherHandle writer(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(writer.IsOpen()) << "GetLastError " << GetLastError();
        CNelStrW value(kSentinel);
        EXPECT_FALSE(NelIniGetStr(L"S", L"k", value, path.c_str()));
        EXPECT_EQ(kSentinel, Text(value));
        EXPECT_EQ(77, NelIniGetInt(L"S", L"k", 77, path.c_str()));
    }
    {
        OtherHandle reader(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(reader.IsOpen()) << "GetLastError " << GetLastError();
        CNelStrW value(kSentinel);
        EXPECT_TRUE(NelIniGetStr(L"S", L"k", value, path.c_str()));
        EXPECT_EQ(L"v", Text(value)) << Narrow(Text(value));
    }
}

// After every kind of query the file can be opened exclusively again,
// so no handle of the reader stays open.
TEST_F(IniRobustness, FileHandleIsClosedAfterEveryQuery)
{
    struct Query {
        const char* what;
        std::string bytes;
        const wchar_t* section;
        const wchar_t* key;
    };
    const Query queries[] = {
        { "found", kBomLe + Le(L"[S]\r\nk=v\r\n"), L"S", L"k" },
        { "key missing", kBomLe + Le(L"[S]\r\nk=v\r\n"), L"S", L"x" },
        { "section missing", kBomLe + Le(L"[S]\r\nk=v\r\n"), L"T", L"k" },
        { "empty file", "", L"S", L"k" },
        { "UTF-8 file", "[S]\r\nk=v\r\n", L"S", L"k" },
    };
    int index = 0;
    for (const Query& q : queries) {
        SCOPED_TRACE(q.what);
        std::wstring path = m_dir / (L"handle" + std::to_wstring(index++) + L".ini");
        ASSERT_TRUE(NelTest::WriteBytes(path, q.bytes));
        CNelStrW value;
        NelIniGetStr(q.section, q.key, value, path.c_str());
        NelIniGetInt(q.section, q.key, 0, path.c_str());

        OtherHandle exclusive(path, GENERIC_READ | GENERIC_WRITE, 0);
        EXPECT_TRUE(exclusive.IsOpen()) << "exclusive open failed, GetLastError "
                                        << GetLastError();
    }
}

// A file of about 2 MB is read whole: a key on its last line and a section
// header near its end are found.
TEST_F(IniRobustness, LargeFileIsSearchedToTheEnd)
{
    std::wstring text = L"[Big]\r\n";
    wchar_t line[64];
    for (int i = 0; text.size() * sizeof(wchar_t) < 2 * 1024 * 1024; ++i) {
        wsprintfW(line, L"filler%06d=some text to fill the file up\r\n", i);
        text += line;
    }
    text += L"last=at the end\r\n[End]\r\nk=42";
    std::wstring path = WriteIni(L"large.ini", text);

    CNelStrW value(kSentinel);
    EXPECT_TRUE(NelIniGetStr(L"Big", L"last", value, path.c_str()));
    EXPECT_EQ(L"at the end", Text(value)) << Narrow(Text(value));
    EXPECT_EQ(42, NelIniGetInt(L"End", L"k", -1, path.c_str()));
    EXPECT_EQ(-1, NelIniGetInt(L"End", L"last", -1, path.c_str()));
}

// Deterministic pseudo-random bytes (a linear congruential generator).
std::string Garbage(size_t size, unsigned seed, bool allowZero)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        unsigned char b = static_cast<unsigned char>(seed >> 16);
        if (!allowZero && b == 0)
            b = 1;
        bytes[i] = static_cast<char>(b);
    }
    return bytes;
}

// Binary content gives "not found" without crashing or hanging; sizes
// cover odd and even lengths, and bytes with and without zeros.
TEST_F(IniRobustness, BinaryGarbageIsNotFound)
{
    const size_t sizes[] = { 1, 2, 3, 7, 4096, 65537, 1 << 20 };
    int index = 0;
    for (size_t size : sizes) {
        for (bool allowZero : { true, false }) {
            SCOPED_TRACE(::testing::Message() << "size " << size << (allowZero ? " with" : " without")
                                              << " zero bytes");
            std::wstring path = m_dir / (L"garbage" + std::to_wstring(index++) + L".bin");
            ASSERT_TRUE(NelTest::WriteBytes(path, Garbage(size, 1234u + index, allowZero)));
            CNelStrW value(kSentinel);
            EXPECT_FALSE(NelIniGetStr(L"S", L"k", value, path.c_str()));
            EXPECT_EQ(kSentinel, Text(value));
            EXPECT_EQ(-9, NelIniGetInt(L"S", L"k", -9, path.c_str()));
        }
    }
}

// True when v stands in text right after some "\nk=" (and CRs) and is
// followed by a CR, an LF or the end of the text.
bool AppearsAsValue(const std::wstring& text, const std::wstring& v)
{
    for (size_t p = text.find(L"\nk="); p != std::wstring::npos; p = text.find(L"\nk=", p + 1)) {
        size_t start = p + 3;
        while (start < text.size() && text[start] == L'\r')
            ++start;
        if (text.compare(start, v.size(), v) != 0)
            continue;
        size_t after = start + v.size();
        if (after == text.size() || text[after] == L'\r' || text[after] == L'\n')
            return true;
    }
    return false;
}

// Text made only of pieces the search looks for ("[", "]", LF, CR, "=",
// the names) may or may not hold a match; whatever the reader returns must
// be one line without CRs at its ends, standing after "\nk=" in the text.
TEST_F(IniRobustness, SearchCharacterSoupGivesWellFormedAnswers)
{
    const wchar_t* const pieces[] = { L"[S]", L"\n", L"\r", L"k=", L"=", L"[", L"]", L"S", L"k", L"x" };
    const unsigned pieceCount = sizeof(pieces) / sizeof(pieces[0]);
    int foundCount = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::wstring text;
        unsigned state = seed;
        for (int i = 0; i < 120; ++i) {
            state = state * 1103515245u + 12345u;
            text += pieces[(state >> 16) % pieceCount];
        }
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " text \"" << Narrow(text) << "\"");
        std::wstring path = WriteIni(L"soup.ini", text);
        CNelStrW value(kSentinel);
        if (NelIniGetStr(L"S", L"k", value, path.c_str())) {
            ++foundCount;
            std::wstring v = Text(value);
            EXPECT_EQ(std::wstring::npos, v.find(L'\n')) << Narrow(v);
            if (!v.empty()) {
                EXPECT_NE(L'\r', v.front()) << Narrow(v);
                EXPECT_NE(L'\r', v.back()) << Narrow(v);
            }
            EXPECT_TRUE(AppearsAsValue(text, v)) << "value \"" << Narrow(v) << "\"";
        } else {
            EXPECT_EQ(kSentinel, Text(value));
        }
    }
    std::printf("soup: %d of 200 texts held [S] k\n", foundCount);
    // The texts are fixed by the seeds; some of them must hold a match, or
    // the checks above never ran.
    EXPECT_GT(foundCount, 0);
}

} // namespace
