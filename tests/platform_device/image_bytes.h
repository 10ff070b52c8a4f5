// Image files as tests need them: BMP files written byte by byte (any header size, depth,
// compression, colour table and colour masks, over pixel data given as stored), and PNG or
// JPEG files encoded from an image.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

struct BmpFields {
    int width = 1;
    int height = 1;  // negative: the rows are stored top-down
    int bits = 24;
    std::uint32_t compression = 0;          // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> table = {};  // the colour table, 0x00RRGGBB
    std::uint32_t colorsUsed = 0;
    // Red, green, blue and, optionally, alpha. A 40-byte header is followed by as many masks as
    // are given; a larger header (108 or 124 bytes) holds all four in its fields.
    std::vector<std::uint32_t> masks = {};
    // 12 is the OS/2 core header: 16-bit sides, no compression, three bytes per table colour.
    std::uint32_t infoSize = 40;
};

std::string BmpFile(const BmpFields& fields, const std::string& pixelData);

// Rows of pixel values packed little-endian, `bytes` bytes each, every row padded to four
// bytes; the rows are given top first and stored bottom-up.
std::string PackedRows(const std::vector<std::vector<std::uint32_t>>& rows, int bytes);

// The image in a file of the format ("PNG", "JPEG").
std::string Encoded(const QImage& image, const char* format);
