// The installer's icon 130 and bitmap 131 as stored in the built program.
#include <algorithm>
#include <gtest/gtest.h>
#include "ResourceReader.h"
#include "resource.h"

using namespace ResTest;

namespace {

WORD Word(const std::vector<BYTE>& b, size_t at) { return static_cast<WORD>(b[at] | (b[at + 1] << 8)); }
DWORD Dword(const std::vector<BYTE>& b, size_t at) { return Word(b, at) | (static_cast<DWORD>(Word(b, at + 2)) << 16); }

struct GroupEntry {
    int width, height, colorCount, planes, bitCount;
    DWORD bytes;
    WORD iconId;
};

// RT_GROUP_ICON: a 6-byte header (reserved, type 1, count), then 14-byte
// entries: width, height, colour count, reserved, planes, bit count,
// size of the image, ID of its RT_ICON resource.
std::vector<GroupEntry> ReadIconGroup(const std::vector<BYTE>& b)
{
    std::vector<GroupEntry> entries;
    if (b.size() < 6 || Word(b, 2) != 1)
        return entries;
    WORD count = Word(b, 4);
    for (WORD i = 0; i < count && 6 + 14u * (i + 1) <= b.size(); ++i) {
        size_t at = 6 + 14u * i;
        GroupEntry e;
        e.width = b[at] ? b[at] : 256;
        e.height = b[at + 1] ? b[at + 1] : 256;
        e.colorCount = b[at + 2];
        e.planes = Word(b, at + 4);
        e.bitCount = Word(b, at + 6);
        e.bytes = Dword(b, at + 8);
        e.iconId = Word(b, at + 12);
        entries.push_back(e);
    }
    return entries;
}

// An 8-bit DIB as stored in RT_ICON and RT_BITMAP: header, 256-entry
// palette, bottom-up rows padded to four bytes.
struct Dib8 {
    BITMAPINFOHEADER header = {};
    std::vector<RGBQUAD> palette;
    size_t bitsOffset = 0;

    bool Read(const std::vector<BYTE>& b)
    {
        if (b.size() < sizeof(BITMAPINFOHEADER))
            return false;
        memcpy(&header, b.data(), sizeof(header));
        if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biBitCount != 8)
            return false;
        size_t colours = header.biClrUsed ? header.biClrUsed : 256;
        size_t paletteEnd = header.biSize + colours * sizeof(RGBQUAD);
        if (b.size() < paletteEnd)
            return false;
        palette.resize(colours);
        memcpy(palette.data(), b.data() + header.biSize, colours * sizeof(RGBQUAD));
        bitsOffset = paletteEnd;
        return true;
    }
};

size_t Stride(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

class InstallerImages : public ::testing::Test {
protected:
    InstallerImages() : m_exe(BinPath(L"TaviCurMiniInst.exe")) {}
    void SetUp() override
    {
        ASSERT_NE(m_exe.Handle(), nullptr)
            << "cannot map TaviCurMiniInst.exe as data, error " << m_exe.LoadError();
    }
    std::vector<BYTE> Res(LPCWSTR type, UINT id)
    {
        return ResourceBytes(m_exe.Handle(), type, MAKEINTRESOURCEW(id), kLangJapanese);
    }
    DataModule m_exe;
};

TEST_F(InstallerImages, AppIconGroupHoldsFourSizesAt256Colours)
{
    std::vector<GroupEntry> group = ReadIconGroup(Res(RT_GROUP_ICON, IDI_APP));
    ASSERT_EQ(group.size(), 4u) << "icon group 130 missing or with another number of images";
    std::vector<int> sizes;
    for (const GroupEntry& e : group) {
        SCOPED_TRACE("icon image " + std::to_string(e.width) + "x" + std::to_string(e.height));
        EXPECT_EQ(e.width, e.height);
        EXPECT_EQ(e.bitCount, 8);
        EXPECT_EQ(e.planes, 1);
        EXPECT_EQ(e.colorCount, 0) << "0 means 256 colours or more";
        sizes.push_back(e.width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32}));
}

// Each image: an 8-bit DIB of twice its height (colour image + AND mask),
// with a full palette, some transparent and some opaque pixels, and black
// under every transparent pixel (anything else would invert the screen
// there instead of letting it show through).
TEST_F(InstallerImages, AppIconImagesAre8BitWithMaskAndCleanTransparency)
{
    std::vector<GroupEntry> group = ReadIconGroup(Res(RT_GROUP_ICON, IDI_APP));
    ASSERT_FALSE(group.empty());
    for (const GroupEntry& e : group) {
        const int n = e.width;
        SCOPED_TRACE("icon image " + std::to_string(n) + " px, RT_ICON " + std::to_string(e.iconId));
        std::vector<BYTE> bytes = Res(RT_ICON, e.iconId);
        ASSERT_EQ(bytes.size(), e.bytes);
        Dib8 dib;
        ASSERT_TRUE(dib.Read(bytes)) << "not an 8-bit DIB";
        EXPECT_EQ(dib.header.biWidth, n);
        EXPECT_EQ(dib.header.biHeight, 2 * n);
        EXPECT_EQ(dib.header.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(dib.palette.size(), 256u);
        const size_t xorStride = Stride(n, 8), andStride = Stride(n, 1);
        const size_t andOffset = dib.bitsOffset + xorStride * n;
        ASSERT_GE(bytes.size(), andOffset + andStride * n) << "colour image or mask cut short";

        int transparent = 0;
        for (int row = 0; row < n; ++row) {
            for (int x = 0; x < n; ++x) {
                bool masked = bytes[andOffset + row * andStride + x / 8] & (0x80 >> (x % 8));
                if (!masked)
                    continue;
                ++transparent;
                const RGBQUAD& c = dib.palette[bytes[dib.bitsOffset + row * xorStride + x]];
                EXPECT_TRUE(c.rgbRed == 0 && c.rgbGreen == 0 && c.rgbBlue == 0)
                    << "transparent pixel " << x << "," << (n - 1 - row) << " has colour "
                    << int(c.rgbRed) << "," << int(c.rgbGreen) << "," << int(c.rgbBlue);
            }
        }
        EXPECT_GT(transparent, 0) << "no transparent pixel";
        EXPECT_LT(transparent, n * n / 2) << "mostly transparent";

        HICON icon = CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE,
                                              0x00030000, n, n, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << "the system does not accept the image, error " << GetLastError();
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        EXPECT_TRUE(info.hbmMask && GetObjectW(info.hbmMask, sizeof(mask), &mask));
        EXPECT_EQ(mask.bmWidth, n);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

// Bitmap 131: 32 x 42, 8 bits, drawn on teal RGB(0,128,128), which the
// program turns into the transparent colour of a mask. Teal may therefore
// appear only in the background around the picture, never inside it.
TEST_F(InstallerImages, DefaultProductBitmapIs32By42On8BitTealBackground)
{
    std::vector<BYTE> bytes = Res(RT_BITMAP, IDB_DEFAULT_PRODUCT);
    Dib8 dib;
    ASSERT_TRUE(dib.Read(bytes)) << "bitmap 131 missing or not an 8-bit DIB";
    const int w = 32, h = 42;
    ASSERT_EQ(dib.header.biWidth, w);
    ASSERT_EQ(dib.header.biHeight, h) << "expected a bottom-up 42-row image";
    EXPECT_EQ(dib.header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(dib.palette.size(), 256u);
    const size_t stride = Stride(w, 8);
    ASSERT_GE(bytes.size(), dib.bitsOffset + stride * h);

    auto isTeal = [&](int x, int y) {  // y counted from the top
        const RGBQUAD& c = dib.palette[bytes[dib.bitsOffset + (h - 1 - y) * stride + x]];
        return c.rgbRed == 0 && c.rgbGreen == 128 && c.rgbBlue == 128;
    };
    EXPECT_TRUE(isTeal(0, 0));
    EXPECT_TRUE(isTeal(w - 1, 0));
    EXPECT_TRUE(isTeal(0, h - 1));
    EXPECT_TRUE(isTeal(w - 1, h - 1));

    // Flood the background from the border; every teal pixel must be reached.
    std::vector<char> seen(w * h, 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < w; ++x) {
        todo.push_back({x, 0});
        todo.push_back({x, h - 1});
    }
    for (int y = 0; y < h; ++y) {
        todo.push_back({0, y});
        todo.push_back({w - 1, y});
    }
    int background = 0;
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || seen[y * w + x] || !isTeal(x, y))
            continue;
        seen[y * w + x] = 1;
        ++background;
        todo.push_back({x + 1, y});
        todo.push_back({x - 1, y});
        todo.push_back({x, y + 1});
        todo.push_back({x, y - 1});
    }
    int teal = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isTeal(x, y)) {
                ++teal;
                EXPECT_TRUE(seen[y * w + x]) << "teal hole inside the picture at " << x << "," << y;
            }
    EXPECT_EQ(teal, background);
    EXPECT_LT(teal, w * h / 2) << "the picture covers less than half of the bitmap";
}

}  // namespace
