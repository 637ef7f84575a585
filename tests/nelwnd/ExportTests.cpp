// NelWnd.dll's plain entry points: linked through the import library as a
// C++ program would, and found by their bare names as the installer does.
#include <gtest/gtest.h>
#include <windows.h>
#include "MsgBox/NelVersion.h"

namespace {

TEST(NelWndVersion, BothNamesReturn122ThroughTheImportLibrary)
{
    EXPECT_EQ(122, NelGetDllVersion());
    EXPECT_EQ(122, NelWndGetDllVersion());
}

TEST(NelWndExports, PlainEntryPointsHaveUndecoratedNames)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ASSERT_NE(nullptr, lib);
    typedef int(WINAPI * VersionProc)();
    for (const char* name : {"NelGetDllVersion", "NelWndGetDllVersion"}) {
        SCOPED_TRACE(name);
        VersionProc proc = reinterpret_cast<VersionProc>(
            reinterpret_cast<void*>(GetProcAddress(lib, name)));
        ASSERT_NE(nullptr, proc);
        EXPECT_EQ(122, proc());
    }
    EXPECT_EQ(nullptr, GetProcAddress(lib, "NelGetDllVersion@0"));
    EXPECT_EQ(nullptr, GetProcAddress(lib, "_NelGetDllVersion@0"));
}

// The string class is exported whole, under the compiler's decorated names.
TEST(NelWndExports, StringClassIsExportedWithDecoratedNames)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ASSERT_NE(nullptr, lib);
    for (const char* name : {"_ZN8CNelStrWC1Ev", "_ZN8CNelStrAC1Ev", "_ZNK8CNelStrW9GetLengthEv",
                             "_ZNK8CNelStrA6GetLenEv"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(nullptr, GetProcAddress(lib, name));
    }
}

} // namespace
