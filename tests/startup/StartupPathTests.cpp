// In-process checks of the start-up steps that need no window.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "TaviStartup.h"

namespace {

std::wstring Str(const CNelStrW& s) { return s.t() ? s.t() : L"<no buffer>"; }

TEST(StartupInfoPath, TakesEverythingBeforeTheLastDotOfTheWholePath)
{
    struct Case {
        const wchar_t* program;
        const wchar_t* info;  // nullptr: no dot, no info file
    } cases[] = {
        {L"D:\\set\\install.exe", L"D:\\set\\install.nelcmi"},
        {L"C:\\my.sets\\install", L"C:\\my.nelcmi"},
        {L"C:\\a.b\\setup.x.exe", L"C:\\a.b\\setup.x.nelcmi"},
        {L"C:\\dir\\.exe", L"C:\\dir\\.nelcmi"},
        {L"C:\\no dots here\\install", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "program " << testing::PrintToString(std::wstring(c.program)));
        CNelStrW info(L"unchanged");
        bool found = BuildInfoFilePath(CNelStrW(c.program), info);
        if (c.info) {
            EXPECT_TRUE(found);
            EXPECT_EQ(std::wstring(c.info), Str(info));
            EXPECT_EQ(lstrlenW(c.info), info.GetLength());
        } else {
            EXPECT_FALSE(found);
            EXPECT_EQ(std::wstring(L"unchanged"), Str(info));
        }
    }
}

TEST(StartupMutex, EmptyNameSkipsTheCheckAndSameNameTwiceIsRefused)
{
    EXPECT_EQ(kMutexTaken, TakeInstanceMutex(CNelStrW(L"")));
    EXPECT_EQ(kMutexTaken, TakeInstanceMutex(CNelStrW()));

    wchar_t name[64];
    wsprintfW(name, L"NelTestMutex_%lu", GetCurrentProcessId());
    EXPECT_EQ(kMutexTaken, TakeInstanceMutex(CNelStrW(name)));
    EXPECT_EQ(kMutexAlreadyRunning, TakeInstanceMutex(CNelStrW(name)));
}

TEST(StartupMutex, NameHeldByAnotherKindOfObjectCannotBeCreated)
{
    wchar_t name[64];
    wsprintfW(name, L"NelTestEvent_%lu", GetCurrentProcessId());
    HANDLE ev = CreateEventW(nullptr, TRUE, FALSE, name);
    ASSERT_NE(nullptr, ev);
    EXPECT_EQ(kMutexFailed, TakeInstanceMutex(CNelStrW(name)));
    CloseHandle(ev);
}

TEST(StartupFont, IsTheIconTitleFont)
{
    LOGFONTW want = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(want), &want, 0));
    EXPECT_EQ(92u, sizeof(LOGFONTW));
    HFONT font = CreateDialogFont();
    ASSERT_NE(nullptr, font);
    LOGFONTW got = {};
    ASSERT_EQ(static_cast<int>(sizeof(got)), GetObjectW(font, sizeof(got), &got));
    EXPECT_EQ(std::wstring(want.lfFaceName), std::wstring(got.lfFaceName));
    EXPECT_EQ(want.lfHeight, got.lfHeight);
    DeleteObject(font);
}

} // namespace
