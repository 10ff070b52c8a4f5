// The PDF device: a one-page A4 document whose texts land where they were asked, read back
// with pdftotext (poppler-utils).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "image_surface.h"
#include "platform/qt/qt_devices.h"

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;  // millimetres from the page's top-left corner
};

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<Word> WordsOf(const QString& pdf) {
    QString html = RunTool("pdftotext", {"-bbox", pdf, "-"});
    QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (const auto& m : word.globalMatch(html)) {
        words.push_back({m.captured(5), m.captured(1).toDouble() / kPointsPerMm,
                         m.captured(2).toDouble() / kPointsPerMm,
                         m.captured(3).toDouble() / kPointsPerMm,
                         m.captured(4).toDouble() / kPointsPerMm});
    }
    return words;
}

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

TEST_F(PdfDevice, TextsLandWithinHalfAMillimetre) {
    Draw([](PrintDevice& dc) {
        dc.SelectFont({"Times New Roman", 40, 0});
        dc.DrawText("Izquierda", {500, 1000, 1500, 1400}, 0);
        dc.DrawText("Derecha", {500, 1500, 1500, 1900}, 2);
        dc.DrawText("Centro", {500, 2000, 1500, 2400}, 1);
        dc.DrawText("Abajo", {500, 2500, 1500, 2900}, 0x29);
    });
    auto words = WordsOf(path_);
    ASSERT_EQ(words.size(), 4u);
    const double cell = 4.0;
    EXPECT_EQ(words[0].text, "Izquierda");
    EXPECT_NEAR(words[0].xMin, 50.0, 0.5);
    EXPECT_NEAR(words[0].yMin, 100.0, 0.5);
    EXPECT_NEAR(words[0].yMax - words[0].yMin, cell, 0.5);
    EXPECT_NEAR(words[1].xMax, 150.0, 0.5);
    EXPECT_NEAR(words[1].yMin, 150.0, 0.5);
    EXPECT_NEAR((words[2].xMin + words[2].xMax) / 2, 100.0, 0.5);
    EXPECT_NEAR(words[3].yMax, 290.0, 0.5);
    EXPECT_NEAR((words[3].xMin + words[3].xMax) / 2, 100.0, 0.5);
}

// Texts are converted from Windows-1252; the ampersand stays.
TEST_F(PdfDevice, Windows1252TextIsKept) {
    Draw([](PrintDevice& dc) {
        dc.SelectFont({"Times New Roman", 40, 0});
        dc.DrawText("P\xE1gina 5\x80 A&B", {500, 1000, 1900, 1400}, 0);
    });
    QString text = RunTool("pdftotext", {path_, "-"}).trimmed();
    EXPECT_EQ(text, QString::fromUtf8("Página 5€ A&B"));
}

// The document carries its name, and bitmaps and hatches go out opaque: no soft mask, no
// transparency group, which would make the print filters rasterise the page.
TEST_F(PdfDevice, TitleAndNoTransparency) {
    const Bitmap cell = GlyphCell();
    Draw([&](PrintDevice& dc) {
        dc.SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(200, 255, 255)});
        dc.Rectangle(50, 20, 1989, 879);
        dc.BitBlt(1560, 85, 22, 39, cell, 0, 0);
    });
    QString info = RunTool("pdfinfo", {path_});
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Imprimiento Recibo")));
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts")));
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_FALSE(bytes.contains("/ImageMask true"));
    EXPECT_FALSE(bytes.contains("/Transparency"));
    EXPECT_FALSE(QString::fromLatin1(bytes).contains(QRegularExpression("/SMask \\d+ 0 R")));
    EXPECT_FALSE(QString::fromLatin1(bytes).contains(QRegularExpression("/[cC][aA] 0")));
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
