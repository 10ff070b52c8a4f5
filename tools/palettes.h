// The colour tables the generated bitmaps use.
#pragma once

#include "bmp_writer.h"

// Black (index 0) and white (index 1).
ColourTable MonochromeTable();
// The 16 standard VGA colours in the Windows order.
ColourTable Vga16Table();
// 256 entries: the 6 x 6 x 6 colour cube followed by a ramp of 40 greys.
ColourTable Cube256Table();

// The index of the entry nearest to `colour` (exact matches win).
int NearestIndex(const ColourTable& table, QRgb colour);
