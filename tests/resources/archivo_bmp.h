// Reading the checked-in bitmaps for the tests: the header fields as stored, and the pixels.
#pragma once

#include <QImage>
#include <QString>

#include <optional>

struct CabeceraBmp {
    int width = 0;
    int height = 0;  // positive: rows stored bottom-up
    int bitsPerPixel = 0;
    int compression = -1;
    int colorsUsed = 0;
    int tableEntries = 0;      // colour-table entries between the header and the pixels
    bool sizeMatches = false;  // the file is exactly headers + table + padded rows
};

// The path of res/<relative> in the source tree, and of the bitmap of resource `id`.
QString RutaRecurso(const QString& relative);
QString RutaBitmap(int id);

// Nothing when the file is missing or not a BMP with a 40-byte info header.
std::optional<CabeceraBmp> LeerCabecera(const QString& path);

// The pixels as opaque RGB32 (a null image when the file cannot be decoded).
QImage LeerPixeles(const QString& path);

// Whether every pixel of the rectangle is `colour`.
bool TodoDeColor(const QImage& image, const QRect& rect, QRgb colour);

// Whether the image's edges, `grosor` pixels deep, are all `colour`.
bool MarcoDeColor(const QImage& image, int grosor, QRgb colour);
