// Writes the seed corpus of the bitmap fuzzer into the folder it is given: a small logo in every
// BMP layout the loader knows (each depth, run-length codes using every escape, bit fields of
// several widths, the headers of every size), and PNG and JPEG ones.
//     semillas_bitmap FOLDER
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/platform_device/image_bytes.h"

namespace {

using Rows = std::vector<std::vector<std::uint32_t>>;

const std::vector<std::uint32_t> kPalette = {0xFFFFFF, 0xC00000, 0x00A000, 0x0000C0};
const Rows kIndexes = {{0, 1, 2, 3}, {1, 2, 3, 0}, {2, 3, 0, 1}};
const Rows kColours = {{0xFFFFFF, 0xC00000, 0x00A000}, {0x0000C0, 0x102030, 0}};

// Rows of indexes at 1, 4 or 8 bits per pixel, each row padded to four bytes, bottom row first.
std::string Indexed(const Rows& rows, int bits) {
    std::string data;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::string line(((row->size() * std::size_t(bits) + 31) / 32) * 4, '\0');
        for (std::size_t x = 0; x < row->size(); ++x) {
            const std::size_t bit = x * std::size_t(bits);
            const int shift = 8 - bits - int(bit % 8);
            line[bit / 8] = char(line[bit / 8] | ((*row)[x] << shift));
        }
        data += line;
    }
    return data;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) {
        bytes.push_back(char(value));
    }
    return bytes;
}

QImage Picture(QImage::Format format) {
    QImage image(6, 4, format);
    image.fill(QColor(200, 40, 20));
    image.setPixelColor(1, 1, QColor(10, 20, 250, 128));
    return image;
}

std::vector<std::pair<std::string, std::string>> Seeds() {
    const std::vector<std::uint32_t> two = {0, 0xFFFFFF};
    return {
        {"1bit.bmp", BmpFile({.width = 4, .height = 3, .bits = 1, .table = two, .colorsUsed = 2},
                             Indexed({{0, 1, 0, 1}, {1, 0, 1, 0}, {1, 1, 0, 0}}, 1))},
        {"4bit.bmp",
         BmpFile({.width = 4, .height = 3, .bits = 4, .table = kPalette, .colorsUsed = 4},
                 Indexed(kIndexes, 4))},
        {"8bit.bmp",
         BmpFile({.width = 4, .height = 3, .bits = 8, .table = kPalette}, Indexed(kIndexes, 8))},
        {"8bit-core.bmp",
         BmpFile({.width = 4, .height = 3, .bits = 8, .table = kPalette, .infoSize = 12},
                 Indexed(kIndexes, 8))},
        {"24bit.bmp", BmpFile({.width = 3, .height = 2, .bits = 24}, PackedRows(kColours, 3))},
        {"24bit-top-down.bmp", BmpFile({.width = 3, .height = -2, .bits = 24},
                                       PackedRows(Rows(kColours.rbegin(), kColours.rend()), 3))},
        {"32bit.bmp", BmpFile({.width = 3, .height = 2, .bits = 32}, PackedRows(kColours, 4))},
        {"rle8.bmp",
         BmpFile({.width = 4,
                  .height = 3,
                  .bits = 8,
                  .compression = 1,
                  .table = kPalette,
                  .colorsUsed = 4},
                 Bytes({2, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 1, 1, 1, 3, 0, 0, 4, 2, 0, 1}))},
        {"rle4.bmp", BmpFile({.width = 4,
                              .height = 3,
                              .bits = 4,
                              .compression = 2,
                              .table = kPalette,
                              .colorsUsed = 4},
                             Bytes({4, 0x12, 0, 0, 0, 3, 0x12, 0x30, 0, 2, 1, 1, 1, 0x20, 0, 1}))},
        {"555.bmp",
         BmpFile({.width = 3, .height = 1, .bits = 16}, PackedRows({{0x7FFF, 0x7C00, 0x4210}}, 2))},
        {"565.bmp", BmpFile({.width = 3,
                             .height = 1,
                             .bits = 16,
                             .compression = 3,
                             .masks = {0xF800, 0x07E0, 0x001F}},
                            PackedRows({{0xFFFF, 0x07E0, 0x8410}}, 2))},
        {"1555-v5.bmp", BmpFile({.width = 2,
                                 .height = 1,
                                 .bits = 16,
                                 .compression = 3,
                                 .masks = {0x7C00, 0x03E0, 0x001F, 0x8000},
                                 .infoSize = 124},
                                PackedRows({{0x7FFF, 0x801F}}, 2))},
        {"4444-v4.bmp", BmpFile({.width = 2,
                                 .height = 1,
                                 .bits = 16,
                                 .compression = 3,
                                 .masks = {0x0F00, 0x00F0, 0x000F, 0xF000},
                                 .infoSize = 108},
                                PackedRows({{0x0FFF, 0xF088}}, 2))},
        {"2-10-10-10.bmp", BmpFile({.width = 2,
                                    .height = 1,
                                    .bits = 32,
                                    .compression = 3,
                                    .masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000},
                                    .infoSize = 124},
                                   PackedRows({{0x3FFFFFFF, 0x20000000}}, 4))},
        {"8888-v5.bmp", BmpFile({.width = 2,
                                 .height = 1,
                                 .bits = 32,
                                 .compression = 3,
                                 .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
                                 .infoSize = 124},
                                PackedRows({{0x80FF0000, 0xFF00FF00}}, 4))},
        {"indexed.png",
         Encoded(Picture(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8), "PNG")},
        {"alpha.png", Encoded(Picture(QImage::Format_ARGB32), "PNG")},
        {"photo.jpg", Encoded(Picture(QImage::Format_RGB32), "JPEG")},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (const auto& [name, bytes] : Seeds()) {
        std::ofstream file(std::string(argv[1]) + "/" + name, std::ios::binary);
        file.write(bytes.data(), std::streamsize(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], name.c_str());
            return 1;
        }
    }
    return 0;
}
