// The glyph sheet: every Windows-1252 character and every currency sign in cells of 22 x 39.
#pragma once

#include <QImage>

constexpr int kCellWidth = 22;
constexpr int kCellHeight = 39;
constexpr int kCellsPerRow = 40;
constexpr int kSheetRows = 9;  // up to row 8, which holds the signs

// The sheet as a black-on-white image, 880 x 351 pixels.
QImage DrawGlyphSheet();
