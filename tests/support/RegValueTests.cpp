// Reading and writing values through path strings against the real
// registry. The tests work below keys of their own (NelTest_<pid>) and
// remove them again.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <string>
#include "NelReg.h"
#include "SupportTestUtil.h"

using namespace SupportTest;

namespace {

class RegValues : public ::testing::Test {
protected:
    void TearDown() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, m_key.c_str());
        SHDeleteKeyW(HKEY_LOCAL_MACHINE, m_key.c_str());
        SHDeleteKeyW(HKEY_USERS, (L".DEFAULT\\" + m_key).c_str());
        SHDeleteKeyW(HKEY_CLASSES_ROOT, m_own.c_str());
    }
    // Stores bytes exactly as given, with the system's own call.
    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }
    // A stored value as the system reports it; size -1 when it cannot be read.
    struct Stored {
        DWORD type = REG_NONE;
        long size = -1;
        std::wstring text;
    };
    static Stored Get(HKEY root, const std::wstring& subKey, const wchar_t* name)
    {
        Stored s;
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return s;
        wchar_t buf[256] = {};
        DWORD size = sizeof(buf) - sizeof(wchar_t);
        if (RegQueryValueExW(key, name, nullptr, &s.type, reinterpret_cast<BYTE*>(buf), &size) == 0) {
            s.size = static_cast<long>(size);
            s.text = buf;
        }
        RegCloseKey(key);
        return s;
    }
    static bool KeyExists(HKEY root, const std::wstring& subKey)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    std::wstring Path(const std::wstring& name) const { return L"HKEY_CURRENT_USER\\" + m_key + L"\\" + name; }

    const std::wstring m_own = L"NelTest_" + std::to_wstring(GetCurrentProcessId());
    const std::wstring m_key = L"Software\\" + m_own;
};

TEST_F(RegValues, RoundTripUnderEveryWritableRootInAnyLetterCase)
{
    const struct {
        std::wstring path;
        HKEY root;
        std::wstring subKey;
    } cases[] = {
        { L"HKEY_CURRENT_USER\\" + m_key + L"\\Upper", HKEY_CURRENT_USER, m_key },
        { L"hkey_current_user\\" + m_key + L"\\lower", HKEY_CURRENT_USER, m_key },
        { L"Hkey_Local_Machine\\" + m_key + L"\\mixed", HKEY_LOCAL_MACHINE, m_key },
        { L"hkey_classes_root\\" + m_own + L"\\lower", HKEY_CLASSES_ROOT, m_own },
        { L"HKEY_USERS\\.DEFAULT\\" + m_key + L"\\Upper", HKEY_USERS, L".DEFAULT\\" + m_key },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.path));
        const std::wstring data = L"data of " + c.path;
        ASSERT_TRUE(NelRegWrite(c.path.c_str(), data.c_str(), REG_SZ, KEY_WRITE));
        EXPECT_EQ(data, Get(c.root, c.subKey, c.path.substr(c.path.rfind(L'\\') + 1).c_str()).text);
        CNelStrW read;
        EXPECT_TRUE(NelRegReadStr(c.path.c_str(), read));
        EXPECT_EQ(data, Text(read));
    }
}

TEST_F(RegValues, RejectedRootsFailEveryCallerAndCreateNothing)
{
    const wchar_t* paths[] = { L"HKCU\\Software\\NelTestShort\\v", L"HKEY_CURRENT_CONFIG\\Software\\NelTestShort\\v",
                               nullptr };
    for (const wchar_t* path : paths) {
        SCOPED_TRACE(path ? Narrow(path) : "null");
        BYTE* data = nullptr;
        DWORD size = 12345, one = 1;
        EXPECT_EQ(-1, NelRegReadRaw(path, &data, &size));
        EXPECT_EQ(nullptr, data);
        EXPECT_EQ(12345u, size);
        CNelStrW out(L"untouched");
        EXPECT_FALSE(NelRegReadStr(path, out));
        EXPECT_EQ(std::wstring(L"untouched"), Text(out));
        EXPECT_EQ(-7, NelRegReadByte(path, -7));
        EXPECT_FALSE(NelRegWrite(path, L"x", REG_SZ, KEY_WRITE));
        EXPECT_FALSE(NelRegWriteDword(path, &one, KEY_WRITE));
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\NelTestShort"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_CONFIG, L"Software\\NelTestShort"));
}

TEST_F(RegValues, DefaultValueByPercentNullInAnyCaseAndByTrailingBackslash)
{
    const std::wstring spellings[] = { L"%NULL%", L"%null%", L"%Null%", L"" };
    for (const std::wstring& written : spellings) {
        const std::wstring data = L"default via '" + written + L"'";
        ASSERT_TRUE(NelRegWrite(Path(written).c_str(), data.c_str(), REG_SZ, KEY_WRITE));
        EXPECT_EQ(data, Get(HKEY_CURRENT_USER, m_key, nullptr).text);
        for (const std::wstring& read : spellings) {
            SCOPED_TRACE(Narrow(L"written '" + written + L"', read '" + read + L"'"));
            CNelStrW out;
            EXPECT_TRUE(NelRegReadStr(Path(read).c_str(), out));
            EXPECT_EQ(data, Text(out));
        }
    }
    EXPECT_EQ(-1, Get(HKEY_CURRENT_USER, m_key, L"%NULL%").size) << "a value named %NULL% was written";
    // A root and one name: the value sits directly under the root.
    const std::wstring name = L"NelTestRootValue_" + m_own;
    ASSERT_TRUE(NelRegWrite((L"HKEY_CURRENT_USER\\" + name).c_str(), L"at the root", REG_SZ, KEY_WRITE));
    Stored atRoot = Get(HKEY_CURRENT_USER, L"", name.c_str());
    RegDeleteValueW(HKEY_CURRENT_USER, name.c_str());
    EXPECT_EQ(std::wstring(L"at the root"), atRoot.text);
}

TEST_F(RegValues, ReadByteTakesTheFirstDataByte)
{
    const DWORD one = 1, big = 256, mixed = 0xFF01;
    const BYTE bytes[] = { 0x2A, 0x01 };
    Put(L"One", REG_DWORD, &one, 4);
    Put(L"TwoFiftySix", REG_DWORD, &big, 4);
    Put(L"FF01", REG_DWORD, &mixed, 4);
    Put(L"Binary", REG_BINARY, bytes, sizeof(bytes));
    Put(L"Empty", REG_BINARY, bytes, 0);
    const struct {
        const wchar_t* name;
        int defaultValue;
        int expected;
    } cases[] = {
        { L"One", -1, 1 },         { L"TwoFiftySix", -1, 0 }, { L"FF01", -1, 1 },
        { L"Binary", -1, 0x2A },   { L"Missing", 77, 77 },    { L"NoKey\\One", -1, -1 },
        // No data, so no first byte: the zero padding is not data.
        { L"Empty", -1, -1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        EXPECT_EQ(c.expected, NelRegReadByte(Path(c.name).c_str(), c.defaultValue));
    }
}

TEST_F(RegValues, ReadStrTerminatesDataStoredWithoutTerminator)
{
    // "abc" in 6 bytes. (The system adds a terminator to string data whose
    // next unit happens to be zero, so here the next unit is not.)
    Put(L"Bare", REG_SZ, L"abcd", 6);
    const BYTE odd[] = { 'a', 0, 'b', 0, 'c' }; // half a unit at the end
    Put(L"Odd", REG_BINARY, odd, sizeof(odd));
    Put(L"Inner", REG_SZ, L"ab\0cd", 12);
    Put(L"Blank", REG_SZ, L"", 0);
    const struct {
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = { { L"Bare", L"abc" }, { L"Odd", L"abc" }, { L"Inner", L"ab" }, { L"Blank", L"" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        CNelStrW out(L"before");
        EXPECT_TRUE(NelRegReadStr(Path(c.name).c_str(), out));
        EXPECT_EQ(std::wstring(c.expected), Text(out));
        EXPECT_EQ(lstrlenW(c.expected), out.GetLength());
    }
    CNelStrW out(L"untouched");
    EXPECT_FALSE(NelRegReadStr(Path(L"Missing").c_str(), out));
    EXPECT_EQ(std::wstring(L"untouched"), Text(out));
}

TEST_F(RegValues, ReadRawGivesTheDataWithTwoZeroBytesOrTheErrorCode)
{
    Put(L"Bare", REG_SZ, L"abcd", 6);
    BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(ERROR_SUCCESS, NelRegReadRaw(Path(L"Bare").c_str(), &data, &size));
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(6u, size);
    EXPECT_EQ(0, memcmp(data, L"abc", 6));
    EXPECT_EQ(0, data[6] | data[7]);
    delete[] data;

    // Missing key (the open fails) and missing value (the read fails).
    for (const wchar_t* name : { L"NoKey\\v", L"Missing" }) {
        SCOPED_TRACE(Narrow(name));
        data = nullptr;
        size = 99;
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, NelRegReadRaw(Path(name).c_str(), &data, &size));
        EXPECT_EQ(nullptr, data);
        EXPECT_EQ(99u, size);
    }
    // Reading an open key leaves both outputs alone on failure.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, KEY_READ, &key));
    BYTE sentinel = 0;
    data = &sentinel;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, NelRegQueryAlloc(key, L"none", &data, &size));
    RegCloseKey(key);
    EXPECT_EQ(&sentinel, data);
    EXPECT_EQ(99u, size);
}

TEST_F(RegValues, WriteSizesFollowTheType)
{
    const wchar_t multi[] = L"a\0bc\0";
    const BYTE binary[] = { 1, 2, 3, 4, 5, 6 };
    const DWORD number = 0x01020304;
    ASSERT_TRUE(NelRegWrite(Path(L"Sz").c_str(), L"abc", REG_SZ, KEY_WRITE));
    ASSERT_TRUE(NelRegWrite(Path(L"Expand").c_str(), L"%SystemRoot%\\x", REG_EXPAND_SZ, KEY_WRITE));
    ASSERT_TRUE(NelRegWrite(Path(L"Empty").c_str(), L"", REG_SZ, KEY_WRITE));
    ASSERT_TRUE(NelRegWrite(Path(L"Multi").c_str(), multi, REG_MULTI_SZ, KEY_WRITE));
    ASSERT_TRUE(NelRegWrite(Path(L"Binary").c_str(), binary, REG_BINARY, KEY_WRITE));
    ASSERT_TRUE(NelRegWriteDword(Path(L"Dword").c_str(), &number, KEY_WRITE));
    const struct {
        const wchar_t* name;
        DWORD type;
        long size;
    } cases[] = {
        { L"Sz", REG_SZ, 8 }, // "abc" and its terminator
        { L"Expand", REG_EXPAND_SZ, 30 },
        { L"Empty", REG_SZ, 2 },
        { L"Multi", REG_MULTI_SZ, 12 }, // "a", "bc" and the empty string that ends the list
        { L"Binary", REG_BINARY, 4 },
        { L"Dword", REG_DWORD, 4 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        Stored stored = Get(HKEY_CURRENT_USER, m_key, c.name);
        EXPECT_EQ(c.type, stored.type);
        EXPECT_EQ(c.size, stored.size);
    }
    EXPECT_EQ(4, NelRegReadByte(Path(L"Dword").c_str(), -1));
}

TEST_F(RegValues, WriteCreatesMissingKeysAndKeepsThemWhenTheWriteFails)
{
    EXPECT_TRUE(NelRegWrite(Path(L"A\\B\\C\\v").c_str(), L"deep", REG_SZ, KEY_WRITE));
    EXPECT_EQ(std::wstring(L"deep"), Get(HKEY_CURRENT_USER, m_key + L"\\A\\B\\C", L"v").text);
    // Null data: nothing is created.
    EXPECT_FALSE(NelRegWrite(Path(L"NoData\\v").c_str(), nullptr, REG_SZ, KEY_WRITE));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, m_key + L"\\NoData"));
    // Read access only: the key is created, the value cannot be set.
    EXPECT_FALSE(NelRegWrite(Path(L"ReadOnly\\v").c_str(), L"x", REG_SZ, KEY_READ));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, m_key + L"\\ReadOnly"));
    EXPECT_EQ(-1, Get(HKEY_CURRENT_USER, m_key + L"\\ReadOnly", L"v").size);
}

} // namespace
