// The viewport origin: what is drawn after a move is pixel for pixel what was drawn before it,
// that many pixels away, hatches included; back at (0, 0) the surface is as it was.
#include <gtest/gtest.h>

#include "image_surface.h"
#include "platform/recording_device.h"

namespace {

// The hatched frame and a box with text, as the receipt draws them.
void Draw(PainterDevice& dc) {
    dc.SetBkMode(TRANSPARENT);
    dc.SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(200, 0, 0)});
    dc.Rectangle(50, 20, 900, 300);
    dc.SelectBrush({BrushStyle::Solid, RGB(255, 255, 255)});
    dc.Rectangle(400, 50, 750, 135);
    dc.SelectFont({"Times New Roman", 40, 0});
    dc.DrawText("Recibo 17", {410, 85, 730, 130}, DT_RIGHT);
}

struct Case {
    const char* name;
    int x, y;  // the origin, pixels
};

TEST(ViewportOrigin, MovesTheDrawingByWholePixels) {
    for (const Case& c :
         {Case{"down", 0, 253}, Case{"right and down", 37, 120}, Case{"odd pixels", 1, 1}}) {
        SCOPED_TRACE(c.name);
        ImageSurface alone(100, 80, 3.78);
        Draw(alone.device());
        ImageSurface moved(100, 80, 3.78);
        moved.device().SetViewportOrg(c.x, c.y);
        Draw(moved.device());

        const QImage& a = alone.image();
        const QImage& b = moved.image();
        const QRect ink = alone.Ink();
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_EQ(moved.Ink(), ink.translated(c.x, c.y).intersected(b.rect()));
        int nDiffering = 0;
        for (int y = ink.top(); y <= ink.bottom() && y + c.y < b.height(); ++y) {
            for (int x = ink.left(); x <= ink.right() && x + c.x < b.width(); ++x) {
                nDiffering += a.pixel(x, y) != b.pixel(x + c.x, y + c.y);
            }
        }
        EXPECT_EQ(nDiffering, 0);
    }
}

// Moves are absolute, not added up: back at (0, 0) the drawing lands where it always did.
TEST(ViewportOrigin, BackAtZeroDrawsInPlace) {
    ImageSurface alone(100, 80, 3.78);
    Draw(alone.device());
    ImageSurface back(100, 80, 3.78);
    back.device().SetViewportOrg(0, 90);
    back.device().SetViewportOrg(0, 180);
    back.device().SetViewportOrg(0, 0);
    Draw(back.device());
    EXPECT_EQ(back.image(), alone.image());
}

TEST(ViewportOrigin, TheRecordingDeviceKeepsItAndTheSheetHeight) {
    RecordingDevice dc(DeviceSurface{.sheetHeightPx = 1200});
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), 1200);
    EXPECT_EQ(RecordingDevice().GetDeviceCaps(PHYSICALHEIGHT), 1123);
    dc.SetViewportOrg(3, 374);
    EXPECT_EQ(dc.ViewportOrg(), (Rect{0, 0, 3, 374}));
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].kind, CallKind::SetViewportOrg);
    EXPECT_EQ(dc.Calls()[0].rect, (Rect{0, 0, 3, 374}));
}

}  // namespace
