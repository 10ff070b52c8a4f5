#include "glyph_sheet.h"

#include <QPainter>

#include <array>
#include <vector>

#include "fonts.h"

namespace {

// 28 points at 96 dpi.
constexpr qreal kPixelSize = 28.0 * 96.0 / 72.0;
// Baseline inside a cell: accented capitals reach its top and descenders its bottom.
constexpr qreal kBaseline = 31.0;
constexpr int kSignRow = 8;
constexpr int kFirstCharCode = 32;
constexpr int kCharCellOffset = 9;
// Coverage (0 to 255) from which an antialiased pixel becomes black.
constexpr int kInkThreshold = 110;

// Unicode of the Windows-1252 codes 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t UnicodeOf(int code) {
    if (code >= 0x80 && code <= 0x9F) {
        return kCp1252High[static_cast<std::size_t>(code - 0x80)];
    }
    return static_cast<char32_t>(code);
}

struct Sign {
    int number;
    char32_t codePoint;
    bool secondDesign;
};

// Signs 1 to 8, 10 to 27 (U+20A0 to U+20B1 in code order, with 22 in a second € design).
std::vector<Sign> SignTable() {
    std::vector<Sign> signs = {{1, 0x20AC, false}, {2, '$', false},    {3, 0x00A2, false},
                               {4, 0x00A3, false}, {5, 0x00A4, false}, {6, 0x00A5, false},
                               {7, 0x0192, false}, {8, '#', false}};
    for (int k = 10; k <= 27; ++k) {
        signs.push_back({k, static_cast<char32_t>(0x20A0 + (k - 10)), false});
    }
    signs[8 + 12].codePoint = 0x20AC;  // number 22
    signs[8 + 12].secondDesign = true;
    return signs;
}

// Draws `codePoint` into the cell at (left, top), centred on the face's advance like a
// fixed-pitch face, then thresholds the antialiased coverage to black and white.
void DrawCell(QImage& sheet, int left, int top, const QRawFont& face, char32_t codePoint) {
    qreal advance = 0;
    const QPainterPath outline = GlyphOutline(face, codePoint, &advance);
    if (outline.isEmpty()) {
        return;
    }
    QImage cell(kCellWidth, kCellHeight, QImage::Format_RGB32);
    cell.fill(Qt::white);
    {
        QPainter painter(&cell);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate((kCellWidth - advance) / 2.0, kBaseline);
        painter.fillPath(outline, Qt::black);
    }
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x) {
            const int coverage = 255 - qGray(cell.pixel(x, y));
            if (coverage >= kInkThreshold) {
                sheet.setPixel(left + x, top + y, qRgb(0, 0, 0));
            }
        }
    }
}

void DrawCharacters(QImage& sheet, const QRawFont& face) {
    for (int code = kFirstCharCode + 1; code <= 255; ++code) {
        const int cell = code + kCharCellOffset;
        const char32_t codePoint = UnicodeOf(code);
        if (codePoint != 0) {
            DrawCell(sheet, (cell % kCellsPerRow) * kCellWidth, (cell / kCellsPerRow) * kCellHeight,
                     face, codePoint);
        }
    }
}

void DrawSigns(QImage& sheet, const QRawFont& face, const QRawFont& secondFace) {
    for (const Sign& sign : SignTable()) {
        DrawCell(sheet, sign.number * kCellWidth, kSignRow * kCellHeight,
                 sign.secondDesign ? secondFace : face, sign.codePoint);
    }
}

}  // namespace

QImage DrawGlyphSheet() {
    QImage sheet(kCellsPerRow * kCellWidth, kSheetRows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const QRawFont face = RequireFace("Liberation Mono", kPixelSize, QFont::Normal);
    const QRawFont secondFace = RequireFace("DejaVu Sans Mono", kPixelSize, QFont::Bold);
    DrawCharacters(sheet, face);
    DrawSigns(sheet, face, secondFace);
    return sheet;
}
