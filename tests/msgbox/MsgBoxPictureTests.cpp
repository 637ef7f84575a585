// The picture each value of the style word's icon field draws: the error,
// question and information pictures for their three values, the warning
// picture for every other value (none given included). Watched at the
// picture's load from NelWnd.dll's resources, in both classes.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <vector>
#include "ImportPatch.h"
#include "MsgBox/NelMsgBox.h"
#include "MsgBoxTestUtil.h"
#include "res/resource.h"

using namespace MsgBoxTest;

namespace {

std::vector<UINT> g_bitmaps;  // bitmap resource IDs NelWnd.dll loaded
void* g_loadImageW = nullptr;
void* g_loadImageA = nullptr;

template <class Char>
HANDLE WINAPI Watch(void* original, HINSTANCE module, const Char* name, UINT type, int cx, int cy, UINT flags)
{
    if (type == IMAGE_BITMAP && IS_INTRESOURCE(name))
        g_bitmaps.push_back((UINT)(ULONG_PTR)name);
    using Load = HANDLE(WINAPI*)(HINSTANCE, const Char*, UINT, int, int, UINT);
    return reinterpret_cast<Load>(original)(module, name, type, cx, cy, flags);
}
HANDLE WINAPI WatchW(HINSTANCE m, LPCWSTR n, UINT t, int cx, int cy, UINT f) { return Watch(g_loadImageW, m, n, t, cx, cy, f); }
HANDLE WINAPI WatchA(HINSTANCE m, LPCSTR n, UINT t, int cx, int cy, UINT f) { return Watch(g_loadImageA, m, n, t, cx, cy, f); }

struct PictureCase {
    UINT icon;
    UINT picture;
};

const PictureCase kCases[] = {
    {0, IDB_NEL_MSGBOX_WARNING},
    {MB_ICONERROR, IDB_NEL_MSGBOX_ERROR},
    {MB_ICONQUESTION, IDB_NEL_MSGBOX_QUESTION},
    {MB_ICONWARNING, IDB_NEL_MSGBOX_WARNING},
    {MB_ICONINFORMATION, IDB_NEL_MSGBOX_INFO},
    {0x50, IDB_NEL_MSGBOX_WARNING},
    {0x60, IDB_NEL_MSGBOX_WARNING},
    {0x70, IDB_NEL_MSGBOX_WARNING},
};

const UINT kPictures[] = {IDB_NEL_MSGBOX_WARNING, IDB_NEL_MSGBOX_INFO, IDB_NEL_MSGBOX_QUESTION,
                          IDB_NEL_MSGBOX_ERROR};

void ExpectPicture(const PictureCase& c, const char* entry)
{
    for (UINT id : kPictures) {
        const bool loaded = std::find(g_bitmaps.begin(), g_bitmaps.end(), id) != g_bitmaps.end();
        EXPECT_EQ(id == c.picture, loaded) << entry << " with icon field 0x" << std::hex << c.icon
                                           << ": bitmap " << std::dec << id << (loaded ? " loaded" : " not loaded")
                                           << ", expected " << c.picture;
    }
}

} // namespace

TEST(MsgBoxPicture, EachIconFieldDrawsItsPictureInBothClasses)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ImportPatch patchW(lib, "user32.dll", "LoadImageW", reinterpret_cast<void*>(WatchW));
    ImportPatch patchA(lib, "user32.dll", "LoadImageA", reinterpret_cast<void*>(WatchA));
    ASSERT_TRUE(patchW.Active() && patchA.Active()) << "NelWnd.dll imports no LoadImageW or LoadImageA";
    g_loadImageW = patchW.Original();
    g_loadImageA = patchA.Original();
    for (const PictureCase& c : kCases) {
        g_bitmaps.clear();
        RunResult w = RunBox([&] { return NelMsgBoxW(L"picture", L"MsgBoxPicture W", MB_OK | c.icon, nullptr, nullptr, nullptr); },
                             L"MsgBoxPicture W", [](HWND b) { PressSlot(b, 1); });
        ASSERT_TRUE(w.found);
        ExpectPicture(c, "NelMsgBoxW");
        g_bitmaps.clear();
        RunResult a = RunBox([&] { return NelMsgBoxA("picture", "MsgBoxPicture A", MB_OK | c.icon, nullptr, nullptr, nullptr); },
                             L"MsgBoxPicture A", [](HWND b) { PressSlot(b, 1); });
        ASSERT_TRUE(a.found);
        ExpectPicture(c, "NelMsgBoxA");
    }
}
