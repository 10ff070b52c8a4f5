// A decoded bitmap held in memory, as the device-independent bitmap the drawing code expects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // as stored: 1, 4, 8, 16, 24 or 32
    int colorsUsed = 0;    // the header's colours-used field (0 when the file gives none)
    // The colour table in table order, each 0x00RRGGBB; empty for bitmaps without one.
    std::vector<std::uint32_t> colorTable;
    // Opaque pixels, row by row from the top, each 0x00RRGGBB.
    std::vector<std::uint32_t> pixels;

    std::uint32_t Pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// A bitmap shared by its owners. None of them changes it once it is shared: a changed picture
// is a new bitmap.
using BitmapPtr = std::shared_ptr<const Bitmap>;

// A palette as the drawing code builds it from a colour table; devices on this system are
// never palette-based, so it is carried for the callers that expect one and otherwise ignored.
struct Palette {
    bool halftone = false;
    std::vector<std::uint32_t> entries;  // 0x00RRGGBB
};
