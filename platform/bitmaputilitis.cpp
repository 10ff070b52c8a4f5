#include "platform/bitmaputilitis.h"

#include <algorithm>
#include <cstddef>

#include "platform/services.h"

namespace {

constexpr std::size_t kMaxPaletteColours = 256;
constexpr int kMaxIndexedBits = 8;

// The colours-used field when the header gives one, else 2 to the bits per pixel; anything
// beyond an indexed depth counts as more colours than a palette can hold.
std::size_t ColourCount(const Bitmap& bitmap) {
    if (bitmap.colorsUsed > 0) {
        return static_cast<std::size_t>(bitmap.colorsUsed);
    }
    if (bitmap.bitsPerPixel > kMaxIndexedBits) {
        return kMaxPaletteColours + 1;
    }
    return std::size_t{1} << std::max(bitmap.bitsPerPixel, 0);
}

// One entry per colour-table colour, in table order; a table shorter than the count gives only
// the entries it has.
Palette PaletteFromTable(const Bitmap& bitmap, std::size_t count) {
    Palette palette;
    const std::size_t n = std::min(count, bitmap.colorTable.size());
    palette.entries.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        palette.entries.push_back(bitmap.colorTable[i] & 0x00FFFFFFu);
    }
    return palette;
}

}  // namespace

bool CargarBitmapYPaleta(int nIdRecurso, BitmapPtr& bitmap, Palette& paleta) {
    BitmapPtr cargado = Servicios().LoadResourceBitmap(nIdRecurso);
    if (!cargado) {
        return false;
    }
    bitmap = cargado;
    const std::size_t nColores = ColourCount(*cargado);
    if (nColores > kMaxPaletteColours) {
        paleta = Palette{.halftone = true, .entries = {}};
    } else {
        paleta = PaletteFromTable(*cargado, nColores);
    }
    return true;
}
