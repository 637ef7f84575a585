// Whole text files: LoadTextFile and SaveTextFile of both twins, byte for
// byte, and their behaviour on files that are huge, odd-sized, binary or
// held open by someone else.
#include "StrTextTestUtil.h"
#include "TestFiles.h"

using NelTest::TempDir;
using NelTest::WriteBytes;

namespace {

std::string Bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

template <class S> int Load(S& s, const std::wstring& path) { return s.LoadTextFile(PathIn<S>(path).c_str()); }
template <class S> int Save(S& s, const std::wstring& path, int mark, int big)
{
    return s.SaveTextFile(PathIn<S>(path).c_str(), mark, big);
}

} // namespace

TEST(TextFileW, ReadsEachByteOrderAndCutsAtTheFirstZeroUnit)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"little-endian mark", Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00}), L"AB"},
        {"big-endian mark", Bytes({0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42}), L"AB"},
        {"no mark", Bytes({0x41, 0x00, 0x42, 0x00}), L"AB"},
        {"odd size, no mark: last byte is a low byte", Bytes({0x41, 0x00, 0x42}), L"AB"},
        {"odd size, little-endian mark", Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42}), L"AB"},
        {"odd size, big-endian mark: last byte is a high byte", Bytes({0xFE, 0xFF, 0x00, 0x41, 0x30}),
         L"A\x3000"},
        {"one byte", Bytes({0x41}), L"A"},
        {"mark only", Bytes({0xFF, 0xFE}), L""},
        {"zero unit in the middle", Bytes({0x41, 0x00, 0x00, 0x00, 0x42, 0x00}), L"A"},
        {"Japanese, big-endian", Bytes({0xFE, 0xFF, 0x30, 0x42, 0x6F, 0x22}), L"\x3042\x6F22"},
        {"a mark later in the file is text", Bytes({0x41, 0x00, 0xFF, 0xFE}), L"A\xFEFF"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(dir / L"in.txt", c.bytes));
        CNelStrW s(L"previous text");
        EXPECT_EQ(1, Load(s, dir / L"in.txt"));
        EXPECT_EQ(c.text, Text(s)) << Units16(Text(s));
        EXPECT_EQ(static_cast<int>(c.text.size()), s.GetLength());
        EXPECT_EQ(s.GetLength() + 1, s.GetBuffSize()) << "exactly length + 1";
        EXPECT_TRUE(NoOtherHandle(dir / L"in.txt")) << "the file must be closed";
    }
}

TEST(TextFileA, ReadsAnsiBytesAndConvertsUtf16Files)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;  // as wide text, expected in the ANSI code page
    };
    const Case cases[] = {
        {"plain bytes", "abc", L"abc"},
        {"zero byte in the middle", Bytes({'a', 'b', 0, 'c'}), L"ab"},
        {"little-endian UTF-16", Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00}), L"AB"},
        {"big-endian UTF-16", Bytes({0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42}), L"AB"},
        {"UTF-16 Japanese", Bytes({0xFF, 0xFE, 0x42, 0x30}), L"\x3042"},
        {"UTF-16 mark only", Bytes({0xFE, 0xFF}), L""},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(dir / L"in.txt", c.bytes));
        CNelStrA s("previous text");
        EXPECT_EQ(1, Load(s, dir / L"in.txt"));
        std::string want = In<CNelStrA>(c.text);
        EXPECT_EQ(want, Text(s)) << Hex(Text(s));
        EXPECT_EQ(static_cast<int>(want.size()), s.GetLength());
        EXPECT_EQ(s.GetLength() + 1, s.GetBuffSize());
    }
    if (Cp932()) {
        // Shift-JIS text, ending in a lead byte without its trail byte.
        const std::string sjis = "\x82\xA0\x95\x5C" "a\x83";
        ASSERT_TRUE(WriteBytes(dir / L"sjis.txt", sjis));
        CNelStrA s;
        EXPECT_EQ(1, Load(s, dir / L"sjis.txt"));
        EXPECT_EQ(sjis, Text(s)) << Hex(Text(s));
    }
}

template <class S> class TextFile : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(TextFile, BothTwins, NelStrTypeNames);

TYPED_TEST(TextFile, EmptyFileGivesEmptyStringAndKeepsTheBuffer)
{
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"empty.txt", ""));
    TypeParam s(TX("abcdef"));
    EXPECT_EQ(1, Load(s, dir / L"empty.txt"));
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(7, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s)) << "the kept buffer is zero-filled";

    TypeParam none;
    EXPECT_EQ(1, Load(none, dir / L"empty.txt"));
    EXPECT_EQ(0, none.GetLength());
}

TYPED_TEST(TextFile, UnreadableFilesFailAndKeepTheString)
{
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"held.txt", "held"));
    HANDLE holder = CreateFileW((dir / L"held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    const std::wstring paths[] = {dir / L"missing.txt", dir.Path(), dir / L"held.txt"};
    for (const std::wstring& path : paths) {
        SCOPED_TRACE(testing::Message() << "path " << PathIn<CNelStrA>(path));
        TypeParam s(TX("keep"));
        EXPECT_EQ(0, Load(s, path));
        EXPECT_EQ(B(TX("keep")), Text(s));
        EXPECT_EQ(5, s.GetBuffSize());
    }
    CloseHandle(holder);
}

// Sizes that cannot be read whole: the platform's invalid-size value, a
// size whose + 2 wraps to 0, sizes past the int length, 4 GiB and more,
// and one the address space cannot hold. None may crash or leave the file
// open. The files are sparse: no disk space is used.
TYPED_TEST(TextFile, HugeFilesFailWithoutCrashing)
{
    TempDir dir;
    const unsigned long long sizes[] = {0xFFFFFFFFull, 0xFFFFFFFEull, 0x80000000ull, 0x7FFFFFF0ull,
                                        0x100000002ull, 0x100000000ull};
    for (unsigned long long size : sizes) {
        // Just under 2 GiB fits the address space of the 64-bit test build.
        if (size == 0x7FFFFFF0ull && sizeof(void*) == 8)
            continue;
        SCOPED_TRACE(testing::Message() << "size 0x" << std::hex << size);
        std::wstring path = dir / L"huge.bin";
        ASSERT_TRUE(MakeSparseFile(path, size));
        TypeParam s(TX("keep"));
        EXPECT_EQ(0, Load(s, path));
        EXPECT_EQ(B(TX("keep")), Text(s));
        EXPECT_TRUE(NoOtherHandle(path));
        DeleteFileW(path.c_str());
    }
}

// Random bytes, zeros and marks included, of odd and even sizes: the text
// is everything up to the first zero unit (wide) or byte (ANSI).
TYPED_TEST(TextFile, BinaryFilesReadUpToTheFirstZero)
{
    using T = typename Units<TypeParam>::T;
    TempDir dir;
    unsigned seed = 77;
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        int size = 1 + static_cast<int>((seed = seed * 1103515245u + 12345u) >> 8) % 3001;
        for (int i = 0; i < size; ++i) {
            seed = seed * 1103515245u + 12345u;
            int b = (seed >> 16) & 0xFF;
            bytes += static_cast<char>(b < 8 ? 0 : b);  // zeros often enough to cut
        }
        // Every fourth wide file starts with the little-endian mark; no
        // other file may start with a mark by chance.
        bool marked = Units<TypeParam>::kWide && round % 4 == 1;
        if (marked)
            bytes.replace(0, 2, "\xFF\xFE");
        else if (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                       (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
            bytes[0] = 'x';
        std::basic_string<T> expected;
        if (Units<TypeParam>::kWide) {
            for (size_t i = marked ? 2 : 0; i < bytes.size(); i += 2) {
                unsigned lo = static_cast<unsigned char>(bytes[i]);
                unsigned hi = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
                if ((lo | hi) == 0)
                    break;
                expected += static_cast<T>(lo | (hi << 8));
            }
        } else {
            for (char c : bytes) {
                if (c == 0)
                    break;
                expected += static_cast<T>(c);
            }
        }
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << size << " bytes");
        ASSERT_TRUE(WriteBytes(dir / L"bin.dat", bytes));
        TypeParam s;
        EXPECT_EQ(1, Load(s, dir / L"bin.dat"));
        EXPECT_TRUE(expected == Text(s)) << "length " << s.GetLength() << ", expected " << expected.size();
        EXPECT_EQ(static_cast<int>(expected.size()), s.GetLength());
    }
}

TEST(TextFileW, SavesEachByteOrderExactly)
{
    struct Case {
        int mark, big;
        std::string bytes;
    };
    const Case cases[] = {
        {1, 0, Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00})}, {1, 1, Bytes({0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42})},
        {0, 1, Bytes({0x00, 0x41, 0x00, 0x42})},             {0, 0, Bytes({0x41, 0x00, 0x42, 0x00})},
        {1, 2, Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00})}, {1, -1, Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00})},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mark " << c.mark << ", bigEndian " << c.big);
        CNelStrW s(L"AB");
        EXPECT_NE(0, s.SaveTextFile((dir / L"out.txt").c_str(), c.mark, c.big));
        EXPECT_EQ(Hex(c.bytes), Hex(ReadAllBytes(dir / L"out.txt")));
        EXPECT_EQ(std::wstring(L"AB"), Text(s)) << "the string itself is not swapped";
        EXPECT_TRUE(NoOtherHandle(dir / L"out.txt"));
    }
}

// Long texts in every marked form come back unchanged; the big-endian
// writer swaps in pieces, so the text spans several of them.
TEST(TextFileW, LongTextsRoundTrip)
{
    std::wstring text;
    for (int i = 0; i < 5000; ++i)
        text += static_cast<wchar_t>(0x20 + (i * 7919) % 0xD700);
    TempDir dir;
    for (int big : {0, 1}) {
        CNelStrW out(text.c_str()), in;
        EXPECT_NE(0, out.SaveTextFile((dir / L"long.txt").c_str(), 1, big));
        EXPECT_EQ(2 + 2 * text.size(), ReadAllBytes(dir / L"long.txt").size());
        EXPECT_EQ(1, in.LoadTextFile((dir / L"long.txt").c_str()));
        EXPECT_TRUE(text == Text(in)) << "bigEndian " << big << ": length " << in.GetLength();
    }
}

TEST(TextFileA, SavesBytesAsTheyAreAndNoMark)
{
    TempDir dir;
    std::string text = In<CNelStrA>(L"AB\x3042");  // 'A' 'B' and, under 932, あ
    CNelStrA s(text.c_str());
    EXPECT_NE(0, s.SaveTextFile(PathIn<CNelStrA>(dir / L"out.txt").c_str(), 1, 1));
    EXPECT_EQ(Hex(text), Hex(ReadAllBytes(dir / L"out.txt")));
}

TYPED_TEST(TextFile, SaveReplacesAFileButAnEmptyStringTouchesNothing)
{
    TempDir dir;
    std::wstring path = dir / L"out.txt";
    ASSERT_TRUE(WriteBytes(path, "a much longer existing text"));
    TypeParam s(TX("xy"));
    EXPECT_NE(0, Save(s, path, 0, 0));
    std::string onDisk = ReadAllBytes(path);
    EXPECT_EQ(Units<TypeParam>::kWide ? Bytes({'x', 0, 'y', 0}) : std::string("xy"), onDisk) << Hex(onDisk);

    TypeParam empty(TX("")), none;
    for (TypeParam* e : {&empty, &none}) {
        EXPECT_EQ(0, Save(*e, path, 1, 0));
        EXPECT_EQ(onDisk, ReadAllBytes(path)) << "an existing file stays as it was";
        EXPECT_EQ(0, Save(*e, dir / L"new.txt", 1, 0));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((dir / L"new.txt").c_str())) << "no file created";
    }
}

TYPED_TEST(TextFile, SaveFailsWhereTheFileCannotBeCreated)
{
    TempDir dir;
    std::wstring held = dir / L"held.txt";
    ASSERT_TRUE(WriteBytes(held, "held"));
    HANDLE holder =
        CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    TypeParam s(TX("text"));
    EXPECT_EQ(0, Save(s, held, 1, 0));
    EXPECT_EQ(0, Save(s, dir / L"no such folder\\out.txt", 1, 0));
    CloseHandle(holder);
    EXPECT_EQ(std::string("held"), ReadAllBytes(held));
}

// Repeated loads and saves of a 4 MiB file through every path must not
// leave memory behind: 48 rounds of a leaked buffer would be 200 MiB.
TYPED_TEST(TextFile, RepeatedLoadsAndSavesKeepMemoryFlat)
{
    TempDir dir;
    std::string bytes(4 << 20, 'a');
    ASSERT_TRUE(WriteBytes(dir / L"big.txt", bytes));
    // A size the load refuses: more than a 32-bit address space can hold,
    // past the int length in the 64-bit test build.
    ASSERT_TRUE(MakeSparseFile(dir / L"huge.bin", sizeof(void*) == 8 ? 0x80000000ull : 0x7FFFFFF0ull));
    TypeParam s;
    ASSERT_EQ(1, Load(s, dir / L"big.txt"));  // the string's own buffer exists before measuring
    size_t before = CommittedPrivateBytes();
    for (int round = 0; round < 48; ++round) {
        ASSERT_EQ(1, Load(s, dir / L"big.txt"));
        ASSERT_EQ(0, Load(s, dir / L"huge.bin"));
        ASSERT_NE(0, Save(s, dir / L"copy.txt", 1, round % 2));
    }
    size_t after = CommittedPrivateBytes();
    EXPECT_LT(after, before + (32u << 20)) << "committed private memory grew from " << before << " to " << after;
}

// An assignment that needs a larger buffer frees the one it replaces (the
// test above reuses a buffer of one size): 48 assignments, each longer than
// the last, would otherwise leave 48 MiB or more behind.
TYPED_TEST(TextFile, GrowingAssignmentsFreeTheBufferTheyReplace)
{
    TypeParam s;
    s = In<TypeParam>(std::wstring(1 << 20, L'a')).c_str();
    size_t before = CommittedPrivateBytes();
    for (int round = 1; round <= 48; ++round) {
        const auto text = In<TypeParam>(std::wstring((1 << 20) + round * 64, L'a'));
        s = text.c_str();
        ASSERT_EQ((int)text.size(), s.GetLength()) << "round " << round;
    }
    size_t after = CommittedPrivateBytes();
    EXPECT_LT(after, before + (24u << 20)) << "committed private memory grew from " << before << " to " << after;
}
