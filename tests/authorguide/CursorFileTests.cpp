// The cursor files of the packages: each loads as a cursor the way the
// system loads scheme files, has its hot spot where its role points, and
// each .ani really animates.
#include <gtest/gtest.h>
#include <cstdint>
#include <set>
#include "CursorRoles.h"
#include "GuideFiles.h"
#include "InstallInfo.h"

using namespace Guide;

namespace {

bool EndsWithNC(const std::wstring& s, const wchar_t* ext)
{
    size_t n = lstrlenW(ext);
    return s.size() >= n && lstrcmpiW(s.c_str() + s.size() - n, ext) == 0;
}

struct CursorFacts {
    bool loaded = false;
    POINT hotSpot = {-1, -1};
    SIZE size = {0, 0};
};

// Loads a cursor file with LoadImageW and reads its hot spot and size.
CursorFacts InspectCursor(const std::wstring& path)
{
    CursorFacts facts;
    HCURSOR cursor = static_cast<HCURSOR>(
        LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
    if (!cursor)
        return facts;
    facts.loaded = true;
    ICONINFO info = {};
    if (GetIconInfo(cursor, &info)) {
        facts.hotSpot.x = static_cast<LONG>(info.xHotspot);
        facts.hotSpot.y = static_cast<LONG>(info.yHotspot);
        BITMAP bm = {};
        if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(bm), &bm))
            facts.size = {bm.bmWidth, bm.bmHeight};
        else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(bm), &bm))
            facts.size = {bm.bmWidth, bm.bmHeight / 2};
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    DestroyCursor(cursor);
    return facts;
}

TEST(CursorFiles, EveryListedCursorLoadsWithBothLoaders)
{
    int checked = 0;
    for (const Package& package : AllPackages()) {
        for (const std::wstring& file : ReadInstallFileList(package.InfoFile())) {
            if (!EndsWithNC(file, L".cur") && !EndsWithNC(file, L".ani"))
                continue;
            std::wstring path = package.Folder() + L"\\" + file;
            SCOPED_TRACE(Utf8(path));
            CursorFacts facts = InspectCursor(path);
            EXPECT_TRUE(facts.loaded) << "LoadImageW failed, error " << GetLastError();
            EXPECT_EQ(32, facts.size.cx);
            EXPECT_EQ(32, facts.size.cy);
            HCURSOR fromFile = LoadCursorFromFileW(path.c_str());
            EXPECT_NE(nullptr, fromFile) << "LoadCursorFromFileW failed, error " << GetLastError();
            if (fromFile)
                DestroyCursor(fromFile);
            ++checked;
        }
    }
    EXPECT_EQ(32 + 6 + 3 + 1, checked) << "cursor files listed by the demo set and the three examples";
}

// Where each role's pointer points in the demo set (both designs): the
// arrow tip, the middle of round and symmetric pointers, the pen nib, the
// fingertip. Keyed by the [DesignList] role, so a file put under the
// wrong role (Wait and Busy swapped, say) shows as a wrong hot spot.
struct RoleHotSpot {
    const wchar_t* keyTemplate;
    POINT hotSpot;
};

const RoleHotSpot kDemoHotSpots[] = {
    {L"DN|no|_Arrow", {2, 1}},   {L"DN|no|_Help", {2, 1}},    {L"DN|no|_Wait", {2, 1}},
    {L"DN|no|_Busy", {16, 16}},  {L"DN|no|_Cross", {15, 15}}, {L"DN|no|_Beam", {15, 15}},
    {L"DN|no|_Pen", {3, 27}},    {L"DN|no|_No", {16, 16}},    {L"DN|no|_Size4", {16, 16}},
    {L"DN|no|_Size3", {16, 16}}, {L"DN|no|_Size2", {16, 16}}, {L"DN|no|_Size1", {16, 16}},
    {L"DN|no|_Move", {16, 16}},  {L"DN|no|_Up", {15, 1}},     {L"DN|no|_Hand", {11, 1}},
    {L"DN|no|_Pin", {2, 1}},     {L"DN|no|_Person", {2, 1}},
};

TEST(CursorFiles, DemoSetHotSpotsPointWhereEachRolePoints)
{
    std::wstring info = SourcePath(L"samples\\DemoSet\\DemoSet.nelcmi");
    std::wstring folder = SourcePath(L"samples\\DemoSet\\");
    ASSERT_EQ(static_cast<size_t>(kCursorRoleCount), sizeof(kDemoHotSpots) / sizeof(kDemoHotSpots[0]));
    for (const wchar_t* design : {L"1", L"2"}) {
        for (const RoleHotSpot& role : kDemoHotSpots) {
            // Only the animated design has Pin and Person.
            if (design[0] == L'1' && &role - kDemoHotSpots >= kClassicRoleCount)
                continue;
            CNelStrW path;
            ReadDesignFile(role.keyTemplate, design, folder.c_str(), path, info.c_str());
            SCOPED_TRACE(Utf8(std::wstring(role.keyTemplate)) + " design " + Utf8(design));
            ASSERT_FALSE(path.IsEmpty());
            CursorFacts facts = InspectCursor(path.t());
            ASSERT_TRUE(facts.loaded) << Utf8(path.t());
            EXPECT_EQ(role.hotSpot.x, facts.hotSpot.x) << Utf8(path.t());
            EXPECT_EQ(role.hotSpot.y, facts.hotSpot.y) << Utf8(path.t());
        }
    }
}

// A RIFF chunk inside a byte range.
struct Chunk {
    std::string id;
    size_t data;  // offset of the data
    uint32_t size;
};

uint32_t U32(const std::string& b, size_t at)
{
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
           (static_cast<unsigned char>(b[at + 2]) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

std::vector<Chunk> Chunks(const std::string& b, size_t from, size_t to)
{
    std::vector<Chunk> out;
    while (from + 8 <= to) {
        Chunk c{b.substr(from, 4), from + 8, U32(b, from + 4)};
        if (c.data + c.size > to)
            break;
        out.push_back(c);
        from = c.data + c.size + (c.size & 1);
    }
    return out;
}

TEST(CursorFiles, AnimatedCursorsHaveHeaderRatesAndMovingFrames)
{
    int checked = 0;
    for (const Package& package : AllPackages()) {
        for (const std::wstring& file : ReadInstallFileList(package.InfoFile())) {
            if (!EndsWithNC(file, L".ani"))
                continue;
            std::wstring path = package.Folder() + L"\\" + file;
            SCOPED_TRACE(Utf8(path));
            std::string b;
            ASSERT_TRUE(ReadBytes(path, b));
            ASSERT_GE(b.size(), 12u);
            EXPECT_EQ("RIFF", b.substr(0, 4));
            EXPECT_EQ(b.size() - 8, U32(b, 4)) << "RIFF size";
            EXPECT_EQ("ACON", b.substr(8, 4));
            uint32_t frames = 0, steps = 0, flags = 0;
            std::vector<uint32_t> rates;
            std::vector<std::string> icons;
            for (const Chunk& c : Chunks(b, 12, b.size())) {
                if (c.id == "anih") {
                    ASSERT_EQ(36u, c.size);
                    EXPECT_EQ(36u, U32(b, c.data)) << "anih cbSize";
                    frames = U32(b, c.data + 4);
                    steps = U32(b, c.data + 8);
                    flags = U32(b, c.data + 32);
                } else if (c.id == "rate") {
                    for (uint32_t i = 0; i + 4 <= c.size; i += 4)
                        rates.push_back(U32(b, c.data + i));
                } else if (c.id == "LIST" && b.compare(c.data, 4, "fram") == 0) {
                    for (const Chunk& icon : Chunks(b, c.data + 4, c.data + c.size)) {
                        EXPECT_EQ("icon", icon.id);
                        icons.push_back(b.substr(icon.data, icon.size));
                    }
                }
            }
            EXPECT_GE(frames, 4u) << "frame count in anih";
            EXPECT_EQ(frames, icons.size()) << "icon chunks in LIST fram";
            EXPECT_EQ(steps, rates.size()) << "rate entries";
            EXPECT_EQ(1u, flags & 1) << "anih flag: frames are cursor images";
            for (uint32_t r : rates)
                EXPECT_GT(r, 0u) << "a step of zero jiffies";
            for (const std::string& icon : icons) {
                ASSERT_GE(icon.size(), 6u);
                EXPECT_EQ(std::string("\0\0\2\0", 4), icon.substr(0, 4)) << "frame is not a .cur image";
            }
            std::set<std::string> distinct(icons.begin(), icons.end());
            EXPECT_GE(distinct.size(), 4u) << "frames that differ";
            ++checked;
        }
    }
    EXPECT_EQ(17 + 3, checked) << ".ani files listed by the demo set and the examples";
}

} // namespace
