// Loading logo files: good bitmaps keep what their headers state; bad files load as nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "image_bytes.h"
#include "platform/qt/image_loading.h"

namespace {

using Colours = std::vector<std::uint32_t>;

// An uncompressed BMP with the given depth, colour table, colours-used field and rows of
// pixels: palette indexes at 1 or 8 bits per pixel, 0x00RRGGBB at 24 or 32. The rows are stored
// bottom-up or, as the header's negative height says, top-down.
std::string MakeBmp(int width, int height, int bits, const Colours& table, std::uint32_t colorsUsed,
                    const std::vector<std::vector<int>>& rows, bool topDown = false) {
    const std::uint32_t stride = (width * bits + 31) / 32 * 4;
    std::string data;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? i : height - 1 - i;
        std::string line(stride, '\0');
        for (int x = 0; x < width && y < int(rows.size()); ++x) {
            if (bits >= 24) {
                for (int c = 0; c < 3; ++c) {
                    line[x * bits / 8 + c] = static_cast<char>((rows[y][x] >> (8 * c)) & 0xFF);
                }
            } else if (bits == 8) {
                line[x] = static_cast<char>(rows[y][x]);
            } else if (rows[y][x]) {
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
            }
        }
        data += line;
    }
    return BmpFile({.width = width,
                    .height = topDown ? -height : height,
                    .bits = bits,
                    .table = table,
                    .colorsUsed = colorsUsed},
                   data);
}

class ImageLoading : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        QString path = dir_.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qsizetype(bytes.size()));
        return path.toStdString();
    }

    QTemporaryDir dir_;
};

// Width, height, depth, colours used, colour table and pixels.
using Fields = std::tuple<int, int, int, int, Colours, Colours>;

TEST_F(ImageLoading, IndexedBmpKeepsDepthTableAndPixels) {
    const Colours table = {0x102030, 0xFF0000, 0x00FF00};
    Colours full = table;
    full.resize(256, 0x0000FF);
    const std::pair<std::string, Fields> cases[] = {
        {MakeBmp(3, 2, 1, {0x000000, 0xFFFFFF}, 2, {{0, 1, 0}, {1, 1, 0}}),
         {3, 2, 1, 2, {0x000000, 0xFFFFFF}, {0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0}}},
        {MakeBmp(2, 1, 8, table, 3, {{2, 1}}), {2, 1, 8, 3, table, {0x00FF00, 0xFF0000}}},
        {MakeBmp(2, 1, 8, full, 0, {{2, 1}}), {2, 1, 8, 0, full, {0x00FF00, 0xFF0000}}},
    };
    for (const auto& [bmp, expected] : cases) {
        BitmapPtr b = LoadBitmapFromFile(Write("indexed.bmp", bmp));
        ASSERT_TRUE(b);
        EXPECT_EQ(
            Fields(b->width, b->height, b->bitsPerPixel, b->colorsUsed, b->colorTable, b->pixels),
            expected);
    }
}

// A top-down bitmap (negative height) loads at its true height with its first row on top, at
// every uncompressed depth; its height meets the same limit as a bottom-up one.
TEST_F(ImageLoading, TopDownBmpIsUpright) {
    const std::vector<std::vector<int>> colours = {{0xFF0000, 0x00FF00, 0x0000FF},
                                                   {0x102030, 0xFFFFFF, 0x000000}};
    const Colours upright = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFFFF, 0x000000};
    const Colours table = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFFFF};
    const std::vector<std::vector<int>> indexes = {{1, 2, 3}, {4, 5, 0}};
    const std::pair<std::string, Fields> cases[] = {
        {MakeBmp(3, 2, 24, {}, 0, colours, true), {3, 2, 24, 0, {}, upright}},
        {MakeBmp(3, 2, 32, {}, 0, colours, true), {3, 2, 32, 0, {}, upright}},
        {MakeBmp(3, 2, 8, table, 6, indexes, true), {3, 2, 8, 6, table, upright}},
    };
    for (const auto& [bmp, expected] : cases) {
        BitmapPtr b = LoadBitmapFromFile(Write("top-down.bmp", bmp));
        ASSERT_TRUE(b) << std::get<2>(expected) << " bits";
        EXPECT_EQ(
            Fields(b->width, b->height, b->bitsPerPixel, b->colorsUsed, b->colorTable, b->pixels),
            expected);
    }
    std::string tall = MakeBmp(1, 1, 24, {}, 0, {{0xFFFFFF}}, true);
    tall.replace(22, 4, std::string("\x60\x79\xFE\xFF", 4));  // -100000 rows
    EXPECT_EQ(LoadBitmapFromFile(Write("tall.bmp", tall)), nullptr);
}

// PNG and JPEG: the decoded depth; transparent pixels come out as white paper.
TEST_F(ImageLoading, PngAndJpegAreOpaque) {
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    image.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    BitmapPtr png = LoadBitmapFromFile(Write("logo.png", Encoded(image, "PNG")));
    ASSERT_TRUE(png);
    EXPECT_EQ(std::tuple(png->bitsPerPixel, png->Pixel(0, 0), png->Pixel(1, 0)),
              std::tuple(32, 0xFFFFFFu, 0xFF0000u));
    BitmapPtr jpeg = LoadBitmapFromFile(
        Write("logo.jpg", Encoded(image.convertToFormat(QImage::Format_RGB32), "JPEG")));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(std::tuple(jpeg->bitsPerPixel, jpeg->width, jpeg->pixels.size()),
              std::tuple(24, 4, 8u));
    EXPECT_TRUE(std::all_of(jpeg->pixels.begin(), jpeg->pixels.end(),
                            [](std::uint32_t pixel) { return pixel <= 0xFFFFFFu; }));
}

// Deep and palette PNGs give the same 0x00RRGGBB pixels as the colours drawn into them.
TEST_F(ImageLoading, DeepAndPalettePngsKeepTheirColours) {
    QImage deep(3, 2, QImage::Format_RGBX64);
    deep.fill(QColor(10, 20, 30));
    deep.setPixelColor(2, 1, QColor(200, 100, 0));
    QImage palette = deep.convertToFormat(QImage::Format_Indexed8);
    const Colours expected = {0x0A141E, 0x0A141E, 0x0A141E, 0x0A141E, 0x0A141E, 0xC86400};
    for (const QImage& image : {deep, palette}) {
        BitmapPtr b = LoadBitmapFromFile(Write("logo.png", Encoded(image, "PNG")));
        ASSERT_TRUE(b);
        EXPECT_EQ(b->pixels, expected) << image.format();
    }
}

TEST_F(ImageLoading, BadFilesLoadAsNothing) {
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x, y, (x * y) % 256));
        }
    }
    const std::string png = Encoded(picture, "PNG");
    const std::string jpeg = Encoded(picture, "JPEG");
    const std::string bmp = MakeBmp(40, 40, 8, Colours(256, 0), 0, {});
    // A header claiming 100000 x 100000 pixels over a few bytes of data.
    std::string huge = MakeBmp(1, 1, 24, {}, 0, {});
    huge.replace(18, 8, std::string("\xA0\x86\x01\x00\xA0\x86\x01\x00", 8));
    const std::pair<std::string, std::string> cases[] = {
        {"text.bmp", "Esto no es un logotipo.\nSolo texto.\n"},
        {"empty.bmp", ""},
        {"truncated.bmp", bmp.substr(0, bmp.size() - 200)},
        {"header-only.bmp", bmp.substr(0, 30)},
        {"truncated.png", png.substr(0, png.size() * 3 / 4)},
        {"truncated.jpg", jpeg.substr(0, jpeg.size() * 3 / 4)},
        {"headers-only.jpg", jpeg.substr(0, 200)},
        {"huge.bmp", huge},
        {"pbm.bmp", "P1\n2 2\n0 1\n1 0\n"},
    };
    for (const auto& [name, bytes] : cases) {
        EXPECT_EQ(LoadBitmapFromFile(Write(name, bytes)), nullptr) << name;
    }
    for (const QString& path : {dir_.filePath("absent.bmp"), dir_.path(), QString()}) {
        EXPECT_EQ(LoadBitmapFromFile(path.toStdString()), nullptr) << path.toStdString();
    }
}

// A name holding a Windows-1252 letter names the file whose UTF-8 name has that letter.
TEST_F(ImageLoading, Windows1252PathIsFound) {
    std::string bmp = MakeBmp(1, 1, 1, {0x000000, 0xFFFFFF}, 2, {{1}});
    std::string utf8 = Write("log\xC3\xB3tipo.bmp", bmp);
    EXPECT_TRUE(LoadBitmapFromFile(dir_.path().toStdString() + "/log\xF3tipo.bmp"));
    EXPECT_TRUE(LoadBitmapFromFile(utf8));
}

}  // namespace
