// Bitmaps copied into logical rectangles: cropped to the source, stretched by the mapping,
// always opaque.
#include <gtest/gtest.h>

#include <climits>

#include "image_surface.h"

namespace {

// A 4 x 3 bitmap whose every pixel has its own colour.
Bitmap Checker() {
    Bitmap bitmap{4, 3, 24, 0, {}, {}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            bitmap.pixels.push_back(0x00102030u * (x + 1) + 0x00400000u * y);
        }
    }
    return bitmap;
}

struct BltCase {
    int x, y, w, h, sx, sy;
    QRect ink;  // device pixels
};

// One logical unit is 10 x 10 pixels, so each source pixel copied becomes a 10 x 10 block of
// its colour; what the source rectangle holds beyond the bitmap is not drawn.
TEST(BitBlt, SourceIsCroppedToTheBitmapAndStretchedByTheMapping) {
    const Bitmap bitmap = Checker();
    for (const BltCase& c :
         {BltCase{5, 2, 2, 2, 1, 1, {50, 20, 20, 20}}, BltCase{1, 1, 5, 5, 2, 1, {10, 10, 20, 20}},
          BltCase{2, 1, INT_MAX, INT_MAX, 0, 0, {20, 10, 40, 30}}, BltCase{50, 0, 3, 3, -5, 0, {}},
          BltCase{60, 0, 0, 3, 0, 0, {}}}) {
        SCOPED_TRACE(c.x);
        ImageSurface surface(100, 50, 10.0);
        surface.PixelsPerUnit(10);
        surface.device().BitBlt(c.x, c.y, c.w, c.h, bitmap, c.sx, c.sy);
        ASSERT_EQ(surface.Ink(), c.ink);
        int wrong = 0;
        for (int y = c.ink.top(); y <= c.ink.bottom(); ++y) {
            for (int x = c.ink.left(); x <= c.ink.right(); ++x) {
                const std::uint32_t rgb =
                    bitmap.Pixel(c.sx + (x - c.ink.left()) / 10, c.sy + (y - c.ink.top()) / 10);
                wrong += surface.At(x, y) != QColor::fromRgb(rgb | 0xFF000000u) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// A glyph cell of 22 x 39 pixels lands on 22 x 39 logical units of 0.1 mm; its white pixels
// cover what lay beneath.
TEST(BitBlt, GlyphCellIsOpaqueAndTakesItsLogicalSize) {
    ImageSurface surface(100, 50, 10.0, QColor(0, 0, 255));
    surface.device().BitBlt(100, 200, 22, 39, GlyphCell(), 0, 0);
    EXPECT_EQ(surface.Ink(), QRect(100, 200, 22, 39));
    EXPECT_EQ(surface.At(100, 200), QColor(Qt::black));
    EXPECT_EQ(surface.At(110, 220), QColor(Qt::white));
}

TEST(BitBlt, BitmapWithTooFewPixelsDrawsNothing) {
    ImageSurface surface(100, 50, 10.0);
    Bitmap broken = Checker();
    broken.pixels.resize(5);
    surface.device().BitBlt(0, 0, 4, 3, broken, 0, 0);
    EXPECT_FALSE(surface.Ink().isValid());
}

}  // namespace
