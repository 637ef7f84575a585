// The picture each value of the style word's icon field draws, and the
// sound it plays: the error, question and information ones for their three
// values, the warning ones for every other value (none given included).
// Watched at the picture's load from NelWnd.dll's resources and at its
// MessageBeep, in both classes.
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
std::vector<UINT> g_sounds;   // MessageBeep calls of NelWnd.dll

BOOL WINAPI WatchBeep(UINT sound)
{
    g_sounds.push_back(sound);
    return TRUE;
}

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
    UINT sound;
};

const PictureCase kCases[] = {
    {0, IDB_NEL_MSGBOX_WARNING, MB_ICONWARNING},
    {MB_ICONERROR, IDB_NEL_MSGBOX_ERROR, MB_ICONERROR},
    {MB_ICONQUESTION, IDB_NEL_MSGBOX_QUESTION, MB_ICONQUESTION},
    {MB_ICONWARNING, IDB_NEL_MSGBOX_WARNING, MB_ICONWARNING},
    {MB_ICONINFORMATION, IDB_NEL_MSGBOX_INFO, MB_ICONINFORMATION},
    {0x50, IDB_NEL_MSGBOX_WARNING, MB_ICONWARNING},
    {0x60, IDB_NEL_MSGBOX_WARNING, MB_ICONWARNING},
    {0x70, IDB_NEL_MSGBOX_WARNING, MB_ICONWARNING},
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
    EXPECT_EQ(std::vector<UINT>{c.sound}, g_sounds) << entry << " with icon field 0x" << std::hex << c.icon
                                                    << ": sound 0x" << (g_sounds.empty() ? 0 : g_sounds[0]);
}

} // namespace

TEST(MsgBoxPicture, EachIconFieldDrawsItsPictureAndPlaysItsSoundInBothClasses)
{
    HMODULE lib = GetModuleHandleW(L"NelWnd.dll");
    ImportPatch patchW(lib, "user32.dll", "LoadImageW", reinterpret_cast<void*>(WatchW));
    ImportPatch patchA(lib, "user32.dll", "LoadImageA", reinterpret_cast<void*>(WatchA));
    ImportPatch beep(lib, "user32.dll", "MessageBeep", reinterpret_cast<void*>(WatchBeep));
    ASSERT_TRUE(patchW.Active() && patchA.Active() && beep.Active())
        << "NelWnd.dll imports no LoadImageW, LoadImageA or MessageBeep";
    g_loadImageW = patchW.Original();
    g_loadImageA = patchA.Original();
    for (const PictureCase& c : kCases) {
        g_bitmaps.clear();
        g_sounds.clear();
        RunResult w = RunBox([&] { return NelMsgBoxW(L"picture", L"MsgBoxPicture W", MB_OK | c.icon, nullptr, nullptr, nullptr); },
                             L"MsgBoxPicture W", [](HWND b) { PressSlot(b, 1); });
        ASSERT_TRUE(w.found);
        ExpectPicture(c, "NelMsgBoxW");
        g_bitmaps.clear();
        g_sounds.clear();
        RunResult a = RunBox([&] { return NelMsgBoxA("picture", "MsgBoxPicture A", MB_OK | c.icon, nullptr, nullptr, nullptr); },
                             L"MsgBoxPicture A", [](HWND b) { PressSlot(b, 1); });
        ASSERT_TRUE(a.found);
        ExpectPicture(c, "NelMsgBoxA");
    }
}
