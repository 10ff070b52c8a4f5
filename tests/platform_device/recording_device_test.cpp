// The recording device keeps the state in force with every call, so a test can tell what a
// drawing restored.
#include <gtest/gtest.h>

#include "platform/recording_device.h"

namespace {

TEST(RecordingDevice, CallsCarryTheStateInForce) {
    RecordingDevice dc;
    const Pen frame{1, RGB(200, 200, 200)};
    const Brush hatch{BrushStyle::DiagonalCrossHatch, RGB(1, 2, 3)};
    Pen oldPen = dc.SelectPen(frame);
    Brush oldBrush = dc.SelectBrush(hatch);
    int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(50, 20, 1989, 879);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    dc.Rectangle(400, 50, 750, 135);
    dc.SetBkMode(oldMode);
    auto rects = dc.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rect, (Rect{50, 20, 1989, 879}));
    EXPECT_TRUE(rects[0].pen == frame && rects[0].brush == hatch);
    EXPECT_EQ(rects[0].bkMode, TRANSPARENT);
    EXPECT_TRUE(rects[1].pen == Pen{} && rects[1].brush == Brush{});
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

TEST(RecordingDevice, TextsAndCopiesKeepTheirArguments) {
    RecordingDevice dc;
    const LogFont vertical{"Times New Roman", 35, 900};
    dc.SelectFont(vertical);
    dc.DrawText("Texto", {100, 40, 250, 770}, 0x29);
    dc.BitBlt(1560, 85, 22, 39, Bitmap{880, 351, 1, 0, {}, {}}, 22 * 5, 312);
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].text, "Texto");
    EXPECT_EQ(calls[1].font, vertical);
    EXPECT_EQ(calls[1].format, 0x29u);
    EXPECT_EQ(calls[2].rect, (Rect{1560, 85, 1582, 124}));
    EXPECT_EQ(calls[2].source, (Rect{110, 312, 132, 351}));
    EXPECT_EQ(calls[2].bitmapBits, 1);
}

TEST(RecordingDevice, SurfaceAndDocumentResultAreConfigurable) {
    RecordingDevice dc({100, 50, 1181, 591, true});
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 100);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 591);
    EXPECT_EQ(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, RC_PALETTE);
    dc.SetStartDocResult(0);
    EXPECT_EQ(dc.StartDoc("Imprimiento Recibo"), 0);
    EXPECT_EQ(dc.Calls().back().text, "Imprimiento Recibo");
    EXPECT_EQ(dc.SetBkMode(7), OPAQUE);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

}  // namespace
