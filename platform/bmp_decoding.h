// BMP files: their headers, and the pixel layouts decoded here rather than by the image reader
// of the toolkit, which leaves the pixels that run-length codes skip uninitialised and widens
// masked channels without filling their low bits. Standard library only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/bitmap.h"

// The largest side of any image accepted as a logo or resource.
inline constexpr int kMaxImageSide = 10000;

struct BmpHeader {
    int width = 0;
    int height = 0;  // rows, whichever order they are stored in
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, ...
    int colorsUsed = 0;
    std::vector<std::uint32_t> colorTable;  // in the file's order, 0x00RRGGBB
    // Red, green, blue and alpha masks of the pixels decoded through masks; 0 where none.
    std::array<std::uint32_t, 4> masks = {};
    std::uint32_t pixelOffset = 0;
    // The file holds the colour table and, for the uncompressed layouts, every row announced;
    // run-length coded data is measured as it is decoded.
    bool complete = false;
};

// The headers (the OS/2 core header or any Windows info header) and the colour table;
// nothing when the file does not start as a bitmap or its sides are out of range.
std::optional<BmpHeader> ReadBmpHeader(std::span<const std::uint8_t> file);

// Whether DecodeBmp decodes the file: run-length coded data, 16-bit pixels and pixels given
// through masks. The others go to the toolkit's reader.
bool DecodedHere(const BmpHeader& header);

// Every pixel of such a file defined: those the run-length codes skip or never reach take the
// colour table's first entry; masked channels of any width widen to 8 bits by repeating their
// high bits, and an alpha channel of up to 4 bits is ignored. Nothing for what cannot be drawn
// in its true colours: a mask that is not one run of bits, masks that overlap or reach beyond
// the pixel, run-length codes of another depth or stored top-down.
BitmapPtr DecodeBmp(std::span<const std::uint8_t> file, const BmpHeader& header);
