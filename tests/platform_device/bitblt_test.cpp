// Bitmaps copied into logical rectangles: cropped to the source, stretched by the mapping,
// always opaque.
#include <gtest/gtest.h>

#include <climits>

#include "image_surface.h"

namespace {

// A 4 x 3 bitmap whose every pixel has its own colour.
Bitmap Checker() {
    Bitmap bitmap;
    bitmap.width = 4;
    bitmap.height = 3;
    bitmap.bitsPerPixel = 24;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            bitmap.pixels.push_back(0x00102030u * (x + 1) + 0x00400000u * y);
        }
    }
    return bitmap;
}

QColor ColorOf(std::uint32_t rgb) {
    return QColor::fromRgb(rgb | 0xFF000000u);
}

// At 10 px/mm one logical unit of 0.1 mm is one pixel: a source pixel copied into one logical
// unit with a mapping of 1 unit to 10 pixels becomes a 10 x 10 block.
TEST(BitBlt, SourceRectangleIsStretchedOntoTheLogicalRectangle) {
    ImageSurface surface(100, 50, 10.0);
    surface.PixelsPerUnit(10);
    PainterDevice& dc = surface.device();
    Bitmap bitmap = Checker();
    dc.BitBlt(5, 2, 2, 2, bitmap, 1, 1);
    EXPECT_EQ(surface.Ink(), QRect(50, 20, 20, 20));
    for (int sy = 0; sy < 2; ++sy) {
        for (int sx = 0; sx < 2; ++sx) {
            QColor expected = ColorOf(bitmap.Pixel(1 + sx, 1 + sy));
            EXPECT_EQ(surface.At(50 + 10 * sx, 20 + 10 * sy), expected);
            EXPECT_EQ(surface.At(59 + 10 * sx, 29 + 10 * sy), expected);
        }
    }
}

// A source rectangle reaching past the bitmap copies only what the bitmap has, in place.
TEST(BitBlt, SourceIsCroppedToTheBitmap) {
    ImageSurface surface(100, 50, 10.0);
    surface.PixelsPerUnit(10);
    PainterDevice& dc = surface.device();
    Bitmap bitmap = Checker();
    dc.BitBlt(1, 1, 5, 5, bitmap, 2, 1);
    EXPECT_EQ(surface.Ink(), QRect(10, 10, 20, 20));
    EXPECT_EQ(surface.At(10, 10), ColorOf(bitmap.Pixel(2, 1)));
    EXPECT_EQ(surface.At(29, 29), ColorOf(bitmap.Pixel(3, 2)));
    dc.BitBlt(50, 0, 3, 3, bitmap, -5, 0);
    dc.BitBlt(60, 0, 0, 3, bitmap, 0, 0);
    EXPECT_EQ(surface.Ink(), QRect(10, 10, 20, 20));
}

// A glyph cell of 22 x 39 pixels lands on 22 x 39 logical units of 0.1 mm; its white pixels
// cover what lay beneath.
TEST(BitBlt, GlyphCellIsOpaqueAndTakesItsLogicalSize) {
    const QColor beneath(0, 0, 255);
    ImageSurface surface(100, 50, 10.0, beneath);
    surface.device().BitBlt(100, 200, 22, 39, GlyphCell(), 0, 0);
    EXPECT_EQ(surface.Ink(), QRect(100, 200, 22, 39));
    EXPECT_EQ(surface.At(100, 200), QColor(Qt::black));
    EXPECT_EQ(surface.At(110, 220), QColor(Qt::white));
}

// A bitmap whose pixel data is shorter than its size says draws nothing.
TEST(BitBlt, InconsistentBitmapDrawsNothing) {
    ImageSurface surface(100, 50, 10.0);
    Bitmap broken = Checker();
    broken.pixels.resize(5);
    surface.device().BitBlt(0, 0, 4, 3, broken, 0, 0);
    EXPECT_FALSE(surface.Ink().isValid());
}

// A source rectangle as large as an int can say copies the whole bitmap and nothing more.
TEST(BitBlt, HugeSourceRectangleCopiesTheBitmapOnly) {
    ImageSurface surface(100, 50, 10.0);
    surface.PixelsPerUnit(10);
    surface.device().BitBlt(2, 1, INT_MAX, INT_MAX, Checker(), 0, 0);
    EXPECT_EQ(surface.Ink(), QRect(20, 10, 40, 30));
}

}  // namespace
