// Bitmaps drawn again and again: a PDF embeds each distinct part once and keeps a glyph sheet
// exact; on an image every copy is the same, and a bitmap changed in place is drawn as it is now.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

#include "image_surface.h"
#include "platform/qt/qt_devices.h"

namespace {

// A 1-bit sheet of four 22 x 39 cells side by side, each with a black bar of its own height.
Bitmap Sheet() {
    Bitmap sheet{88,
                 39,
                 1,
                 2,
                 {0x000000, 0xFFFFFF},
                 std::vector<std::uint32_t>(std::size_t{88} * 39, 0xFFFFFF)};
    for (int cell = 0; cell < 4; ++cell) {
        for (int y = 0; y < 10 + 5 * cell; ++y) {
            sheet.pixels[std::size_t(y) * 88 + 22 * std::size_t(cell) + 3] = 0x000000;
        }
    }
    return sheet;
}

// How a PDF's copies are given the one sheet: by reference, as shared, or in turn one and the
// other.
enum class Reparto { kReferencia, kCompartido, kAlterno };

// The bytes of a one-page PDF on which each listed cell of the sheet is copied once, in a row.
QByteArray PdfWithCells(const Bitmap& sheet, const std::vector<int>& cells,
                        Reparto reparto = Reparto::kReferencia) {
    const auto shared = std::make_shared<const Bitmap>(sheet);
    QTemporaryDir dir;
    const QString path = dir.filePath("celdas.pdf");
    auto device = CreatePdfDevice(path.toStdString());
    if (!device || device->StartDoc("Celdas") != 1 || device->StartPage() != 1) {
        return {};
    }
    device->SetMapModeAnisotropic();
    device->SetWindowExt(device->GetDeviceCaps(HORZSIZE) * 10,
                         device->GetDeviceCaps(VERTSIZE) * 10);
    device->SetViewportExt(device->GetDeviceCaps(HORZRES), device->GetDeviceCaps(VERTRES));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool bCompartido =
            reparto == Reparto::kCompartido || (reparto == Reparto::kAlterno && i % 2 == 1);
        if (bCompartido) {
            device->BitBltShared(100 + 22 * int(i), 100, 22, 39, shared, 22 * cells[i], 0);
        } else {
            device->BitBlt(100 + 22 * int(i), 100, 22, 39, *shared, 22 * cells[i], 0);
        }
    }
    device->EndPage();
    device->EndDoc();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cell copied again and again, by reference or as a shared bitmap or both in turn (the shared
// bitmap then takes over the copy made by reference), is embedded once.
TEST(PdfImages, EachDistinctCellIsEmbeddedOnceAndExactly) {
    const Bitmap sheet = Sheet();
    const std::vector<std::pair<std::vector<int>, int>> cases = {
        {std::vector<int>(17, 2), 1},
        {{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}, 2},
        {{3, 3, 3, 3, 3, 3, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1}, 4},
    };
    const QRegularExpression image("/Subtype\\s*/Image");
    for (const Reparto reparto : {Reparto::kReferencia, Reparto::kCompartido, Reparto::kAlterno}) {
        for (const auto& [cells, distinct] : cases) {
            const QByteArray pdf = PdfWithCells(sheet, cells, reparto);
            ASSERT_FALSE(pdf.isEmpty());
            const QString text = QString::fromLatin1(pdf);
            EXPECT_EQ(text.count(image), distinct)
                << cells.size() << " copies, given as " << static_cast<int>(reparto);
            // A lossy encoding would grey the edges of the glyphs.
            EXPECT_FALSE(text.contains("/DCTDecode"));
        }
    }
}

// A full-colour bitmap of any depth, fine-grained as a photograph, is kept exact too: no JPEG.
TEST(PdfImages, FullColourBitmapsAreEmbeddedLossless) {
    for (const int nBits : {16, 24, 32}) {
        Bitmap picture{88, 39, nBits, 0, {}, std::vector<std::uint32_t>(std::size_t{88} * 39)};
        for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
            picture.pixels[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFFu;
        }
        const QString text = QString::fromLatin1(PdfWithCells(picture, {0, 1, 2, 3}));
        ASSERT_FALSE(text.isEmpty()) << nBits;
        EXPECT_FALSE(text.contains("/DCTDecode")) << nBits << " bits";
    }
}

// Seventeen copies of one cell, twice stretched: every copy is the first one pixel for pixel,
// and stays black and white (nearest-neighbour stretching).
TEST(PdfImages, RepeatedCopiesOnAnImageAreIdentical) {
    const Bitmap sheet = Sheet();
    ImageSurface surface(100, 40, 10);
    surface.PixelsPerUnit(2);
    for (int i = 0; i < 17; ++i) {
        surface.device().BitBlt(22 * i, 0, 22, 39, sheet, 22 * 1, 0);
    }
    const QImage& image = surface.image();
    const QImage first = image.copy(0, 0, 44, 78);
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb pixel = first.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFFu) << x << "," << y;
        }
    }
    EXPECT_EQ(first.pixel(6, 29) & 0xFFFFFFu, 0u);
    EXPECT_EQ(first.pixel(6, 30) & 0xFFFFFFu, 0xFFFFFFu);
    for (int i = 1; i < 17; ++i) {
        EXPECT_EQ(image.copy(44 * i, 0, 44, 78), first) << "copy " << i;
    }
}

// The same bitmap, changed between two copies on one device, is drawn as it is at each copy.
TEST(PdfImages, BitmapChangedInPlaceIsDrawnAnew) {
    Bitmap sheet = Sheet();
    ImageSurface surface(100, 40, 10);
    surface.PixelsPerUnit(1);
    surface.device().BitBlt(0, 0, 22, 39, sheet, 0, 0);
    sheet.pixels[3] = 0xFF0000;
    surface.device().BitBlt(30, 0, 22, 39, sheet, 0, 0);
    EXPECT_EQ(surface.At(3, 0), QColor(Qt::black));
    EXPECT_EQ(surface.At(33, 0), QColor(Qt::red));
    EXPECT_EQ(surface.At(33, 1), QColor(Qt::black));
}

// A shared bitmap freed and another made, most often at the same address, with other pixels:
// the new one is drawn, never the copy kept of the old one.
TEST(PdfImages, SharedBitmapFreedAndAnotherMadeIsDrawnAnew) {
    ImageSurface surface(100, 40, 10);
    surface.PixelsPerUnit(1);
    auto first = std::shared_ptr<const Bitmap>(new Bitmap(Sheet()));
    surface.device().BitBltShared(0, 0, 22, 39, first, 0, 0);
    first.reset();
    Bitmap changed = Sheet();
    changed.pixels[3] = 0xFF0000;
    const auto second = std::shared_ptr<const Bitmap>(new Bitmap(std::move(changed)));
    surface.device().BitBltShared(30, 0, 22, 39, second, 0, 0);
    EXPECT_EQ(surface.At(3, 0), QColor(Qt::black));
    EXPECT_EQ(surface.At(33, 0), QColor(Qt::red));
    EXPECT_EQ(surface.At(33, 1), QColor(Qt::black));
}

// A bitmap copied by reference and changed in place, then shared as it now is: the shared copy
// is made from its pixels of now, not taken over from the stale one.
TEST(PdfImages, SharedBitmapTakesOverOnlyACopyThatStillMatches) {
    auto sheet = std::make_shared<Bitmap>(Sheet());
    ImageSurface surface(100, 40, 10);
    surface.PixelsPerUnit(1);
    surface.device().BitBlt(0, 0, 22, 39, *sheet, 0, 0);
    sheet->pixels[3] = 0xFF0000;
    const BitmapPtr shared = sheet;
    surface.device().BitBltShared(30, 0, 22, 39, shared, 0, 0);
    surface.device().BitBltShared(60, 0, 22, 39, nullptr, 0, 0);
    EXPECT_EQ(surface.At(3, 0), QColor(Qt::black));
    EXPECT_EQ(surface.At(33, 0), QColor(Qt::red));
    EXPECT_EQ(surface.At(63, 0), QColor(Qt::white)) << "a null bitmap draws nothing";
}

}  // namespace
