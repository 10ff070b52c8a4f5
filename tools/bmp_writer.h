// Writing Windows bitmap files at an exact bit depth (1, 4, 8 or 24 bits per pixel).
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// The colours of an indexed bitmap, in table order.
using ColourTable = QVector<QRgb>;

struct BmpFormat {
    int bitsPerPixel = 24;  // 1, 4, 8 or 24
    ColourTable table;      // for 1, 4 and 8 bits: every pixel is mapped to its nearest entry
    int coloursUsed = 0;    // the header's colours-used field; 0 means "the whole table"
};

// Writes `image` (any opaque format) as an uncompressed bottom-up BMP. False on I/O failure.
bool WriteBmp(const QString& path, const QImage& image, const BmpFormat& format);
