// Shared main of every test program: refuses to run under a code page
// other than the one CTest asked for, so that a broken locale set-up shows
// as a failure instead of silently testing the wrong code page.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* expected = std::getenv("NEL_EXPECT_ACP");
    if (expected && *expected) {
        UINT want = static_cast<UINT>(std::atoi(expected));
        if (GetACP() != want) {
            std::fprintf(stderr, "ANSI code page is %u, this run needs %u (check the locale)\n",
                         GetACP(), want);
            return 1;
        }
    }
    return RUN_ALL_TESTS();
}
