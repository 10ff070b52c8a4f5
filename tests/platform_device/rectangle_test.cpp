// Rectangles: where outline and interior land, and the diagonal cross-hatch.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>

#include "image_surface.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kCyan(200, 255, 255);
const QColor kYellow(255, 255, 0);

// A one-pixel black outline on the first and last pixel row and column of [left, right) x
// [top, bottom), the interior in the brush colour, nothing outside.
TEST(Rectangle, OutlineAndInteriorOnTheRightPixels) {
    struct Case {
        double pixelsPerMm;
        int left, top, right, bottom;  // logical, 0.1 mm
    };
    for (const Case& c : {Case{4.0, 100, 50, 300, 250}, Case{10.0, 400, 50, 750, 135},
                          Case{10.0, 750, 50, 1550, 135}, Case{3.78, 50, 20, 1989, 879},
                          Case{10.0, 300, 250, 100, 50}}) {
        SCOPED_TRACE(c.left);
        ImageSurface surface(200, 100, c.pixelsPerMm);
        surface.device().SelectBrush({BrushStyle::Solid, RGB(255, 0, 0)});
        surface.device().Rectangle(c.left, c.top, c.right, c.bottom);
        const int x0 = surface.Px(std::min(c.left, c.right));
        const int x1 = surface.Px(std::max(c.left, c.right)) - 1;
        const int y0 = surface.Px(std::min(c.top, c.bottom));
        const int y1 = surface.Px(std::max(c.top, c.bottom)) - 1;
        EXPECT_EQ(surface.Ink(), QRect(QPoint(x0, y0), QPoint(x1, y1)));
        for (auto [x, y] : {std::pair{x0, y0}, {x1, y1}, {x0, y1}, {x1, y0}, {(x0 + x1) / 2, y0}}) {
            EXPECT_EQ(surface.At(x, y), QColor(Qt::black)) << x << "," << y;
        }
        EXPECT_EQ(surface.At(x0 + 1, y0 + 1), kRed);
        EXPECT_EQ(surface.At(x1 - 1, y1 - 1), kRed);
    }
}

// Boxes that share an edge touch without overlapping: the right edge is exclusive, so the
// first box's last column and the second box's first column lie side by side.
TEST(Rectangle, NeighboursTouchWithoutOverlap) {
    ImageSurface surface(200, 100, 10.0);
    surface.device().Rectangle(400, 50, 750, 135);
    surface.device().SelectPen({0, RGB(255, 0, 0)});
    surface.device().Rectangle(750, 50, 1550, 135);
    const int edge = surface.Px(750);
    const std::vector<QColor> across = {surface.At(edge - 2, 90), surface.At(edge - 1, 90),
                                        surface.At(edge, 90), surface.At(edge + 1, 90)};
    EXPECT_EQ(across, (std::vector<QColor>{Qt::white, Qt::black, kRed, Qt::white}));
}

// A pen of 10 logical units (1 mm) at 10 px/mm is 10 pixels wide, centred on the outline.
TEST(Rectangle, WidePenIsMeasuredInLogicalUnits) {
    ImageSurface surface(200, 100, 10.0);
    surface.device().SelectPen({10, RGB(0, 0, 255)});
    surface.device().Rectangle(500, 500, 1000, 900);
    int blue = 0;
    for (int x = surface.Px(500) - 10; x < surface.Px(500) + 10; ++x) {
        blue += surface.At(x, surface.Px(700)) == QColor(0, 0, 255) ? 1 : 0;
    }
    EXPECT_EQ(blue, 10);
}

// A cyan cross-hatched box, by default from 10 to 90 mm both ways; gives the pixels inside
// that default box's outline.
QRect HatchedBox(ImageSurface& surface, int mode, const Rect& box = {100, 100, 900, 900}) {
    surface.device().SetBkMode(mode);
    surface.device().SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(200, 255, 255)});
    surface.device().Rectangle(box.left, box.top, box.right, box.bottom);
    return {surface.Px(100) + 1, surface.Px(100) + 1, surface.Px(800) - 2, surface.Px(800) - 2};
}

std::set<std::pair<int, int>> HatchPixels(ImageSurface& surface, const QRect& area) {
    std::set<std::pair<int, int>> found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (surface.At(x, y) == kCyan) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

// Hatch lines run at 45 degrees both ways; between them the transparent mode leaves what lay
// beneath and the opaque mode paints white.
TEST(Hatch, CrossHatchAtFortyFiveDegreesAndItsGaps) {
    for (const auto& [mode, gap] : {std::pair{TRANSPARENT, kYellow}, {OPAQUE, QColor(Qt::white)}}) {
        SCOPED_TRACE(mode);
        ImageSurface surface(100, 100, 96 / 25.4, kYellow);
        const QRect inner = HatchedBox(surface, mode);
        auto hatch = HatchPixels(surface, inner);
        ASSERT_FALSE(hatch.empty());
        EXPECT_LT(hatch.size(), std::size_t(inner.width() * inner.height() / 2));
        int gaps = 0;
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor c = surface.At(x, inner.center().y());
            EXPECT_TRUE(c == kCyan || c == gap) << x;
            gaps += c == gap ? 1 : 0;
        }
        EXPECT_GT(gaps, inner.width() / 2);
        EXPECT_LT(gaps, inner.width());
        // Every hatch pixel away from the border continues diagonally one way or the other.
        int checked = 0;
        for (auto [x, y] : hatch) {
            if (inner.adjusted(3, 3, -3, -3).contains(x, y)) {
                bool falling = hatch.count({x + 1, y + 1}) || hatch.count({x - 1, y - 1});
                bool rising = hatch.count({x + 1, y - 1}) || hatch.count({x - 1, y + 1});
                EXPECT_TRUE(falling || rising) << x << "," << y;
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
    }
}

// An image surface keeps the hatch it drew as a picture and draws that again; a recorded
// drawing keeps the lines, which a screen shows one pixel wide. Both give the same pixels,
// whatever hatch came before.
TEST(Hatch, KeptPictureHasThePixelsOfTheLines) {
    const std::tuple<Rect, int, COLORREF> hatches[] = {
        {{130, 170, 870, 610}, TRANSPARENT, RGB(200, 255, 255)},
        {{130, 170, 870, 610}, TRANSPARENT, RGB(255, 0, 0)},
        {{130, 170, 870, 610}, OPAQUE, RGB(255, 0, 0)},
        {{20, 500, 990, 980}, OPAQUE, RGB(255, 0, 0)},
        {{130, 170, 870, 610}, TRANSPARENT, RGB(200, 255, 255)},
    };
    for (const auto& [box, mode, colour] : hatches) {
        SCOPED_TRACE(testing::Message() << box.left << " " << mode << " " << colour);
        QImage images[2];
        for (const auto path : {ImageSurface::Path::kDirect, ImageSurface::Path::kPlayedBack}) {
            ImageSurface surface(100, 100, 96 / 25.4, kYellow, path);
            surface.device().SetBkMode(mode);
            surface.device().SelectBrush({BrushStyle::DiagonalCrossHatch, colour});
            surface.device().Rectangle(box.left, box.top, box.right, box.bottom);
            images[path == ImageSurface::Path::kPlayedBack] = surface.image();
        }
        EXPECT_EQ(images[0], images[1]);
        const QColor ink(GetRValue(colour), GetGValue(colour), GetBValue(colour));
        const int middle = static_cast<int>(std::lround((box.top + box.bottom) / 2.0 * 96 / 254.0));
        int inked = 0;
        for (int x = 0; x < images[0].width(); ++x) {
            inked += images[0].pixelColor(x, middle) == ink ? 1 : 0;
        }
        EXPECT_GT(inked, 20);
    }
}

// Lines crossed along one row of 60 mm, where the two families cross the row half a pitch apart.
int LinesAcrossRow(double pixelsPerMm) {
    ImageSurface surface(100, 100, pixelsPerMm);
    HatchedBox(surface, TRANSPARENT);
    int runs = 0;
    bool inLine = false;
    for (int x = surface.Px(200); x < surface.Px(800); ++x) {
        bool hatch = surface.At(x, surface.Px(505)) == kCyan;
        runs += hatch && !inLine ? 1 : 0;
        inLine = hatch;
    }
    return runs;
}

// The pitch follows the logical units, so a screen and a fine raster show the same number of
// lines: 60 mm at a pitch of 2 mm along x, two families of lines, about 60 crossings.
TEST(Hatch, PitchFollowsLogicalUnitsNotPixels) {
    int screen = LinesAcrossRow(96 / 25.4);
    EXPECT_NEAR(screen, 60, 4);
    EXPECT_NEAR(LinesAcrossRow(600 / 25.4), screen, 3);
}

// Absurd coordinates and mappings draw what falls on the surface and return.
TEST(Hatch, HugeRectangleCoversTheSurfaceOnly) {
    ImageSurface surface(100, 100, 4.0, kYellow);
    HatchedBox(surface, TRANSPARENT, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    surface.device().SetWindowExt(1, 1);
    surface.device().SetViewportExt(INT_MAX, INT_MAX);
    surface.device().Rectangle(-5, -5, 5, 5);
    EXPECT_GT(HatchPixels(surface, surface.image().rect()).size(), 1000u);
}

}  // namespace
