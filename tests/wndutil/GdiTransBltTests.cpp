// Transparent blits through a colour-key mask, straight and mirrored.
#include "WndTestUtil.h"
#include "LibExports.h"

using namespace NelTest;

namespace {

const COLORREF kKey = NEL_TRANSPARENT_COLOR, kGrey = RGB(90, 90, 90);
const int kCx = 4, kCy = 3;

// A 4 x 3 image of distinct colours with three pixels in the key colour,
// and its mask.
struct KeyedImage {
    Surface image{kCx, kCy, 0, false};
    HBITMAP mask;
    KeyedImage()
    {
        image.FillDistinct();
        for (POINT p : {POINT{0, 0}, POINT{3, 1}, POINT{1, 2}})
            image.Set(p.x, p.y, kKey);
        mask = Lib::NelGDICreateMaskBmp(image.bitmap(), kKey);
    }
    ~KeyedImage() { DeleteObject(mask); }
    bool Keyed(int x, int y) const { return (x == 0 && y == 0) || (x == 3 && y == 1) || (x == 1 && y == 2); }
};

} // namespace

TEST(GdiTransBlt, DrawsTheImageExceptItsKeyedPixelsInEveryMirrorMode)
{
    for (int mirror = 0; mirror <= 3; ++mirror) {
        SCOPED_TRACE("mirror " + std::to_string(mirror));
        KeyedImage img;
        Surface dest(12, 10, kGrey);
        SetTextColor(dest.dc(), RGB(1, 2, 3));
        SetBkColor(dest.dc(), RGB(4, 5, 6));
        EXPECT_EQ(0, Lib::NelGDITransBlt(dest.dc(), img.image.bitmap(), img.mask, 3, 2, 0, 0, 0, 0, mirror));
        for (int y = 0; y < kCy; ++y) {
            for (int x = 0; x < kCx; ++x) {
                // Destination (3 + x, 2 + y) shows source (sx, sy).
                int sx = (mirror & 1) ? kCx - 1 - x : x;
                int sy = (mirror & 2) ? kCy - 1 - y : y;
                COLORREF want = img.Keyed(sx, sy) ? kGrey : Distinct(sx, sy);
                EXPECT_EQ(Hex(want), Hex(dest.At(3 + x, 2 + y))) << "at " << x << "," << y;
            }
        }
        EXPECT_EQ("", dest.ChangedOutside(MakeRect(3, 2, kCx, kCy), kGrey));
        EXPECT_EQ(Hex(RGB(1, 2, 3)), Hex(GetTextColor(dest.dc())));
        EXPECT_EQ(Hex(RGB(4, 5, 6)), Hex(GetBkColor(dest.dc())));
        EXPECT_EQ(Hex(0), Hex(img.image.At(0, 0))) << "keyed pixels of the image are cleared to black";
    }
}

TEST(GdiTransBlt, SourceExtentIsTheGivenCornerOrTheBitmapsEdges)
{
    struct Case {
        int xSrc, ySrc, right, bottom, cx, cy;
    } cases[] = {{1, 1, 3, 3, 2, 2}, {2, 1, 0, 0, kCx - 2, kCy - 1}, {1, 0, 3, 0, kCx - 1, kCy}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << c.xSrc << "," << c.ySrc << " to " << c.right << "," << c.bottom);
        KeyedImage img;
        Surface dest(12, 10, kGrey);
        EXPECT_EQ(0, Lib::NelGDITransBlt(dest.dc(), img.image.bitmap(), img.mask, 5, 4, c.xSrc, c.ySrc, c.right, c.bottom, 0));
        for (int y = 0; y < c.cy; ++y) {
            for (int x = 0; x < c.cx; ++x) {
                int sx = c.xSrc + x, sy = c.ySrc + y;
                COLORREF want = img.Keyed(sx, sy) ? kGrey : Distinct(sx, sy);
                EXPECT_EQ(Hex(want), Hex(dest.At(5 + x, 4 + y))) << "source " << sx << "," << sy;
            }
        }
        EXPECT_EQ("", dest.ChangedOutside(MakeRect(5, 4, c.cx, c.cy), kGrey));
    }
}

TEST(GdiTransBlt, StatusCodesAndNothingDrawnOnFailure)
{
    KeyedImage img;
    Surface dest(12, 10, kGrey);
    HBITMAP deleted = CreateBitmap(2, 2, 1, 32, nullptr);
    DeleteObject(deleted);
    HDC metafile = CreateMetaFileW(nullptr); // no raster capabilities
    HBITMAP image = img.image.bitmap();
    struct Case {
        const char* what;
        HDC dc;
        HBITMAP image, mask;
        int right, mirror, status;
    } cases[] = {
        {"no image", dest.dc(), nullptr, img.mask, 0, 0, 1},
        {"no image and no DC", nullptr, nullptr, img.mask, 0, 0, 1},
        {"no mask", dest.dc(), image, nullptr, 0, 0, 1},
        {"no DC", nullptr, image, img.mask, 0, 0, 99},
        {"image size unreadable", dest.dc(), deleted, img.mask, 0, 0, 2},
        {"image cannot be selected", dest.dc(), deleted, img.mask, 2, 0, 99},
        {"mask cannot be selected", dest.dc(), image, deleted, 0, 0, 99},
        {"mirror 4", dest.dc(), image, img.mask, 0, 4, 99},
        {"mirror 5", dest.dc(), image, img.mask, 0, 5, 99},
        {"device without bit blits", metafile, image, img.mask, 0, 0, 3},
        {"device without bit blits, mirrored", metafile, image, img.mask, 0, 1, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.status, Lib::NelGDITransBlt(c.dc, c.image, c.mask, 1, 1, 0, 0, c.right, c.right, c.mirror)) << c.what;
        EXPECT_EQ("", dest.ChangedOutside(RECT{}, kGrey)) << c.what;
    }
    DeleteMetaFile(CloseMetaFile(metafile));
}
