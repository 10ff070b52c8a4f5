// Loading logo files: good bitmaps keep what their headers state; bad files load as nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/qt/image_loading.h"

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// An uncompressed bottom-up BMP with the given depth, colour table, colours-used field and
// rows of palette indexes (1 or 8 bits per pixel).
std::string MakeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& table,
                    std::uint32_t colorsUsed, const std::vector<std::vector<int>>& rows) {
    const int stride = (width * bits + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(table.size());
    std::string bmp = "BM";
    Put(bmp, offset + stride * height, 4);
    Put(bmp, 0, 4);
    Put(bmp, offset, 4);
    Put(bmp, 40, 4);
    Put(bmp, width, 4);
    Put(bmp, height, 4);
    Put(bmp, 1, 2);
    Put(bmp, bits, 2);
    Put(bmp, 0, 4);
    Put(bmp, stride * height, 4);
    Put(bmp, 2835, 4);
    Put(bmp, 2835, 4);
    Put(bmp, colorsUsed, 4);
    Put(bmp, 0, 4);
    for (std::uint32_t rgb : table) {
        Put(bmp, rgb, 4);  // 0x00RRGGBB is stored as blue, green, red, 0
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string line(stride, '\0');
        for (int x = 0; x < width && y < int(rows.size()); ++x) {
            int index = rows[y][x];
            if (bits == 8) {
                line[x] = static_cast<char>(index);
            } else if (index) {
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bmp += line;
    }
    return bmp;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class ImageLoading : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const QByteArray& bytes) {
        QString path = dir_.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path.toStdString();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        return Write(name, QByteArray(bytes.data(), qsizetype(bytes.size())));
    }

    QTemporaryDir dir_;
};

TEST_F(ImageLoading, OneBitBmpKeepsDepthTableAndPixels) {
    std::string bmp = MakeBmp(3, 2, 1, {0x000000, 0xFFFFFF}, 2, {{0, 1, 0}, {1, 1, 0}});
    BitmapPtr bitmap = LoadBitmapFromFile(Write("mono.bmp", bmp));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 3);
    EXPECT_EQ(bitmap->height, 2);
    EXPECT_EQ(bitmap->bitsPerPixel, 1);
    EXPECT_EQ(bitmap->colorsUsed, 2);
    EXPECT_EQ(bitmap->colorTable, (std::vector<std::uint32_t>{0x000000, 0xFFFFFF}));
    EXPECT_EQ(bitmap->pixels, (std::vector<std::uint32_t>{0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF,
                                                          0xFFFFFF, 0x000000}));
}

TEST_F(ImageLoading, EightBitBmpKeepsItsColourTable) {
    std::vector<std::uint32_t> table = {0x102030, 0xFF0000, 0x00FF00};
    for (std::uint32_t colorsUsed : {3u, 0u}) {
        std::vector<std::uint32_t> written = table;
        if (colorsUsed == 0) {
            written.resize(256, 0x0000FF);
        }
        std::string bmp = MakeBmp(2, 1, 8, written, colorsUsed, {{2, 1}});
        BitmapPtr bitmap = LoadBitmapFromFile(Write("indexed.bmp", bmp));
        ASSERT_TRUE(bitmap) << colorsUsed;
        EXPECT_EQ(bitmap->bitsPerPixel, 8);
        EXPECT_EQ(bitmap->colorsUsed, int(colorsUsed));
        EXPECT_EQ(bitmap->colorTable, written);
        EXPECT_EQ(bitmap->pixels, (std::vector<std::uint32_t>{0x00FF00, 0xFF0000}));
    }
}

// PNG and JPEG: the decoded depth; transparent pixels come out as white paper.
TEST_F(ImageLoading, PngAndJpegAreOpaque) {
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    image.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    BitmapPtr png = LoadBitmapFromFile(Write("logo.png", Encoded(image, "PNG")));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->bitsPerPixel, 32);
    EXPECT_EQ(png->Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(png->Pixel(1, 0), 0xFF0000u);
    BitmapPtr jpeg = LoadBitmapFromFile(
        Write("logo.jpg", Encoded(image.convertToFormat(QImage::Format_RGB32), "JPEG")));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->bitsPerPixel, 24);
    EXPECT_EQ(jpeg->width, 4);
    for (std::uint32_t pixel : jpeg->pixels) {
        EXPECT_EQ(pixel & 0xFF000000u, 0u);
    }
}

// A header claiming 100000 x 100000 pixels over a few bytes of data.
std::string HugeBmp() {
    std::string bmp = MakeBmp(1, 1, 24, {}, 0, {});
    bmp.replace(18, 4, std::string("\xA0\x86\x01\x00", 4));
    bmp.replace(22, 4, std::string("\xA0\x86\x01\x00", 4));
    return bmp;
}

TEST_F(ImageLoading, BadFilesLoadAsNothing) {
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x, y, (x * y) % 256));
        }
    }
    QByteArray png = Encoded(picture, "PNG");
    QByteArray jpeg = Encoded(picture, "JPEG");
    std::string bmp = MakeBmp(40, 40, 8, std::vector<std::uint32_t>(256, 0), 0, {});
    const std::vector<std::pair<std::string, QByteArray>> cases = {
        {"text.bmp", "Esto no es un logotipo.\nSolo texto.\n"},
        {"empty.bmp", QByteArray()},
        {"truncated.bmp", QByteArray(bmp.data(), qsizetype(bmp.size() - 200))},
        {"header-only.bmp", QByteArray(bmp.data(), 30)},
        {"truncated.png", png.left(png.size() * 3 / 4)},
        {"truncated.jpg", jpeg.left(jpeg.size() * 3 / 4)},
        {"headers-only.jpg", jpeg.left(200)},
        {"huge.bmp", QByteArray::fromStdString(HugeBmp())},
        {"pbm.bmp", "P1\n2 2\n0 1\n1 0\n"},
    };
    for (const auto& [name, bytes] : cases) {
        EXPECT_EQ(LoadBitmapFromFile(Write(name, bytes)), nullptr) << name;
    }
    EXPECT_EQ(LoadBitmapFromFile(dir_.filePath("absent.bmp").toStdString()), nullptr);
    EXPECT_EQ(LoadBitmapFromFile(dir_.path().toStdString()), nullptr);
    EXPECT_EQ(LoadBitmapFromFile(""), nullptr);
}

// A name holding a Windows-1252 letter names the file whose UTF-8 name has that letter.
TEST_F(ImageLoading, Windows1252PathIsFound) {
    std::string bmp = MakeBmp(1, 1, 1, {0x000000, 0xFFFFFF}, 2, {{1}});
    std::string utf8 = Write("log\xC3\xB3tipo.bmp", bmp);
    std::string cp1252 = dir_.path().toStdString() + "/log\xF3tipo.bmp";
    EXPECT_TRUE(LoadBitmapFromFile(cp1252));
    EXPECT_TRUE(LoadBitmapFromFile(utf8));
}

// The glyph sheet is compiled in as a 1-bit bitmap with a two-colour table.
TEST_F(ImageLoading, ResourcesLoadByIdentifier) {
    BitmapPtr sheet = LoadBitmapResource(147);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->bitsPerPixel, 1);
    EXPECT_EQ(sheet->colorTable.size(), 2u);
    EXPECT_GE(sheet->width, 22 * 40);
    EXPECT_EQ(LoadBitmapResource(999999), nullptr);
}

}  // namespace
