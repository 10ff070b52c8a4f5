// The PDF device: an A4 page, Windows-1252 text read back with pdftotext (poppler-utils),
// opaque output, and failures reported where they happen.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "image_surface.h"
#include "platform/qt/qt_devices.h"

namespace {

class PdfDevice : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("recibo.pdf");
    }
    // Draws with the receipt's set-up: 0.1 mm logical units over the printable area.
    void Draw(const std::function<void(PrintDevice&)>& drawing) {
        auto device = CreatePdfDevice(path_.toStdString());
        ASSERT_TRUE(device);
        ASSERT_EQ(device->StartDoc("Imprimiento Recibo"), 1);
        ASSERT_EQ(device->StartPage(), 1);
        device->SetMapModeAnisotropic();
        device->SetWindowExt(device->GetDeviceCaps(HORZSIZE) * 10,
                             device->GetDeviceCaps(VERTSIZE) * 10);
        device->SetViewportExt(device->GetDeviceCaps(HORZRES), device->GetDeviceCaps(VERTRES));
        device->SetBkMode(TRANSPARENT);
        device->SelectFont({"Times New Roman", 40, 0});
        drawing(*device);
        EXPECT_EQ(device->EndPage(), 1);
        EXPECT_EQ(device->EndDoc(), 1);
    }

    QTemporaryDir dir_;
    QString path_;
};

TEST_F(PdfDevice, ReportsTheA4PageBeforeAndAfterStartDoc) {
    auto device = CreatePdfDevice(path_.toStdString());
    EXPECT_EQ(device->GetDeviceCaps(HORZSIZE), 210);
    EXPECT_EQ(device->GetDeviceCaps(VERTSIZE), 297);
    EXPECT_NEAR(device->GetDeviceCaps(HORZRES), 210 / 25.4 * 1200, 10);
    EXPECT_EQ(device->GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    ASSERT_EQ(device->StartDoc("x"), 1);
    EXPECT_EQ(device->GetDeviceCaps(HORZSIZE), 210);
    EXPECT_NEAR(device->GetDeviceCaps(VERTRES), 297 / 25.4 * 1200, 10);
}

// Texts are converted from Windows-1252; the ampersand stays.
TEST_F(PdfDevice, Windows1252TextIsKept) {
    Draw([](PrintDevice& dc) { dc.DrawText("P\xE1gina 5\x80 A&B", {500, 1000, 1900, 1400}, 0); });
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path_, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(pdftotext.readAllStandardOutput()).trimmed(),
              QString::fromUtf8("Página 5€ A&B"));
}

// Bitmaps and hatches go out opaque: no soft mask, no transparency group, which would make the
// print filters rasterise the page.
TEST_F(PdfDevice, NoTransparency) {
    const Bitmap cell = GlyphCell();
    Draw([&](PrintDevice& dc) {
        dc.SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(200, 255, 255)});
        dc.Rectangle(50, 20, 1989, 879);
        dc.BitBlt(1560, 85, 22, 39, cell, 0, 0);
    });
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    for (const char* absent :
         {"/ImageMask true", "/Transparency", "/SMask \\d+ 0 R", "/[cC][aA] 0"}) {
        EXPECT_FALSE(bytes.contains(QRegularExpression(absent))) << absent;
    }
}

TEST_F(PdfDevice, UnwritablePathFailsAtStartDoc) {
    auto device = CreatePdfDevice((dir_.path() + "/missing/folder/recibo.pdf").toStdString());
    ASSERT_TRUE(device);
    EXPECT_EQ(device->StartDoc("Imprimiento Recibo"), 0);
    EXPECT_EQ(device->StartPage(), 0);
    device->Rectangle(0, 0, 100, 100);
    EXPECT_EQ(device->EndDoc(), 0);
}

TEST(PrinterDevice, MissingQueueGivesNoDevice) {
    EXPECT_EQ(CreatePrinterDevice("brixamo-no-such-queue"), nullptr);
}

}  // namespace
